#pragma once
#include <chrono>
#include <future>
#include <optional>
#include <thread>

// Runs `call` on a thread of its own and waits at most `limit` for its
// answer: nothing when it has not answered by then. A call that does not
// answer is left to finish on its thread, or never, so it must use nothing
// that its caller may free: it takes its inputs by value and gives its
// result only through here.
//
// Once the limit has passed, `mayGiveUp` is asked whether the call may still
// be left: when it says no, the call has gone too far to be left (it is
// using what its caller holds) and its answer is waited for however long.
template <class Call, class MayGiveUp>
auto callWithin(std::chrono::milliseconds limit, Call call, MayGiveUp mayGiveUp) -> std::optional<decltype(call())> {
    std::packaged_task<decltype(call())()> task(std::move(call));
    auto answer = task.get_future();
    std::thread worker(std::move(task));
    if (answer.wait_for(limit) != std::future_status::ready && mayGiveUp()) {
        worker.detach();
        return std::nullopt;
    }
    worker.join();
    return answer.get();
}
