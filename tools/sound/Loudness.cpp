#include "Loudness.h"

#include "Pcm.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sound {

namespace {

constexpr double kAudibleDbfs = -60.0;

double rms(double sumOfSquares, std::size_t count) {
    return toDbfs(std::sqrt(sumOfSquares / std::max(1.0, static_cast<double>(count))));
}

}  // namespace

void Loudness::add(const std::vector<std::int16_t>& block) {
    double sum = 0.0;
    for (std::int16_t sample : block) {
        peak_ = std::max(peak_, std::abs(static_cast<int>(sample)));
        sum += static_cast<double>(sample) * sample;
    }
    total_ += sum;
    samples_ += block.size();
    if (rms(sum, block.size()) > kAudibleDbfs) {
        audible_ += sum;
        audibleSamples_ += block.size();
    }
}

double Loudness::rmsDbfs() const { return rms(total_, samples_); }

double Loudness::audibleRmsDbfs() const { return rms(audible_, audibleSamples_); }

}  // namespace sound
