#include "bench/LoadForm.h"

#include <array>

#include "frame/Application.h"
#include "frame/Image.h"
#include "frame/Shape.h"
#include "frame/Timer.h"

namespace {

// The game's intervals in milliseconds; the 20 ms timers move shots, the
// others move ships.
constexpr std::array<std::uint32_t, 16> kIntervals{20, 20, 20, 20, 50,   50,   50,   50,
                                                   50, 50, 50, 60, 3000, 2000, 3000, 245000};
constexpr std::uint32_t kLongestShotInterval = 20;
constexpr Size kClient{632, 446};
constexpr Size kShot{15, 2};
constexpr Size kShip{48, 27};
// One row per sprite; rows touch but never overlap, so no two sprites share
// a repainted rectangle.
constexpr int kTop = 6;
constexpr int kRowPitch = kShip.height;
constexpr int kStep = 3;

std::shared_ptr<const Bitmap> shipPicture() {
    constexpr Rgb kSeeThrough = 0xFF00FF;
    constexpr Rgb kHull = 0x60A0E0;
    auto picture = std::make_shared<Bitmap>();
    picture->width = kShip.width;
    picture->height = kShip.height;
    for (int y = 0; y < kShip.height; ++y) {
        for (int x = 0; x < kShip.width; ++x) {
            double dx = (x + 0.5) * 2 / kShip.width - 1, dy = (y + 0.5) * 2 / kShip.height - 1;
            picture->pixels.push_back(dx * dx + dy * dy <= 1 ? kHull : kSeeThrough);
        }
    }
    return picture;
}

}  // namespace

void LoadForm::createControls() {
    setClientSize(kClient);
    setColor(clBlack);
    auto picture = shipPicture();
    for (std::size_t i = 0; i < kIntervals.size(); ++i)
        movers_.push_back({&makeTimer(i), &makeSprite(i, picture), TickGrid(0, kIntervals[i]), i % 2 ? -kStep : kStep});
}

TTimer& LoadForm::makeTimer(std::size_t index) {
    TTimer& timer = make<TTimer>(application().scheduler(), "Timer" + std::to_string(index + 1));
    timer.setEnabled(false);
    timer.setInterval(kIntervals[index]);
    timer.setOnTimer([this, index](TComponent*) { tick(index); });
    return timer;
}

TControl& LoadForm::makeSprite(std::size_t index, const std::shared_ptr<const Bitmap>& picture) {
    int row = kTop + static_cast<int>(index) * kRowPitch;
    int left = static_cast<int>(index) * 149 % (kClient.width - kShip.width);
    if (kIntervals[index] <= kLongestShotInterval) {
        TShape& shot = make<TShape>(this, "Shot" + std::to_string(index + 1));
        shot.setBrushColor(clAqua);
        shot.setPenColor(clAqua);
        shot.setBounds({left, row + (kShip.height - kShot.height) / 2, kShot.width, kShot.height});
        return shot;
    }
    TImage& ship = make<TImage>(this, "Ship" + std::to_string(index + 1));
    ship.setBounds({left, row, kShip.width, kShip.height});
    ship.setTransparent(true);
    ship.setPicture(picture);
    return ship;
}

bool LoadForm::start(ClockEdge edge) {
    for (Mover& m : movers_) {
        m.grid = TickGrid(edge.ns, m.timer->interval());
        m.timer->setEnabled(true);
    }
    if (application().platform().now() == edge.frameMs) return true;
    for (Mover& m : movers_) m.timer->setEnabled(false);
    return false;
}

void LoadForm::tick(std::size_t index) {
    Mover& mover = movers_[index];
    if (onTick_) onTick_(mover.grid);
    move(mover);
}

void LoadForm::move(Mover& mover) {
    int maxLeft = width() - mover.sprite->width();
    int next = mover.sprite->left() + mover.step;
    if (next < 0 || next > maxLeft) {
        mover.step = -mover.step;
        next = mover.sprite->left() + mover.step;
    }
    mover.sprite->setLeft(next);
}
