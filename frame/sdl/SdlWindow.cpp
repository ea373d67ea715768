#include "frame/sdl/SdlWindow.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "frame/sdl/BlockCopy.h"
#include "frame/sdl/X11Connection.h"
#include "frame/sdl/X11Fullscreen.h"
#include "frame/sdl/X11Placement.h"

SdlWindow::SdlWindow(Size size, WindowKind kind, int scale, std::function<void(SdlWindow*)> onDestroy)
    : logical_(size), scale_(scale), tooltip_(kind == WindowKind::Tooltip), onDestroy_(std::move(onDestroy)) {
    Uint32 flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN;
    if (kind == WindowKind::Tooltip) flags |= SDL_WINDOW_TOOLTIP | SDL_WINDOW_ALWAYS_ON_TOP | SDL_WINDOW_SKIP_TASKBAR;
    // On Wayland the window's size is in the compositor's points: its
    // buffers take the output's pixels per point, so that they are shown
    // unscaled, each logical pixel a block of whole pixels.
    bool wayland = std::strcmp(SDL_GetCurrentVideoDriver(), "wayland") == 0;
    if (wayland) flags |= SDL_WINDOW_ALLOW_HIGHDPI;
    window_ = SDL_CreateWindow("Orbitrove", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, size.width * scale,
                               size.height * scale, flags);
    if (!window_) throw std::runtime_error(std::string("Cannot create a window: ") + SDL_GetError());
    x11_ = x11ConnectionOf(window_) >= 0;
    // Asked for while hidden: where SDL draws the surface through a renderer,
    // making one may remake the window, which it does unseen now.
    try {
        if (wayland) wayland_ = std::make_unique<WaylandBuffers>(window_);
        surface();
    } catch (...) {
        SDL_DestroyWindow(window_);
        throw;
    }
}

SdlWindow::~SdlWindow() {
    onDestroy_(this);
    if (source_) SDL_FreeSurface(source_);
    if (hand_) SDL_FreeCursor(hand_);
    wayland_.reset();
    SDL_DestroyWindow(window_);
}

int SdlWindow::id() const { return static_cast<int>(SDL_GetWindowID(window_)); }

Viewport SdlWindow::viewport() const {
    if (!fullscreen_) return {{0, 0}, scale_};
    Size area;
    SDL_GetWindowSize(window_, &area.width, &area.height);
    return Viewport::fitted(area, logical_);
}

Viewport SdlWindow::pixelViewport() const {
    Viewport points = viewport();
    int pixels = wayland_ ? wayland_->pixelsPerPoint() : 1;
    return {{points.origin().x * pixels, points.origin().y * pixels}, points.scale() * pixels};
}

Point SdlWindow::position() const {
    Point at;
    SDL_GetWindowPosition(window_, &at.x, &at.y);
    Viewport view = viewport();
    return Viewport({0, 0}, view.scale()).toLogical({at.x + view.origin().x, at.y + view.origin().y});
}

void SdlWindow::setPosition(Point topLeft) {
    Point at{topLeft.x * scale_, topLeft.y * scale_};
    bool shown = SDL_GetWindowFlags(window_) & SDL_WINDOW_SHOWN;
    if (fullscreen_) windowedAt_ = at;
    else if (shown || !placeUnmapped(window_, windowedPlace(at))) SDL_SetWindowPosition(window_, at.x, at.y);
}

SDL_Rect SdlWindow::windowedPlace(Point at) const {
    return {at.x, at.y, logical_.width * scale_, logical_.height * scale_};
}

Point SdlWindow::toLogical(Point physical) const { return viewport().toLogical(physical); }

// A tool-tip never keeps the keyboard: where no window manager runs, SDL
// gives it to every window it shows, and the arrow keys would then reach no
// screen until a click.
void SdlWindow::show() {
    SDL_Window* focused = SDL_GetKeyboardFocus();
    SDL_ShowWindow(window_);
    // Shown again, the surface has no picture until one is attached.
    if (wayland_) wayland_->uploadAll();
    if (!tooltip_) SDL_RaiseWindow(window_);
    else if (focused) SDL_SetWindowInputFocus(focused);
}

void SdlWindow::hide() {
    pending_.clear();
    SDL_HideWindow(window_);
}

void SdlWindow::setTitle(const std::string& title) { SDL_SetWindowTitle(window_, title.c_str()); }

void SdlWindow::setIcon(SDL_Surface* icon) {
    if (icon) SDL_SetWindowIcon(window_, icon);
}

void SdlWindow::setCursor(TCursor cursor) {
    if (cursor == cursor_) return;
    cursor_ = cursor;
    if (cursor == TCursor::crHandPoint && !hand_) hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    SDL_SetCursor(cursor == TCursor::crHandPoint && hand_ ? hand_ : SDL_GetDefaultCursor());
}

void SdlWindow::toggleFullscreen() {
    if (fullscreen_) leaveFullscreen();
    else enterFullscreen();
}

// The window manager is told after the window already covers the display:
// some refuse fullscreen to a window of fixed size that is not yet
// screen-sized. Where the window system places windows itself (Wayland),
// SDL asks it for fullscreen and the size comes back as an event.
void SdlWindow::enterFullscreen() {
    SDL_GetWindowPosition(window_, &windowedAt_.x, &windowedAt_.y);
    if (!x11_) {
        fullscreen_ = SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
        return;
    }
    SDL_Rect display;
    if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window_)), &display) != 0) return;
    SDL_Point at = windowPosition(window_);
    windowedAt_ = {at.x, at.y};
    fullscreen_ = true;
    SDL_SetWindowPosition(window_, display.x, display.y);
    SDL_SetWindowSize(window_, display.w, display.h);
    announceFullscreen(window_, true);
    SDL_RaiseWindow(window_);
}

