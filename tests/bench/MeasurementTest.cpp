#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "bench/CountingPlatform.h"
#include "bench/LoadForm.h"
#include "bench/Measurement.h"
#include "frame/Application.h"
#include "frame/headless/HeadlessPlatform.h"

namespace {

constexpr std::int64_t ms(std::int64_t n) { return n * 1'000'000; }

TEST(TickGridTest, OnTimeTicksWalkTheGrid) {
    TickGrid grid(ms(100), 20);
    EXPECT_EQ(grid.take(ms(120)), ms(120));
    EXPECT_EQ(grid.take(ms(140) + 5), ms(140));
    EXPECT_EQ(grid.take(ms(160)), ms(160));
}

TEST(TickGridTest, ALateTickCollapsesTheMissedPeriodsLikeTheTimerQueue) {
    TickGrid grid(0, 20);
    EXPECT_EQ(grid.take(ms(75)), ms(20));
    EXPECT_EQ(grid.take(ms(80)), ms(80));
}

TEST(TickGridTest, ATickAHairEarlyStillTakesItsOwnDueTime) {
    TickGrid grid(0, 50);
    EXPECT_EQ(grid.take(ms(50) - 3000), ms(50));
    EXPECT_EQ(grid.take(ms(100)), ms(100));
}

TEST(SpreadTest, NearestRankPercentilesOfUnsortedSamples) {
    std::vector<std::int64_t> samples(100);
    std::iota(samples.begin(), samples.end(), 1);
    std::shuffle(samples.begin(), samples.end(), std::mt19937(7));
    for (auto& s : samples) s = ms(s);
    Spread spread = spreadOf(samples);
    EXPECT_DOUBLE_EQ(spread.medianMs, 50);
    EXPECT_DOUBLE_EQ(spread.p99Ms, 99);
    EXPECT_DOUBLE_EQ(spread.maxMs, 100);
}

TEST(SpreadTest, NoSamplesGiveZeros) {
    Spread spread = spreadOf({});
    EXPECT_EQ(spread.medianMs, 0);
    EXPECT_EQ(spread.maxMs, 0);
}

// The load on the headless back end, where the high-resolution clock is the
// virtual one, so every figure but CPU and memory is known exactly.
class LoadTest : public testing::Test {
protected:
    void SetUp() override {
        application.createForm(form);
        application.showMainForm();
        application.processPending();
    }
    std::int64_t virtualNs() { return static_cast<std::int64_t>(headless.now()) * 1'000'000; }
    // Measures two seconds after a one-second warm-up.
    void start() {
        ASSERT_TRUE(form->start({headless.now(), virtualNs()}));
        measurement = std::make_unique<Measurement>(
            application, platform, [this] { return virtualNs(); }, ms(1000), ms(2000));
        form->setOnTick([this](TickGrid& grid) { measurement->tick(grid); });
    }
    Figures figures() const { return measurement->figures({form->width(), form->height()}); }

    HeadlessPlatform headless;
    CountingPlatform platform{headless};
    TApplication application{platform, "/usr/games/orbitrove-bench"};
    LoadForm* form = nullptr;
    std::unique_ptr<Measurement> measurement;
};

// Over [1000, 3000) ms: 4 x 100 shot ticks, 7 x 40 + 33 + 1 ship ticks; due
// times on the 20, 50 and 60 ms grids meet 60 times a second.
constexpr double kShotTicks = 400, kShipTicks = 314;
// A shot of 15 x 2 moved 3 px repaints 18 x 2; a ship of 48 x 27, 51 x 27.
constexpr double kPixels = kShotTicks * 18 * 2 + kShipTicks * 51 * 27;

TEST_F(LoadTest, TimersStayStoppedUntilStarted) {
    EXPECT_FALSE(application.timers().nextDue());
    EXPECT_FALSE(form->start({headless.now() + 1, 0}));
    EXPECT_FALSE(application.timers().nextDue());
}

TEST_F(LoadTest, AnOnTimeRunHasTheGamesTickRatesAndRepaintsOnlyTheMovedSprites) {
    start();
    runFor(application, headless, 3100);
    ASSERT_TRUE(application.terminated());
    Figures f = figures();
    EXPECT_DOUBLE_EQ(f.seconds, 2);
    EXPECT_DOUBLE_EQ(f.ticksPerSecond, (kShotTicks + kShipTicks) / 2);
    EXPECT_DOUBLE_EQ(f.dueInstantsPerSecond, 60);
    EXPECT_DOUBLE_EQ(f.latenessMaxMs, 0);
    EXPECT_DOUBLE_EQ(f.pixelsPerSecond, kPixels / 2);
    EXPECT_DOUBLE_EQ(f.pixelsPerTickPercentOfWindow, 100 * kPixels / (kShotTicks + kShipTicks) / (632 * 446));
    EXPECT_DOUBLE_EQ(f.wakeUpsPerSecond, 0);
    EXPECT_GT(f.peakRssMb, 0);
}

TEST_F(LoadTest, AStallIsLatenessOfTheTicksItDelaysOnly) {
    start();
    runFor(application, headless, 1000);
    headless.setNow(1045);
    application.processPending();
    runFor(application, headless, 2100);
    Figures f = figures();
    // Four shots and the 60 ms ship were due at 1020; the shots' 1040 tick is lost.
    EXPECT_DOUBLE_EQ(f.latenessMaxMs, 25);
    EXPECT_DOUBLE_EQ(f.latenessP99Ms, 0);
    EXPECT_DOUBLE_EQ(f.ticksPerSecond, (kShotTicks - 4 + kShipTicks) / 2);
    EXPECT_DOUBLE_EQ(f.dueInstantsPerSecond, 59.5);
}

TEST_F(LoadTest, FiguresAreOnlyThereOnceTheWindowEnded) {
    start();
    runFor(application, headless, 2500);
    EXPECT_FALSE(application.terminated());
    EXPECT_THROW(figures(), std::logic_error);
}

}  // namespace
