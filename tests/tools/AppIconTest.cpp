#include <gtest/gtest.h>

extern "C" {
#include <libavcodec/avcodec.h>
}

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "art/Catalogue.h"
#include "art/Pictures.h"
#include "art/PngWriter.h"

namespace {

struct Rgba {
    int r = 0;
    int g = 0;
    int b = 0;
    int a = 0;
    bool operator==(const Rgba&) const = default;
};

struct Decoded {
    int width = 0;
    int height = 0;
    int format = AV_PIX_FMT_NONE;
    std::vector<Rgba> pixels;
    Rgba at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

struct AvFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
    void operator()(AVFrame* f) const { av_frame_free(&f); }
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};

// Reads a PNG file back through FFmpeg's decoder, as an independent check of what was written.
Decoded decodePng(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::unique_ptr<AVCodecContext, AvFree> context(avcodec_alloc_context3(avcodec_find_decoder(AV_CODEC_ID_PNG)));
    std::unique_ptr<AVPacket, AvFree> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, AvFree> frame(av_frame_alloc());
    packet->data = bytes.data();
    packet->size = static_cast<int>(bytes.size());
    Decoded decoded;
    if (avcodec_open2(context.get(), context->codec, nullptr) < 0 ||
        avcodec_send_packet(context.get(), packet.get()) < 0 || avcodec_receive_frame(context.get(), frame.get()) < 0) {
        return decoded;
    }
    decoded = {frame->width, frame->height, frame->format, {}};
    for (int y = 0; y < frame->height; ++y) {
        const std::uint8_t* row = frame->data[0] + y * frame->linesize[0];
        for (int x = 0; x < frame->width; ++x) {
            decoded.pixels.push_back({row[4 * x], row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]});
        }
    }
    return decoded;
}

class PngFolder : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // One folder per test: ctest runs them side by side.
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("orbitrove-png-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST_F(PngFolder, RgbaKeepsColourAndAlphaAndClearPixelsLoseTheirColour) {
    art::Raster raster(3, 2, {1.0f, 1.0f, 1.0f, 0.0f});  // clear white
    raster.fill(art::Shape::box({0.0f, 0.0f, 1.0f, 1.0f}), art::Color{1.0f, 0.0f, 0.0f, 1.0f});
    raster.fill(art::Shape::box({1.0f, 0.0f, 2.0f, 1.0f}), art::Color{0.0f, 1.0f, 0.0f, 1.0f});
    raster.fill(art::Shape::box({2.0f, 1.0f, 3.0f, 2.0f}), art::Color{0.2f, 0.4f, 1.0f, 0.5f});
    art::PngWriter(folder).write("small.png", raster);

    const Decoded png = decodePng(folder / "small.png");
    ASSERT_EQ(png.format, AV_PIX_FMT_RGBA);
    ASSERT_EQ(png.width, 3);
    ASSERT_EQ(png.height, 2);
    EXPECT_EQ(png.at(0, 0), (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(png.at(1, 0), (Rgba{0, 255, 0, 255}));
    EXPECT_EQ(png.at(2, 1), (Rgba{51, 102, 255, 128}));
    EXPECT_EQ(png.at(0, 1), (Rgba{0, 0, 0, 0}));
}

TEST_F(PngFolder, AWriteIntoAMissingFolderFails) {
    EXPECT_THROW(art::PngWriter(folder / "missing").write("icon.png", art::Raster(1, 1)), std::runtime_error);
}

bool bronze(const art::Color& c) { return c.a > 0.9f && c.r > 0.45f && c.r > c.b + 0.25f; }
bool hullGrey(const art::Color& c) {
    return c.a > 0.99f && c.r > 0.4f && std::abs(c.r - c.b) < 0.12f && std::abs(c.r - c.g) < 0.12f;
}

// Every icon is the ship on a rounded tile: clear corners, a grey hull in the
// middle and its bronze crown on all four sides, even at 16 pixels.
TEST(AppIcon, EachSizeShowsTheShipsHullAndCrownOnARoundedTile) {
    for (const int size : art::kAppIconSizes) {
        SCOPED_TRACE(size);
        const art::Raster icon = art::drawAppIcon(size);
        ASSERT_EQ(icon.width(), size);
        ASSERT_EQ(icon.height(), size);
        const int last = size - 1;
        const int mid = size / 2;
        for (const auto& [x, y] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}}) {
            EXPECT_LT(icon.at(x, y).a, 0.2f) << x << "," << y;  // mostly clear even at 16 pixels
        }
        EXPECT_TRUE(hullGrey(icon.at(mid, mid)));
        auto crownAlong = [&](int dx, int dy) {
            for (int step = 0; step < mid; ++step) {
                if (bronze(icon.at(mid + dx * step, mid + dy * step))) return true;
            }
            return false;
        };
        EXPECT_TRUE(crownAlong(0, -1)) << "above";
        EXPECT_TRUE(crownAlong(0, 1)) << "below";
        // The side spikes stand 16 degrees off the level: look just off the middle row.
        const int off = std::max(1, size / 10);
        auto crownBeside = [&](int dx) {
            for (int step = 0; step < mid; ++step) {
                const int x = mid + dx * step;
                if (bronze(icon.at(x, mid - off)) || bronze(icon.at(x, mid + off))) return true;
            }
            return false;
        };
        EXPECT_TRUE(crownBeside(-1)) << "left";
        EXPECT_TRUE(crownBeside(1)) << "right";
        // The tile's dark blue shows round the ship.
        int tile = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) tile += icon.at(x, y).a > 0.99f && icon.at(x, y).b > icon.at(x, y).r;
        EXPECT_GT(tile, size * size / 5);
    }
}

}  // namespace
