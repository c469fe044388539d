#include "practice/code_from_file.h"

#include <string_view>

#include "platform/directory.h"
#include "practice/ascii_upper.h"
#include "practice/file_bytes.h"

namespace korvane {
namespace {

constexpr std::string_view kWildcard = "*.*";

// The last four characters, in ASCII capitals, are ".TXT", ".BAT" or ".DAT".
bool has_practice_extension(std::string_view name) {
    if (name.size() < 4) {
        return false;
    }
    std::string tail(name.substr(name.size() - 4));
    for (char& ch : tail) {
        ch = ascii_upper(ch);
    }
    return tail == ".TXT" || tail == ".BAT" || tail == ".DAT";
}

}  // namespace

void list_directory() {
    FileList.assign(1, "..");
    // A path the platform cannot take, with its wildcard, lists as ".." alone.
    if (browse_dir.size() + kWildcard.size() >= platform::kMaxPathLength) {
        return;
    }
    platform::list_directory_entries(browse_dir, [](const std::string& name) {
        if (platform::is_directory(browse_dir + name) || has_practice_extension(name)) {
            FileList.push_back(name);
        }
    });
}

void send_file() {
    send_file_bytes(browse_dir + picked_name);
}

}  // namespace korvane
