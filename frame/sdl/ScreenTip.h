#pragma once
#include <cstdint>
#include <functional>

#include "frame/Platform.h"

class SdlWindow;

// A tool-tip drawn inside the screen it belongs to, for window systems that
// place every window themselves (Wayland: there a tool-tip would be a
// pop-up, which SDL 2 cannot make). Its picture lies over the screen's from
// its first painting until it goes; it never has the keyboard, being no
// window. Positions it takes and gives are logical and on the same desktop
// as the screen's.
class ScreenTip : public PlatformWindow {
public:
    // `find` gives the screen with an SDL window id while it exists.
    ScreenTip(std::uint32_t screenId, std::function<SdlWindow*(std::uint32_t)> find);
    ~ScreenTip() override;

    // The top-left, within a screen of `area`, of a tip of `tip` size asked
    // for at `tip`'s place (both relative to the screen): as asked where the
    // tip fits, else moved in from the right, and put above the pointer
    // when it would run off the bottom.
    static Point placed(const Rect& tip, Size area, Point pointer);

    int id() const override { return 0; }
    Point position() const override { return asked_; }
    void setPosition(Point topLeft) override { asked_ = topLeft; }
    void show() override { shown_ = true; }
    void hide() override;
    void present(const Canvas& canvas, const std::vector<Rect>& rects) override;
    void setCursor(TCursor) override {}

private:
    static constexpr int kAbovePointer = 4;

    SdlWindow* screen() const { return find_(screenId_); }

    std::uint32_t screenId_;
    std::function<SdlWindow*(std::uint32_t)> find_;
    Point asked_;
    bool shown_ = false;
    Canvas picture_{0, 0};
};
