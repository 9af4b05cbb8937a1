#pragma once

#include <future>
#include <type_traits>
#include <utility>

namespace quorvel {

// Moves the calling thread to another processor core than the given one when it may
// use another one; does nothing otherwise. The thread is not tied to its new core.
void moveOffCore(int core);

// The core the calling thread runs on now, -1 when unknown.
int currentCore();

// Runs work on a new thread that starts on another core than the caller's, and returns
// its result as a future. Made for start-up work that should overlap the main thread's:
// there the scheduler tends to leave a young thread on its parent's core for several
// milliseconds, so the two would take turns on one core instead of running together.
template <typename Work>
std::future<std::invoke_result_t<Work>> startOnOtherCore(Work work)
{
    return std::async(std::launch::async, [callerCore = currentCore(), work = std::move(work)]() mutable {
        moveOffCore(callerCore);
        return work();
    });
}

} // namespace quorvel
