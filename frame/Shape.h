#pragma once
#include "frame/Control.h"

// A rectangle: a one-pixel outline in the pen colour around a brush fill.
class TShape : public TControl {
public:
    using TControl::TControl;

    TColor brushColor() const { return brush_; }
    void setBrushColor(TColor color);
    TColor penColor() const { return pen_; }
    void setPenColor(TColor color);

    void paint(Canvas& canvas) override;

private:
    TColor brush_ = clWhite;
    TColor pen_ = clBlack;
};
