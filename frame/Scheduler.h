#pragma once
#include <cstdint>

#include "frame/Platform.h"
#include "frame/TimerQueue.h"

// The event loop's timers on the loop's clock: what timers and services
// that report back on the loop are handed when they are made.
class Scheduler {
public:
    Scheduler(TimerQueue& timers, Platform& platform) : timers_(timers), platform_(platform) {}

    std::uint64_t now() const { return platform_.now(); }
    // Starts `client` with its first tick one full period from now. False
    // when the system has no timer left for it.
    [[nodiscard]] bool start(TimerQueue::Client& client, std::uint32_t period) {
        return timers_.start(client, period, now());
    }
    void stop(TimerQueue::Client& client) { timers_.stop(client); }
    bool running(const TimerQueue::Client& client) const { return timers_.running(client); }

private:
    TimerQueue& timers_;
    Platform& platform_;
};
