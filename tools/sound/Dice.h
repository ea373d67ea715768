#pragma once

#include <cstdint>
#include <random>

namespace sound {

// Seeded choices for deterministic variation. The standard engines give the
// same numbers on every library, the standard distributions do not, so the
// mapping to ranges is done here.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : engine_(seed) {}

    int below(int count);
    bool chance(int percent) { return below(100) < percent; }
    int jitter(int spread) { return below(2 * spread + 1) - spread; }
    // Uniform in [-1, 1).
    double signedUnit();

private:
    std::mt19937 engine_;
};

}  // namespace sound
