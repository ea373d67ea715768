#include "frame/sdl/X11WindowManager.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <vector>

namespace {

// A window property's 32-bit values of the type asked; none when the
// window has none or has gone, which is no error then.
std::vector<unsigned long> property(Display* display, Window window, const char* name, Atom type) {
    XSync(display, False);
    XErrorHandler previous = XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 1024, False, type, &actual, &format,
                           &count, &left, &data) == Success &&
        actual == type && format == 32)
        values.assign(reinterpret_cast<unsigned long*>(data), reinterpret_cast<unsigned long*>(data) + count);
    if (data) XFree(data);
    XSync(display, False);
    XSetErrorHandler(previous);
    return values;
}

bool contains(const std::vector<unsigned long>& values, unsigned long value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

}  // namespace

// A running window manager names a window of its own, which names itself.
bool movesWindowsOnlyItself(Display* display) {
    Window root = DefaultRootWindow(display);
    std::vector<unsigned long> manager = property(display, root, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    if (manager.empty() || property(display, manager[0], "_NET_SUPPORTING_WM_CHECK", XA_WINDOW) != manager)
        return false;
    std::vector<unsigned long> supported = property(display, root, "_NET_SUPPORTED", XA_ATOM);
    return !contains(supported, XInternAtom(display, "_NET_MOVERESIZE_WINDOW", False));
}
