#include "frame/Control.h"

#include <stdexcept>

#include "frame/Form.h"

TControl::TControl(std::string name) : TComponent(std::move(name)) {}

TControl::TControl(std::string name, Typesetter& typesetter) : TComponent(std::move(name)), typesetter_(&typesetter) {}

Typesetter& TControl::typesetter() const {
    if (!typesetter_) throw std::logic_error("control " + name() + " is on no screen and cannot show text");
    return *typesetter_;
}

Size TControl::textSize(const std::string& text) const { return typesetter().measure(font_, text); }

int TControl::lineHeight() const { return typesetter().lineHeight(font_); }

void TControl::drawText(Canvas& canvas, const std::string& text, int x, int y, Rgb color) const {
    typesetter().draw(canvas, font_, text, x, y, color);
}

TForm* TControl::form() const {
    const TControl* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<TForm*>(const_cast<TControl*>(c));
}

void TControl::setBounds(const Rect& bounds) {
    if (bounds == bounds_) return;
    invalidate();
    bounds_ = bounds;
    invalidate();
}

void TControl::setVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    if (parent_) parent_->invalidateChild(bounds_);
}

bool TControl::showing() const { return visible_ && parent_ && parent_->showing(); }

void TControl::setEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    invalidate();
}

void TControl::setCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    invalidate();
}

void TControl::setFont(const TFont& font) {
    font_ = font;
    invalidate();
}

void TControl::setAlign(TAlign align) {
    align_ = align;
    applyAlign();
}

void TControl::applyAlign() {
    if (align_ != TAlign::alBottom || !parent_) return;
    Rect area = parent_->alignRect();
    setBounds({area.x, area.bottom() - height(), area.width, height()});
}

Point TControl::screenOffset() const {
    Point offset;
    for (const TControl* c = this; c->parent_; c = c->parent_) {
        offset.x += c->left();
        offset.y += c->top();
    }
    return offset;
}

void TControl::invalidateRect(const Rect& rect) {
    if (visible_ && parent_) parent_->invalidateChild(rect.intersected(clientRect()).translated(left(), top()));
}

Rgb TControl::parentRgb() const {
    for (const TWinControl* p = parent_; p; p = p->parent()) {
        if (p->color() != clNone) return colorToRgb(p->color());
    }
    return colorToRgb(clBtnFace);
}

void TControl::mouseDown(TMouseButton, TShiftState, Point) {}

void TControl::mouseMove(TShiftState shift, Point at) {
    if (OnMouseMove) OnMouseMove(this, shift, at.x, at.y);
}

void TControl::mouseUp(TMouseButton button, TShiftState, Point at) {
    if (button == TMouseButton::mbLeft && clientRect().contains(at)) click();
}

void TControl::click() {
    if (showing() && enabled_) clicked();
}

void TControl::clicked() {
    if (OnClick) OnClick(this);
}
