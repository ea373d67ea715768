#pragma once
#include <cstdint>
#include <type_traits>
#include <vector>

// What one run of the load measured, as rates over the measured window.
// Plain numbers, so that a child process can hand them over byte for byte.
struct Figures {
    double seconds = 0;
    double latenessMedianMs = 0;
    double latenessP99Ms = 0;
    double latenessMaxMs = 0;
    double ticksPerSecond = 0;
    // Distinct due times: the fewest wake-ups that serve every tick.
    double dueInstantsPerSecond = 0;
    double wakeUpsPerSecond = 0;
    double voluntarySwitchesPerSecond = 0;
    double cpuPercentOfCore = 0;
    double pixelsPerSecond = 0;
    double pixelsPerTickPercentOfWindow = 0;
    double peakRssMb = 0;
};
static_assert(std::is_trivially_copyable_v<Figures>);

struct Spread {
    double medianMs = 0;
    double p99Ms = 0;
    double maxMs = 0;
};
// Nearest-rank median and 99th percentile, and the maximum, of durations in
// nanoseconds; zeros when there are none.
Spread spreadOf(std::vector<std::int64_t> ns);
