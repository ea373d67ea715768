#pragma once
#include <SDL.h>

// Where the window is on the screen, as the X server has it; SDL's record
// on another window system. SDL keeps the place the window manager last
// reported, and weston's (for XWayland) reports it within its own frame.
SDL_Point windowPosition(SDL_Window* window);

// Gives a window that is not shown the place and size it is to be mapped
// with. A move asked of a window about to be managed goes to the window
// manager, and weston's answers it by putting the window at its frame's
// margin, where it then maps it; moved past the window manager, the window
// stands at its place when mapped, and its hints ask that the place be
// kept. False, having done nothing, on another window system.
bool placeUnmapped(SDL_Window* window, SDL_Rect place);
