#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "art/Grid.h"
#include "video/AlienShip.h"
#include "video/AviEncoder.h"
#include "video/Blur.h"
#include "video/Choreography.h"
#include "video/FfmpegHandles.h"
#include "video/IntroScene.h"
#include "video/OrbitalStation.h"
#include "video/ScalableInk.h"

namespace {

struct InputClose {
    void operator()(AVFormatContext* input) const { avformat_close_input(&input); }
};
using InputPtr = std::unique_ptr<AVFormatContext, InputClose>;

// What libavformat and libavcodec make of a file, every frame turned back into RGB.
struct Decoded {
    unsigned streams = 0;
    AVCodecID codec = AV_CODEC_ID_NONE;
    int width = 0;
    int height = 0;
    double seconds = 0.0;
    std::vector<art::RgbImage> frames;
};

art::RgbImage toRgb(const AVFrame& frame) {
    video::ScalerPtr scaler(sws_getContext(frame.width, frame.height, static_cast<AVPixelFormat>(frame.format),
                                           frame.width, frame.height, AV_PIX_FMT_RGB24,
                                           SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr, nullptr, nullptr));
    std::vector<std::uint8_t> packed(static_cast<std::size_t>(frame.width * frame.height * 3));
    std::uint8_t* out[] = {packed.data()};
    const int stride[] = {frame.width * 3};
    sws_scale(scaler.get(), frame.data, frame.linesize, 0, frame.height, out, stride);
    art::RgbImage image(frame.width, frame.height);
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) {
            const std::uint8_t* p = &packed[static_cast<std::size_t>((y * frame.width + x) * 3)];
            image.at(x, y) = {p[0], p[1], p[2]};
        }
    return image;
}

void receiveAll(AVCodecContext& codec, AVFrame& frame, Decoded& into) {
    while (avcodec_receive_frame(&codec, &frame) == 0) into.frames.push_back(toRgb(frame));
}

Decoded decode(const std::filesystem::path& file) {
    AVFormatContext* raw = nullptr;
    if (avformat_open_input(&raw, file.c_str(), nullptr, nullptr) < 0)
        throw std::runtime_error("cannot open " + file.string());
    InputPtr input(raw);
    avformat_find_stream_info(input.get(), nullptr);
    const AVStream& stream = *input->streams[0];
    Decoded out{input->nb_streams,
                stream.codecpar->codec_id,
                stream.codecpar->width,
                stream.codecpar->height,
                static_cast<double>(input->duration) / AV_TIME_BASE,
                {}};
    video::CodecContextPtr codec(avcodec_alloc_context3(avcodec_find_decoder(stream.codecpar->codec_id)));
    avcodec_parameters_to_context(codec.get(), stream.codecpar);
    if (avcodec_open2(codec.get(), nullptr, nullptr) < 0) throw std::runtime_error("no decoder");
    video::PacketPtr packet(av_packet_alloc());
    video::FramePtr frame(av_frame_alloc());
    while (av_read_frame(input.get(), packet.get()) == 0) {
        avcodec_send_packet(codec.get(), packet.get());
        av_packet_unref(packet.get());
        receiveAll(*codec, *frame, out);
    }
    avcodec_send_packet(codec.get(), nullptr);
    receiveAll(*codec, *frame, out);
    return out;
}

int distance(art::Rgb a, art::Rgb b) {
    return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

template <typename Test>
int countPixels(const art::RgbImage& image, Test test) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += test(image.at(x, y)) ? 1 : 0;
    return count;
}

// --- The committed intro -----------------------------------------------------

class CommittedIntro : public testing::Test {
protected:
    static void SetUpTestSuite() { intro = new Decoded(decode(path)); }
    static void TearDownTestSuite() { delete intro; }

    static inline const std::filesystem::path path = "data/intro.avi";
    static inline Decoded* intro = nullptr;
};

TEST_F(CommittedIntro, IsOneMpeg4StreamThatFitsThePanel) {
    EXPECT_EQ(intro->streams, 1u);
    EXPECT_EQ(intro->codec, AV_CODEC_ID_MPEG4);
    EXPECT_EQ(intro->width, 184);
    EXPECT_EQ(intro->height, 112);
    EXPECT_LT(std::filesystem::file_size(path), 1'500'000u);
}

TEST_F(CommittedIntro, RunsEightSecondsInTwoHundredFrames) {
    EXPECT_NEAR(intro->seconds, 8.0, 0.05);
    ASSERT_EQ(intro->frames.size(), 200u);
    for (const art::RgbImage& frame : intro->frames) {
        EXPECT_EQ(frame.width(), 184);
        EXPECT_EQ(frame.height(), 112);
    }
}

