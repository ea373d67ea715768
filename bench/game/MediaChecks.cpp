#include "bench/game/MediaChecks.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <thread>

#include "bench/game/AudioTap.h"
#include "frame/Scheduler.h"
#include "frame/headless/HeadlessPlatform.h"
#include "media/MediaPlayer.h"
#include "media/SdlMediaService.h"

namespace {

using Clock = std::chrono::steady_clock;

// Shots at these milliseconds; the laser sounds 460 ms, so the second and
// the last fall within the sound before them.
constexpr int kShotsMs[] = {0, 150, 1500, 7500, 7700};
constexpr int kExpectedSounds = 3;
constexpr std::size_t kQuietFrames = 441;  // 10 ms of silence part two sounds

// The loop's clock on the steady clock, as the sound card keeps real time.
struct SteadyPlatform : HeadlessPlatform {
    std::uint64_t now() override {
        return static_cast<std::uint64_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count());
    }
};

// The sound-card service with players on it, and its timers run while it waits.
struct LiveMedia {
    explicit LiveMedia(const std::string& fileName) {
        service.firstScreenShown();
        player.setFileName(fileName);
        player.Open();
    }
    ~LiveMedia() { player.Close(); }
    void runUntil(Clock::time_point end) {
        while (Clock::now() < end) {
            while (TimerQueue::Client* due = timers.takeDue(platform.now())) due->tick();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

    SteadyPlatform platform;
    TimerQueue timers;
    Scheduler loop{timers, platform};
    SdlMediaService service{loop};
    TMediaPlayer player{"player", service, loop};
};

// SDL's disk driver reports itself on the error stream.
void quietErrors() {
    int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDERR_FILENO);
    close(quiet);
}

// Runs `work` in a child process whose mix goes into `tap`; what it wrote to
// the pipe it is handed.
std::vector<double> inChild(const AudioTap& tap, bool fast, const std::function<std::vector<double>()>& work) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("cannot make a pipe");
    std::cout.flush();
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        quietErrors();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", tap.path().c_str(), 1);
        if (fast) setenv("SDL_DISKAUDIODELAY", "0", 1);
        std::vector<double> answer = work();
        auto bytes = static_cast<ssize_t>(answer.size() * sizeof(double));
        _exit(write(fds[1], answer.data(), static_cast<std::size_t>(bytes)) == bytes ? 0 : 1);
    }
    close(fds[1]);
    std::vector<double> answer;
    double value = 0;
    while (pid > 0 && read(fds[0], &value, sizeof value) == static_cast<ssize_t>(sizeof value)) answer.push_back(value);
    close(fds[0]);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error("a sound check failed");
    return answer;
}

double nsSinceEpoch(Clock::time_point at) {
    return static_cast<double>(std::chrono::duration_cast<std::chrono::nanoseconds>(at.time_since_epoch()).count());
}

// The request times of the shots that start a sound.
std::vector<double> shoot() {
    LiveMedia media("data/laser.wav");
    std::vector<double> starts;
    Clock::time_point begin = Clock::now() + std::chrono::milliseconds(500);
    for (int ms : kShotsMs) {
        media.runUntil(begin + std::chrono::milliseconds(ms));
        bool sounding = media.player.playing();
        if (!sounding) starts.push_back(nsSinceEpoch(Clock::now()));
        media.player.Play();
    }
    media.runUntil(Clock::now() + std::chrono::seconds(1));
    return starts;
}

std::vector<double> playSong() {
    LiveMedia media("data/song.mid");
    media.player.Play();
    while (media.player.playing()) media.runUntil(Clock::now() + std::chrono::milliseconds(5));
    return {static_cast<double>(media.player.length()), static_cast<double>(media.player.position())};
}

}  // namespace

LaserCheck checkLaser() {
    AudioTap tap;
    std::vector<double> starts = inChild(tap, false, shoot);
    Recording mix = tap.recording();
    std::vector<Burst> sounds = SoundScan(mix.samples).bursts(kQuietFrames);
    LaserCheck check{static_cast<int>(std::size(kShotsMs)), kExpectedSounds, static_cast<int>(sounds.size()), 0, 0};
    // The last sound is the one after the silence.
    for (std::size_t i = 0; i < std::min(starts.size(), sounds.size()); ++i) {
        check.wakeStartMs = (nsSinceEpoch(mix.arrivalOf(sounds[i].first)) - starts[i]) / 1e6;
        check.worstStartMs = std::max(check.worstStartMs, check.wakeStartMs);
    }
    return check;
}

SongCheck checkSong() {
    AudioTap tap;
    std::vector<double> end = inChild(tap, true, playSong);
    Recording mix = tap.recording();
    std::vector<Burst> sounds = SoundScan(mix.samples).bursts(mix.frames());
    double sounded = sounds.empty() ? 0 : static_cast<double>(sounds[0].last + 1 - sounds[0].first) * 1000 / 44100;
    return {end.at(0), end.at(1), sounded};
}
