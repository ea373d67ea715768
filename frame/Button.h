#pragma once
#include <memory>

#include "frame/Bitmap.h"
#include "frame/WinControl.h"

// A push button. Clicking it gives it the focus; Enter or Space press it;
// the arrow keys move the focus among its siblings.
class TButton : public TWinControl {
public:
    explicit TButton(std::string name);

    bool isDefault() const { return default_; }
    void setDefault(bool isDefault) { default_ = isDefault; }
    int modalResult() const { return modalResult_; }
    void setModalResult(int result) { modalResult_ = result; }

    bool takesFocusOnClick() const override { return true; }
    void paint(Canvas& canvas) override;
    void mouseDown(TMouseButton button, TShiftState shift, Point at) override;
    void mouseMove(TShiftState shift, Point at) override;
    void mouseUp(TMouseButton button, TShiftState shift, Point at) override;
    void keyDown(std::uint16_t key, TShiftState shift) override;

protected:
    // Draws the caption (and anything beside it) centred in `face`.
    virtual void paintContent(Canvas& canvas, const Rect& face);

private:
    void setPressed(bool pressed);

    bool default_ = false;
    int modalResult_ = 0;
    bool pressed_ = false;
    bool tracking_ = false;
};

// A push button with a glyph to the right of its caption.
class TBitBtn : public TButton {
public:
    using TButton::TButton;

    void setGlyph(std::shared_ptr<const Bitmap> glyph, std::shared_ptr<const Bitmap> disabledGlyph);

protected:
    void paintContent(Canvas& canvas, const Rect& face) override;

private:
    static constexpr int kSpacing = 4;
    std::shared_ptr<const Bitmap> glyph_;
    std::shared_ptr<const Bitmap> disabledGlyph_;
};
