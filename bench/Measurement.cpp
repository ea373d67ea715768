#include "bench/Measurement.h"

#include <sys/resource.h>

#include <stdexcept>

#include "frame/Application.h"

namespace {

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; }

}  // namespace

Measurement::Measurement(TApplication& application, CountingPlatform& platform, Clock clock, std::int64_t startNs,
                         std::int64_t lengthNs)
    : application_(application), platform_(platform), clock_(std::move(clock)), startNs_(startNs), lengthNs_(lengthNs) {
    // Room for 45 s of the game's load, so that recording a tick does not
    // reallocate while measuring.
    lateness_.reserve(16384);
}

void Measurement::tick(TickGrid& grid) {
    std::int64_t now = clock_();
    std::int64_t due = grid.take(now);
    if (finished_ || now < startNs_) return;
    if (!started_) begin(now);
    if (now - firstNs_ >= lengthNs_) finish(now);
    else record(due, now);
}

Measurement::Usage Measurement::usageNow() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime), usage.ru_nvcsw, usage.ru_maxrss};
}

void Measurement::begin(std::int64_t nowNs) {
    started_ = true;
    platform_.resetCounts();
    firstNs_ = nowNs;
    firstUsage_ = usageNow();
}

void Measurement::record(std::int64_t dueNs, std::int64_t nowNs) {
    lateness_.push_back(nowNs - dueNs);
    // Ticks come in order of due time, so equal due times arrive together.
    if (dueNs != lastDue_) ++dueInstants_;
    lastDue_ = dueNs;
}

void Measurement::finish(std::int64_t nowNs) {
    finished_ = true;
    lastNs_ = nowNs;
    lastUsage_ = usageNow();
    wakeUps_ = platform_.wakeUps();
    pixels_ = platform_.pixelsPresented();
    application_.terminate();
}

Figures Measurement::figures(Size window) const {
    if (!finished_) throw std::logic_error("the measured window has not ended");
    double s = static_cast<double>(lastNs_ - firstNs_) / 1e9;
    auto ticks = static_cast<double>(lateness_.size());
    Spread late = spreadOf(lateness_);
    Figures f;
    f.seconds = s;
    f.latenessMedianMs = late.medianMs;
    f.latenessP99Ms = late.p99Ms;
    f.latenessMaxMs = late.maxMs;
    f.ticksPerSecond = ticks / s;
    f.dueInstantsPerSecond = static_cast<double>(dueInstants_) / s;
    f.wakeUpsPerSecond = static_cast<double>(wakeUps_) / s;
    auto switches = lastUsage_.voluntarySwitches - firstUsage_.voluntarySwitches;
    f.voluntarySwitchesPerSecond = static_cast<double>(switches) / s;
    f.cpuPercentOfCore = 100 * (lastUsage_.cpuSeconds - firstUsage_.cpuSeconds) / s;
    f.pixelsPerSecond = static_cast<double>(pixels_) / s;
    f.pixelsPerTickPercentOfWindow = 100 * static_cast<double>(pixels_) / ticks / (window.width * window.height);
    f.peakRssMb = static_cast<double>(lastUsage_.maxRssKb) / 1024;
    return f;
}
