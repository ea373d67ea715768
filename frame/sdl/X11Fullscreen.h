#pragma once
#include <SDL.h>

#include <functional>

// Tells the window manager, if one runs, that the window is or is no longer
// fullscreen, so that it lifts it over panels and leaves it undecorated.
// The window's size and place are set apart from this, so that fullscreen
// also works with no window manager.
void announceFullscreen(SDL_Window* window, bool fullscreen);

// Runs `ask`, which asks for the window's windowed size and place as it
// leaves fullscreen, then corrects once where the window manager left it,
// if it is one that moves the windows it manages only on its own (it
// offers no _NET_MOVERESIZE_WINDOW). Weston's for XWayland ignores the
// place in a configure request, and puts the window back where it was, then
// shifts it by its shadow margin (the window's geometry within its frame
// changes). Once it has, a window that is not at `windowed` is withdrawn and
// mapped again there, where it is placed as asked.
void restoreWindowed(SDL_Window* window, SDL_Rect windowed, const std::function<void()>& ask);
