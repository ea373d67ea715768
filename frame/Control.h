#pragma once
#include <string>

#include "frame/Canvas.h"
#include "frame/Component.h"
#include "frame/Font.h"
#include "frame/Typesetter.h"

class TForm;
class TWinControl;

enum class TAlign { alNone, alBottom };

// Every visual element of a screen. Bounds are in the parent's client
// coordinates. Changes repaint only what they touch. A control belongs to
// the windowed control that adopted it; its parent pointer is a plain
// back-reference that its destructor never follows.
class TControl : public TComponent {
public:
    explicit TControl(std::string name);
    // A screen, which has no parent, is handed the typesetter itself;
    // every other control takes its parent's when adopted.
    TControl(std::string name, Typesetter& typesetter);

    TWinControl* parent() const { return parent_; }
    TForm* form() const;

    int left() const { return bounds_.x; }
    int top() const { return bounds_.y; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    Rect bounds() const { return bounds_; }
    Rect clientRect() const { return {0, 0, bounds_.width, bounds_.height}; }
    void setLeft(int left) { setBounds({left, bounds_.y, bounds_.width, bounds_.height}); }
    void setTop(int top) { setBounds({bounds_.x, top, bounds_.width, bounds_.height}); }
    virtual void setBounds(const Rect& bounds);

    bool visible() const { return visible_; }
    virtual void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Visible together with every parent up to a visible screen.
    virtual bool showing() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    const std::string& caption() const { return caption_; }
    virtual void setCaption(const std::string& caption);

    const TFont& font() const { return font_; }
    void setFont(const TFont& font);
    // Text in this control's font.
    Size textSize(const std::string& text) const;
    int lineHeight() const;
    void drawText(Canvas& canvas, const std::string& text, int x, int y, Rgb color) const;
    Typesetter& typesetter() const;
    TCursor cursor() const { return cursor_; }
    void setCursor(TCursor cursor) { cursor_ = cursor; }
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& hint) { hint_ = hint; }
    bool showHint() const { return showHint_; }
    void setShowHint(bool showHint) { showHint_ = showHint; }
    TAlign align() const { return align_; }
    void setAlign(TAlign align);
    // Re-places an aligned control after its parent changed size.
    void applyAlign();

    TNotifyEvent OnClick;
    TMouseMoveEvent OnMouseMove;

    // Offset of this control's client origin in its screen's client area.
    Point screenOffset() const;
    void invalidate() { invalidateRect(clientRect()); }
    virtual void invalidateRect(const Rect& rect);

    // Painting in the control's own coordinates, clipped to its rectangle.
    virtual void paint(Canvas& canvas) = 0;
    // Called once the whole layout of the screen has been created.
    virtual void loaded() {}

    // Input, in the control's own coordinates.
    virtual void mouseDown(TMouseButton button, TShiftState shift, Point at);
    virtual void mouseMove(TShiftState shift, Point at);
    virtual void mouseUp(TMouseButton button, TShiftState shift, Point at);
    virtual void mouseWheel(int /*notches*/) {}
    virtual void keyDown(std::uint16_t /*key*/, TShiftState /*shift*/) {}
    virtual void textInput(const std::string& /*text*/) {}
    void click();

protected:
    virtual void clicked();
    // The colour an inherited (default) colour resolves to.
    Rgb parentRgb() const;

private:
    friend class TWinControl;
    TWinControl* parent_ = nullptr;
    Typesetter* typesetter_ = nullptr;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    TFont font_;
    TCursor cursor_ = TCursor::crDefault;
    std::string hint_;
    bool showHint_ = false;
    TAlign align_ = TAlign::alNone;
};
