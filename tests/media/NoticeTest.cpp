#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "frame/FrameFixture.h"
#include "media/HeadlessMediaService.h"
#include "media/MediaPlayer.h"

namespace {

using Notices = std::vector<TMPNotifyValues>;

// Players of the game's media files on a screen, each with its notices
// written down. The players close before the service goes.
class NoticeTest : public FrameFixture {
protected:
    void TearDown() override {
        for (auto& [player, heard] : notices) player->Close();
    }
    TMediaPlayer& open(const std::string& fileName) {
        auto& player = form->make<TMediaPlayer>(form, fileName, media, application.scheduler());
        player.setFileName(fileName);
        player.setVisible(false);
        notices[&player];
        player.OnNotify = [this, &player](TComponent*) { notices[&player].push_back(player.notifyValue()); };
        player.Open();
        return player;
    }

    HeadlessMediaService media{application.scheduler()};
    std::map<TMediaPlayer*, Notices> notices;
};

// The laser sound (460 ms).
class LaserNotices : public NoticeTest {
protected:
    void SetUp() override {
        NoticeTest::SetUp();
        laser = &open("data/laser.wav");
    }
    Notices& heard() { return notices[laser]; }

    TMediaPlayer* laser = nullptr;
};

TEST_F(LaserNotices, APlayThatRunsToItsEndEndsSuccessfullyThere) {
    laser->Play();
    advance(laser->length() - 1);
    EXPECT_TRUE(heard().empty());
    advance(1);
    EXPECT_EQ(heard(), Notices{TMPNotifyValues::nvSuccessful});
}

TEST_F(LaserNotices, ANewerPlaySupersedesAndAStopAborts) {
    laser->Play();
    advance(100);
    laser->Play();  // still sounding: it continues, and the first request is superseded
    EXPECT_EQ(heard(), Notices{TMPNotifyValues::nvSuperseded});
    advance(100);
    laser->Stop();
    EXPECT_EQ(heard(), (Notices{TMPNotifyValues::nvSuperseded, TMPNotifyValues::nvAborted}));
    advance(1000);
    EXPECT_EQ(heard().size(), 2u);  // nothing is left to end
    laser->Stop();
    EXPECT_EQ(heard().size(), 2u);
}

TEST_F(LaserNotices, AStoppedAndResumedPlayEndsWhenTheRestHasPlayed) {
    laser->Play();
    advance(200);
    laser->Stop();
    advance(5000);
    laser->Play();
    advance(laser->length() - 200);
    EXPECT_EQ(heard(), (Notices{TMPNotifyValues::nvAborted, TMPNotifyValues::nvSuccessful}));
}

// The two pieces of music and the laser: one piece sounds at a time.
class MusicNotices : public NoticeTest {
protected:
    void SetUp() override {
        NoticeTest::SetUp();
        intro = &open("data/intro.mid");
        song = &open("data/song.mid");
    }

    TMediaPlayer* intro = nullptr;
    TMediaPlayer* song = nullptr;
};

TEST_F(MusicNotices, ANewPieceSupersedesTheSoundingOneWhichKeepsItsPlace) {
    intro->Play();
    advance(1000);
    song->Play();
    EXPECT_EQ(notices[intro], Notices{TMPNotifyValues::nvSuperseded});
    EXPECT_FALSE(intro->playing());
    EXPECT_TRUE(song->playing());
    advance(500);
    EXPECT_EQ(intro->position(), 1000u);
    EXPECT_EQ(intro->stops(), 0);  // the service stopped it, not a request of its own

    intro->Play();  // the newer request wins again, and the intro goes on from its place
    EXPECT_EQ(notices[song], Notices{TMPNotifyValues::nvSuperseded});
    EXPECT_EQ(song->position(), 500u);
    advance(200);
    EXPECT_EQ(intro->position(), 1200u);
    advance(intro->length());
    EXPECT_EQ(notices[intro], (Notices{TMPNotifyValues::nvSuperseded, TMPNotifyValues::nvSuccessful}));
    EXPECT_FALSE(song->playing());
    EXPECT_EQ(song->position(), 500u);
}

TEST_F(MusicNotices, TheLaserSoundsOverTheMusicAndAStoppedPieceIsLeftAlone) {
    song->Play();
    auto& laser = open("data/laser.wav");
    laser.Play();
    EXPECT_TRUE(song->playing());
    EXPECT_TRUE(laser.playing());
    song->Play();  // a piece that sounds continues and stops nothing
    EXPECT_TRUE(laser.playing());

    song->Stop();
    intro->Play();
    EXPECT_EQ(notices[song], (Notices{TMPNotifyValues::nvSuperseded, TMPNotifyValues::nvAborted}));
    EXPECT_TRUE(intro->playing());
    EXPECT_TRUE(laser.playing());
}

TEST_F(MusicNotices, APlayedOutPieceIsNotStoppedAgain) {
    intro->Play();
    advance(intro->length());
    song->Play();
    EXPECT_EQ(notices[intro], Notices{TMPNotifyValues::nvSuccessful});
    EXPECT_EQ(intro->position(), intro->length());
}

}  // namespace
