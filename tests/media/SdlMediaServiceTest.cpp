#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "MediaFiles.h"
#include "frame/Scheduler.h"
#include "frame/headless/HeadlessPlatform.h"
#include "media/SdlMediaService.h"

namespace {

// The headless loop on the real clock, as the sound card keeps real time.
struct SteadyPlatform : HeadlessPlatform {
    std::uint64_t now() override {
        auto since = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    }
};

// On SDL's dummy sound driver, which consumes the mix in real time.
class SdlMediaServiceTest : public testing::Test {
protected:
    static void pause(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    MediaService::Device open(const std::string& file) {
        MediaService::Device device = 0;
        EXPECT_EQ(service.open(file, device), 0u);
        return device;
    }
    // The device's silence checks, once a second, as far ahead as `seconds`.
    void checkSilence(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            ahead += 1000;
            while (TimerQueue::Client* due = timers.takeDue(platform.now() + ahead)) due->tick();
        }
    }
    static bool deviceOpen() { return Mix_QuerySpec(nullptr, nullptr, nullptr) != 0; }

    MediaFiles files;
    SteadyPlatform platform;
    TimerQueue timers;
    Scheduler loop{timers, platform};
    SdlMediaService service{loop};
    std::uint64_t ahead = 0;
};

TEST_F(SdlMediaServiceTest, ASecondPieceSupersedesTheFirstWhichKeepsItsPlaceAndRewinds) {
    auto first = open(files.midi("first.mid", 8));
    auto second = open(files.midi("second.mid", 8));
    int superseded = 0;
    service.onSuperseded(first, [&] { ++superseded; });
    EXPECT_FALSE(service.hasVideo(first));
    EXPECT_EQ(service.play(first), 0u);
    pause(300);
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
    EXPECT_GT(service.position(second), 0u);
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
    pause(200);
    checkSilence(2);
    EXPECT_TRUE(deviceOpen());
    checkSilence(1);
    EXPECT_FALSE(deviceOpen());
    service.stop(shot);  // requests on a sleeping device are harmless
    service.seekToStart(shot);
    EXPECT_EQ(service.play(piece), 0u);
    EXPECT_TRUE(deviceOpen());
    pause(200);
    EXPECT_GE(service.position(piece), 100u);
    checkSilence(5);
    EXPECT_TRUE(deviceOpen());  // the music sounds on
    service.stop(piece);
    pause(100);  // its fade out
    checkSilence(3);
    EXPECT_FALSE(deviceOpen());
    service.play(shot);
    EXPECT_TRUE(deviceOpen());
    pause(200);
    EXPECT_FALSE(service.playing(shot));
    EXPECT_EQ(service.position(shot), 100u);
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
    EXPECT_FALSE(service.errorText(1).empty());
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

}  // namespace
