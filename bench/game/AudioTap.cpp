#include "bench/game/AudioTap.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

std::chrono::steady_clock::time_point Recording::arrivalOf(std::size_t frame) const {
    auto it = std::upper_bound(arrivals.begin(), arrivals.end(), frame,
                               [](std::size_t f, const Arrival& a) { return f < a.endFrame; });
    if (it == arrivals.end()) return arrivals.empty() ? std::chrono::steady_clock::time_point{} : arrivals.back().at;
    return it->at;
}

AudioTap::AudioTap() {
    char folder[] = "/tmp/orbitrove-game-bench-XXXXXX";
    if (!mkdtemp(folder)) throw std::runtime_error("cannot make a folder for the sound pipe");
    folder_ = folder;
    path_ = folder_ + "/mix.raw";
    if (mkfifo(path_.c_str(), 0600) != 0 || (fd_ = open(path_.c_str(), O_RDWR | O_CLOEXEC)) < 0)
        throw std::runtime_error("cannot make the sound pipe " + path_);
    reader_ = std::thread([this] { read(); });
}

AudioTap::~AudioTap() {
    stop_ = true;
    reader_.join();
    close(fd_);
    unlink(path_.c_str());
    rmdir(folder_.c_str());
}

void AudioTap::read() {
    std::vector<char> bytes;
    char buffer[65536];
    while (!stop_) {
        pollfd ready{fd_, POLLIN, 0};
        if (poll(&ready, 1, 50) != 1) continue;
        ssize_t got = ::read(fd_, buffer, sizeof buffer);
        if (got <= 0) continue;
        auto at = std::chrono::steady_clock::now();
        bytes.insert(bytes.end(), buffer, buffer + got);
        std::size_t whole = bytes.size() / 4 * 4;  // whole stereo frames only
        std::lock_guard guard(mutex_);
        auto& samples = recording_.samples;
        std::size_t was = samples.size();
        samples.resize(was + whole / 2);
        std::copy_n(bytes.data(), whole, reinterpret_cast<char*>(samples.data() + was));
        bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(whole));
        recording_.arrivals.push_back({recording_.frames(), at});
    }
}

Recording AudioTap::recording() const {
    std::lock_guard guard(mutex_);
    return recording_;
}
