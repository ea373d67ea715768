#include "frame/ListBox.h"

#include <algorithm>

#include "frame/Panel.h"

namespace {
constexpr Rgb kSelection = 0x0A246A;
constexpr Rgb kSelectionText = 0xFFFFFF;
constexpr int kWheelLines = 3;
}  // namespace

TListBox::TListBox(std::string name) : TWinControl(std::move(name)) {
    setTabStop(true);
    setColor(clWindow);
}

void TListBox::setItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    topIndex_ = 0;
    invalidate();
}

int TListBox::itemHeight() const { return lineHeight(); }

int TListBox::visibleCount() const { return std::max(1, (height() - 2 * kBorder) / itemHeight()); }

int TListBox::maxTop() const { return std::max(0, static_cast<int>(items_.size()) - visibleCount()); }

void TListBox::setTopIndex(int index) {
    index = std::clamp(index, 0, maxTop());
    if (index == topIndex_) return;
    topIndex_ = index;
    invalidate();
}

void TListBox::setItemIndex(int index) {
    if (items_.empty()) return;
    index = std::clamp(index, 0, static_cast<int>(items_.size()) - 1);
    if (index < topIndex_) setTopIndex(index);
    if (index >= topIndex_ + visibleCount()) setTopIndex(index - visibleCount() + 1);
    if (index == itemIndex_) return;
    itemIndex_ = index;
    invalidate();
}

Rect TListBox::listRect() const {
    int bar = scrollable() ? kScrollBarWidth : 0;
    return {kBorder, kBorder, width() - 2 * kBorder - bar, height() - 2 * kBorder};
}

Rect TListBox::scrollBarRect() const {
    return {width() - kBorder - kScrollBarWidth, kBorder, kScrollBarWidth, height() - 2 * kBorder};
}

Rect TListBox::thumbRect() const {
    Rect bar = scrollBarRect();
    int track = bar.height - 2 * kScrollBarWidth;
    int count = static_cast<int>(items_.size());
    int size = std::max(8, track * visibleCount() / std::max(1, count));
    int pos = maxTop() == 0 ? 0 : (track - size) * topIndex_ / maxTop();
    return {bar.x, bar.y + kScrollBarWidth + pos, kScrollBarWidth, size};
}

void TListBox::paint(Canvas& canvas) {
    Rgb face = colorToRgb(color());
    canvas.fillRect(clientRect(), face);
    drawBevel(canvas, clientRect(), TBevelCut::bvLowered, face);
    drawBevel(canvas, {1, 1, width() - 2, height() - 2}, TBevelCut::bvLowered, face);
    Rect list = listRect();
    {
        ClipScope scope(canvas, list);
        for (int i = topIndex_; i < static_cast<int>(items_.size()); ++i) {
            int y = (i - topIndex_) * itemHeight();
            if (y >= list.height) break;
            bool selected = i == itemIndex_;
            if (selected) canvas.fillRect({0, y, list.width, itemHeight()}, kSelection);
            drawText(canvas, items_[i], 2, y, selected ? kSelectionText : colorToRgb(font().color));
        }
    }
    if (scrollable()) paintScrollBar(canvas);
}

void TListBox::paintScrollBar(Canvas& canvas) {
    Rgb face = colorToRgb(clBtnFace);
    Rect bar = scrollBarRect();
    canvas.fillRect(bar, 0xE8E6E0);
    auto button = [&](const Rect& r, bool up) {
        canvas.fillRect(r, face);
        drawBevel(canvas, r, TBevelCut::bvRaised, face);
        int cx = r.x + r.width / 2, cy = r.y + r.height / 2;
        for (int i = 0; i < 4; ++i) canvas.hLine(cx - i, up ? cy - 2 + i : cy + 1 - i, 2 * i + 1, 0);
    };
    button({bar.x, bar.y, kScrollBarWidth, kScrollBarWidth}, true);
    button({bar.x, bar.bottom() - kScrollBarWidth, kScrollBarWidth, kScrollBarWidth}, false);
    Rect thumb = thumbRect();
    canvas.fillRect(thumb, face);
    drawBevel(canvas, thumb, TBevelCut::bvRaised, face);
}

void TListBox::keyDown(std::uint16_t key, TShiftState) {
    int last = static_cast<int>(items_.size()) - 1;
    switch (key) {
    case vk::Up:
    case vk::Left: setItemIndex(itemIndex_ - 1); break;
    case vk::Down:
    case vk::Right: setItemIndex(itemIndex_ + 1); break;
    case vk::Prior: setItemIndex(itemIndex_ - visibleCount() + 1); break;
    case vk::Next: setItemIndex(itemIndex_ + visibleCount() - 1); break;
    case vk::Home: setItemIndex(0); break;
    case vk::End: setItemIndex(last); break;
    default: break;
    }
}

void TListBox::scrollBarPressed(Point at) {
    Rect bar = scrollBarRect();
    Rect thumb = thumbRect();
    if (at.y < bar.y + kScrollBarWidth) setTopIndex(topIndex_ - 1);
    else if (at.y >= bar.bottom() - kScrollBarWidth) setTopIndex(topIndex_ + 1);
    else if (at.y < thumb.y) setTopIndex(topIndex_ - visibleCount());
    else if (at.y >= thumb.bottom()) setTopIndex(topIndex_ + visibleCount());
    else dragOffset_ = at.y - thumb.y;
}

void TListBox::dragThumb(int y) {
    Rect bar = scrollBarRect();
    int track = bar.height - 2 * kScrollBarWidth - thumbRect().height;
    if (track <= 0) return;
    int pos = y - dragOffset_ - (bar.y + kScrollBarWidth);
    setTopIndex((pos * maxTop() + track / 2) / track);
}

void TListBox::mouseDown(TMouseButton button, TShiftState, Point at) {
    if (button != TMouseButton::mbLeft) return;
    if (scrollable() && scrollBarRect().contains(at)) {
        scrollBarPressed(at);
        return;
    }
    Rect list = listRect();
    if (list.contains(at)) {
        int index = topIndex_ + (at.y - list.y) / itemHeight();
        if (index < static_cast<int>(items_.size())) setItemIndex(index);
    }
}

void TListBox::mouseMove(TShiftState shift, Point at) {
    if (dragOffset_ >= 0) dragThumb(at.y);
    TWinControl::mouseMove(shift, at);
}

void TListBox::mouseUp(TMouseButton button, TShiftState shift, Point at) {
    dragOffset_ = -1;
    TWinControl::mouseUp(button, shift, at);
}

void TListBox::mouseWheel(int notches) { setTopIndex(topIndex_ - notches * kWheelLines); }
