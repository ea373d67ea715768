#include "frame/sdl/X11Placement.h"

#include <X11/Xutil.h>

#include "frame/sdl/X11Handle.h"

namespace {

// What a window manager reads when it maps the window: the place is the
// program's own choice, the size fixed.
void hintPlace(const X11Handle& x11, SDL_Rect place) {
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) return;
    long supplied = 0;
    XGetWMNormalHints(x11.display, x11.window, hints, &supplied);
    hints->flags |= USPosition | PPosition | PMinSize | PMaxSize;
    hints->x = place.x;
    hints->y = place.y;
    hints->min_width = hints->max_width = place.w;
    hints->min_height = hints->max_height = place.h;
    XSetWMNormalHints(x11.display, x11.window, hints);
    XFree(hints);
}

// The window is override-redirect for this one request, so the server
// moves it at once and the window manager only hears that it moved.
void configureUnredirected(const X11Handle& x11, SDL_Rect place) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(x11.display, x11.window, &attributes)) return;
    XSetWindowAttributes change{};
    change.override_redirect = True;
    XChangeWindowAttributes(x11.display, x11.window, CWOverrideRedirect, &change);
    XMoveResizeWindow(x11.display, x11.window, place.x, place.y, place.w, place.h);
    change.override_redirect = attributes.override_redirect;
    XChangeWindowAttributes(x11.display, x11.window, CWOverrideRedirect, &change);
    XFlush(x11.display);
}

}  // namespace

SDL_Point windowPosition(SDL_Window* window) {
    SDL_Point at{};
    std::optional<X11Handle> x11 = x11HandleOf(window);
    Window child = None;
    if (!x11 ||
        !XTranslateCoordinates(x11->display, x11->window, DefaultRootWindow(x11->display), 0, 0, &at.x, &at.y, &child))
        SDL_GetWindowPosition(window, &at.x, &at.y);
    return at;
}

bool placeUnmapped(SDL_Window* window, SDL_Rect place) {
    std::optional<X11Handle> x11 = x11HandleOf(window);
    if (!x11) return false;
    hintPlace(*x11, place);
    configureUnredirected(*x11, place);
    return true;
}
