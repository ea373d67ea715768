#pragma once
#include <SDL.h>
#include <X11/Xlib.h>

#include <optional>

// The X server connection and window behind an SDL window. Only the X11
// files include this: Xlib's macros stay out of the rest of the frame.
struct X11Handle {
    Display* display;
    Window window;
};

// None on another window system.
std::optional<X11Handle> x11HandleOf(SDL_Window* window);
