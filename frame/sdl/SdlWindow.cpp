#include "frame/sdl/SdlWindow.h"

#include <stdexcept>
#include <string>

SdlWindow::SdlWindow(Size size, WindowKind kind, std::function<void(SdlWindow*)> onDestroy)
    : onDestroy_(std::move(onDestroy)) {
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    if (kind == WindowKind::Tooltip) flags |= SDL_WINDOW_TOOLTIP | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
    window_ =
        SDL_CreateWindow("Orbitrove", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, size.width, size.height, flags);
    if (!window_) throw std::runtime_error(std::string("Cannot create a window: ") + SDL_GetError());
}

SdlWindow::~SdlWindow() {
    onDestroy_(this);
    if (hand_) SDL_FreeCursor(hand_);
    SDL_DestroyWindow(window_);
}

int SdlWindow::id() const { return static_cast<int>(SDL_GetWindowID(window_)); }

Point SdlWindow::position() const {
    Point p;
    SDL_GetWindowPosition(window_, &p.x, &p.y);
    return p;
}

void SdlWindow::setPosition(Point topLeft) { SDL_SetWindowPosition(window_, topLeft.x, topLeft.y); }

void SdlWindow::show() {
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
}

void SdlWindow::hide() {
    pending_.clear();
    SDL_HideWindow(window_);
}

void SdlWindow::setTitle(const std::string& title) { SDL_SetWindowTitle(window_, title.c_str()); }

void SdlWindow::setCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    if (cursor == TCursor::crHandPoint && !hand_) hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    SDL_SetCursor(cursor == TCursor::crHandPoint && hand_ ? hand_ : SDL_GetDefaultCursor());
}

namespace {

void copyRect(const Canvas& canvas, SDL_Surface* surface, const Rect& r) {
    for (int y = r.y; y < r.bottom(); ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<Uint8*>(surface->pixels) + y * surface->pitch);
        for (int x = r.x; x < r.right(); ++x) {
            Rgb p = canvas.pixel(x, y);
            row[x] = SDL_MapRGB(surface->format, (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
    }
}

}  // namespace

void SdlWindow::present(const Canvas& canvas, const std::vector<Rect>& rects) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (!surface || surface->format->BytesPerPixel != 4) return;
    Rect bounds{0, 0, std::min(surface->w, canvas.width()), std::min(surface->h, canvas.height())};
    if (pending_.empty()) pendingSince_ = SDL_GetTicks64();
    SDL_LockSurface(surface);
    for (const Rect& rect : rects) {
        Rect r = rect.intersected(bounds);
        if (r.empty()) continue;
        copyRect(canvas, surface, r);
        pending_.push_back({r.x, r.y, r.width, r.height});
    }
    SDL_UnlockSurface(surface);
    if (SDL_GetTicks64() - pendingSince_ >= kLongestHold) uploadPending();
}

void SdlWindow::uploadPending() {
    if (pending_.empty()) return;
    SDL_UpdateWindowSurfaceRects(window_, pending_.data(), static_cast<int>(pending_.size()));
    pending_.clear();
}
