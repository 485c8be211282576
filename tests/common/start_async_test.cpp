#include "common/start_async.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <thread>

namespace wrennet {
namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// The process's address space now, in bytes.
rlim_t AddressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    rlim_t pages = 0;
    statm >> pages;
    return pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE));
}

// With no room left for a thread's stack, std::async throws; the work must
// still be done, in the thread that asks for it.
TEST(StartAsyncTest, RunsHereWhenNoThreadCanStart) {
    if (kSanitized) GTEST_SKIP() << "a sanitizer needs more address space than the limit leaves";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit tight{AddressSpaceInUse() + (1 << 20), RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &tight);
        const std::thread::id caller = std::this_thread::get_id();
        auto ranOn = StartAsync([] { return std::this_thread::get_id(); });
        ::_exit(ranOn.get() == caller ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST(StartAsyncTest, RunsOnAThreadOfItsOwn) {
    auto ranOn = StartAsync([] { return std::this_thread::get_id(); });
    EXPECT_NE(ranOn.get(), std::this_thread::get_id());
}

}  // namespace
}  // namespace wrennet
