#include "frame/StageLog.h"

#include <chrono>
#include <cstdio>
#include <ostream>

void StageLog::mark(const std::string& stage) {
    if (!out_) return;
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    double ms = std::chrono::duration<double, std::milli>(since).count();
    std::lock_guard guard(mutex_);
    *out_ << line(stage, ms) << std::flush;
}

std::string StageLog::line(const std::string& stage, double ms) {
    char at[32];
    std::snprintf(at, sizeof at, "%.3f", ms);
    return "orbitrove: stage " + stage + " at " + at + "\n";
}
