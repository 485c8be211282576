#include "common/file_descriptor.h"

#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <utility>

#include "common/retry_on_interrupt.h"

namespace wrennet {
namespace {

bool IsOpenDescriptor(int descriptor) { return ::fcntl(descriptor, F_GETFD) != -1; }

TEST(FileDescriptorTest, ClosesOnceWhicheverOwnerIsLast) {
    int raw = -1;
    {
        FileDescriptor first(::open("/dev/null", O_RDONLY | O_CLOEXEC));
        raw = first.get();
        ASSERT_TRUE(first.isOpen());
        FileDescriptor second = std::move(first);
        EXPECT_FALSE(first.isOpen());
        first = std::move(second);  // the moved-from owner must not close it
        EXPECT_TRUE(IsOpenDescriptor(raw));
    }
    EXPECT_FALSE(IsOpenDescriptor(raw));
}

TEST(RetryOnInterruptTest, RetriesOnlyInterruptedCalls) {
    // The call is interrupted `interruptions` times, then answers `last`.
    struct Row {
        int interruptions;
        int last;
        int lastErrno;
    };
    const Row rows[] = {
        {.interruptions = 2, .last = 7, .lastErrno = 0},
        {.interruptions = 0, .last = -1, .lastErrno = EIO},
        {.interruptions = 1, .last = -1, .lastErrno = EAGAIN},
    };
    for (const Row& row : rows) {
        int calls = 0;
        const int result = RetryOnInterrupt([&] {
            if (calls++ < row.interruptions) {
                errno = EINTR;
                return -1;
            }
            errno = row.lastErrno;
            return row.last;
        });
        EXPECT_EQ(calls, row.interruptions + 1);
        EXPECT_EQ(result, row.last);
    }
}

}  // namespace
}  // namespace wrennet
