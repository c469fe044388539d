#pragma once
// Whole files as bytes or text, for tests that prepare and inspect them.

#include <filesystem>
#include <string>
#include <vector>

namespace korvane::testing {

using Bytes = std::vector<unsigned char>;

void write_bytes(const std::filesystem::path& path, const Bytes& bytes);
Bytes read_bytes(const std::filesystem::path& path);

void write_text(const std::filesystem::path& path, const std::string& bytes);
std::string read_text(const std::filesystem::path& path);

}  // namespace korvane::testing
