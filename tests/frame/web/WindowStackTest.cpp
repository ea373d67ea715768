#include <gtest/gtest.h>

#include "frame/web/WindowStack.h"

namespace {

std::vector<int> ids(const std::vector<ScreenPlace>& places) {
    std::vector<int> result;
    for (const ScreenPlace& p : places) result.push_back(p.window);
    return result;
}

class WindowStackTest : public testing::Test {
protected:
    void SetUp() override {
        stack.add(1, WindowKind::Screen, {632, 454});
        stack.add(2, WindowKind::Screen, {632, 446});
        stack.add(3, WindowKind::Tooltip, {80, 19});
        stack.move(1, {324, 133});
        stack.move(2, {324, 137});
    }
    WindowStack stack;
};

TEST_F(WindowStackTest, TheTopShownScreenHasTheKeyboardAndThePointerFindsScreensTopFirst) {
    EXPECT_FALSE(stack.focused());
    EXPECT_TRUE(stack.reachable().empty());
    stack.show(1);
    EXPECT_EQ(stack.focused(), 1);
    stack.show(2);
    EXPECT_EQ(stack.focused(), 2);
    EXPECT_EQ(ids(stack.reachable()), (std::vector<int>{2, 1}));
    EXPECT_EQ(stack.reachable()[1].bounds, (Rect{324, 133, 632, 454}));
    stack.raise(1);
    EXPECT_EQ(stack.focused(), 1);
    EXPECT_EQ(ids(stack.reachable()), (std::vector<int>{1, 2}));
    EXPECT_LT(stack.layer(2), stack.layer(1));
    stack.hide(1);
    EXPECT_EQ(stack.focused(), 2);
    stack.remove(2);
    EXPECT_FALSE(stack.focused());
}

TEST_F(WindowStackTest, ToolTipsLieAboveEveryScreenAndNeverTakeTheKeyboardOrThePointer) {
    stack.show(1);
    stack.show(3);
    stack.show(2);
    EXPECT_EQ(stack.focused(), 2);
    EXPECT_EQ(ids(stack.reachable()), (std::vector<int>{2, 1}));
    EXPECT_GT(stack.layer(3), stack.layer(2));
    stack.setFullscreen(2);
    EXPECT_GT(stack.layer(3), stack.layer(2));
}

TEST_F(WindowStackTest, AShownFullscreenScreenCoversTheOthersAndOnlyWhileShown) {
    stack.show(1);
    stack.show(2);
    stack.setFullscreen(1);
    EXPECT_EQ(stack.fullscreenBounds(), (Rect{324, 133, 632, 454}));
    EXPECT_EQ(ids(stack.reachable()), (std::vector<int>{1}));
    EXPECT_GT(stack.layer(1), WindowStack::kCoverLayer);
    EXPECT_LT(stack.layer(2), WindowStack::kCoverLayer);
    stack.hide(1);
    EXPECT_FALSE(stack.fullscreenBounds());
    EXPECT_EQ(ids(stack.reachable()), (std::vector<int>{2}));
    EXPECT_EQ(stack.fullscreen(), 1);
    stack.show(1);
    EXPECT_TRUE(stack.fullscreenBounds());
    stack.remove(1);
    EXPECT_FALSE(stack.fullscreen());
}

}  // namespace
