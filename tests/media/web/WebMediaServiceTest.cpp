#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "frame/FrameFixture.h"
#include "media/HeaderReader.h"
#include "media/MediaPlayer.h"
#include "media/MediaProbe.h"
#include "media/web/WebMediaService.h"

namespace {

// The page's sound output as the service drives it: every request written
// down, in order, as "play 1 at 250", "stop 1", "rewind 2" or "close 1".
class RecordingOutput : public SoundOutput {
public:
    int rate() const override { return rate_; }
    bool decoded(const std::string& fileName) const override { return !undecodable.contains(fileName); }
    Sound openWave(const std::string& fileName) override {
        waves[next_] = fileName;
        return next_++;
    }
    Sound openMusic(const std::vector<unsigned char>& bytes, std::uint64_t lengthFrames) override {
        pieces[next_] = {bytes, lengthFrames};
        return next_++;
    }
    void play(Sound sound, std::uint64_t fromMs) override {
        said.push_back("play " + std::to_string(sound) + " at " + std::to_string(fromMs));
    }
    void stop(Sound sound) override { said.push_back("stop " + std::to_string(sound)); }
    void rewind(Sound sound) override { said.push_back("rewind " + std::to_string(sound)); }
    void close(Sound sound) override { said.push_back("close " + std::to_string(sound)); }

    // What was said since the last call.
    std::vector<std::string> heard() { return std::exchange(said, {}); }

    struct Piece {
        std::vector<unsigned char> bytes;
        std::uint64_t lengthFrames;
    };
    int rate_ = 48000;
    std::set<std::string> undecodable;
    std::map<Sound, std::string> waves;
    std::map<Sound, Piece> pieces;
    std::vector<std::string> said;

private:
    Sound next_ = 1;
};

using Said = std::vector<std::string>;

// Players of the game's media files on the web service, on the virtual clock.
class WebMediaServiceTest : public FrameFixture {
protected:
    void TearDown() override {
        for (TMediaPlayer* player : players) player->Close();
    }
    TMediaPlayer& open(const std::string& fileName) {
        auto& player = form->make<TMediaPlayer>(form, fileName, service, application.scheduler());
        player.setFileName(fileName);
        player.setVisible(false);
        player.Open();
        players.push_back(&player);
        return player;
    }
    static std::vector<unsigned char> bytesOf(const std::string& fileName) {
        std::ifstream file(fileName, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }

    RecordingOutput output;
    WebMediaService service{application.scheduler(), output, kHeaderReader};
    std::vector<TMediaPlayer*> players;
};

TEST_F(WebMediaServiceTest, AWaveStopsInPlaceGoesOnFromThereAndPlaysAgainFromTheStartOncePlayedOut) {
    TMediaPlayer& laser = open("data/laser.wav");
    EXPECT_EQ(output.waves.at(1), "data/laser.wav");
    EXPECT_EQ(laser.length(), probeMedia("data/laser.wav", kHeaderReader).length);
    laser.Play();
    advance(100);
    laser.Play();  // sounding: nothing new starts
    laser.Stop();
    advance(50);
    EXPECT_EQ(laser.position(), 100u);
    laser.Play();
    EXPECT_EQ(output.heard(), (Said{"play 1 at 0", "stop 1", "play 1 at 100"}));

    advance(laser.length());
    EXPECT_FALSE(laser.playing());
    EXPECT_EQ(laser.position(), laser.length());
    laser.Stop();  // it has stopped on its own
    laser.Play();
    EXPECT_EQ(output.heard(), (Said{"rewind 1", "play 1 at 0"}));
    laser.Close();
    EXPECT_EQ(output.heard(), Said{"close 1"});
}

TEST_F(WebMediaServiceTest, APieceGoesToTheOutputWithItsBytesAndItsFramesAtTheOutputsRate) {
    TMediaPlayer& intro = open("data/intro.mid");
    std::uint64_t measured = probeMedia("data/intro.mid", kHeaderReader).length;
    const RecordingOutput::Piece& piece = output.pieces.at(1);
    EXPECT_EQ(piece.bytes, bytesOf("data/intro.mid"));
    EXPECT_EQ(piece.lengthFrames, measured * 48000 / 1000);
    EXPECT_EQ(intro.length(), framesToMilliseconds(piece.lengthFrames, 48000));
    EXPECT_LE(measured - intro.length(), 1u);
}

TEST_F(WebMediaServiceTest, ANewPieceSupersedesTheSoundingOneWhichKeepsItsPlaceAndRewinds) {
    TMediaPlayer& intro = open("data/intro.mid");
    TMediaPlayer& song = open("data/song.mid");
    intro.Play();
    advance(1000);
    song.Play();
    EXPECT_EQ(output.heard(), (Said{"play 1 at 0", "play 2 at 0", "stop 1"}));
    EXPECT_EQ(intro.notifyValue(), TMPNotifyValues::nvSuperseded);
    EXPECT_FALSE(intro.playing());
    advance(500);
    EXPECT_EQ(intro.position(), 1000u);

    intro.Play();  // the intro again, from its place; the song holds its own
    EXPECT_EQ(output.heard(), (Said{"play 1 at 1000", "stop 2"}));
    EXPECT_EQ(song.position(), 500u);
    song.Stop();  // already stopped by the service: nothing more to tell
    EXPECT_EQ(output.heard(), Said{});
    advance(intro.length());
    EXPECT_EQ(intro.position(), intro.length());
    song.Play();  // a played-out piece is not stopped again
    EXPECT_EQ(output.heard(), Said{"play 2 at 500"});
}

TEST_F(WebMediaServiceTest, WithoutSoundFilesOpenAndPlayRequestsFailQuietly) {
    output.rate_ = 0;
    TMediaPlayer& laser = open("data/laser.wav");
    TMediaPlayer& song = open("data/song.mid");
    laser.Play();
    song.Play();
    EXPECT_EQ(laser.error(), 4u);
    EXPECT_EQ(song.error(), 4u);
    EXPECT_TRUE(output.waves.empty());
    EXPECT_TRUE(output.pieces.empty());
    EXPECT_EQ(output.heard(), Said{});
}

TEST_F(WebMediaServiceTest, AWaveThePageCouldNotDecodeIsDamagedAndAMissingFileIsMissing) {
    output.undecodable.insert("data/laser.wav");
    MediaService::Device device = 0;
    EXPECT_EQ(service.open("data/laser.wav", device), 3u);
    EXPECT_EQ(service.open("data/no-such.wav", device), 1u);
    EXPECT_TRUE(output.waves.empty());
}

}  // namespace
