#include "frame/Panel.h"

void drawBevel(Canvas& canvas, const Rect& r, TBevelCut cut, Rgb face) {
    if (cut == TBevelCut::bvNone) return;
    Rgb light = colorToRgb(clBtnHighlight), dark = colorToRgb(clBtnShadow);
    if (cut == TBevelCut::bvSpace) light = dark = face;
    if (cut == TBevelCut::bvLowered) std::swap(light, dark);
    canvas.hLine(r.x, r.y, r.width, light);
    canvas.vLine(r.x, r.y, r.height, light);
    canvas.hLine(r.x, r.bottom() - 1, r.width, dark);
    canvas.vLine(r.right() - 1, r.y, r.height, dark);
}

void TPanel::setBevelOuter(TBevelCut cut) {
    outer_ = cut;
    invalidate();
}

void TPanel::setBevelInner(TBevelCut cut) {
    inner_ = cut;
    invalidate();
}

void TPanel::setBorderWidth(int width) {
    borderWidth_ = width;
    invalidate();
}

Rect TPanel::alignRect() const {
    int inset = bevelWidth(outer_) + borderWidth_ + bevelWidth(inner_);
    return {inset, inset, width() - 2 * inset, height() - 2 * inset};
}

void TPanel::paint(Canvas& canvas) {
    TWinControl::paint(canvas);
    Rgb face = color() == clNone ? parentRgb() : colorToRgb(color());
    Rect r = clientRect();
    drawBevel(canvas, r, outer_, face);
    int inset = bevelWidth(outer_) + borderWidth_;
    drawBevel(canvas, {r.x + inset, r.y + inset, r.width - 2 * inset, r.height - 2 * inset}, inner_, face);
    if (caption().empty()) return;
    Size text = textSize(caption());
    drawText(canvas, caption(), (width() - text.width) / 2, (height() - text.height) / 2, colorToRgb(font().color));
}
