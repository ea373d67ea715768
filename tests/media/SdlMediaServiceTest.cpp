#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <memory>
#include <mutex>
#include <sstream>
#include <thread>
#include <vector>

#include "MediaFiles.h"
#include "frame/Scheduler.h"
#include "frame/StageLog.h"
#include "frame/headless/HeadlessPlatform.h"
#include "media/MediaErrors.h"
#include "media/SdlMediaService.h"

namespace {

// The headless loop on the real clock, as the sound card keeps real time.
struct SteadyPlatform : HeadlessPlatform {
    std::uint64_t now() override {
        auto since = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    }
};

// A multimedia service's loop on the real clock, with the device's silence
// checks run ahead of it.
class SoundLoop : public testing::Test {
protected:
    static void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    // Waits for what the sound thread does: on a loaded machine it may come
    // late, so the bound is only a ceiling for a hang.
    template <class Condition>
    static bool soon(Condition done) {
        for (int i = 0; i < 3000 && !done(); ++i) pause(10);
        return done();
    }
    static MediaService::Device open(MediaService& service, const std::string& file) {
        MediaService::Device device = 0;
        EXPECT_EQ(service.open(file, device), 0u);
        return device;
    }
    static bool deviceOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }
    // The device's silence checks, once a second, as far ahead as `seconds`.
    void checkSilence(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            ahead += 1000;
            while (TimerQueue::Client* due = timers.takeDue(platform.now() + ahead)) due->tick();
        }
    }

    MediaFiles files;
    SteadyPlatform platform;
    TimerQueue timers;
    Scheduler loop{timers, platform};
    std::uint64_t ahead = 0;
};

// On SDL's dummy sound driver, which consumes the mix in real time.
class SdlMediaServiceTest : public SoundLoop {
protected:
    SdlMediaServiceTest() { service.firstScreenShown(); }
    MediaService::Device open(const std::string& file) { return SoundLoop::open(service, file); }

    SdlMediaService service{loop};
};

TEST_F(SdlMediaServiceTest, ASecondPieceSupersedesTheFirstWhichKeepsItsPlaceAndRewinds) {
    auto first = open(files.midi("first.mid", 8));
    auto second = open(files.midi("second.mid", 8));
    int superseded = 0;
    service.onSuperseded(first, [&] { ++superseded; });
    EXPECT_FALSE(service.hasVideo(first));
    EXPECT_EQ(service.play(first), 0u);
    ASSERT_TRUE(soon([&] { return service.position(first) > 0; }));
    EXPECT_TRUE(service.playing(first));
    EXPECT_EQ(service.play(second), 0u);
    EXPECT_EQ(superseded, 1);
    EXPECT_FALSE(service.playing(first));
    std::uint64_t stoppedAt = service.position(first);
    EXPECT_GT(stoppedAt, 0u);
    EXPECT_LT(stoppedAt, service.length(first));
    pause(150);
    EXPECT_EQ(service.position(first), stoppedAt);
    EXPECT_TRUE(service.playing(second));
    EXPECT_TRUE(soon([&] { return service.position(second) > 0; }));
    service.seekToStart(first);
    EXPECT_EQ(service.position(first), 0u);
    service.close(first);
    EXPECT_EQ(service.play(first), 5u);  // no such device any more
    EXPECT_TRUE(service.playing(second));
}

TEST_F(SdlMediaServiceTest, AWaveStopsInPlaceAndASecondPlayDoesNotRestartIt) {
    auto shot = open(files.wave("shot.wav", 44100, 22050));
    ASSERT_EQ(service.length(shot), 2000u);
    service.play(shot);
    pause(200);
    service.play(shot);
    EXPECT_GE(service.position(shot), 200u);
    service.stop(shot);
    std::uint64_t stoppedAt = service.position(shot);
    pause(100);
    EXPECT_EQ(service.position(shot), stoppedAt);
    EXPECT_FALSE(service.playing(shot));
    service.play(shot);
    EXPECT_TRUE(service.playing(shot));
}

