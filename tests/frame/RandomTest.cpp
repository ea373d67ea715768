#include <gtest/gtest.h>

#include "frame/Random.h"
#include "frame/headless/HeadlessPlatform.h"

namespace {

std::vector<int> draws(std::uint32_t seed, int n, int count) {
    RandomSeed = seed;
    std::vector<int> values;
    for (int i = 0; i < count; ++i) values.push_back(RandomBelow(n));
    return values;
}

TEST(Random, KnownSequencesFromSeedZero) {
    EXPECT_EQ(draws(0, 8, 6), (std::vector<int>{0, 0, 6, 1, 2, 5}));
    EXPECT_EQ(draws(0, 4, 6), (std::vector<int>{0, 0, 3, 0, 1, 2}));
    RandomSeed = 0;
    RandomBelow(8);
    EXPECT_EQ(RandomSeed, 1u);
}

TEST(Random, BelowZeroReturnsZeroAndStillAdvances) {
    RandomSeed = 5;
    EXPECT_EQ(RandomBelow(0), 0);
    EXPECT_EQ(RandomSeed, 5u * 134775813u + 1u);
}

TEST(Random, TheMillisecondOfTheDayIsWithinTheDayForAnyClock) {
    constexpr std::int64_t kDay = 86'400'000;
    EXPECT_EQ(MillisecondOfDay(0), 0u);
    EXPECT_EQ(MillisecondOfDay(20'000 * kDay + 12'345), 12'345u);
    EXPECT_EQ(MillisecondOfDay(-1), 86'399'999u);
    EXPECT_EQ(MillisecondOfDay(-kDay), 0u);
    EXPECT_EQ(MillisecondOfDay(-214 * kDay + 12 * 3'600'000), 43'200'000u);  // 1969-06-01 12:00
    EXPECT_EQ(MillisecondOfDay(INT64_MIN), static_cast<std::uint32_t>(INT64_MIN % kDay + kDay));
    EXPECT_EQ(MillisecondOfDay(INT64_MAX), static_cast<std::uint32_t>(INT64_MAX % kDay));
}

TEST(Random, SeedIsTheUtcMillisecondOfTheDay) {
    HeadlessPlatform lastMillisecond(86'399'999);
    SeedRandom(lastMillisecond);
    EXPECT_EQ(RandomSeed, 86'399'999u);
    std::vector<int> first = draws(RandomSeed, 8, 20);
    SeedRandom(lastMillisecond);
    EXPECT_EQ(draws(RandomSeed, 8, 20), first);
    HeadlessPlatform midnight(0);
    RandomSeed = 77;
    SeedRandom(midnight);
    EXPECT_EQ(RandomSeed, 0u);
}

TEST(Random, ResultIsTheHighWordOfTheProduct) {
    RandomSeed = 0xFFFFFFFFu;  // the next seed is 0xFFFFFFFF * m + 1 mod 2^32
    std::uint32_t next = 0xFFFFFFFFu * 134775813u + 1u;
    EXPECT_EQ(RandomBelow(1000), static_cast<int>((1000ull * next) >> 32));
}

}  // namespace
