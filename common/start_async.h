// StartAsync: a task on a thread of its own, or later in the asking thread.
#pragma once

#include <future>
#include <system_error>
#include <type_traits>
#include <utility>

namespace wrennet {

// Runs `task` on a thread of its own, or, when no thread can be started (the
// process is at its limit of threads or memory), later in the thread that asks
// for the result: the work is then done one piece after the other, but done.
template <typename Task>
std::future<std::invoke_result_t<std::decay_t<Task>>> StartAsync(Task&& task) {
    try {
        return std::async(std::launch::async, task);
    } catch (const std::system_error&) {
        return std::async(std::launch::deferred, std::forward<Task>(task));
    }
}

}  // namespace wrennet
