#pragma once
#include <sys/types.h>

#include <chrono>

#include <optional>
#include <string>
#include <utility>
#include <vector>

// Variables set in a started program's environment, or removed (no value).
using EnvironmentChanges = std::vector<std::pair<std::string, std::optional<std::string>>>;

// The game started from the current folder on the display in DISPLAY, its
// mix going to `audioFile` through SDL's disk driver, with the environment
// changed as given; killed when this goes. With `stages`, the game reports
// its start-up stages (ORBITROVE_STAGES) into a pipe that stages() reads.
class ProgramRun {
public:
    ProgramRun(const std::string& program, const std::string& audioFile, const EnvironmentChanges& changes = {},
               bool stages = false);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    pid_t pid() const { return pid_; }
    // The stages reported until `last` has come, or `timeout` has passed.
    std::vector<std::pair<std::string, double>> stages(const std::string& last, std::chrono::milliseconds timeout);

private:
    int stageFd_ = -1;
    pid_t pid_;
};

// Runs xdotool with these arguments on the display in DISPLAY.
void runXdotool(std::vector<std::string> args);
// Moves the pointer to (x, y) in `window`, and clicks there (xdotool);
// each returns once the X server has the events.
void pointAt(unsigned long window, int x, int y);
void clickHere();
void clickAt(unsigned long window, int x, int y);
