#include <gtest/gtest.h>

#include <filesystem>

#include <functional>

#include "MediaFiles.h"
#include "frame/Panel.h"
#include "frame/Scheduler.h"
#include "frame/headless/HeadlessPlatform.h"
#include "media/HeadlessMediaService.h"
#include "media/MediaPlayer.h"

namespace {

// Records what the player asks of the service, and answers as told.
class ScriptedService : public MediaService {
public:
    Result open(const std::string& fileName, Device& device) override {
        calls.push_back("open " + fileName);
        device = 7;
        return openResult;
    }
    void close(Device device) override { calls.push_back("close " + std::to_string(device)); }
    bool hasVideo(Device) const override { return video; }
    Result setDisplay(Device, ContentHost& display) override {
        calls.push_back("display " + dynamic_cast<TWinControl&>(display).name());
        return displayResult;
    }
    std::uint64_t position(Device) override { return at; }
    std::uint64_t length(Device) override { return 1000; }
    Result seekToStart(Device) override {
        calls.push_back("seek");
        at = 0;
        return 0;
    }
    Result play(Device) override {
        calls.push_back("play");
        return playResult;
    }
    Result stop(Device) override {
        calls.push_back("stop");
        return 0;
    }
    void onSuperseded(Device, std::function<void()> notice) override { superseded = std::move(notice); }
    bool playing(Device) override { return false; }
    std::string errorText(Result error) const override { return error == 1 ? "the file is gone" : ""; }

    std::vector<std::string> calls;
    Result openResult = 0;
    Result displayResult = 0;
    Result playResult = 0;
    bool video = false;
    std::uint64_t at = 0;
    std::function<void()> superseded;
};

// The message of the device error a request raises.
std::string failure(const std::function<void()>& request) {
    try {
        request();
    } catch (const EMCIDeviceError& error) {
        EXPECT_EQ(error.className(), "EMCIDeviceError");
        return error.what();
    }
    return "no error";
}

// A loop with a virtual clock for the players' notices.
struct VirtualLoop {
    HeadlessPlatform platform;
    TimerQueue timers;
    Scheduler loop{timers, platform};
};

class PlayerCalls : public testing::Test, protected VirtualLoop {
protected:
    ScriptedService service;
};

TEST_F(PlayerCalls, OpensOnLoadOnlyWhenAskedAndClosesWhenDestroyed) {
    {
        TMediaPlayer manual("manual", service, loop);
        manual.setFileName("data/a.wav");
        manual.loaded();
        EXPECT_FALSE(manual.isOpen());
        TMediaPlayer automatic("automatic", service, loop);
        automatic.setFileName("data/b.wav");
        automatic.setAutoOpen(true);
        automatic.loaded();
        EXPECT_TRUE(automatic.isOpen());
    }
    EXPECT_EQ(service.calls, (std::vector<std::string>{"open data/b.wav", "close 7"}));
}

// The text names the file as given and the folder it was looked for in.
TEST_F(PlayerCalls, AFailedOpenRaisesTheServicesTextOrUnknownErrorCode) {
    TMediaPlayer player("player", service, loop);
    player.setFileName("data/laser.wav");
    std::string folder = std::filesystem::current_path().string();
    service.openResult = 1;
    EXPECT_EQ(failure([&] { player.Open(); }), "the file is gone: data/laser.wav (looked for in " + folder + ")");
    service.openResult = 99;
    EXPECT_EQ(failure([&] { player.Open(); }), "Unknown error code: data/laser.wav (looked for in " + folder + ")");
    EXPECT_FALSE(player.isOpen());
}

TEST_F(PlayerCalls, RequestsOnAClosedPlayerRaise) {
    TMediaPlayer player("player", service, loop);
    EXPECT_EQ(failure([&] { player.Play(); }), "No MCI device open");
    EXPECT_EQ(failure([&] { player.Stop(); }), "No MCI device open");
    EXPECT_TRUE(service.calls.empty());
}

TEST_F(PlayerCalls, PlaySeeksToTheStartOnlyWhenPlayedOutAndNeverRaises) {
    TMediaPlayer player("player", service, loop);
    player.Open();
    service.at = 400;
    player.Play();
    service.at = 1000;
    service.playResult = 3;
    player.Play();
    EXPECT_EQ(player.error(), 3u);
    EXPECT_EQ(player.notifyValue(), TMPNotifyValues::nvFailure);
    EXPECT_EQ(service.calls, (std::vector<std::string>{"open ", "play", "seek", "play"}));
    EXPECT_EQ(player.plays(), 2);
}

TEST_F(PlayerCalls, APlayTheServiceSupersedesIsReportedOnceAndOnlyWhilePending) {
    TMediaPlayer player("player", service, loop);
    player.Open();
    ASSERT_TRUE(service.superseded);
    std::vector<TMPNotifyValues> notices;
    player.OnNotify = [&](TComponent*) { notices.push_back(player.notifyValue()); };
    service.superseded();  // no play request yet
    player.Play();
    service.superseded();
    service.superseded();
    player.Stop();  // nothing left to abort
    EXPECT_EQ(notices, std::vector{TMPNotifyValues::nvSuperseded});
}

TEST_F(PlayerCalls, VideoGoesToTheDisplayAndARefusalForgetsIt) {
    TPanel display("Panel2");
    TMediaPlayer player("player", service, loop);
    player.setDisplay(&display);
    player.Open();
    EXPECT_EQ(service.calls.back(), "open ");  // no video: no window asked for
    service.video = true;
    player.Open();
    EXPECT_EQ(service.calls.back(), "display Panel2");
    EXPECT_EQ(player.display(), &display);
    service.displayResult = 6;
    player.Open();
    EXPECT_EQ(player.display(), nullptr);
    EXPECT_TRUE(player.isOpen());
}

// The play rules on the virtual clock, with a one-second wave file.
class PlayRules : public testing::Test, protected VirtualLoop {
protected:
    void SetUp() override {
        player.setFileName(files.wave("shot.wav", 22050, 22050));
        player.Open();
    }

