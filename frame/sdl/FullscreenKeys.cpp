#include "frame/sdl/FullscreenKeys.h"

bool togglesFullscreen(SDL_Keycode key, Uint16 modifiers, bool fullscreen) {
    bool enter = key == SDLK_RETURN || key == SDLK_KP_ENTER;
    return key == SDLK_F11 || (enter && (modifiers & KMOD_ALT)) || (key == SDLK_ESCAPE && fullscreen);
}
