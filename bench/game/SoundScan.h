#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Interleaved sixteen-bit stereo, as SDL's disk driver writes the mix.
using Stereo = std::vector<std::int16_t>;

// A stretch of sound: its first and last frame with a sample above the floor.
struct Burst {
    std::size_t first = 0;
    std::size_t last = 0;
};

// Reads a recorded mix: where sounds start and end, how loud they are and
// how sharply they stop. Frames count stereo pairs; levels are dBFS
// against 32768.
class SoundScan {
public:
    explicit SoundScan(const Stereo& samples, int floor = 2) : samples_(samples), floor_(floor) {}

    std::size_t frames() const { return samples_.size() / 2; }
    // Stretches of sound parted by at least `gap` frames of silence.
    std::vector<Burst> bursts(std::size_t gap) const;
    // The last frame before `end` with a sample above the floor; `end` when
    // there is none.
    std::size_t lastSound(std::size_t end) const;
    // The largest step from one sample to the next in frames [from, to).
    double largestStepDbfs(std::size_t from, std::size_t to) const;
    double rmsDbfs(std::size_t from, std::size_t to) const;

private:
    bool sounds(std::size_t frame) const;

    const Stereo& samples_;
    int floor_;
};

double toDbfs(double level);
