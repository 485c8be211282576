#include "settings/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "common/retry_on_interrupt.h"

namespace wrennet {
namespace {

FileDescriptor OpenLockFile(const std::string& lockPath) {
    FileDescriptor file(RetryOnInterrupt(
        [&] { return ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644); }));
    // An existing lock file in a folder we may not write still serves readers;
    // neither open may wait, should a FIFO stand in its place.
    if (!file.isOpen()) {
        file = FileDescriptor(RetryOnInterrupt(
            [&] { return ::open(lockPath.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }));
    }
    return file;
}

// What the waiting thread and the one that gives up on it share.
struct Wait {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool locked = false;
    bool abandoned = false;
};

// flock() cannot wait for a limited time. So it waits, in the kernel's queue
// like any other writer, on a thread of its own and a second descriptor of
// the same open lock file, while the caller waits at most `patience` for it.
// A thread given up on keeps waiting for the hung program and lets go of the
// lock the moment it gets it.
FileLock::Outcome WaitForLock(int file, int operation, std::chrono::milliseconds patience) {
    FileDescriptor second(::fcntl(file, F_DUPFD_CLOEXEC, 0));
    if (!second.isOpen()) return FileLock::Outcome::InUse;
    const auto wait = std::make_shared<Wait>();
    try {
        std::thread([wait, operation, held = std::move(second)]() mutable {
            const bool locked =
                RetryOnInterrupt([&] { return ::flock(held.get(), operation); }) == 0;
            const std::lock_guard guard(wait->mutex);
            wait->finished = true;
            wait->locked = locked && !wait->abandoned;
            // Closing the last descriptor of the open file releases the lock.
            if (wait->abandoned) held.close();
            wait->done.notify_one();
        }).detach();
    } catch (const std::system_error&) {
        return FileLock::Outcome::InUse;
    }
    std::unique_lock guard(wait->mutex);
    if (!wait->done.wait_for(guard, patience, [&] { return wait->finished; })) {
        wait->abandoned = true;
        return FileLock::Outcome::InUse;
    }
    return wait->locked ? FileLock::Outcome::Held : FileLock::Outcome::NoLockFile;
}

// Once a wait has been given up on, its thread may still be queued for the
// lock: when the other program lets go, that thread holds the lock for the
// moment it takes to release it. A write that tried only once at that moment
// would be dropped although nothing hangs any more, so it tries for a little
// while, far too short for a hung program to be felt.
FileLock::Outcome TryBriefly(int file, int operation) {
    constexpr auto kStep = std::chrono::milliseconds(5);
    constexpr int kTries = 40;
    for (int k = 0; k < kTries; ++k) {
        std::this_thread::sleep_for(kStep);
        if (RetryOnInterrupt([&] { return ::flock(file, operation | LOCK_NB); }) == 0) {
            return FileLock::Outcome::Held;
        }
        if (errno != EWOULDBLOCK) return FileLock::Outcome::NoLockFile;
    }
    return FileLock::Outcome::InUse;
}

}  // namespace

FileLock::FileLock(const std::string& lockPath, Mode mode, std::chrono::milliseconds patience)
    : file_(OpenLockFile(lockPath)) {
    if (!file_.isOpen()) return;
    const int operation = mode == Mode::Shared ? LOCK_SH : LOCK_EX;
    if (RetryOnInterrupt([&] { return ::flock(file_.get(), operation | LOCK_NB); }) == 0) {
        outcome_ = Outcome::Held;
    } else if (errno != EWOULDBLOCK) {
        outcome_ = Outcome::NoLockFile;
    } else {
        outcome_ = patience.count() > 0 ? WaitForLock(file_.get(), operation, patience)
                                        : TryBriefly(file_.get(), operation);
    }
    if (outcome_ != Outcome::Held) file_.close();
}

}  // namespace wrennet
