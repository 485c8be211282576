// RetryOnInterrupt: a system call repeated while a signal interrupts it.
#pragma once

#include <cerrno>

namespace wrennet {

// Calls a system call again for as long as a signal interrupts it (-1 with
// errno EINTR), and returns its first other result.
template <typename SystemCall>
auto RetryOnInterrupt(SystemCall call) {
    for (;;) {
        const auto result = call();
        if (result != -1 || errno != EINTR) return result;
    }
}

}  // namespace wrennet
