#include "bench/TickGrid.h"

#include <chrono>

std::int64_t steadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

ClockEdge nextEdge(Platform& platform, const Clock& clock) {
    std::uint64_t last = platform.now();
    while (true) {
        std::int64_t ns = clock();
        std::uint64_t ms = platform.now();
        if (ms != last) return {ms, ns};
    }
}

TickGrid::TickGrid(std::int64_t startNs, std::uint32_t periodMs)
    : due_(startNs + std::int64_t{periodMs} * 1'000'000), period_(std::int64_t{periodMs} * 1'000'000) {}

std::int64_t TickGrid::take(std::int64_t nowNs) {
    std::int64_t due = due_;
    std::int64_t missed = nowNs > due ? (nowNs - due) / period_ : 0;
    due_ = due + (missed + 1) * period_;
    return due;
}
