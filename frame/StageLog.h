#pragma once
#include <iosfwd>
#include <mutex>
#include <string>

// Start-up stages as they are reached, one line each on a stream: the
// stage's name and the steady clock's reading in milliseconds, which on
// Linux is CLOCK_MONOTONIC, the same in every process, so that a program
// that started this one can subtract the moment it started it. Off, it
// says nothing. Any thread may mark a stage.
class StageLog {
public:
    // Off when `out` is null.
    explicit StageLog(std::ostream* out = nullptr) : out_(out) {}

    bool on() const { return out_ != nullptr; }
    void mark(const std::string& stage);

    // The line for a stage reached at `ms`: "orbitrove: stage NAME at MS".
    static std::string line(const std::string& stage, double ms);

private:
    std::ostream* out_;
    std::mutex mutex_;
};
