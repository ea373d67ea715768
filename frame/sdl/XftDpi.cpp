#include "frame/sdl/XftDpi.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

#include <charconv>
#include <cstring>

std::optional<double> xftDpi(const char* resources) {
    if (!resources) return std::nullopt;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    char* type = nullptr;
    XrmValue value{};
    std::optional<double> dpi;
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr) {
        const char* end = value.addr + std::strlen(value.addr);
        double number = 0;
        auto [stop, error] = std::from_chars(value.addr, end, number);
        if (error == std::errc() && stop == end) dpi = number;
    }
    XrmDestroyDatabase(database);
    return dpi;
}

std::optional<double> desktopXftDpi() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return std::nullopt;
    std::optional<double> dpi = xftDpi(XResourceManagerString(display));
    XCloseDisplay(display);
    return dpi;
}
