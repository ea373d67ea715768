#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "art/BmpWriter.h"
#include "art/Flatten.h"
#include "art/Quantizer.h"
#include "art/Raster.h"
#include "frame/sdl/BmpFile.h"

namespace {

class BmpRoundTrip : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }

    Bitmap readBack(const std::string& name) { return loadBitmap((folder / name).string()); }
    int depthOf(const std::string& name) {
        std::ifstream file(folder / name, std::ios::binary);
        char header[30] = {};
        file.read(header, sizeof header);
        return static_cast<unsigned char>(header[28]);
    }

    // One folder per test: ctest runs them side by side.
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("orbitrove-bmp-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    art::BmpWriter writer{folder};
};

Rgb packed(art::Rgb c) { return static_cast<Rgb>(c.r) << 16 | c.g << 8 | c.b; }

TEST_F(BmpRoundTrip, TrueColourKeepsEveryPixelAndPadsOddRows) {
    art::RgbImage image(3, 2);  // 9 bytes a row: padded to 12
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.at(x, y) = art::Rgb{static_cast<std::uint8_t>(40 * x), static_cast<std::uint8_t>(100 * y), 7};
    writer.writeTrueColor("t.bmp", image);
    Bitmap back = readBack("t.bmp");
    ASSERT_EQ(back.width, 3);
    ASSERT_EQ(back.height, 2);
    EXPECT_EQ(depthOf("t.bmp"), 24);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(back.at(x, y), packed(image.at(x, y))) << x << "," << y;
}

TEST_F(BmpRoundTrip, IndexedPicturesKeepTheirPaletteAtFourAndEightBits) {
    for (int bits : {4, 8}) {
        SCOPED_TRACE(bits);
        art::IndexedImage image{art::Grid<std::uint8_t>(5, 3), {}};
        for (int i = 0; i < 16; ++i)
            image.palette.push_back({static_cast<std::uint8_t>(i * 16), static_cast<std::uint8_t>(255 - i), 3});
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) image.indices.at(x, y) = static_cast<std::uint8_t>((x + 5 * y) % 16);
        std::string name = "indexed" + std::to_string(bits) + ".bmp";
        writer.writeIndexed(name, image, bits);
        EXPECT_EQ(depthOf(name), bits);
        Bitmap back = readBack(name);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                EXPECT_EQ(back.at(x, y), packed(image.palette[image.indices.at(x, y)])) << x << "," << y;
    }
}

TEST(Quantizer, PinnedColoursStayExactAndThePaletteFits) {
    art::RgbImage image(64, 4);
    for (int x = 0; x < 64; ++x)
        for (int y = 0; y < 4; ++y)
            image.at(x, y) = y == 0 ? art::rgb8(0x002FB0) : art::Rgb{static_cast<std::uint8_t>(x * 4), 90, 20};
    art::IndexedImage indexed = art::quantize(image, 16, {art::rgb8(0x002FB0)});
    EXPECT_LE(indexed.palette.size(), 16u);
    for (int x = 0; x < 64; ++x) EXPECT_EQ(indexed.palette[indexed.indices.at(x, 0)], art::rgb8(0x002FB0));
    int worst = 0;
    for (int x = 0; x < 64; ++x) {
        art::Rgb got = indexed.palette[indexed.indices.at(x, 2)];
        worst = std::max(worst, std::abs(got.r - x * 4));
    }
    EXPECT_LE(worst, 16);  // 64 shades in 15 entries: within a step of 16
}

TEST(Flatten, BlackKeyedSpritesNeverTurnSeeThroughInside) {
    art::Raster raster(3, 1);
    raster.fill(art::Shape::box({0.0f, 0.0f, 1.0f, 1.0f}), art::Color{0.001f, 0.0f, 0.0f, 1.0f});
    raster.fill(art::Shape::box({1.0f, 0.0f, 2.0f, 1.0f}), art::Color{0.8f, 0.4f, 0.1f, 0.1f});
    art::RgbImage flat = art::flattenOnBlackKey(raster);
    EXPECT_NE(flat.at(0, 0), art::Rgb{});  // opaque near-black stays off the key
    EXPECT_EQ(flat.at(1, 0), art::Rgb{});  // nearly clear edge becomes the key
    EXPECT_EQ(flat.at(2, 0), art::Rgb{});  // untouched background is the key
}

}  // namespace
