#include "file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "common/retry_on_interrupt.h"

namespace wrennet {

FileLock::FileLock(const std::string& lockPath, Mode mode)
    : file_(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644)) {
    // An existing lock file in a folder we may not write still serves readers.
    if (!file_.isOpen()) file_ = FileDescriptor(::open(lockPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file_.isOpen()) return;
    const int operation = mode == Mode::Shared ? LOCK_SH : LOCK_EX;
    if (RetryOnInterrupt([&] { return ::flock(file_.get(), operation); }) != 0) file_.close();
}

}  // namespace wrennet
