#pragma once
#include <SDL.h>

#include <chrono>

// The X server connection a window is on, as a file descriptor the loop can
// sleep on; -1 on another window system.
int x11ConnectionOf(SDL_Window* window);

// Sleeps until `deadline`, to the microsecond, or until the connection or
// `wake` has input or a signal comes, whichever is first. True when `wake`
// has input (a negative `wake` is not watched).
bool awaitInput(int connection, int wake, std::chrono::steady_clock::time_point deadline);
