// Files with POSIX calls, a path's ".." resolved by its text. The settings
// file is locked against other openers with an advisory lock, the nearest
// POSIX has to an unshared open.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/posix/posix_path.h"

namespace korvane {
namespace {

int fd_of(platform::FileHandle file) {
    return static_cast<int>(file);
}

}  // namespace

// Opening a FIFO or a device can block until another program acts, and reading
// one may never end; the open itself never waits, and only regular files are kept.
platform::FileHandle platform::open_file(const std::string& path, FileAccess access) {
    const bool writable = access == FileAccess::read_write_create;
    const int flags = O_CLOEXEC | O_NONBLOCK | (writable ? O_RDWR | O_CREAT : O_RDONLY);
    const int fd = ::open(posix::resolved(path).c_str(), flags, 0644);
    if (fd < 0) {
        return kNoFile;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
        (writable && ::flock(fd, LOCK_EX | LOCK_NB) != 0)) {
        ::close(fd);
        return kNoFile;
    }
    return fd;
}

std::uint64_t platform::file_length(FileHandle file) {
    struct stat info {};
    if (file == kNoFile || ::fstat(fd_of(file), &info) != 0 || !S_ISREG(info.st_mode)) {
        return 0;
    }
    return static_cast<std::uint64_t>(info.st_size);
}

std::size_t platform::read_file(FileHandle file, std::uint64_t offset, std::uint8_t* buffer,
                                std::size_t count) {
    if (file == kNoFile) {
        return 0;
    }
    const ssize_t got = ::pread(fd_of(file), buffer, count, static_cast<off_t>(offset));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool platform::write_file(FileHandle file, std::uint64_t offset, const std::uint8_t* data,
                          std::size_t count) {
    if (file == kNoFile) {
        return false;
    }
    const ssize_t put = ::pwrite(fd_of(file), data, count, static_cast<off_t>(offset));
    return put == static_cast<ssize_t>(count);
}

void platform::close_file(FileHandle file) {
    if (file != kNoFile) {
        ::close(fd_of(file));
    }
}

}  // namespace korvane
