#include "frame/Random.h"

#include "frame/Platform.h"

std::uint32_t RandomSeed = 0;

void SeedRandom(Platform& platform) { RandomSeed = platform.utcMillisecondOfDay(); }

std::uint32_t MillisecondOfDay(std::int64_t unixMilliseconds) {
    constexpr std::int64_t kDay = 86'400'000;
    return static_cast<std::uint32_t>((unixMilliseconds % kDay + kDay) % kDay);
}

std::int32_t RandomBelow(std::int32_t n) {
    RandomSeed = RandomSeed * 134775813u + 1u;
    std::uint64_t product = static_cast<std::uint64_t>(static_cast<std::uint32_t>(n)) * RandomSeed;
    return static_cast<std::int32_t>(product >> 32);
}
