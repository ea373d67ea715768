#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "frame/sdl/BlockCopy.h"
#include "frame/sdl/FullscreenKeys.h"
#include "frame/sdl/ScaleChoice.h"
#include "frame/sdl/Viewport.h"
#include "frame/sdl/WindowIcon.h"
#include "frame/sdl/XftDpi.h"

namespace {

constexpr Size k4K{3840, 2160};

TEST(ScaleChoiceTest, TheDesktopsResolutionOver96Rounded) {
    EXPECT_EQ(ScaleChoice(nullptr, 192.0, k4K).scale(), 2);
    EXPECT_EQ(ScaleChoice(nullptr, 144.0, k4K).scale(), 2);  // 1.5 rounds up
    EXPECT_EQ(ScaleChoice(nullptr, 143.0, k4K).scale(), 1);
    EXPECT_EQ(ScaleChoice(nullptr, 288.0, k4K).scale(), 3);
    EXPECT_EQ(ScaleChoice(nullptr, 96.0, k4K).scale(), 1);
}

TEST(ScaleChoiceTest, AtLeastOneWhateverTheDesktopTells) {
    EXPECT_EQ(ScaleChoice(nullptr, std::nullopt, k4K).scale(), 1);
    EXPECT_EQ(ScaleChoice(nullptr, 30.0, k4K).scale(), 1);
    EXPECT_EQ(ScaleChoice(nullptr, 0.0, k4K).scale(), 1);
    EXPECT_EQ(ScaleChoice(nullptr, -192.0, k4K).scale(), 1);
    EXPECT_EQ(ScaleChoice(nullptr, std::numeric_limits<double>::quiet_NaN(), k4K).scale(), 1);
    EXPECT_EQ(ScaleChoice(nullptr, std::numeric_limits<double>::infinity(), k4K).scale(), 1);
    EXPECT_EQ(ScaleChoice(nullptr, 5000.0, {}).scale(), ScaleChoice::kLargest);
}

// A display that reports a wrong physical size must not push the windows
// off the screen: at least 640 x 480 logical pixels stay.
TEST(ScaleChoiceTest, TheDesktopsScaleLeavesRoomOnTheDisplay) {
    EXPECT_EQ(ScaleChoice(nullptr, 600.0, k4K).scale(), 4);
    EXPECT_EQ(ScaleChoice(nullptr, 192.0, {1366, 768}).scale(), 1);
    EXPECT_EQ(ScaleChoice(nullptr, 192.0, {1280, 960}).scale(), 2);
}

TEST(ScaleChoiceTest, TheEnvironmentOverridesTheDesktop) {
    EXPECT_EQ(ScaleChoice("3", 96.0, k4K).scale(), 3);
    EXPECT_EQ(ScaleChoice("1", 192.0, k4K).scale(), 1);
    EXPECT_EQ(ScaleChoice("8", std::nullopt, {1024, 768}).scale(), 8);  // asked for, so not limited
    EXPECT_FALSE(ScaleChoice("8", std::nullopt, k4K).rejected());
    EXPECT_FALSE(ScaleChoice(nullptr, std::nullopt, k4K).rejected());
}

TEST(ScaleChoiceTest, AnythingButOneToEightIsIgnoredAndSaidSo) {
    for (const char* bad : {"0", "9", "-2", "2.5", "2x", " 2", "", "two", "99999999999"}) {
        ScaleChoice choice(bad, 192.0, k4K);
        EXPECT_TRUE(choice.rejected()) << bad;
        EXPECT_EQ(choice.scale(), 2) << bad;
    }
}

TEST(XftDpiTest, ReadsTheResourceAsTheDesktopWritesIt) {
    EXPECT_EQ(xftDpi("Xft.antialias:\t1\nXft.dpi:\t192\nXft.hinting:\t1\n"), 192.0);
    EXPECT_EQ(xftDpi("Xft.dpi: 144.5\n"), 144.5);
    EXPECT_EQ(xftDpi("*dpi: 120\n"), 120.0);  // a wildcard matches too
}

TEST(XftDpiTest, NothingWithoutAUsableValue) {
    EXPECT_EQ(xftDpi(nullptr), std::nullopt);
    EXPECT_EQ(xftDpi(""), std::nullopt);
    EXPECT_EQ(xftDpi("Xcursor.size: 48\n"), std::nullopt);
    EXPECT_EQ(xftDpi("Xft.dpi: large\n"), std::nullopt);
    EXPECT_EQ(xftDpi("Xft.dpi: 192dpi\n"), std::nullopt);
}

TEST(ViewportTest, MapsBlocksBothWays) {
    Viewport view({0, 0}, 2);
    EXPECT_EQ(view.toPhysical({548, 60, 10, 5}), (Rect{1096, 120, 20, 10}));
    EXPECT_EQ(view.toLogical({1096, 120}), (Point{548, 60}));
    EXPECT_EQ(view.toLogical({1097, 121}), (Point{548, 60}));
    EXPECT_EQ(view.toLogical({1098, 119}), (Point{549, 59}));
}

// A pointer held outside the window while a button is down: the pixel just
// left of it is -1, never 0, which would put it on the window's edge.
TEST(ViewportTest, PointsOutsideStayOutside) {
    Viewport view({0, 0}, 3);
    EXPECT_EQ(view.toLogical({-1, -3}), (Point{-1, -1}));
    EXPECT_EQ(view.toLogical({-4, 2}), (Point{-2, 0}));
    Viewport centred({656, 172}, 4);
    EXPECT_EQ(centred.toLogical({655, 172}), (Point{-1, 0}));
    EXPECT_EQ(centred.toLogical({656 + 4 * 631 + 3, 172}), (Point{631, 0}));
}

TEST(ViewportTest, FullscreenIsTheLargestWholeScaleCentred) {
    Viewport title = Viewport::fitted(k4K, {632, 454});
    EXPECT_EQ(title.scale(), 4);
    EXPECT_EQ(title.origin(), (Point{656, 172}));
    Viewport game = Viewport::fitted({1920, 1080}, {632, 446});
    EXPECT_EQ(game.scale(), 2);
    EXPECT_EQ(game.origin(), (Point{328, 94}));
    EXPECT_EQ(game.toPhysical({0, 0, 632, 446}), (Rect{328, 94, 1264, 892}));
}

TEST(ViewportTest, ADisplaySmallerThanTheWindowKeepsScaleOne) {
    Viewport view = Viewport::fitted({600, 400}, {632, 454});
    EXPECT_EQ(view.scale(), 1);
    EXPECT_EQ(view.origin(), (Point{-16, -27}));
}

// A canvas whose every pixel differs, copied into a larger surface with
// rows longer than the picture: the scaled rectangle lands where asked, as
// exact blocks, and nothing around it is touched.
class BlockCopyTest : public ::testing::TestWithParam<int> {
protected:
    static constexpr Rgb kUntouched = 0xABCDEF;
    static constexpr int kWidth = 40, kHeight = 30, kPitch = (kWidth + 3) * 4;

