#pragma once

#include <ebur128.h>

#include <cstdint>
#include <vector>

#include "Pcm.h"

namespace sound {

// Loudness as EBU R128 measures it, in LUFS, of interleaved sixteen-bit
// audio fed in blocks: integrated over the whole, gated as the standard
// gates it, and the loudest momentary (400 ms) value, which is the fair
// figure for a sound as short as a shot. Mono counts as the mixer plays it,
// on both speakers.
class R128Meter {
public:
    R128Meter(int channels, int rate);
    ~R128Meter();
    R128Meter(const R128Meter&) = delete;
    R128Meter& operator=(const R128Meter&) = delete;

    void add(const std::vector<std::int16_t>& block);
    double integratedLufs() const;
    double loudestMomentaryLufs() const { return loudestMomentary_; }

private:
    ebur128_state* state_;
    int channels_;
    int rate_;
    double loudestMomentary_;
};

// The loudest momentary loudness of a whole sound.
double loudestMomentaryLufs(const Pcm& pcm);

}  // namespace sound
