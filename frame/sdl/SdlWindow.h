#pragma once
#include <SDL.h>

#include <functional>
#include <vector>

#include "frame/Platform.h"

// A borderless window on a software surface. Painted rectangles are copied
// into the surface at once but sent to the X server in one batch before the
// loop sleeps, so a burst of ticks costs one upload rather than one each.
class SdlWindow : public PlatformWindow {
public:
    SdlWindow(Size size, WindowKind kind, std::function<void(SdlWindow*)> onDestroy);
    ~SdlWindow() override;

    int id() const override;
    Point position() const override;
    void setPosition(Point topLeft) override;
    void show() override;
    void hide() override;
    void setCursor(TCursor cursor) override;
    void setTitle(const std::string& title) override;
    void present(const Canvas& canvas, const std::vector<Rect>& rects) override;
    void uploadPending();

private:
    // A loop that never sleeps still shows its paintings this often.
    static constexpr Uint64 kLongestHold = 10;

    SDL_Window* window_ = nullptr;
    SDL_Cursor* hand_ = nullptr;
    TCursor cursor_ = TCursor::crDefault;
    std::vector<SDL_Rect> pending_;
    Uint64 pendingSince_ = 0;  // when the oldest waiting rectangle was painted
    std::function<void(SdlWindow*)> onDestroy_;
};
