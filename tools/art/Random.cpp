#include "Random.h"

namespace art {

// SplitMix64: tiny state, good spread even from neighbouring seeds.
std::uint64_t Random::next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

float Random::uniform() { return static_cast<float>(next() >> 40) / static_cast<float>(1ULL << 24); }

}  // namespace art
