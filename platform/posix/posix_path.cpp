#include "platform/posix/posix_path.h"

#include <string_view>
#include <vector>

namespace korvane {

std::string posix::resolved(const std::string& path) {
    const bool absolute = path.starts_with('/');
    std::vector<std::string_view> names;
    for (std::string_view rest = path; !rest.empty();) {
        const std::size_t slash = rest.find('/');
        const std::string_view name = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? "" : rest.substr(slash + 1);
        if (name.empty() || name == ".") {
            continue;
        }
        if (name != "..") {
            names.push_back(name);
        } else if (!names.empty() && names.back() != "..") {
            names.pop_back();
        } else if (!absolute) {
            names.push_back(name);  // a relative path keeps a ".." that leads above it
        }
    }
    if (names.empty()) {
        return absolute ? "/" : path.empty() ? "" : ".";
    }
    std::string text = absolute ? "/" : "";
    for (const std::string_view name : names) {
        text.append(name).push_back('/');
    }
    if (!path.ends_with('/')) {
        text.pop_back();
    }
    return text;
}

}  // namespace korvane
