#include "frame/Label.h"

#include <algorithm>

void TLabel::setCaption(const std::string& caption) {
    if (caption == this->caption()) return;
    TControl::setCaption(caption);
    adjustSize();
}

void TLabel::setColor(TColor color) {
    color_ = color;
    invalidate();
}

void TLabel::setTransparent(bool transparent) {
    transparent_ = transparent;
    invalidate();
}

void TLabel::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    adjustSize();
}

void TLabel::setAlignment(TAlignment alignment) {
    alignment_ = alignment;
    invalidate();
}

void TLabel::setWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    adjustSize();
}

void TLabel::loaded() {
    loaded_ = true;
    adjustSize();
}

std::vector<std::string> TLabel::lines() const {
    return wordWrap_ ? wrapText(typesetter(), font(), caption(), width()) : splitLines(caption());
}

void TLabel::adjustSize() {
    if (!autoSize_ || !loaded_) return;
    int widest = 0;
    std::vector<std::string> text = lines();
    for (const std::string& line : text) widest = std::max(widest, textSize(line).width);
    int w = wordWrap_ ? width() : widest;
    int h = static_cast<int>(text.size()) * lineHeight();
    int x = alignment_ == TAlignment::taRightJustify ? left() + width() - w : left();
    setBounds({x, top(), w, h});
    applyAlign();
}

void TLabel::drawLines(Canvas& canvas, int dx, int dy, Rgb color) const {
    int y = dy;
    for (const std::string& line : lines()) {
        int x = alignedX(alignment_, textSize(line).width, width());
        drawText(canvas, line, x + dx, y, color);
        y += lineHeight();
    }
}

void TLabel::paint(Canvas& canvas) {
    if (!transparent_) canvas.fillRect(clientRect(), color_ == clDefault ? parentRgb() : colorToRgb(color_));
    if (enabled()) {
        drawLines(canvas, 0, 0, colorToRgb(font().color));
        return;
    }
    drawLines(canvas, 1, 1, colorToRgb(clBtnHighlight));
    drawLines(canvas, 0, 0, colorToRgb(clBtnShadow));
}
