#pragma once
#include <SDL.h>

#include <functional>
#include <memory>
#include <vector>

#include "frame/Platform.h"
#include "frame/sdl/Viewport.h"
#include "frame/sdl/WaylandBuffers.h"

// A borderless window on SDL's window surface (on Wayland, on shared memory
// buffers of its own), `scale` times the size of its
// logical pixels, each drawn as an exact scale x scale block. Painted
// rectangles are copied into the surface at once but sent to the window
// system in one batch before the loop sleeps, so a burst of ticks costs one
// upload rather than one each. Positions it takes and gives are logical.
// A window whose surface cannot be had is an error, thrown when it is made
// or painted.
class SdlWindow : public PlatformWindow {
public:
    SdlWindow(Size size, WindowKind kind, int scale, std::function<void(SdlWindow*)> onDestroy);
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

    void setIcon(SDL_Surface* icon);
    Size logicalSize() const { return logical_; }
    // Lays `picture` over the window's own pixels, its top-left at the
    // logical point `at`, until called with null: then the frame is asked
    // to paint the window anew.
    void setOverlay(const Canvas* picture, Point at);
    // The X server connection it is on; -1 on another window system.
    int connection() const;
    // The logical pixel under a point of the window.
    Point toLogical(Point physical) const;
    // Pixels per logical pixel now: the chosen scale, or in fullscreen the
    // largest that fits the display.
    int scale() const { return viewport().scale(); }
    bool fullscreen() const { return fullscreen_; }
    // Fills the display the window is on, or gives the window back its size
    // and, where the window system lets a program place its windows, place.
    void toggleFullscreen();

private:
    // A loop that never sleeps still shows its paintings this often.
    static constexpr Uint64 kLongestHold = 10;

    // Where logical pixels land in the window's points, and in its surface.
    Viewport viewport() const;
    Viewport pixelViewport() const;
    SDL_Surface* surface();
    // The window's rectangle, not fullscreen, at the point `at` of the screen.
    SDL_Rect windowedPlace(Point at) const;
    SDL_Surface* sourceOf(const Canvas& canvas);
    // Copies the rectangle `from` of the canvas to the logical place `at`.
    void paint(const Canvas& canvas, const Rect& from, Point at, SDL_Surface* surface, const Viewport& view);
    void paintOverlay(const Rect& within, SDL_Surface* surface, const Viewport& view);
    void askForPaint();
    void copy(const Canvas& canvas, const Rect& from, SDL_Surface* surface, const Rect& to, int scale);
    void clearIfNew(SDL_Surface* surface);
    void enterFullscreen();
    void leaveFullscreen();

    Size logical_;
    int scale_;
    bool tooltip_;
    bool x11_ = false;
    SDL_Window* window_ = nullptr;
    std::unique_ptr<WaylandBuffers> wayland_;
    SDL_Cursor* hand_ = nullptr;
    TCursor cursor_ = TCursor::crDefault;
    bool fullscreen_ = false;
    Point windowedAt_;               // where the window was before fullscreen, in its pixels
    Size surfaceSize_;               // of the surface painted last, to notice a new one
    SDL_Surface* source_ = nullptr;  // made only for surfaces of another layout
    std::vector<SDL_Rect> pending_;
    Uint64 pendingSince_ = 0;  // when the oldest waiting rectangle was painted
    const Canvas* overlay_ = nullptr;
    Point overlayAt_;
    std::function<void(SdlWindow*)> onDestroy_;
};
