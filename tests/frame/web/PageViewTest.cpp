#include <gtest/gtest.h>

#include "frame/web/PageView.h"

namespace {

constexpr Size kTitle{632, 454};

// Where a screen of `size` is placed centred on the logical screen, as the
// frame places it.
Rect centred(const PageView& view, Size size) {
    Size screen = view.screen();
    return {(screen.width - size.width) / 2, (screen.height - size.height) / 2, size.width, size.height};
}

Point centreOf(const Rect& r) { return {r.x + r.width / 2, r.y + r.height / 2}; }

TEST(PageViewTest, TheScaleIsTheLargestAtWhich640By480FitAndTheScreenIsThePageInItsPixels) {
    PageView small({1280, 720});
    EXPECT_EQ(small.scale(), 1);
    EXPECT_EQ(small.screen(), (Size{1280, 720}));
    EXPECT_EQ(small.toPage(centred(small, kTitle)), (Rect{324, 133, 632, 454}));

    PageView large({1920, 1200});
    EXPECT_EQ(large.scale(), 2);
    EXPECT_EQ(large.screen(), (Size{960, 600}));
    EXPECT_EQ(large.toPage(centred(large, kTitle)), (Rect{328, 146, 1264, 908}));

    // A page smaller than that still shows the screens at their size.
    PageView tiny({300, 200});
    EXPECT_EQ(tiny.scale(), 1);
    EXPECT_EQ(tiny.screen(), PageView::kSmallestScreen);
}

TEST(PageViewTest, AScreenPlacedCentredStaysCentredAsThePageChangesSize) {
    PageView view({1280, 720});
    Rect title = centred(view, kTitle);
    view.resize({2560, 1440});
    EXPECT_EQ(view.scale(), 3);
    EXPECT_EQ(view.screen(), (Size{1280, 720}));
    Rect onPage = view.toPage(title);
    EXPECT_EQ(onPage.width, 3 * 632);
    EXPECT_EQ(centreOf(onPage), (Point{1280, 720}));
    view.resize({800, 600});
    EXPECT_EQ(view.scale(), 1);
    EXPECT_EQ(centreOf(view.toPage(title)), (Point{400, 300}));
}

TEST(PageViewTest, AFullscreenWindowFillsThePageAtItsLargestScaleAndWhatIsOnItFollows) {
    PageView view({1280, 720});
    Rect title = centred(view, kTitle);
    view.resize({1920, 1080});
    view.setFullscreen(title);
    EXPECT_EQ(view.scale(), 2);
    EXPECT_EQ(view.toPage(title), (Rect{328, 86, 1264, 908}));
    // A tool-tip 20 px below a point of the window stays there, scaled.
    EXPECT_EQ(view.toPage({title.x + 10, title.y + 20, 30, 15}), (Rect{348, 126, 60, 30}));
    view.setFullscreen(std::nullopt);
    EXPECT_EQ(view.scale(), 2);
    EXPECT_EQ(view.toPage(title).width, 1264);
}

TEST(PageViewTest, APagePixelBelongsToTheLogicalPixelWhoseBlockHoldsIt) {
    PageView view({1920, 1200});
    Rect title = view.toPage(centred(view, kTitle));
    Point first{title.x, title.y};
    EXPECT_EQ(view.toLogical(first), (Point{164, 73}));
    EXPECT_EQ(view.toLogical({first.x + 1, first.y + 1}), (Point{164, 73}));
    EXPECT_EQ(view.toLogical({first.x + 2, first.y + 3}), (Point{165, 74}));
    // Pixels left of and above the screen's origin lie at negative places.
    view.resize({1921, 1201});
    EXPECT_EQ(view.toLogical({0, 0}), (Point{0, 0}));
    view.resize({1923, 1203});
    EXPECT_EQ(view.toLogical({0, 0}), (Point{-1, -1}));
}

}  // namespace