// Silence costs nothing: the device closes a few seconds after the last
// sound, stays open while a stopped wave or a piece waits on it, and the next
// play request opens it again.
TEST_F(SdlMediaServiceTest, TheDeviceSleepsInSilenceAndWakesForTheNextSound) {
    auto shot = open(files.wave("shot.wav", 4410, 44100));
    auto piece = open(files.midi("piece.mid", 8));
    ASSERT_TRUE(deviceOpen());
    service.play(shot);
    service.stop(shot);
    checkSilence(5);
    EXPECT_TRUE(deviceOpen());  // the stopped shot keeps its place
    service.play(shot);
    ASSERT_TRUE(soon([] { return Mix_Playing(-1) == 0; }));  // the mixer has played the shot
    checkSilence(2);
    EXPECT_TRUE(deviceOpen());
    checkSilence(1);
    EXPECT_FALSE(deviceOpen());
    service.stop(shot);  // requests on a sleeping device are harmless
    service.seekToStart(shot);
    EXPECT_EQ(service.play(piece), 0u);
    EXPECT_TRUE(deviceOpen());
    EXPECT_TRUE(soon([&] { return service.position(piece) >= 100; }));
    checkSilence(5);
    EXPECT_TRUE(deviceOpen());  // the music sounds on
    service.stop(piece);
    checkSilence(2);
    EXPECT_TRUE(deviceOpen());
    EXPECT_TRUE(soon([&] {  // once its fade out has sounded
        checkSilence(1);
        return !deviceOpen();
    }));
    service.play(shot);
    EXPECT_TRUE(deviceOpen());
    pause(200);
    EXPECT_FALSE(service.playing(shot));
    EXPECT_EQ(service.position(shot), 100u);
}

// The mixer keeps its music hook from one opening to the next and mixes
// before the hook is set again, so a device that closes takes the hook away
// (its service may go before another opens the device).
// The mixer's every buffer as it leaves the mixer (its post-mix hook), and
// the first of them kept. Without a hook of its own the mixer keeps this one
// from one opening to the next.
class MixWatch {
public:
    MixWatch() { Mix_SetPostMix(&MixWatch::mixed, this); }
    ~MixWatch() { Mix_SetPostMix(nullptr, nullptr); }

    // The first buffer mixed: stereo samples.
    std::vector<std::int16_t> first() const {
        std::lock_guard guard(mutex_);
        return first_;
    }

private:
    static void mixed(void* self, Uint8* stream, int bytes) {
        auto& watch = *static_cast<MixWatch*>(self);
        std::lock_guard guard(watch.mutex_);
        if (!watch.first_.empty()) return;
        auto* samples = reinterpret_cast<std::int16_t*>(stream);
        watch.first_.assign(samples, samples + bytes / 2);
    }

    mutable std::mutex mutex_;
    std::vector<std::int16_t> first_;
};

// A shot that wakes the device sounds from the device's first mixing on:
// the request is made before it, not a buffer or two later. (SDL may yet
// send out a buffer of silence before that mixing, while the device it has
// started is still paused; nothing outside SDL can hold that one back.)
TEST_F(SdlMediaServiceTest, AShotThatWakesTheDeviceSoundsFromItsFirstMixing) {
    auto shot = open(files.wave("shot.wav", 4410, 44100));
    checkSilence(3);
    ASSERT_FALSE(deviceOpen());
    MixWatch watch;
    ASSERT_EQ(service.play(shot), 0u);
    ASSERT_TRUE(soon([&] { return !watch.first().empty(); }));
    std::vector<std::int16_t> buffer = watch.first();
    std::size_t frame = 0;  // the shot's tone (MediaFiles::wave) on both sides
    for (; frame < buffer.size() / 2; ++frame) {
        auto tone = static_cast<std::int16_t>(frame % 64 < 32 ? 900 : 0xFFFF - 900);
        if (buffer[2 * frame] != tone || buffer[2 * frame + 1] != tone) break;
    }
    EXPECT_EQ(frame, 1024u) << "the first mixing holds the shot only from frame " << frame;
}

TEST_F(SdlMediaServiceTest, AClosedDeviceLeavesTheMixerNoMusicHook) {
    auto piece = open(files.midi("piece.mid", 8));
    EXPECT_EQ(Mix_GetMusicHookData(), &service);
    checkSilence(3);
    ASSERT_FALSE(deviceOpen());
    EXPECT_EQ(Mix_GetMusicHookData(), nullptr);
    service.play(piece);
    EXPECT_EQ(Mix_GetMusicHookData(), &service);
}

TEST_F(SdlMediaServiceTest, AVideoOpensWithItsLengthAndKeepsTimeWithoutAWindow) {
    auto intro = open("data/intro.avi");
    EXPECT_TRUE(service.hasVideo(intro));
    EXPECT_EQ(service.length(intro), 8000u);
    service.play(intro);
    pause(100);
    EXPECT_TRUE(service.playing(intro));
    EXPECT_GE(service.position(intro), 100u);
}

