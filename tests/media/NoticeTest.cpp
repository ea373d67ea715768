#include <gtest/gtest.h>

#include <vector>

#include "frame/FrameFixture.h"
#include "media/HeadlessMediaService.h"
#include "media/MediaPlayer.h"

namespace {

// The laser sound (460 ms) on a screen, with every notice written down.
class NoticeTest : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        player = &form->make<TMediaPlayer>(form, "MediaPlayer1", media, application.scheduler());
        player->setFileName("data/laser.wav");
        player->setVisible(false);
        player->OnNotify = [this](TComponent*) { notices.push_back(player->notifyValue()); };
        player->Open();
    }
    void TearDown() override { player->Close(); }

    HeadlessMediaService media{application.scheduler()};
    TMediaPlayer* player = nullptr;
    std::vector<TMPNotifyValues> notices;
};

TEST_F(NoticeTest, APlayThatRunsToItsEndEndsSuccessfullyThere) {
    player->Play();
    advance(player->length() - 1);
    EXPECT_TRUE(notices.empty());
    advance(1);
    EXPECT_EQ(notices, std::vector{TMPNotifyValues::nvSuccessful});
}

TEST_F(NoticeTest, ANewerPlaySupersedesAndAStopAborts) {
    player->Play();
    advance(100);
    player->Play();  // still sounding: it continues, and the first request is superseded
    EXPECT_EQ(notices, std::vector{TMPNotifyValues::nvSuperseded});
    advance(100);
    player->Stop();
    EXPECT_EQ(notices, (std::vector{TMPNotifyValues::nvSuperseded, TMPNotifyValues::nvAborted}));
    advance(1000);
    EXPECT_EQ(notices.size(), 2u);  // nothing is left to end
    player->Stop();
    EXPECT_EQ(notices.size(), 2u);
}

TEST_F(NoticeTest, AStoppedAndResumedPlayEndsWhenTheRestHasPlayed) {
    player->Play();
    advance(200);
    player->Stop();
    advance(5000);
    player->Play();
    advance(player->length() - 200);
    EXPECT_EQ(notices, (std::vector{TMPNotifyValues::nvAborted, TMPNotifyValues::nvSuccessful}));
}

}  // namespace
