#include "tests/robustness/ordinary_user.h"

#include <sys/fsuid.h>
#include <unistd.h>

namespace korvane::testing {
namespace {

constexpr uid_t kNobody = 65534;

}  // namespace

// Changing the file-system user id away from 0 also drops root's permission to
// ignore file modes; changing it back restores it.
AsOrdinaryUser::AsOrdinaryUser() {
    if (::geteuid() == 0) {
        ::setfsuid(kNobody);
        switched_ = true;
    }
}

AsOrdinaryUser::~AsOrdinaryUser() {
    if (switched_) {
        ::setfsuid(0);
    }
}

}  // namespace korvane::testing
