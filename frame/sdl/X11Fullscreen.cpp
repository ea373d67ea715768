#include "frame/sdl/X11Fullscreen.h"

#include "frame/sdl/X11Handle.h"
#include "frame/sdl/X11Placement.h"
#include "frame/sdl/X11WindowManager.h"

namespace {

constexpr long kRemove = 0, kAdd = 1;  // the window manager's state actions
constexpr long kFromApplication = 1;   // the request's source

// The window's ancestor that is a child of the root: the frame a window
// manager keeps it in, or the window itself.
Window frameOf(Display* display, Window window) {
    Window root = None, parent = None, *children = nullptr;
    unsigned int count = 0;
    while (XQueryTree(display, window, &root, &parent, &children, &count) && parent != root && parent != None) {
        if (children) XFree(children);
        children = nullptr;
        window = parent;
    }
    if (children) XFree(children);
    return window;
}

SDL_Point originOf(Display* display, Window window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    return {attributes.x, attributes.y};
}

bool operator==(SDL_Point a, SDL_Point b) { return a.x == b.x && a.y == b.y; }

// Until the window stands at `at`, or its frame has moved from `from`, or
// the ceiling: weston answers within a few frames.
void awaitRestoring(SDL_Window* window, const X11Handle& x11, Window frame, SDL_Point from, SDL_Point at) {
    constexpr Uint64 kCeilingMs = 500;
    Uint64 deadline = SDL_GetTicks64() + kCeilingMs;
    while (!(windowPosition(window) == at) && originOf(x11.display, frame) == from && SDL_GetTicks64() < deadline)
        SDL_Delay(5);
}

// Withdrawn, the window is no longer the window manager's; placed past it
// and mapped, it is managed anew where it stands. The raise that follows
// the map asks the window manager to configure the window, which sets it
// back in its frame.
void mapAgainAt(SDL_Window* window, const X11Handle& x11, SDL_Rect place) {
    XWithdrawWindow(x11.display, x11.window, DefaultScreen(x11.display));
    placeUnmapped(window, place);
    XMapWindow(x11.display, x11.window);
    XRaiseWindow(x11.display, x11.window);
    XFlush(x11.display);
}

}  // namespace

void announceFullscreen(SDL_Window* window, bool fullscreen) {
    std::optional<X11Handle> x11 = x11HandleOf(window);
    if (!x11) return;
    Display* display = x11->display;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = x11->window;
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = fullscreen ? kAdd : kRemove;
    event.xclient.data.l[1] = static_cast<long>(XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False));
    event.xclient.data.l[3] = kFromApplication;
    XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XFlush(display);
}

void restoreWindowed(SDL_Window* window, SDL_Rect windowed, const std::function<void()>& ask) {
    std::optional<X11Handle> x11 = x11HandleOf(window);
    if (!x11 || !movesWindowsOnlyItself(x11->display)) {
        ask();
        return;
    }
    Window frame = frameOf(x11->display, x11->window);
    SDL_Point fullscreenPlace = originOf(x11->display, frame);
    ask();
    SDL_Point at{windowed.x, windowed.y};
    awaitRestoring(window, *x11, frame, fullscreenPlace, at);
    if (!(windowPosition(window) == at)) mapAgainAt(window, *x11, windowed);
}
