#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "bench/TickGrid.h"
#include "frame/Bitmap.h"
#include "frame/Form.h"

class TTimer;

// The game's timer load on one 632 x 446 screen: sixteen timers at the
// game's intervals, each moving its own sprite a few pixels per tick, so that
// a frame repaints only the sprite's old and new rectangles.
class LoadForm : public TForm {
public:
    // Told of every tick, with the ticking timer's grid, before the sprite moves.
    using TickHandler = std::function<void(TickGrid& grid)>;

    explicit LoadForm(TApplication& application) : TForm(application, "Load") {}

    void setOnTick(TickHandler handler) { onTick_ = std::move(handler); }
    // Starts every timer with its grid beginning at `edge`. False, with the
    // timers stopped again, when the frame's clock left that millisecond on
    // the way, which would put the grids up to a millisecond off.
    bool start(ClockEdge edge);

protected:
    void createControls() override;

private:
    struct Mover {
        TTimer* timer;
        TControl* sprite;
        TickGrid grid;
        int step;
    };
    TTimer& makeTimer(std::size_t index);
    TControl& makeSprite(std::size_t index, const std::shared_ptr<const Bitmap>& picture);
    void tick(std::size_t index);
    void move(Mover& mover);

    std::vector<Mover> movers_;
    TickHandler onTick_;
};
