#include "R128Meter.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace sound {

namespace {

// Frames between two looks at the momentary loudness: 10 ms.
constexpr int kStepDivisor = 100;

}  // namespace

R128Meter::R128Meter(int channels, int rate)
    : state_(ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(rate),
                          EBUR128_MODE_M | EBUR128_MODE_I)),
      channels_(channels),
      rate_(rate),
      loudestMomentary_(-std::numeric_limits<double>::infinity()) {
    if (!state_) throw std::runtime_error("cannot start a loudness measurement");
    if (channels == 1) ebur128_set_channel(state_, 0, EBUR128_DUAL_MONO);
}

R128Meter::~R128Meter() { ebur128_destroy(&state_); }

// Fed in steps, so that the momentary loudness is looked at every 10 ms.
void R128Meter::add(const std::vector<std::int16_t>& block) {
    const std::size_t step = static_cast<std::size_t>(rate_ / kStepDivisor * channels_);
    for (std::size_t from = 0; from < block.size(); from += step) {
        const std::size_t count = std::min(step, block.size() - from);
        ebur128_add_frames_short(state_, block.data() + from, count / static_cast<std::size_t>(channels_));
        double momentary = 0.0;
        if (ebur128_loudness_momentary(state_, &momentary) == EBUR128_SUCCESS)
            loudestMomentary_ = std::max(loudestMomentary_, momentary);
    }
}

double R128Meter::integratedLufs() const {
    double lufs = 0.0;
    ebur128_loudness_global(state_, &lufs);
    return lufs;
}

double loudestMomentaryLufs(const Pcm& pcm) {
    R128Meter meter(pcm.channels, pcm.rate);
    meter.add(pcm.samples);
    return meter.loudestMomentaryLufs();
}

}  // namespace sound
