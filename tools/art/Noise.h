#pragma once

#include "Vec2.h"

#include <cstdint>

namespace art {

// Seeded value noise on the integer lattice with smooth interpolation.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : seed_(seed) {}

    // Lattice hash of one cell, uniform in [0, 1).
    float hash(int x, int y) const;
    // Smooth noise in [0, 1), one feature per unit.
    float value(Vec2 p) const;
    // Sum of octaves at doubling frequency and halving weight, in [0, 1).
    float fractal(Vec2 p, int octaves) const;

private:
    std::uint32_t seed_;
};

}  // namespace art