// Told first, so that the window manager's own restoring comes before ours.
void SdlWindow::leaveFullscreen() {
    fullscreen_ = false;
    if (!x11_) {
        SDL_SetWindowFullscreen(window_, 0);
        return;
    }
    SDL_Rect windowed = windowedPlace(windowedAt_);
    restoreWindowed(window_, windowed, [&] {
        announceFullscreen(window_, false);
        SDL_SetWindowSize(window_, windowed.w, windowed.h);
        SDL_SetWindowPosition(window_, windowed.x, windowed.y);
    });
}

// The canvas's pixels as SDL sees them: 0x00RRGGBB.
SDL_Surface* SdlWindow::sourceOf(const Canvas& canvas) {
    auto* pixels = const_cast<Rgb*>(canvas.pixels().data());
    if (source_ && (source_->pixels != pixels || source_->w != canvas.width() || source_->h != canvas.height())) {
        SDL_FreeSurface(source_);
        source_ = nullptr;
    }
    if (!source_)
        source_ = SDL_CreateRGBSurfaceWithFormatFrom(pixels, canvas.width(), canvas.height(), 32, canvas.width() * 4,
                                                     SDL_PIXELFORMAT_RGB888);
    return source_;
}

// A new surface (the window was made or changed size) starts black, which
// stays around the picture in fullscreen.
void SdlWindow::clearIfNew(SDL_Surface* surface) {
    if (Size{surface->w, surface->h} == surfaceSize_) return;
    surfaceSize_ = {surface->w, surface->h};
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    pending_.push_back({0, 0, surface->w, surface->h});
}

// The canvas's own pixel layout is copied at memory speed; any other
// surface, or a rectangle the surface cuts, goes through SDL's converting
// and stretching blit.
void SdlWindow::copy(const Canvas& canvas, const Rect& from, SDL_Surface* surface, const Rect& to, int scale) {
    bool inside = to.intersected({0, 0, surface->w, surface->h}) == to;
    if (inside && surface->format->format == SDL_PIXELFORMAT_RGB888) {
        copyBlocks(canvas, from, static_cast<std::uint8_t*>(surface->pixels), surface->pitch, {to.x, to.y}, scale);
    } else if (SDL_Surface* source = sourceOf(canvas)) {
        SDL_Rect sourceRect{from.x, from.y, from.width, from.height}, target{to.x, to.y, to.width, to.height};
        SDL_BlitScaled(source, &sourceRect, surface, &target);
    }
}

SDL_Surface* SdlWindow::surface() {
    SDL_Surface* surface = wayland_ ? wayland_->surface() : SDL_GetWindowSurface(window_);
    if (!surface) {
        std::string reason = SDL_GetError();
        throw std::runtime_error("The window cannot be drawn: " +
                                 (reason.empty() ? std::string("the window system gives it no surface") : reason));
    }
    return surface;
}

void SdlWindow::present(const Canvas& canvas, const std::vector<Rect>& rects) {
    SDL_Surface* target = surface();
    if (pending_.empty()) pendingSince_ = SDL_GetTicks64();
    clearIfNew(target);
    Viewport view = pixelViewport();
    Rect bounds{0, 0, canvas.width(), canvas.height()};
    for (const Rect& rect : rects) {
        Rect r = rect.intersected(bounds);
        if (r.empty()) continue;
        paint(canvas, r, {r.x, r.y}, target, view);
        paintOverlay(r, target, view);
    }
    if (SDL_GetTicks64() - pendingSince_ >= kLongestHold) uploadPending();
}

void SdlWindow::paint(const Canvas& canvas, const Rect& from, Point at, SDL_Surface* target, const Viewport& view) {
    Rect to = view.toPhysical({at.x, at.y, from.width, from.height});
    copy(canvas, from, target, to, view.scale());
    Rect shown = to.intersected({0, 0, target->w, target->h});
    if (!shown.empty()) pending_.push_back({shown.x, shown.y, shown.width, shown.height});
}

// The overlay's part within the logical rectangle `within`, over what was
// just painted there.
void SdlWindow::paintOverlay(const Rect& within, SDL_Surface* target, const Viewport& view) {
    if (!overlay_) return;
    Rect over = within.intersected({overlayAt_.x, overlayAt_.y, overlay_->width(), overlay_->height()});
    if (over.empty()) return;
    paint(*overlay_, over.translated(-overlayAt_.x, -overlayAt_.y), {over.x, over.y}, target, view);
}

void SdlWindow::setOverlay(const Canvas* picture, Point at) {
    bool removed = overlay_ && !picture;
    overlay_ = picture;
    overlayAt_ = at;
    if (removed) return askForPaint();
    if (!picture) return;
    if (pending_.empty()) pendingSince_ = SDL_GetTicks64();
    paintOverlay({at.x, at.y, picture->width(), picture->height()}, surface(), pixelViewport());
}

// Through the event queue, as the window system asks when it lost pixels.
void SdlWindow::askForPaint() {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_EXPOSED;
    event.window.windowID = SDL_GetWindowID(window_);
    SDL_PushEvent(&event);
}

void SdlWindow::uploadPending() {
    if (pending_.empty()) return;
    if (wayland_) wayland_->upload(pending_);
    else SDL_UpdateWindowSurfaceRects(window_, pending_.data(), static_cast<int>(pending_.size()));
    pending_.clear();
}

int SdlWindow::connection() const { return x11ConnectionOf(window_); }
