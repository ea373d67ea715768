#include <gtest/gtest.h>

#include "bench/CountingPlatform.h"
#include "frame/headless/HeadlessPlatform.h"

namespace {

// Keeps the windows it creates within reach of the test.
struct RecordingPlatform : HeadlessPlatform {
    std::unique_ptr<PlatformWindow> createWindow(Size size, WindowKind kind) override {
        auto window = HeadlessPlatform::createWindow(size, kind);
        windows.push_back(static_cast<Window*>(window.get()));
        return window;
    }
    std::vector<Window*> windows;
};

InputEvent keyEvent(std::uint16_t key) {
    InputEvent event;
    event.type = InputEvent::Type::KeyDown;
    event.key = key;
    return event;
}

TEST(CountingPlatformTest, OnlyCallsThatMayWaitCountAsWakeUps) {
    RecordingPlatform inner;
    CountingPlatform platform(inner);
    inner.post(keyEvent(vk::Left));
    inner.post(keyEvent(vk::Right));
    InputEvent event;
    ASSERT_TRUE(platform.nextEvent(event, 0));
    EXPECT_EQ(event.key, vk::Left);
    EXPECT_EQ(platform.wakeUps(), 0u);
    ASSERT_TRUE(platform.nextEvent(event, 5));
    EXPECT_EQ(event.key, vk::Right);
    EXPECT_FALSE(platform.nextEvent(event, -1));
    EXPECT_EQ(platform.wakeUps(), 2u);
    platform.countWakeUp();
    EXPECT_EQ(platform.wakeUps(), 3u);
}

TEST(CountingPlatformTest, PresentAddsTheRectanglesAreasAndPassesThemOn) {
    RecordingPlatform inner;
    CountingPlatform platform(inner);
    auto window = platform.createWindow({632, 446}, WindowKind::Screen);
    Canvas canvas(632, 446);
    std::vector<Rect> rects{{0, 0, 10, 2}, {5, 5, 3, 4}};
    window->present(canvas, rects);
    window->present(canvas, {{1, 1, 1, 1}});
    EXPECT_EQ(platform.pixelsPresented(), 33u);
    ASSERT_EQ(inner.windows.size(), 1u);
    EXPECT_EQ(inner.windows[0]->presented, (std::vector<Rect>{{1, 1, 1, 1}}));
    window->setPosition({7, 9});
    EXPECT_EQ(window->position(), (Point{7, 9}));
    EXPECT_EQ(window->id(), inner.windows[0]->id());
}

TEST(CountingPlatformTest, ResetClearsBothCounts) {
    RecordingPlatform inner;
    CountingPlatform platform(inner);
    auto window = platform.createWindow({10, 10}, WindowKind::Screen);
    window->present(Canvas(10, 10), {{0, 0, 4, 4}});
    platform.countWakeUp();
    platform.resetCounts();
    EXPECT_EQ(platform.pixelsPresented(), 0u);
    EXPECT_EQ(platform.wakeUps(), 0u);
}

}  // namespace