TEST_F(CommittedIntro, RisesFromBlackFiresGreenAndEndsOnTheGoldTitle) {
    auto lit = [](art::Rgb c) { return std::max({c.r, c.g, c.b}) > 24; };
    EXPECT_EQ(countPixels(intro->frames.front(), lit), 0);
    auto beam = [](art::Rgb c) { return c.g > 170 && c.r < 110 && c.b < 190; };
    EXPECT_EQ(countPixels(intro->frames[80], beam), 0);    // before the shot
    EXPECT_GT(countPixels(intro->frames[100], beam), 40);  // during it
    auto gold = [](art::Rgb c) { return c.r > 180 && c.g > 100 && c.b < 120 && c.r > c.b + 100; };
    EXPECT_EQ(countPixels(intro->frames[100], gold), 0);
    EXPECT_GT(countPixels(intro->frames.back(), gold), 600);  // the title's letters
}

// --- Encoding ------------------------------------------------------------------

class Encoding : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path encode(const std::string& name, const std::vector<art::RgbImage>& pictures) {
        const std::filesystem::path file = folder / name;
        video::AviEncoder encoder(file, format);
        for (const art::RgbImage& picture : pictures) encoder.write(picture);
        encoder.finish();
        return file;
    }

    static std::string bytesOf(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // One folder per test: ctest runs them side by side.
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("orbitrove-video-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    video::VideoFormat format{48, 32, 25, 2};
};

art::RgbImage flat(art::Rgb colour) { return art::RgbImage(48, 32, colour); }

art::RgbImage gradient() {
    art::RgbImage image(48, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 48; ++x)
            image.at(x, y) = {static_cast<std::uint8_t>(x * 5), static_cast<std::uint8_t>(y * 8), 90};
    return image;
}

TEST_F(Encoding, FlatColoursComeBackClose) {
    const std::vector<art::Rgb> colours{art::rgb8(0x00FF80), art::rgb8(0xF0B030), art::rgb8(0x202840),
                                        art::rgb8(0xFFFFFF)};
    std::vector<art::RgbImage> pictures;
    for (art::Rgb colour : colours) pictures.push_back(flat(colour));
    const Decoded back = decode(encode("flat.avi", pictures));
    EXPECT_EQ(back.width, 48);
    EXPECT_EQ(back.height, 32);
    ASSERT_EQ(back.frames.size(), colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i) {
        SCOPED_TRACE(i);
        int worst = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 48; ++x) worst = std::max(worst, distance(back.frames[i].at(x, y), colours[i]));
        EXPECT_LE(worst, 6);
    }
}

TEST_F(Encoding, SamePicturesGiveTheSameBytesWithoutVersionStrings) {
    const std::vector<art::RgbImage> pictures{gradient(), flat(art::rgb8(0x102030)), gradient()};
    const std::string first = bytesOf(encode("first.avi", pictures));
    const std::string second = bytesOf(encode("second.avi", pictures));
    EXPECT_EQ(first, second);
    EXPECT_EQ(first.find("Lavf"), std::string::npos);
    EXPECT_EQ(first.find("Lavc"), std::string::npos);
}

TEST_F(Encoding, RefusesPicturesOfAnotherSize) {
    video::AviEncoder encoder(folder / "wrong.avi", format);
    EXPECT_THROW(encoder.write(art::RgbImage(50, 32)), std::invalid_argument);
}

// --- Title lettering ---------------------------------------------------------------

float total(const art::Grid<float>& grid) {
    float sum = 0.0f;
    for (int y = 0; y < grid.height(); ++y)
        for (int x = 0; x < grid.width(); ++x) sum += grid.at(x, y);
    return sum;
}

art::Grid<float> block(int width, int height) { return art::Grid<float>(width, height, 1.0f); }

TEST(TitleInk, ShrinkingKeepsTheInkInProportionAndInPlace) {
    const video::ScalableInk ink(block(80, 40));
    for (float width : {20.0f, 13.3f, 40.0f}) {
        SCOPED_TRACE(width);
        const video::PlacedInk placed = ink.placed({30.25f, 20.5f}, width);
        const float scale = width / 80.0f;
        EXPECT_NEAR(total(placed.coverage), 80.0f * 40.0f * scale * scale, 0.03f * width * width);
        // The ink's centre of mass lands on the requested centre.
        float cx = 0.0f;
        for (int y = 0; y < placed.coverage.height(); ++y)
            for (int x = 0; x < placed.coverage.width(); ++x)
                cx += placed.coverage.at(x, y) * (static_cast<float>(placed.left + x) + 0.5f);
        EXPECT_NEAR(cx / total(placed.coverage), 30.25f, 0.1f);
        EXPECT_NEAR(placed.coverage.at(placed.coverage.width() / 2, placed.coverage.height() / 2), 1.0f, 1e-5f);
    }
}

TEST(TitleInk, GlowSpreadsTheInkWithoutLosingAny) {
    video::PlacedInk dot{block(1, 1), 10, 20};
    const video::PlacedInk glow = video::blurred(dot, 2.0f);
    EXPECT_EQ(glow.left, 4);
    EXPECT_EQ(glow.top, 14);
    EXPECT_EQ(glow.coverage.width(), 13);
    EXPECT_NEAR(total(glow.coverage), 1.0f, 1e-4f);
    EXPECT_GT(glow.coverage.at(6, 6), glow.coverage.at(7, 6));
    EXPECT_FLOAT_EQ(glow.coverage.at(5, 6), glow.coverage.at(7, 6));
}