    HeadlessMediaService service{loop};
    MediaFiles files;
    TMediaPlayer player{"player", service, loop};
};

TEST_F(PlayRules, APlayWhileSoundingContinuesAndOneAfterTheEndStartsAgain) {
    ASSERT_EQ(player.length(), 1000u);
    player.Play();
    platform.setNow(300);
    player.Play();
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(player.position(), 300u);
    platform.setNow(1000);
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(player.position(), 1000u);
    platform.setNow(1500);
    EXPECT_EQ(player.position(), 1000u);
    player.Play();
    platform.setNow(1600);
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(player.position(), 100u);
}

TEST_F(PlayRules, StopHoldsThePositionAndPlayContinuesFromThere) {
    player.Play();
    platform.setNow(400);
    player.Stop();
    platform.setNow(900);
    EXPECT_FALSE(player.playing());
    EXPECT_EQ(player.position(), 400u);
    player.Play();
    platform.setNow(1000);
    EXPECT_EQ(player.position(), 500u);
    EXPECT_EQ(player.stops(), 1);
}

TEST_F(PlayRules, TheEnabledFlagDoesNotMatterForPlayback) {
    player.setEnabled(false);
    player.Play();
    platform.setNow(10);
    EXPECT_TRUE(player.playing());
}

}  // namespace

namespace {

// A loop whose timers are all taken.
struct FullLoop : VirtualLoop {
    FullLoop() { timers = TimerQueue(0); }
};

// A display that only counts what it is asked.
struct CountingDisplay : ContentHost {
    void setContent(WindowContent* c) override { content = c; }
    void contentChanged() override { ++changes; }
    bool showing() const override { return true; }
    WindowContent* content = nullptr;
    int changes = 0;
};

class NoTimerLeft : public testing::Test, protected FullLoop {
protected:
    HeadlessMediaService service{loop};
};

TEST_F(NoTimerLeft, ASoundPlaysOnButItsEndIsReportedAsUnfollowedAtOnce) {
    TMediaPlayer player("player", service, loop);
    player.setFileName("data/laser.wav");
    player.Open();
    std::vector<TMPNotifyValues> notices;
    player.OnNotify = [&](TComponent*) { notices.push_back(player.notifyValue()); };
    player.Play();
    EXPECT_EQ(player.error(), 0u);
    EXPECT_TRUE(player.playing());
    EXPECT_EQ(notices, std::vector{TMPNotifyValues::nvFailure});
    player.Stop();  // nothing is pending any more
    EXPECT_EQ(notices.size(), 1u);
}

TEST_F(NoTimerLeft, AVideoThatCannotFollowItsFramesRefusesToPlay) {
    MediaService::Device device = 0;
    ASSERT_EQ(service.open("data/intro.avi", device), 0u);
    CountingDisplay display;
    EXPECT_EQ(service.setDisplay(device, display), 0u);
    EXPECT_NE(display.content, nullptr);
    EXPECT_EQ(service.play(device), media_error::kNoTimer);
    platform.setNow(500);
    EXPECT_FALSE(service.playing(device));
    EXPECT_EQ(service.position(device), 0u);
    service.close(device);
    EXPECT_EQ(display.content, nullptr);
}

}  // namespace
