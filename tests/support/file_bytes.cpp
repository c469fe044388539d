#include "tests/support/file_bytes.h"

#include <fstream>
#include <iterator>

namespace korvane::testing {

void write_bytes(const std::filesystem::path& path, const Bytes& bytes) {
    write_text(path, std::string(bytes.begin(), bytes.end()));
}

Bytes read_bytes(const std::filesystem::path& path) {
    const std::string text = read_text(path);
    return Bytes(text.begin(), text.end());
}

void write_text(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string read_text(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace korvane::testing