// --- Choreography ------------------------------------------------------------------

constexpr float kFrameSeconds = 1.0f / video::IntroScene::kFormat.framesPerSecond;

float secondsOf(int frame) { return static_cast<float>(frame) * kFrameSeconds; }

// Inside the oval through the ship's spike tips, in units of that oval.
float ovalDistance(art::Vec2 p, art::Vec2 centre) {
    const art::Vec2 q{(p.x - centre.x) / video::AlienShip::kSpikeReach.x,
                      (p.y - centre.y) / video::AlienShip::kSpikeReach.y};
    return art::length(q);
}

TEST(Choreography, TheShotMissesTheShipInEveryFrame) {
    const video::Choreography timing;
    int shotFrames = 0;
    for (int frame = 0; frame < video::IntroScene::kFrameCount; ++frame) {
        const float t = secondsOf(frame);
        if (timing.beamStrength(t) <= 0.0f || timing.beamReach(t) <= 0.0f || !timing.shipInSight(t)) continue;
        ++shotFrames;
        const art::Vec2 muzzle = video::OrbitalStation::muzzle(timing.stationCentre(t));
        const art::Vec2 along = art::normalized(timing.beamAim() - muzzle);
        // The beam's core and the brightest of its glow: a pixel either side of the axis.
        for (float step = 0.0f; step < 240.0f * timing.beamReach(t); step += 0.5f)
            for (float side : {-1.5f, 0.0f, 1.5f}) {
                const art::Vec2 p = muzzle + along * step + art::Vec2{-along.y, along.x} * side;
                ASSERT_GT(ovalDistance(p, timing.shipCentre(t)), 1.0f) << "frame " << frame << ", " << step << " along";
            }
    }
    EXPECT_GT(shotFrames, 5);
}

TEST(Choreography, TheShipStreaksInOnScreenAndIsGoneBeforeTheTitleHolds) {
    const video::Choreography timing;
    const float width = static_cast<float>(video::IntroScene::kFormat.width);
    const float height = static_cast<float>(video::IntroScene::kFormat.height);
    auto onScreen = [&](art::Vec2 c) { return c.x > 0.0f && c.x < width && c.y > 0.0f && c.y < height; };
    float fastestOnScreen = 0.0f;
    for (int frame = 0; frame < video::IntroScene::kFrameCount; ++frame) {
        const float t = secondsOf(frame);
        if (!timing.shipInSight(t)) continue;
        if (onScreen(timing.shipCentre(t)) && t < 2.0f)
            fastestOnScreen = std::max(fastestOnScreen, art::length(timing.shipVelocity(t)));
        EXPECT_LT(t, 7.0f);
    }
    EXPECT_GT(fastestOnScreen, 100.0f);  // pixels per second: a streak, not a drift
}

TEST(Choreography, TheLastSecondHoldsTheSettledTitleAlone) {
    const video::Choreography timing;
    EXPECT_EQ(timing.titleReveal(0.0f), 0.0f);
    EXPECT_EQ(timing.brightness(0.0f), 0.0f);
    for (int frame = video::IntroScene::kFrameCount - video::IntroScene::kFormat.framesPerSecond;
         frame < video::IntroScene::kFrameCount; ++frame) {
        SCOPED_TRACE(frame);
        const float t = secondsOf(frame);
        EXPECT_EQ(timing.titleReveal(t), 1.0f);
        EXPECT_EQ(timing.sceneOpacity(t), 0.0f);
        EXPECT_FALSE(timing.shipInSight(t));
        EXPECT_EQ(timing.beamStrength(t), 0.0f);
    }
}

// The shot is aimed past the oval through the spike tips, so the drawn ship must
// stay inside it, and fill it, or the beam may cross the ship or miss it by far.
TEST(AlienShip, AtRestItFillsTheOvalThroughItsSpikeTips) {
    const art::Vec2 centre{30.3f, 20.6f};
    art::Raster layer(60, 40);
    video::AlienShip{}.draw(layer, centre, {0.0f, 0.0f});
    // A pixel's worth of antialiasing past the tips, in units of the oval.
    const float softEdge = 1.0f + 1.0f / video::AlienShip::kSpikeReach.y;
    float farthestSolid = 0.0f;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            const float alpha = layer.at(x, y).a;
            if (alpha <= 0.0f) continue;
            const float distance = ovalDistance({static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f}, centre);
            ASSERT_LE(distance, softEdge) << x << ", " << y;
            if (alpha > 0.5f) farthestSolid = std::max(farthestSolid, distance);
        }
    EXPECT_GT(farthestSolid, 0.9f);
    EXPECT_FLOAT_EQ(layer.at(30, 20).a, 1.0f);  // the dome
}

}  // namespace
