#pragma once

#include <cstdint>

namespace art {

// A small seeded generator; the standard distributions differ between
// library implementations, and the pictures must come out the same everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next();
    // Uniform in [0, 1).
    float uniform();
    float range(float low, float high) { return low + (high - low) * uniform(); }
    bool chance(float probability) { return uniform() < probability; }

private:
    std::uint64_t state_;
};

}  // namespace art
