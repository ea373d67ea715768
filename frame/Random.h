#pragma once
#include <cstdint>

class Platform;

// The one process-wide generator: a 32-bit linear congruential sequence, so
// that a given seed always yields the same lanes.
extern std::uint32_t RandomSeed;

// Seeds from the UTC millisecond of the day.
void SeedRandom(Platform& platform);
// Advances the seed one step and returns a value in 0 .. n-1 (0 for n = 0).
std::int32_t RandomBelow(std::int32_t n);
