#include "bench/game/SoundScan.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

double toDbfs(double level) {
    return level > 0 ? 20.0 * std::log10(level / 32768.0) : -std::numeric_limits<double>::infinity();
}

bool SoundScan::sounds(std::size_t frame) const {
    return std::abs(samples_[2 * frame]) > floor_ || std::abs(samples_[2 * frame + 1]) > floor_;
}

std::vector<Burst> SoundScan::bursts(std::size_t gap) const {
    std::vector<Burst> found;
    for (std::size_t frame = 0; frame < frames(); ++frame) {
        if (!sounds(frame)) continue;
        if (found.empty() || frame - found.back().last > gap) found.push_back({frame, frame});
        found.back().last = frame;
    }
    return found;
}

std::size_t SoundScan::lastSound(std::size_t end) const {
    for (std::size_t frame = std::min(end, frames()); frame-- > 0;)
        if (sounds(frame)) return frame;
    return end;
}

double SoundScan::largestStepDbfs(std::size_t from, std::size_t to) const {
    int largest = 0;
    for (std::size_t i = 2 * std::max<std::size_t>(from, 1); i < 2 * std::min(to, frames()); ++i)
        largest = std::max(largest, std::abs(samples_[i] - samples_[i - 2]));
    return toDbfs(largest);
}

double SoundScan::rmsDbfs(std::size_t from, std::size_t to) const {
    to = std::min(to, frames());
    if (from >= to) return toDbfs(0);
    double sum = 0;
    for (std::size_t i = 2 * from; i < 2 * to; ++i) sum += static_cast<double>(samples_[i]) * samples_[i];
    return toDbfs(std::sqrt(sum / static_cast<double>(2 * (to - from))));
}
