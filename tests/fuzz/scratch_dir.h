#pragma once
// A private directory for a fuzz target's files.

#include <filesystem>

namespace korvane::fuzzing {

// Creates a fresh directory under the system's temporary directory; it is
// removed with everything in it when the process exits.
std::filesystem::path scratch_dir();

}  // namespace korvane::fuzzing
