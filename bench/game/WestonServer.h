#pragma once
#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>

#include "bench/game/ProgramRun.h"

// A weston compositor nested in the X display in DISPLAY for as long as this
// object lives: its X11 back end takes the display's pointer and keyboard,
// and its output is an X window in the display's top-left corner, so output
// points are the display's root points. It renders with pixman, in software.
class WestonServer {
public:
    // Returns once it accepts clients; throws when it does not.
    WestonServer();
    ~WestonServer();
    WestonServer(const WestonServer&) = delete;
    WestonServer& operator=(const WestonServer&) = delete;

    pid_t pid() const { return pid_; }
    // What a program needs to be its client on Wayland alone.
    EnvironmentChanges clientEnvironment() const;
    // The top-left on the output of a game window of that size once weston
    // shows one, or none within `timeout`.
    std::optional<std::pair<int, int>> awaitWindow(int width, int height, std::chrono::milliseconds timeout) const;
    // Moves the pointer to the output's point (x, y), and clicks there.
    void pointAt(int x, int y) const;
    void clickAt(int x, int y) const;

private:
    std::string sceneGraph() const;
    void stop();

    std::string folder_;
    pid_t pid_ = -1;
};
