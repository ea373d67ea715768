#include "frame/sdl/X11Fullscreen.h"

#include "frame/sdl/X11Handle.h"

namespace {

constexpr long kRemove = 0, kAdd = 1;  // the window manager's state actions
constexpr long kFromApplication = 1;   // the request's source

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
