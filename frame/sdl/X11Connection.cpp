#include "frame/sdl/X11Connection.h"

#include <poll.h>

#include "frame/sdl/X11Handle.h"

int x11ConnectionOf(SDL_Window* window) {
    std::optional<X11Handle> x11 = x11HandleOf(window);
    return x11 ? ConnectionNumber(x11->display) : -1;
}

bool awaitInput(int connection, int wake, std::chrono::steady_clock::time_point deadline) {
    auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() < 0) left = {};
    timespec timeout{static_cast<time_t>(left.count() / 1'000'000'000),
                     static_cast<long>(left.count() % 1'000'000'000)};
    pollfd inputs[] = {{connection, POLLIN, 0}, {wake, POLLIN, 0}};
    return ppoll(inputs, 2, &timeout, nullptr) > 0 && (inputs[1].revents & POLLIN) != 0;
}