    BlockCopyTest() : canvas_(5, 4), surface_(static_cast<std::size_t>(kPitch / 4) * kHeight, kUntouched) {
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) canvas_.setPixel(x, y, static_cast<Rgb>(0x010000 * x + 0x000100 * y + 7));
    }
    Rgb at(int x, int y) const { return surface_[static_cast<std::size_t>(y) * (kPitch / 4) + x]; }

    Canvas canvas_;
    std::vector<Rgb> surface_;
};

TEST_P(BlockCopyTest, EveryPixelBecomesAnExactBlock) {
    int k = GetParam();
    Rect from{1, 1, 3, 2};
    Point to{2, 3};
    copyBlocks(canvas_, from, reinterpret_cast<std::uint8_t*>(surface_.data()), kPitch, to, k);
    Rect scaled{to.x, to.y, from.width * k, from.height * k};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            Rgb expected =
                scaled.contains({x, y}) ? canvas_.pixel(from.x + (x - to.x) / k, from.y + (y - to.y) / k) : kUntouched;
            ASSERT_EQ(at(x, y), expected) << "at " << x << "," << y << " scale " << k;
        }
}

INSTANTIATE_TEST_SUITE_P(Scales, BlockCopyTest, ::testing::Values(1, 2, 3, 8));

TEST(FullscreenKeysTest, F11AndAltEnterAlwaysSwitch) {
    for (bool fullscreen : {false, true}) {
        EXPECT_TRUE(togglesFullscreen(SDLK_F11, KMOD_NONE, fullscreen));
        EXPECT_TRUE(togglesFullscreen(SDLK_RETURN, KMOD_LALT, fullscreen));
        EXPECT_TRUE(togglesFullscreen(SDLK_KP_ENTER, KMOD_RALT, fullscreen));
    }
}

TEST(FullscreenKeysTest, EscapeOnlyLeavesAndOtherKeysStayTheGames) {
    EXPECT_TRUE(togglesFullscreen(SDLK_ESCAPE, KMOD_NONE, true));
    EXPECT_FALSE(togglesFullscreen(SDLK_ESCAPE, KMOD_NONE, false));
    EXPECT_FALSE(togglesFullscreen(SDLK_RETURN, KMOD_NONE, false));
    EXPECT_FALSE(togglesFullscreen(SDLK_RETURN, KMOD_CTRL, true));
    EXPECT_FALSE(togglesFullscreen(SDLK_F10, KMOD_NONE, true));
    EXPECT_FALSE(togglesFullscreen(SDLK_LEFT, KMOD_LALT, true));
}

TEST(WindowIconTest, ReadsTheGamesIconWithItsTransparency) {
    WindowIcon icon("data/icons/orbitrove-64.png");
    ASSERT_NE(icon.surface(), nullptr);
    EXPECT_EQ(icon.surface()->w, 64);
    EXPECT_EQ(icon.surface()->h, 64);
    EXPECT_EQ(icon.surface()->format->format, SDL_PIXELFORMAT_RGBA32);
}

TEST(WindowIconTest, NoIconFromAMissingOrBrokenFile) {
    EXPECT_EQ(WindowIcon("data/icons/missing.png").surface(), nullptr);
    EXPECT_EQ(WindowIcon("data/fonts.conf").surface(), nullptr);
    EXPECT_EQ(WindowIcon("").surface(), nullptr);
}

}  // namespace
