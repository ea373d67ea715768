#pragma once
#include <string>
#include <vector>

#include "frame/WinControl.h"

// A scrolling list of lines with one selected line and a vertical scroll
// bar when the lines do not all fit.
class TListBox : public TWinControl {
public:
    static constexpr int kScrollBarWidth = 16;
    static constexpr int kBorder = 2;

    explicit TListBox(std::string name);

    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> items);
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);
    int topIndex() const { return topIndex_; }
    void setTopIndex(int index);
    int itemHeight() const;
    int visibleCount() const;

    bool takesFocusOnClick() const override { return true; }
    void paint(Canvas& canvas) override;
    void keyDown(std::uint16_t key, TShiftState shift) override;
    void mouseDown(TMouseButton button, TShiftState shift, Point at) override;
    void mouseMove(TShiftState shift, Point at) override;
    void mouseUp(TMouseButton button, TShiftState shift, Point at) override;
    void mouseWheel(int notches) override;

private:
    bool scrollable() const { return static_cast<int>(items_.size()) > visibleCount(); }
    Rect listRect() const;
    Rect scrollBarRect() const;
    Rect thumbRect() const;
    int maxTop() const;
    void paintScrollBar(Canvas& canvas);
    void scrollBarPressed(Point at);
    void dragThumb(int y);

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
    int dragOffset_ = -1;  // pointer offset within the thumb while dragging
};
