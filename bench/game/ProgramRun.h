#pragma once
#include <sys/types.h>

#include <string>

// The game started from the current folder on the display in DISPLAY, its
// mix going to `audioFile` through SDL's disk driver; killed when this goes.
class ProgramRun {
public:
    ProgramRun(const std::string& program, const std::string& audioFile);
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    pid_t pid() const { return pid_; }

private:
    pid_t pid_;
};

// Moves the pointer to (x, y) in `window`, and clicks there (xdotool);
// each returns once the X server has the events.
void pointAt(unsigned long window, int x, int y);
void clickHere();
void clickAt(unsigned long window, int x, int y);
