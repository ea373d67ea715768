#include "bench/game/MapWatch.h"

#include <X11/Xlib.h>
#include <poll.h>

#include <stdexcept>

MapWatch::MapWatch(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
    if (!display_) throw std::runtime_error("cannot open display " + display);
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

MapWatch::~MapWatch() { XCloseDisplay(display_); }

std::optional<MappedWindow> MapWatch::next(std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        while (XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type == MapNotify) return MappedWindow{event.xmap.window, std::chrono::steady_clock::now()};
        }
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return std::nullopt;
        pollfd ready{ConnectionNumber(display_), POLLIN, 0};
        poll(&ready, 1, static_cast<int>(left.count()) + 1);
    }
}
