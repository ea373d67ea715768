#include "game/ShipControl.h"

#include "frame/Input.h"

namespace {
constexpr int kRowStep = 32;
constexpr int kColumnStep = 45;
// Below 386 wraps to the top row, above the top to the bottom row 385;
// past 362 stops at the right column 361, left of 0 at the left column 1.
constexpr int kLowestTop = 386;
constexpr int kTopRow = 1;
constexpr int kBottomRow = 385;
constexpr int kRightmostLeft = 362;
constexpr int kLeftColumn = 1;
constexpr int kRightColumn = 361;
}  // namespace

// Each step is set on the sprite and corrected within the one event, so
// nothing is ever drawn at the intermediate place.
void ShipControl::keyDown(std::uint16_t key) {
    if (state_.Paused || view_.banner->visible()) return;
    TImage& ship = *view_.ship;
    if (key == vk::Down) {
        ship.setTop(ship.top() + kRowStep);
        if (ship.top() > kLowestTop) ship.setTop(kTopRow);
    }
    if (key == vk::Up) {
        ship.setTop(ship.top() - kRowStep);
        if (ship.top() < 0) ship.setTop(kBottomRow);
    }
    if (key == vk::Left) {
        ship.setLeft(ship.left() - kColumnStep);
        if (ship.left() < 0) ship.setLeft(kLeftColumn);
    }
    if (key == vk::Right) {
        ship.setLeft(ship.left() + kColumnStep);
        if (ship.left() > kRightmostLeft) ship.setLeft(kRightColumn);
    }
}
