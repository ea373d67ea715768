#include "frame/Shape.h"

void TShape::setBrushColor(TColor color) {
    brush_ = color;
    invalidate();
}

void TShape::setPenColor(TColor color) {
    pen_ = color;
    invalidate();
}

void TShape::paint(Canvas& canvas) {
    canvas.fillRect(clientRect(), colorToRgb(brush_));
    canvas.frameRect(clientRect(), colorToRgb(pen_));
}
