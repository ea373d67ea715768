#include <gtest/gtest.h>

#include "frame/web/PointerRouter.h"

namespace {

using Type = InputEvent::Type;

// What the frame is told, in short: type, window and position.
struct Told {
    Type type;
    int window;
    Point pos;
    bool operator==(const Told&) const = default;
};

std::vector<Told> told(const PointerRouter::Events& events) {
    std::vector<Told> result;
    for (const InputEvent& e : events)
        result.push_back({e.type, e.window, e.type == Type::MouseLeave ? Point{} : e.pos});
    return result;
}

std::ostream& operator<<(std::ostream& out, const Told& t) {
    return out << static_cast<int>(t.type) << " to " << t.window << " at " << t.pos.x << "," << t.pos.y;
}

constexpr TShiftState kNone{};
constexpr TShiftState kLeftHeld{.left = true};
constexpr TShiftState kBothHeld{.left = true, .right = true};

class PointerRouterTest : public testing::Test {
protected:
    // Screen 2 lies over part of screen 1.
    const std::vector<ScreenPlace> screens{{2, {300, 200, 100, 100}}, {1, {100, 100, 400, 300}}};
    PointerRouter router;
};

TEST_F(PointerRouterTest, MovesGoToTheTopScreenUnderThePointerAndALeftScreenIsToldOnce) {
    EXPECT_EQ(told(router.move({150, 120}, kNone, screens)), (std::vector<Told>{{Type::MouseMove, 1, {50, 20}}}));
    EXPECT_EQ(told(router.move({310, 210}, kNone, screens)),
              (std::vector<Told>{{Type::MouseLeave, 1, {}}, {Type::MouseMove, 2, {10, 10}}}));
    EXPECT_EQ(told(router.move({10, 10}, kNone, screens)), (std::vector<Told>{{Type::MouseLeave, 2, {}}}));
    EXPECT_TRUE(router.move({20, 10}, kNone, screens).empty());
    router.move({150, 120}, kNone, screens);
    EXPECT_EQ(told(router.leavePage()), (std::vector<Told>{{Type::MouseLeave, 1, {}}}));
    EXPECT_TRUE(router.leavePage().empty());
}

TEST_F(PointerRouterTest, APressKeepsThePointerInItsScreenUntilTheLastButtonIsUp) {
    router.move({150, 120}, kNone, screens);
    PointerRouter::Events down = router.press({150, 120}, TMouseButton::mbLeft, kLeftHeld, screens);
    ASSERT_EQ(told(down), (std::vector<Told>{{Type::MouseDown, 1, {50, 20}}}));
    EXPECT_EQ(down[0].button, TMouseButton::mbLeft);
    EXPECT_TRUE(down[0].shift.left);
    // Over screen 2 and off every screen, still screen 1's, in its places.
    EXPECT_EQ(told(router.move({310, 210}, kLeftHeld, screens)), (std::vector<Told>{{Type::MouseMove, 1, {210, 110}}}));
    EXPECT_EQ(told(router.move({50, 20}, kLeftHeld, screens)), (std::vector<Told>{{Type::MouseMove, 1, {-50, -80}}}));
    EXPECT_TRUE(router.leavePage().empty());
    // A second button goes to the same screen, and its release keeps the hold.
    EXPECT_EQ(told(router.press({60, 20}, TMouseButton::mbRight, kBothHeld, screens)),
              (std::vector<Told>{{Type::MouseDown, 1, {-40, -80}}}));
    EXPECT_EQ(told(router.release({60, 20}, TMouseButton::mbRight, kLeftHeld, screens)),
              (std::vector<Told>{{Type::MouseUp, 1, {-40, -80}}}));
    EXPECT_EQ(told(router.move({310, 210}, kLeftHeld, screens)), (std::vector<Told>{{Type::MouseMove, 1, {210, 110}}}));
    // Released over screen 2: screen 1 hears the release, then that the
    // pointer has gone; screen 2 hears of it from the next move on.
    EXPECT_EQ(told(router.release({310, 210}, TMouseButton::mbLeft, kNone, screens)),
              (std::vector<Told>{{Type::MouseUp, 1, {210, 110}}, {Type::MouseLeave, 1, {}}}));
    EXPECT_EQ(told(router.move({311, 210}, kNone, screens)), (std::vector<Told>{{Type::MouseMove, 2, {11, 10}}}));
}

TEST_F(PointerRouterTest, APressOutsideEveryScreenKeepsThePointerFromThemAllUntilReleased) {
    EXPECT_TRUE(router.press({10, 10}, TMouseButton::mbLeft, kLeftHeld, screens).empty());
    EXPECT_TRUE(router.move({150, 120}, kLeftHeld, screens).empty());
    EXPECT_TRUE(router.release({150, 120}, TMouseButton::mbLeft, kNone, screens).empty());
    EXPECT_EQ(told(router.move({151, 120}, kNone, screens)), (std::vector<Told>{{Type::MouseMove, 1, {51, 20}}}));
    // A release with no press before it (the press was outside the page) is nobody's.
    EXPECT_TRUE(router.release({151, 120}, TMouseButton::mbLeft, kNone, screens).empty());
}

TEST_F(PointerRouterTest, AScreenGoneWhileHoldingThePointerHearsNoMoreAndTheHoldEnds) {
    router.press({150, 120}, TMouseButton::mbLeft, kLeftHeld, screens);
    const std::vector<ScreenPlace> onlyTwo{screens[0]};
    EXPECT_TRUE(router.move({310, 210}, kLeftHeld, onlyTwo).empty());
    EXPECT_EQ(told(router.release({310, 210}, TMouseButton::mbLeft, kNone, onlyTwo)),
              (std::vector<Told>{{Type::MouseLeave, 1, {}}}));
    EXPECT_EQ(told(router.move({311, 210}, kNone, onlyTwo)), (std::vector<Told>{{Type::MouseMove, 2, {11, 10}}}));
}

TEST_F(PointerRouterTest, TheWheelTurnsTheScreenUnderThePointer) {
    PointerRouter::Events turned = router.wheel({320, 220}, -1, kNone, screens);
    ASSERT_EQ(told(turned), (std::vector<Told>{{Type::Wheel, 2, {20, 20}}}));
    EXPECT_EQ(turned[0].wheel, -1);
    EXPECT_TRUE(router.wheel({10, 10}, 1, kNone, screens).empty());
}

}  // namespace
