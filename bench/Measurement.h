#pragma once
#include <cstdint>
#include <vector>

#include "bench/CountingPlatform.h"
#include "bench/Figures.h"
#include "bench/TickGrid.h"

class TApplication;

// Measures a run of the load between two ticks: from the first tick at or
// after `startNs` until the first one `lengthNs` later, which ends the
// application. Lateness is taken against each ticking timer's grid.
class Measurement {
public:
    Measurement(TApplication& application, CountingPlatform& platform, Clock clock, std::int64_t startNs,
                std::int64_t lengthNs);

    void tick(TickGrid& grid);
    bool finished() const { return finished_; }
    // Only once finished.
    Figures figures(Size window) const;

private:
    struct Usage {
        double cpuSeconds = 0;
        long voluntarySwitches = 0;
        long maxRssKb = 0;
    };
    static Usage usageNow();
    void begin(std::int64_t nowNs);
    void record(std::int64_t dueNs, std::int64_t nowNs);
    void finish(std::int64_t nowNs);

    TApplication& application_;
    CountingPlatform& platform_;
    Clock clock_;
    std::int64_t startNs_;
    std::int64_t lengthNs_;
    bool started_ = false;
    bool finished_ = false;
    std::int64_t firstNs_ = 0;
    std::int64_t lastNs_ = 0;
    Usage firstUsage_;
    Usage lastUsage_;
    std::vector<std::int64_t> lateness_;
    std::int64_t lastDue_ = -1;
    std::uint64_t dueInstants_ = 0;
    std::uint64_t wakeUps_ = 0;
    std::uint64_t pixels_ = 0;
};
