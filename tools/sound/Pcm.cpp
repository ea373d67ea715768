#include "Pcm.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace sound {

Pcm toPcm(const std::vector<double>& signal, int rate, double peakDbfs) {
    double loudest = 0.0;
    for (double value : signal) {
        loudest = std::max(loudest, std::abs(value));
    }
    if (loudest == 0.0) {
        throw std::invalid_argument("cannot scale a silent signal");
    }
    const double scale = 32767.0 * std::pow(10.0, peakDbfs / 20.0) / loudest;
    Pcm pcm{rate, 1, {}};
    pcm.samples.reserve(signal.size());
    for (double value : signal) {
        pcm.samples.push_back(static_cast<std::int16_t>(std::clamp(std::lround(value * scale), -32767L, 32767L)));
    }
    return pcm;
}

double seconds(const Pcm& pcm) {
    return static_cast<double>(pcm.samples.size()) / (static_cast<double>(pcm.rate) * pcm.channels);
}

double peakDbfs(const Pcm& pcm) {
    int peak = 0;
    for (std::int16_t sample : pcm.samples) {
        peak = std::max(peak, std::abs(static_cast<int>(sample)));
    }
    return toDbfs(peak);
}

double rmsDbfs(const Pcm& pcm) {
    double sum = 0.0;
    for (std::int16_t sample : pcm.samples) {
        sum += static_cast<double>(sample) * sample;
    }
    return toDbfs(std::sqrt(sum / std::max(1.0, static_cast<double>(pcm.samples.size()))));
}

double toDbfs(double level) { return 20.0 * std::log10(std::max(level, 1.0) / 32767.0); }

}  // namespace sound
