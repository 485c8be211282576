#include "common/file_descriptor.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <utility>

#include "common/retry_on_interrupt.h"

namespace wrennet {
namespace {

// A descriptor closed twice could close one another owner has opened since.
TEST(FileDescriptorTest, ClosesOnceWhicheverOwnerIsLast) {
    int raw = -1;
    {
        FileDescriptor first(::open("/dev/null", O_RDONLY | O_CLOEXEC));
        raw = first.get();
        FileDescriptor second = std::move(first);
        first = std::move(second);  // the moved-from owner must not close it
        EXPECT_NE(::fcntl(raw, F_GETFD), -1);
    }
    EXPECT_EQ(::fcntl(raw, F_GETFD), -1);
}

TEST(RetryOnInterruptTest, RetriesOnlyInterruptedCalls) {
    // The call is interrupted `interruptions` times, then answers `last`.
    struct Row {
        int interruptions, last, lastErrno;
    };
    const Row rows[] = {
        {.interruptions = 2, .last = 7, .lastErrno = 0},
        {.interruptions = 0, .last = -1, .lastErrno = EIO},
        {.interruptions = 1, .last = -1, .lastErrno = EAGAIN},
    };
    for (const Row& row : rows) {
        int calls = 0;
        const int result = RetryOnInterrupt([&] {
            errno = calls++ < row.interruptions ? EINTR : row.lastErrno;
            return errno == EINTR ? -1 : row.last;
        });
        EXPECT_EQ(std::pair(calls, result), std::pair(row.interruptions + 1, row.last));
    }
}

}  // namespace
}  // namespace wrennet
