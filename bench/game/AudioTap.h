#pragma once
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "bench/game/SoundScan.h"

// The mix as it came: the samples, and when each piece of them arrived.
struct Recording {
    struct Arrival {
        std::size_t endFrame;                      // frames before this one had arrived...
        std::chrono::steady_clock::time_point at;  // ...by then
    };
    Stereo samples;
    std::vector<Arrival> arrivals;

    std::size_t frames() const { return samples.size() / 2; }
    // When the piece holding `frame` arrived; the last arrival past the end.
    std::chrono::steady_clock::time_point arrivalOf(std::size_t frame) const;
};

// A named pipe that SDL's disk driver writes the mix into as if it were a
// file, read on a thread of its own. Held open for writing too, so that the
// device may close and open again without an end of file.
class AudioTap {
public:
    AudioTap();
    ~AudioTap();
    AudioTap(const AudioTap&) = delete;
    AudioTap& operator=(const AudioTap&) = delete;

    const std::string& path() const { return path_; }
    // What has arrived so far.
    Recording recording() const;

private:
    void read();

    std::string folder_;
    std::string path_;
    int fd_ = -1;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    Recording recording_;
    std::thread reader_;
};
