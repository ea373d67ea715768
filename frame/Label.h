#pragma once
#include "frame/Control.h"
#include "frame/TextLayout.h"

// A line or block of text drawn on its parent.
class TLabel : public TControl {
public:
    using TControl::TControl;

    void setCaption(const std::string& caption) override;
    TColor color() const { return color_; }
    void setColor(TColor color);
    bool transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    TAlignment alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment);
    bool wordWrap() const { return wordWrap_; }
    void setWordWrap(bool wordWrap);

    void loaded() override;
    void paint(Canvas& canvas) override;

private:
    std::vector<std::string> lines() const;
    void adjustSize();
    void drawLines(Canvas& canvas, int dx, int dy, Rgb color) const;

    TColor color_ = clDefault;
    bool transparent_ = false;
    bool autoSize_ = true;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    bool wordWrap_ = false;
    bool loaded_ = false;
};
