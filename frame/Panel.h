#pragma once
#include "frame/WinControl.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A bevelled box with a centred caption that holds other controls.
class TPanel : public TWinControl {
public:
    using TWinControl::TWinControl;

    void setBevelOuter(TBevelCut cut);
    void setBevelInner(TBevelCut cut);
    void setBorderWidth(int width);
    Rect alignRect() const override;
    void paint(Canvas& canvas) override;

private:
    int bevelWidth(TBevelCut cut) const { return cut == TBevelCut::bvNone ? 0 : 1; }

    TBevelCut outer_ = TBevelCut::bvRaised;
    TBevelCut inner_ = TBevelCut::bvNone;
    int borderWidth_ = 0;
};

// Draws a one-pixel bevel on the edge of `r`.
void drawBevel(Canvas& canvas, const Rect& r, TBevelCut cut, Rgb face);
