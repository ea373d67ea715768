#include <gtest/gtest.h>

#include "frame/sdl/ScreenTip.h"

namespace {

constexpr Size kScreen{632, 446};

TEST(ScreenTipTest, GoesWhereAskedWhenItFits) {
    EXPECT_EQ(ScreenTip::placed({100, 120, 80, 20}, kScreen, {100, 100}), (Point{100, 120}));
    EXPECT_EQ(ScreenTip::placed({552, 426, 80, 20}, kScreen, {552, 406}), (Point{552, 426}));
}

TEST(ScreenTipTest, ComesInFromTheRightEdge) {
    EXPECT_EQ(ScreenTip::placed({600, 120, 80, 20}, kScreen, {600, 100}), (Point{552, 120}));
}

TEST(ScreenTipTest, GoesAboveThePointerWhenBelowIsOffTheScreen) {
    // The status bar's quit icon: asked for 20 below the pointer.
    EXPECT_EQ(ScreenTip::placed({14, 453, 74, 19}, kScreen, {14, 433}), (Point{14, 410}));
}

TEST(ScreenTipTest, StaysOnAScreenTooSmallForIt) {
    EXPECT_EQ(ScreenTip::placed({10, 30, 700, 500}, kScreen, {10, 10}), (Point{0, 0}));
    EXPECT_EQ(ScreenTip::placed({-20, -5, 80, 20}, kScreen, {0, 0}), (Point{0, 0}));
}

}  // namespace
