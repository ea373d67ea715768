#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>

#include "frame/FrameFixture.h"
#include "frame/Panel.h"
#include "media/HeadlessMediaService.h"
#include "media/LateVideo.h"
#include "media/MediaPlayer.h"
#include "media/VideoDecoder.h"

namespace {

bool black(const Bitmap& picture) {
    return std::all_of(picture.pixels.begin(), picture.pixels.end(), [](Rgb p) { return p < 0x101010; });
}

// The program does not link the video library; it is loaded while needed.
bool videoLibraryLoaded() {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);)
        if (line.find("libavcodec.so") != std::string::npos) return true;
    return false;
}

// A source whose every picture is one colour, and that counts its rewinds.
class Painted : public VideoSource {
public:
    Painted(Rgb colour, std::uint64_t length) : length_(length) {
        picture_.width = picture_.height = 2;
        picture_.pixels.assign(4, colour);
    }
    const Bitmap& pictureAt(std::uint64_t) override { return picture_; }
    void rewind() override { ++rewinds; }
    std::uint32_t frameInterval() const override { return 40; }
    std::uint64_t length() const override { return length_; }
    int rewinds = 0;

private:
    Bitmap picture_;
    std::uint64_t length_;
};

bool decodingSoon(LateVideo& video) {
    for (int i = 0; i < 3000 && !video.decoding(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return video.decoding();
}

// The header's facts at once; its blank pictures until the decoder has
// opened on its own thread, the decoder's from then on.
TEST(LateVideo, ShowsTheHeadersBlankPicturesUntilItsDecoderHasOpened) {
    std::promise<void> gate;
    auto opened = gate.get_future().share();
    LateVideo video(std::make_unique<Painted>(0x000000, 8000), [opened] {
        opened.wait();
        return std::unique_ptr<VideoSource>(std::make_unique<Painted>(0xFFFFFF, 7960));
    });
    EXPECT_EQ(video.length(), 8000u);
    EXPECT_EQ(video.frameInterval(), 40u);
    EXPECT_EQ(video.pictureAt(40).pixels[0], 0x000000u);
    EXPECT_FALSE(video.decoding());
    gate.set_value();
    ASSERT_TRUE(decodingSoon(video));
    EXPECT_EQ(video.pictureAt(80).pixels[0], 0xFFFFFFu);
    EXPECT_EQ(video.length(), 8000u);  // the header's, as when it opened
}

TEST(LateVideo, AFileItsDecoderRefusesKeepsItsBlankPictures) {
    LateVideo video(std::make_unique<Painted>(0x000000, 8000),
                    []() -> std::unique_ptr<VideoSource> { throw std::runtime_error("no video stream"); });
    for (int i = 0; i < 100; ++i) {
        EXPECT_FALSE(video.decoding());
        EXPECT_EQ(video.pictureAt(static_cast<std::uint64_t>(i) * 40).pixels[0], 0x000000u);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    video.rewind();
}

TEST(VideoDecoder, PicturesComeDueInOrderAndRewindStartsOver) {
    VideoDecoder video("data/intro.avi");
    EXPECT_EQ(video.frameInterval(), 40u);
    const Bitmap& first = video.pictureAt(0);
    ASSERT_EQ(first.width, 184);
    ASSERT_EQ(first.height, 112);
    EXPECT_TRUE(black(first));  // the intro fades up from black
    std::vector<Rgb> middle = video.pictureAt(3000).pixels;
    EXPECT_FALSE(black(video.pictureAt(3000)));
    EXPECT_EQ(video.pictureAt(3010).pixels, middle);  // the same picture until the next is due
    EXPECT_NE(video.pictureAt(3040).pixels, middle);
    video.pictureAt(60000);  // past the end: the last picture stays
    video.rewind();
    EXPECT_TRUE(black(video.pictureAt(0)));
    EXPECT_THROW(VideoDecoder("data/ship.bmp.avi"), std::runtime_error);
}

// A file cut short, as a broken download leaves it: the pictures it holds
// come, then the last one stays.
TEST(VideoDecoder, ACutFileDecodesWhatItHolds) {
    auto cut = std::filesystem::temp_directory_path() / "orbitrove-cut-intro.avi";
    {
        std::ifstream in("data/intro.avi", std::ios::binary);
        std::vector<char> head(60000);
        in.read(head.data(), static_cast<std::streamsize>(head.size()));
        std::ofstream(cut, std::ios::binary).write(head.data(), in.gcount());
    }
    VideoDecoder video(cut.string());
    for (std::uint64_t ms = 0; ms <= 8000; ms += 40) video.pictureAt(ms);
    EXPECT_EQ(video.pictureAt(8000).width, 184);
    std::filesystem::remove(cut);
}

// The intro played into a panel smaller than the video, on the virtual clock.
class VideoInPanel : public FrameFixture {
protected:
    void SetUp() override {
        FrameFixture::SetUp();
        panel = &form->make<TPanel>(form, "Panel2");
        panel->setBounds({20, 10, 150, 80});
        panel->setBevelOuter(TBevelCut::bvNone);
        panel->setColor(clBlack);
        player = &form->make<TMediaPlayer>(form, "MediaPlayer2", media, application.scheduler());
        player->setFileName("data/intro.avi");
        player->setDisplay(panel);
        player->setVisible(false);
        player->Open();
    }
    void TearDown() override { player->Close(); }
    std::vector<Rgb> screen() {
        application.processPending();
        return form->canvas().pixels();
    }
    // The panel shows the intro's picture due at `ms`, clipped to its size.
    bool showsPictureAt(std::uint64_t ms) {
        Bitmap due = VideoDecoder("data/intro.avi").pictureAt(ms);
        application.processPending();
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 150; ++x)
                if (form->canvas().pixel(20 + x, 10 + y) != due.at(x, y)) return false;
        return true;
    }
    bool outsideThePanelIsBlack() {
        application.processPending();
        for (int y = 0; y < form->height(); ++y)
            for (int x = 0; x < form->width(); ++x)
                if (!Rect{20, 10, 150, 80}.contains({x, y}) && form->canvas().pixel(x, y) != 0) return false;
        return true;
    }

    HeadlessMediaService media{application.scheduler()};
    TPanel* panel = nullptr;
    TMediaPlayer* player = nullptr;
};

TEST_F(VideoInPanel, PlaysIntoItsPanelClippedAndHoldsWhenStopped) {
    ASSERT_TRUE(player->hasVideo());
    EXPECT_EQ(player->display(), panel);
    player->Play();
    advance(3000);
    std::vector<Rgb> at3s = screen();
    EXPECT_TRUE(outsideThePanelIsBlack());
    advance(500);
    EXPECT_NE(screen(), at3s);  // the ticks repaint as it runs
    player->Stop();
    std::vector<Rgb> stopped = screen();
    advance(1000);
    EXPECT_EQ(screen(), stopped);
    EXPECT_EQ(player->position(), 3500u);
}

// Pictures come from the library only while they are seen: hidden or
// stopped, the video keeps its picture and its time without it.
TEST_F(VideoInPanel, TheVideoLibraryIsLoadedOnlyWhileItsPicturesAreSeen) {
    std::uint64_t end = application.scheduler().now() + player->length();
    player->Play();
    advance(1000);
    EXPECT_TRUE(showsPictureAt(1000));
    EXPECT_TRUE(videoLibraryLoaded());
    panel->hide();
    advance(100);
    EXPECT_FALSE(videoLibraryLoaded());
    EXPECT_TRUE(player->playing());
    EXPECT_EQ(application.timers().nextDue(), end);  // no frame ticks unseen: only the check for its end
    advance(2000);
    panel->show();
    EXPECT_TRUE(showsPictureAt(1000));   // painting draws what is held
    EXPECT_FALSE(videoLibraryLoaded());  // and decodes nothing
    advance(40);
    EXPECT_TRUE(showsPictureAt(3140));  // the tick opened it anew at the position reached unseen
    EXPECT_TRUE(videoLibraryLoaded());
    player->Stop();
    EXPECT_FALSE(videoLibraryLoaded());
    EXPECT_FALSE(application.timers().nextDue().has_value());
    panel->invalidate();
    EXPECT_TRUE(showsPictureAt(3140));
    EXPECT_FALSE(videoLibraryLoaded());
    player->Play();
    advance(520);  // the frame ticks now fall at 3140 + 40 k
    EXPECT_TRUE(showsPictureAt(3660));
}

// Stopped or played out unseen, a video wakes the loop no more; shown
// again, it is painted from one tick, which lets the library go again.
TEST_F(VideoInPanel, UnseenAtItsStopOrEndItWakesNothingAndOneTickMendsItsPicture) {
    player->Play();
    advance(1000);
    panel->hide();
    advance(1000);
    player->Stop();
    EXPECT_FALSE(application.timers().nextDue().has_value());
    panel->show();
    EXPECT_TRUE(showsPictureAt(1000));
    advance(40);
    EXPECT_TRUE(showsPictureAt(2000));
    EXPECT_FALSE(videoLibraryLoaded());
    EXPECT_FALSE(application.timers().nextDue().has_value());

    player->Play();
    panel->hide();
    advance(player->length());
    EXPECT_FALSE(player->playing());
    EXPECT_FALSE(application.timers().nextDue().has_value());
    EXPECT_FALSE(videoLibraryLoaded());
}

TEST_F(VideoInPanel, AtTheEndItKeepsTheLastPictureAndStopsTicking) {
    player->Play();
    advance(player->length() + 200);
    EXPECT_FALSE(player->playing());
    EXPECT_FALSE(application.timers().nextDue().has_value());
    EXPECT_FALSE(videoLibraryLoaded());
    std::vector<Rgb> last = screen();
    player->Play();  // played out: starts over from the black first picture
    advance(40);
    EXPECT_NE(screen(), last);
    EXPECT_TRUE(player->playing());
}

// A video whose file went while it was stopped cannot play on; the
// picture it showed stays.
class VideoService : public FrameFixture {
protected:
    HeadlessMediaService service{application.scheduler()};
};

TEST_F(VideoService, AFileGoneWhileStoppedIsReportedAtTheNextPlay) {
    auto copy = std::filesystem::temp_directory_path() / "orbitrove-gone-intro.avi";
    std::filesystem::copy_file("data/intro.avi", copy, std::filesystem::copy_options::overwrite_existing);
    MediaService::Device device = 0;
    ASSERT_EQ(service.open(copy.string(), device), media_error::kNone);
    EXPECT_EQ(service.play(device), media_error::kNone);
    EXPECT_EQ(service.stop(device), media_error::kNone);
    std::filesystem::remove(copy);
    EXPECT_EQ(service.play(device), media_error::kDamagedFile);
    EXPECT_FALSE(service.playing(device));
    service.close(device);
}

// A video playing on unseen has let its decoder go; moved to another
// display, it goes on ticking there.
TEST_F(VideoService, APlayingVideoUnseenCanMoveToAnotherDisplay) {
    TPanel& first = form->make<TPanel>(form, "First");
    TPanel& second = form->make<TPanel>(form, "Second");
    MediaService::Device device = 0;
    ASSERT_EQ(service.open("data/intro.avi", device), media_error::kNone);
    ASSERT_EQ(service.setDisplay(device, first), media_error::kNone);
    ASSERT_EQ(service.play(device), media_error::kNone);
    first.hide();
    advance(100);
    EXPECT_EQ(service.setDisplay(device, second), media_error::kNone);
    EXPECT_TRUE(application.timers().nextDue().has_value());
    advance(100);
    EXPECT_EQ(service.position(device), 200u);
    service.close(device);
}

}  // namespace
