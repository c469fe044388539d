// Process services that only record that they were asked for.

#include "platform/fake/fake_state.h"
#include "platform/process.h"

namespace korvane {

void platform::raise_priority() {
    fake::detail::state().journal.push_back("priority");
}

void platform::open_help_page(const std::string& page) {
    fake::detail::state().journal.push_back("help " + page);
}

}  // namespace korvane
