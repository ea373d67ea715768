#pragma once
#include <SDL.h>

#include <memory>
#include <vector>

#include "frame/sdl/BufferLedger.h"

struct wl_display;
struct wl_surface;
struct wl_event_queue;
struct wl_shm;
struct wl_buffer;

// A window's pixels on Wayland, handed to the compositor in shared memory.
// SDL's own window surface there draws through a GL renderer, which without
// a graphics driver costs several times the CPU and memory of the game. The
// window is painted in a picture of its own; each rectangle shown is copied
// into a buffer the compositor has let go of and only that rectangle is
// damaged; a buffer is brought up to date with what it missed while it was
// the compositor's (BufferLedger). Nothing here waits for the compositor but the one
// round trip that finds its shared memory.
class WaylandBuffers {
public:
    // Throws when the window is not on Wayland or the compositor offers no
    // shared memory.
    explicit WaylandBuffers(SDL_Window* window);
    ~WaylandBuffers();
    WaylandBuffers(const WaylandBuffers&) = delete;
    WaylandBuffers& operator=(const WaylandBuffers&) = delete;

    // The window's picture at its size in pixels now; one of a new size
    // starts black. Null, as SDL's own window surface, when it cannot be
    // made: SDL's error says why.
    SDL_Surface* surface();
    // The output's pixels in each of the window's points.
    int pixelsPerPoint() const;
    // Shows these rectangles of the picture.
    void upload(const std::vector<SDL_Rect>& rects);
    // Shows the whole picture: the window was shown again, as a new surface.
    void uploadAll();

private:
    struct Buffer;
    void makeBuffer();
    void dropBuffers();

    wl_display* display_ = nullptr;
    wl_surface* wlSurface_ = nullptr;
    wl_event_queue* queue_ = nullptr;
    wl_shm* shm_ = nullptr;
    SDL_Window* window_;
    SDL_Surface* picture_ = nullptr;
    std::vector<std::unique_ptr<Buffer>> buffers_;  // numbered as in the ledger
    BufferLedger ledger_;
};
