#pragma once
// Paths resolved by their text, as Windows resolves them.

#include <string>

namespace korvane::posix {

// `path` with every "." and empty name dropped and every ".." taking away the
// name before it (none at the root), by the text alone, before the file system
// is asked: so ".." leads out of a directory that cannot be read, that is
// gone, or that is a file, as it does on Windows. A separator at the end stays.
std::string resolved(const std::string& path);

}  // namespace korvane::posix
