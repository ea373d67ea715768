#include "frame/sdl/ScreenTip.h"

#include <SDL.h>

#include "frame/sdl/SdlWindow.h"

ScreenTip::ScreenTip(std::uint32_t screenId, std::function<SdlWindow*(std::uint32_t)> find)
    : screenId_(screenId), find_(std::move(find)) {}

ScreenTip::~ScreenTip() { hide(); }

Point ScreenTip::placed(const Rect& tip, Size area, Point pointer) {
    int x = std::clamp(tip.x, 0, std::max(0, area.width - tip.width));
    int y = tip.bottom() <= area.height ? tip.y : pointer.y - kAbovePointer - tip.height;
    return {x, std::clamp(y, 0, std::max(0, area.height - tip.height))};
}

void ScreenTip::hide() {
    if (!shown_) return;
    shown_ = false;
    if (SdlWindow* window = screen()) window->setOverlay(nullptr, {});
}

void ScreenTip::present(const Canvas& canvas, const std::vector<Rect>&) {
    SdlWindow* window = screen();
    if (!shown_ || !window) return;
    picture_ = canvas;
    Point origin = window->position();
    Point pointer;
    SDL_GetMouseState(&pointer.x, &pointer.y);
    Rect tip{asked_.x - origin.x, asked_.y - origin.y, canvas.width(), canvas.height()};
    window->setOverlay(&picture_, placed(tip, window->logicalSize(), window->toLogical(pointer)));
}
