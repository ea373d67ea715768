#pragma once
#include <cstdint>
#include <functional>

#include "frame/Platform.h"

// A high-resolution monotonic clock in nanoseconds.
using Clock = std::function<std::int64_t()>;
std::int64_t steadyNanoseconds();

// A reading of the frame's millisecond clock and the high-resolution time at
// which that millisecond began.
struct ClockEdge {
    std::uint64_t frameMs = 0;
    std::int64_t ns = 0;
};

// Spins until the frame's clock moves on to its next millisecond. Timers
// started within that millisecond have grids known to the microsecond.
ClockEdge nextEdge(Platform& platform, const Clock& clock);

// One timer's due times in nanoseconds, advanced the way the frame's timer
// queue advances them: after a late tick the next one is due at the first
// grid point after it, so missed periods collapse into one.
class TickGrid {
public:
    TickGrid(std::int64_t startNs, std::uint32_t periodMs);
    // The due time of the tick handled at `nowNs`; moves on to the next one.
    std::int64_t take(std::int64_t nowNs);

private:
    std::int64_t due_;
    std::int64_t period_;
};
