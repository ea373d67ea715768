#pragma once
#include <SDL.h>

// Tells the window manager, if one runs, that the window is or is no longer
// fullscreen, so that it lifts it over panels and leaves it undecorated.
// The window's size and place are set apart from this, so that fullscreen
// also works with no window manager.
void announceFullscreen(SDL_Window* window, bool fullscreen);
