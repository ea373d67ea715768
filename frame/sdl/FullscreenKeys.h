#pragma once
#include <SDL.h>

// Whether a key press switches a window in or out of fullscreen: F11 and
// Alt+Enter always do, Escape only leaves it. Such a key is the window
// system's and never reaches the game; Escape outside fullscreen does.
bool togglesFullscreen(SDL_Keycode key, Uint16 modifiers, bool fullscreen);
