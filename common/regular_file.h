// OpenRegularFile and ReadToEnd: a regular file opened without blocking and read whole.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "common/file_descriptor.h"
#include "common/retry_on_interrupt.h"

namespace wrennet {

// A regular file opened for reading, or why it is not one.
struct RegularFile {
    FileDescriptor file{-1};
    struct stat status {};
    // 0 when open; otherwise the open's errno (ENOENT for a missing file), or
    // EINVAL for something that is no regular file (a folder, a FIFO, a device).
    int error = 0;

    bool isOpen() const { return file.isOpen(); }
};

// Opens without blocking, so that a FIFO in a file's place can never hang its
// reader, and gives up on anything but a regular file.
inline RegularFile OpenRegularFile(const std::string& path) {
    RegularFile opened;
    FileDescriptor file(
        RetryOnInterrupt([&] { return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }));
    if (!file.isOpen()) {
        opened.error = errno;
        return opened;
    }
    if (::fstat(file.get(), &opened.status) != 0) {
        opened.error = errno;
        return opened;
    }
    if (!S_ISREG(opened.status.st_mode)) {
        opened.error = EINVAL;
        return opened;
    }
    opened.file = std::move(file);
    return opened;
}

// Reads from `fd` until its end into `bytes`, starting with room for
// `expected` bytes; a file that grows meanwhile is read on to its new end.
// False, with `bytes` empty, on a read error.
inline bool ReadToEnd(int fd, std::size_t expected, std::string& bytes) {
    bytes.resize(expected + 1);
    std::size_t filled = 0;
    while (true) {
        if (filled == bytes.size()) bytes.resize(bytes.size() * 2);
        const ssize_t got = RetryOnInterrupt(
            [&] { return ::read(fd, bytes.data() + filled, bytes.size() - filled); });
        if (got == 0) break;
        if (got < 0) {
            bytes.clear();
            return false;
        }
        filled += static_cast<std::size_t>(got);
    }
    bytes.resize(filled);
    return true;
}

}  // namespace wrennet
