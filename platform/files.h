#pragma once
// Files: open, measure, read and write at an offset, close.

#include <cstddef>
#include <cstdint>
#include <string>

namespace korvane::platform {

using FileHandle = std::intptr_t;
inline constexpr FileHandle kNoFile = -1;

enum class FileAccess {
    read_write_create,  // read and write, not shared, created empty when missing, never truncated
    read_only,          // read only; a missing file is not created
};

// Opens `path`; kNoFile when it cannot be opened with that access.
FileHandle open_file(const std::string& path, FileAccess access);

// The file's length in bytes; 0 for kNoFile.
std::uint64_t file_length(FileHandle file);

// Reads up to `count` bytes at `offset`; returns how many were read (0 for kNoFile).
std::size_t read_file(FileHandle file, std::uint64_t offset, std::uint8_t* buffer,
                      std::size_t count);

// Writes `count` bytes at `offset`; false when they were not all written or for kNoFile.
bool write_file(FileHandle file, std::uint64_t offset, const std::uint8_t* data, std::size_t count);

// Closes the file; kNoFile is ignored.
void close_file(FileHandle file);

}  // namespace korvane::platform