TEST_F(SdlMediaServiceTest, FilesThatCannotOpenGiveTheirErrors) {
    MediaService::Device device = 0;
    EXPECT_EQ(service.open("no/such.wav", device), 1u);
    EXPECT_EQ(service.open(files.text("bad.mid", "nonsense"), device), 3u);
    // A video is checked by its header before its decoder is loaded.
    EXPECT_EQ(service.open(files.text("bad.avi", "RIFF....AVI LIST but no header"), device), 3u);
    EXPECT_EQ(service.open(files.text("song.avi", "MThd nonsense"), device), 3u);
    std::ifstream intro("data/intro.avi", std::ios::binary);
    std::string cut(2048, '\0');
    intro.read(cut.data(), static_cast<std::streamsize>(cut.size()));
    EXPECT_EQ(service.open(files.text("cut.avi", cut), device), 3u);  // cut inside its header
    EXPECT_FALSE(service.errorText(1).empty());
}

// Nothing waits for the sound bank, which loads only once the first screen
// is up: the intro music is opened and played before its synthesizer is
// there, and sounds once it is; each stage is told as it comes, in that
// order.
TEST_F(SoundLoop, TheSynthesizerLoadsOffTheCallersThreadAndAPieceWaitingStartsOnIt) {
    std::ostringstream said;
    StageLog stages(&said);
    SdlMediaService service(loop, {}, &stages);
    auto intro = open(service, "data/intro.mid");
    service.play(intro);
    EXPECT_TRUE(service.playing(intro));
    pause(300);
    EXPECT_EQ(said.str().find("stage synthesizer ready"), std::string::npos);
    EXPECT_EQ(said.str().find("stage first music mixed"), std::string::npos);
    service.firstScreenShown();
    ASSERT_TRUE(soon([&] { return service.position(intro) >= 200; }));
    std::string log = said.str();
    auto device = log.find("stage sound device open");
    auto synth = log.find("stage synthesizer ready");
    auto music = log.find("stage first music mixed");
    ASSERT_NE(device, std::string::npos);
    ASSERT_NE(synth, std::string::npos);
    ASSERT_NE(music, std::string::npos);
    EXPECT_LT(device, synth);
    EXPECT_LT(synth, music);
}

// A named pipe, a folder or a symbolic-link loop in a media file's place is
// refused at once like a missing file: nothing waits for a writer.
TEST_F(SdlMediaServiceTest, OnlyARegularFileIsOpened) {
    namespace fs = std::filesystem;
    fs::path folder = fs::path(files.text("x.txt", "")).parent_path();
    std::string pipe = (folder / "pipe.wav").string(), loop = (folder / "loop.wav").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(folder / "folder.mid");
    fs::create_symlink("loop.wav", loop);
    MediaService::Device device = 0;
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(service.open(pipe, device), 1u);
    EXPECT_EQ(service.open((folder / "folder.mid").string(), device), 1u);
    EXPECT_EQ(service.open(loop, device), 1u);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}

// SDL's disk driver writing into a named pipe, the stand-in for a sound
// server that hangs: nobody opens the pipe, or its reader reads nothing.
// A device abandoned there stays inside SDL for good, so each case runs in
// a process of its own that ends, as the program does, without closing SDL;
// an alarm ends one that hangs. The time limits are ceilings for a hang.
class StalledSoundTest : public SoundLoop {
protected:
    static constexpr auto kHang = std::chrono::seconds(20);

    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }

    void inOwnProcess(const std::function<void()>& scenario) {
        EXPECT_EXIT(
            {
                ::alarm(60);
                ::setenv("SDL_AUDIODRIVER", "disk", 1);
                ::setenv("SDL_DISKAUDIOFILE", pipe.c_str(), 1);
                scenario();
                showFailures();
                std::_Exit(HasFailure() ? 1 : 0);
            },
            testing::ExitedWithCode(0), "");
    }

    // The child's failures, on the standard error that the parent shows.
    static void showFailures() {
        const testing::TestResult& result = *testing::UnitTest::GetInstance()->current_test_info()->result();
        for (int i = 0; i < result.total_part_count(); ++i) {
            const testing::TestPartResult& part = result.GetTestPartResult(i);
            if (part.failed())
                std::cerr << part.file_name() << ':' << part.line_number() << ": " << part.message() << '\n';
        }
    }

    std::unique_ptr<SdlMediaService> makeService() {
        auto service = std::make_unique<SdlMediaService>(loop, [this] { ++abandoned; });
        service->firstScreenShown();
        return service;
    }

    // A reader that never reads; the writer's open does not wait for it.
    int openReader() {
        if (::mkfifo(pipe.c_str(), 0600) != 0) ADD_FAILURE() << "no pipe";
        return ::open(pipe.c_str(), O_RDONLY | O_NONBLOCK);
    }

    // From here on the device's every write waits for ever.
    static void awaitFullPipe(int reader) {
        int held = 0;
        for (int i = 0; i < 200 && held < ::fcntl(reader, F_GETPIPE_SZ); ++i, pause(100))
            ::ioctl(reader, FIONREAD, &held);
        ASSERT_EQ(held, ::fcntl(reader, F_GETPIPE_SZ)) << "the device does not write";
    }

    template <class Step>
    static std::chrono::milliseconds timed(Step step) {
        auto start = std::chrono::steady_clock::now();
        step();
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    }

    std::string pipe = (std::filesystem::path(files.text("x.txt", "")).parent_path() / "sound").string();
    int abandoned = 0;
};

