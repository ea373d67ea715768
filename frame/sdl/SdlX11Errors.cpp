#include "frame/sdl/SdlX11Errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace {

XErrorHandler previousHandler = nullptr;

int dropStaleWakeups(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    return previousHandler ? previousHandler(display, error) : 0;
}

}  // namespace

void dropStaleX11Wakeups() {
    XErrorHandler previous = XSetErrorHandler(dropStaleWakeups);
    if (previous != dropStaleWakeups) previousHandler = previous;
}
