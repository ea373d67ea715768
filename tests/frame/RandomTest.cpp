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
