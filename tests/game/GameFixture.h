#pragma once
#include "screens/ScreenFixture.h"

// The game screen after the first level start, with both dispatchers off so
// that a test launches exactly the lanes it means to.
class GameFixture : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        advance(3000);
        Form2->ridic->setEnabled(false);
        Form2->ridic1->setEnabled(false);
    }
    GameState& game() { return Form2->Game; }
    // Moves the ship with the arrow keys to a grid cell.
    void steerTo(int left, int top) {
        while (Form2->enemy->top() != top) key(vk::Down);
        while (Form2->enemy->left() < left) key(vk::Right);
        while (Form2->enemy->left() > left) key(vk::Left);
    }
    // Runs `ticks` ticks of a timer that was just enabled.
    void ticks(const TTimer& timer, int count) { advance(static_cast<std::uint64_t>(count) * timer.interval()); }
    std::string caption(const TControl* control) { return control->caption(); }
};
