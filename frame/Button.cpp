#include "frame/Button.h"

#include "frame/Form.h"
#include "frame/Panel.h"

TButton::TButton(std::string name) : TWinControl(std::move(name)) {
    setTabStop(true);
    setColor(clBtnFace);
}

void TButton::paint(Canvas& canvas) {
    Rgb face = colorToRgb(clBtnFace);
    canvas.fillRect(clientRect(), face);
    Rect r = clientRect();
    bool emphasised = default_ || focused();
    if (emphasised) {
        canvas.frameRect(r, colorToRgb(clBlack));
        r = {r.x + 1, r.y + 1, r.width - 2, r.height - 2};
    }
    if (pressed_) {
        canvas.frameRect(r, colorToRgb(clBtnShadow));
    } else {
        drawBevel(canvas, r, TBevelCut::bvRaised, face);
        drawBevel(canvas, {r.x + 1, r.y + 1, r.width - 2, r.height - 2}, TBevelCut::bvRaised, face);
    }
    int shift = pressed_ ? 1 : 0;
    paintContent(canvas, {r.x + shift, r.y + shift, r.width, r.height});
    if (focused()) {
        Rect focus{4, 4, width() - 8, height() - 8};
        for (int x = focus.x; x < focus.right(); x += 2) {
            canvas.setPixel(x, focus.y, 0);
            canvas.setPixel(x, focus.bottom() - 1, 0);
        }
        for (int y = focus.y; y < focus.bottom(); y += 2) {
            canvas.setPixel(focus.x, y, 0);
            canvas.setPixel(focus.right() - 1, y, 0);
        }
    }
}

void TButton::paintContent(Canvas& canvas, const Rect& face) {
    Size text = textSize(caption());
    Rgb color = colorToRgb(enabled() ? font().color : clBtnShadow);
    drawText(canvas, caption(), face.x + (face.width - text.width) / 2, face.y + (face.height - text.height) / 2,
             color);
}

void TButton::setPressed(bool pressed) {
    if (pressed == pressed_) return;
    pressed_ = pressed;
    invalidate();
}

void TButton::mouseDown(TMouseButton button, TShiftState, Point) {
    if (button != TMouseButton::mbLeft) return;
    tracking_ = true;
    setPressed(true);
}

void TButton::mouseMove(TShiftState shift, Point at) {
    if (tracking_) setPressed(clientRect().contains(at));
    TWinControl::mouseMove(shift, at);
}

void TButton::mouseUp(TMouseButton button, TShiftState shift, Point at) {
    if (button == TMouseButton::mbLeft) {
        tracking_ = false;
        setPressed(false);
    }
    TWinControl::mouseUp(button, shift, at);
}

void TButton::keyDown(std::uint16_t key, TShiftState) {
    switch (key) {
    case vk::Return:
    case vk::Space: click(); break;
    case vk::Left:
    case vk::Up:
    case vk::Right:
    case vk::Down:
        if (parent()) form()->setActiveControl(parent()->nextSiblingFocus(this, key == vk::Right || key == vk::Down));
        break;
    default: break;
    }
}

void TBitBtn::setGlyph(std::shared_ptr<const Bitmap> glyph, std::shared_ptr<const Bitmap> disabledGlyph) {
    glyph_ = std::move(glyph);
    disabledGlyph_ = std::move(disabledGlyph);
    invalidate();
}

void TBitBtn::paintContent(Canvas& canvas, const Rect& face) {
    const Bitmap* glyph = enabled() ? glyph_.get() : disabledGlyph_.get();
    if (!glyph) {
        TButton::paintContent(canvas, face);
        return;
    }
    Size text = textSize(caption());
    int total = text.width + kSpacing + glyph->width;
    int x = face.x + (face.width - total) / 2;
    Rgb color = colorToRgb(enabled() ? font().color : clBtnShadow);
    drawText(canvas, caption(), x, face.y + (face.height - text.height) / 2, color);
    canvas.drawBitmap(*glyph, x + text.width + kSpacing, face.y + (face.height - glyph->height) / 2, true);
}
