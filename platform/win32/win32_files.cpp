// Files with the kernel's file calls. The read-write open shares nothing, so
// no other program can open the file meanwhile; the read-only open lets
// others read and write, and never creates the file.

#include <windows.h>

#include "platform/files.h"

namespace korvane {
namespace {

HANDLE handle_of(platform::FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

// Moves the file pointer to `offset`; false when the file cannot seek there.
bool seek(HANDLE file, std::uint64_t offset) {
    LONG high = static_cast<LONG>(offset >> 32);
    SetLastError(NO_ERROR);  // the low half alone cannot tell a failure from a valid offset
    const DWORD low =
        SetFilePointer(file, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN);
    return low != INVALID_SET_FILE_POINTER || GetLastError() == NO_ERROR;
}

}  // namespace

platform::FileHandle platform::open_file(const std::string& path, FileAccess access) {
    const bool writable = access == FileAccess::read_write_create;
    const HANDLE file =
        writable ? CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr)
                 : CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? kNoFile : reinterpret_cast<FileHandle>(file);
}

std::uint64_t platform::file_length(FileHandle file) {
    if (file == kNoFile) {
        return 0;
    }
    DWORD high = 0;
    SetLastError(NO_ERROR);  // as in seek: the low half alone is ambiguous
    const DWORD low = GetFileSize(handle_of(file), &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) {
        return 0;
    }
    return static_cast<std::uint64_t>(high) << 32 | low;
}

std::size_t platform::read_file(FileHandle file, std::uint64_t offset, std::uint8_t* buffer,
                                std::size_t count) {
    DWORD got = 0;
    if (file == kNoFile || !seek(handle_of(file), offset) ||
        !ReadFile(handle_of(file), buffer, static_cast<DWORD>(count), &got, nullptr)) {
        return 0;
    }
    return got;
}

bool platform::write_file(FileHandle file, std::uint64_t offset, const std::uint8_t* data,
                          std::size_t count) {
    DWORD put = 0;
    return file != kNoFile && seek(handle_of(file), offset) &&
           WriteFile(handle_of(file), data, static_cast<DWORD>(count), &put, nullptr) &&
           put == count;
}

void platform::close_file(FileHandle file) {
    if (file != kNoFile) {
        CloseHandle(handle_of(file));
    }
}

}  // namespace korvane
