#include <filesystem>
#include <sstream>

#include "ScreenFixture.h"

namespace {

class MusicTest : public ScreenFixture {};

TEST_F(MusicTest, TheScreensPlayersHoldTheLaserAndTheMusic) {
    EXPECT_EQ(Form2->MediaPlayer1->fileName(), "data/laser.wav");
    EXPECT_EQ(Form2->MediaPlayer2->fileName(), "data/song.mid");
    EXPECT_TRUE(Form2->MediaPlayer1->isOpen());
    EXPECT_TRUE(Form2->MediaPlayer2->isOpen());
    EXPECT_FALSE(Form2->MediaPlayer1->hasVideo());
    // Short enough for the laser to sound once a shot; the music shorter
    // than the 245 s between the timer's requests.
    EXPECT_LT(Form2->MediaPlayer1->length(), 1000u);
    EXPECT_GT(Form2->MediaPlayer2->length(), 60000u);
    EXPECT_LT(Form2->MediaPlayer2->length(), 245000u);
}

TEST_F(MusicTest, ShowingTheScreenEnablesAndStartsTheMusicButNotTheLaser) {
    EXPECT_TRUE(Form2->MediaPlayer2->enabled());
    EXPECT_EQ(Form2->MediaPlayer2->plays(), 1);
    EXPECT_TRUE(Form2->MediaPlayer2->playing());
    EXPECT_EQ(Form2->MediaPlayer1->plays(), 0);
    EXPECT_FALSE(Form2->MediaPlayer1->playing());
}

TEST_F(MusicTest, TheMusicPlaysOutAndStartsAgainAtTheNextTimerTick) {
    std::uint64_t length = Form2->MediaPlayer2->length();
    advance(length + 1000);
    EXPECT_FALSE(Form2->MediaPlayer2->playing());
    EXPECT_EQ(Form2->MediaPlayer2->position(), length);
    advance(245000 - platform.now());
    EXPECT_EQ(Form2->MediaPlayer2->plays(), 2);
    EXPECT_TRUE(Form2->MediaPlayer2->playing());
    advance(1500);
    EXPECT_EQ(Form2->MediaPlayer2->position(), 1500u);
    advance(245000 - 1500);
    EXPECT_EQ(Form2->MediaPlayer2->plays(), 3);
}

TEST_F(MusicTest, TheTimerPlaysEvenWhileThePlayerIsDisabled) {
    Form2->MediaPlayer2->setEnabled(false);
    advance(245000);
    EXPECT_EQ(Form2->MediaPlayer2->plays(), 2);
}

// The start-up in a folder whose data lacks one media file.
class MissingMedia : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder);
        std::filesystem::copy(here / "data", folder / "data", std::filesystem::copy_options::recursive);
        std::filesystem::remove(folder / "data" / GetParam());
        std::filesystem::current_path(folder);
    }
    void TearDown() override {
        std::filesystem::current_path(here);
        std::filesystem::remove_all(folder);
    }

    std::filesystem::path here = std::filesystem::current_path();
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (std::string("orbitrove-missing-") + GetParam());
};

TEST_P(MissingMedia, StopsTheStartWithTheDeviceError) {
    HeadlessProgram program;
    std::ostringstream errors;
    EXPECT_FALSE(program.start(errors));
    EXPECT_NE(errors.str().find("Application Error: Exception EMCIDeviceError in module orbitrove"), std::string::npos);
    EXPECT_NE(errors.str().find("cannot be found"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EachFile, MissingMedia, testing::Values("intro.avi", "intro.mid", "laser.wav", "song.mid"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.replace(name.find('.'), 1, "_");
                         });

}  // namespace
