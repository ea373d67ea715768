#include "frame/sdl/X11Connection.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

int x11ConnectionOf(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return -1;
    return ConnectionNumber(info.info.x11.display);
}

bool awaitInput(int connection, int wake, std::chrono::steady_clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() < 0) left = {};
    timespec timeout{static_cast<time_t>(left.count() / 1'000'000'000),
                     static_cast<long>(left.count() % 1'000'000'000)};
    pollfd inputs[] = {{connection, POLLIN, 0}, {wake, POLLIN, 0}};
    return ppoll(inputs, 2, &timeout, nullptr) > 0 && (inputs[1].revents & POLLIN) != 0;
}