// Nobody opens the pipe: the opening is given up on, the game plays
// silently, and its sounds still open.
TEST_F(StalledSoundTest, ADeviceThatDoesNotOpenLeavesTheServiceSilent) {
    inOwnProcess([this] {
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        std::unique_ptr<SdlMediaService> service;
        auto took = timed([&] { service = makeService(); });
        EXPECT_LT(took, kHang) << took.count() << " ms";
        EXPECT_FALSE(service->hasSound());
        EXPECT_EQ(abandoned, 1);
        auto shot = open(*service, files.wave("shot.wav", 4410, 44100));
        EXPECT_EQ(service->play(shot), media_error::kNoSoundDevice);
        took = timed([&] { service.reset(); });
        EXPECT_LT(took, kHang) << took.count() << " ms";
        EXPECT_EQ(abandoned, 1);
    });
}

// The reader stops taking sound while music plays: closing the service
// gives the device up.
TEST_F(StalledSoundTest, ADeviceThatTakesNoMoreSoundIsAbandonedWhenTheServiceGoes) {
    inOwnProcess([this] {
        int reader = openReader();
        auto service = makeService();
        ASSERT_TRUE(service->hasSound());
        EXPECT_EQ(service->play(open(*service, files.midi("piece.mid", 8))), 0u);
        awaitFullPipe(reader);
        auto took = timed([&] { service.reset(); });
        EXPECT_LT(took, kHang) << took.count() << " ms";
        EXPECT_EQ(abandoned, 1);
    });
}

// The same at the device's sleep, in silence: the game goes on silently and
// a wave opened before keeps off the mixer.
TEST_F(StalledSoundTest, ADeviceThatTakesNoMoreSoundIsAbandonedWhenItSleeps) {
    inOwnProcess([this] {
        int reader = openReader();
        auto service = makeService();
        ASSERT_TRUE(service->hasSound());
        auto shot = open(*service, files.wave("shot.wav", 4410, 44100));
        awaitFullPipe(reader);
        auto took = timed([&] { checkSilence(3); });
        EXPECT_LT(took, kHang) << took.count() << " ms";
        EXPECT_EQ(abandoned, 1);
        EXPECT_FALSE(service->hasSound());
        EXPECT_EQ(service->play(shot), media_error::kNoSoundDevice);
        service.reset();
        EXPECT_EQ(abandoned, 1);
    });
}

// The device sleeps, which closes the pipe; nobody opens it again, so the
// next play request gives the waking up.
TEST_F(StalledSoundTest, ADeviceThatDoesNotWakeIsAbandoned) {
    inOwnProcess([this] {
        int reader = openReader();
        auto service = makeService();
        ASSERT_TRUE(service->hasSound());
        ::fcntl(reader, F_SETFL, 0);
        std::thread drain([reader] {
            char bytes[4096];
            while (::read(reader, bytes, sizeof bytes) > 0) {}
            ::close(reader);
        });
        auto shot = open(*service, files.wave("shot.wav", 4410, 44100));
        checkSilence(3);
        drain.join();
        MediaService::Result played = 0;
        auto took = timed([&] { played = service->play(shot); });
        EXPECT_LT(took, kHang) << took.count() << " ms";
        EXPECT_EQ(played, media_error::kNoSoundDevice);
        EXPECT_EQ(abandoned, 1);
        EXPECT_EQ(service->play(shot), media_error::kNoSoundDevice);
        EXPECT_EQ(abandoned, 1);
    });
}

}  // namespace
