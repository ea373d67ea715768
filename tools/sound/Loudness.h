#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sound {

// Peak and RMS of sixteen-bit audio fed in blocks, both over everything and
// over only the blocks loud enough to be heard.
class Loudness {
public:
    void add(const std::vector<std::int16_t>& block);

    std::size_t samples() const { return samples_; }
    int peak() const { return peak_; }
    double rmsDbfs() const;
    double audibleRmsDbfs() const;

private:
    int peak_ = 0;
    double total_ = 0.0;
    double audible_ = 0.0;
    std::size_t samples_ = 0;
    std::size_t audibleSamples_ = 0;
};

}  // namespace sound
