#pragma once
#include <cstdint>

class Platform;

// The one process-wide generator: a 32-bit linear congruential sequence, so
// that a given seed always yields the same lanes.
extern std::uint32_t RandomSeed;

// Seeds from the UTC millisecond of the day.
void SeedRandom(Platform& platform);
// The millisecond of the UTC day, 0 .. 86'399'999, of a time in milliseconds
// since 1970 (before it too: a clock set back still seeds within the day).
std::uint32_t MillisecondOfDay(std::int64_t unixMilliseconds);
// Advances the seed one step and returns a value in 0 .. n-1 (0 for n = 0).
std::int32_t RandomBelow(std::int32_t n);
