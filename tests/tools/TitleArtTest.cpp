#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "art/Catalogue.h"
#include "frame/Bitmap.h"

namespace {

int red(Rgb c) { return static_cast<int>(c >> 16 & 0xFF); }
int green(Rgb c) { return static_cast<int>(c >> 8 & 0xFF); }
int blue(Rgb c) { return static_cast<int>(c & 0xFF); }

Bitmap committed(const std::string& file) { return loadBitmap("data/" + file); }

int fileDepth(const std::string& file) {
    std::ifstream in("data/" + file, std::ios::binary);
    char header[30] = {};
    in.read(header, sizeof header);
    return static_cast<unsigned char>(header[28]) | static_cast<unsigned char>(header[29]) << 8;
}

template <typename Test>
int countPixels(const Bitmap& picture, int left, int top, int right, int bottom, Test test) {
    int count = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) count += test(picture.at(x, y)) ? 1 : 0;
    return count;
}

bool inked(Rgb c) { return c != 0x000000; }
bool goldBronze(Rgb c) { return red(c) >= 150 && red(c) > green(c) && green(c) > blue(c) && 2 * green(c) > red(c); }
bool darkTeal(Rgb c) { return green(c) > red(c) + 25 && blue(c) > red(c) + 25 && green(c) < 140 && blue(c) < 140; }

struct Picture {
    const char* file;
    int width, height;
};

const Picture kTitlePictures[] = {{"space.bmp", 640, 480},     {"logo.bmp", 518, 86},     {"start.bmp", 153, 113},
                                  {"start_lit.bmp", 159, 115}, {"radiation.bmp", 63, 62}, {"title_small.bmp", 83, 21}};

TEST(TitleArt, EachPictureIsTrueColourOfItsSizeWithABlackBottomLeft) {
    for (const Picture& p : kTitlePictures) {
        SCOPED_TRACE(p.file);
        Bitmap picture = committed(p.file);
        EXPECT_EQ(picture.width, p.width);
        EXPECT_EQ(picture.height, p.height);
        EXPECT_EQ(fileDepth(p.file), 24);
        EXPECT_EQ(picture.bottomLeft(), 0x000000u);
    }
}

TEST(TitleArt, TheRadiationSignIsPureYellowOnPureBlack) {
    Bitmap sign = committed("radiation.bmp");
    std::set<Rgb> colours(sign.pixels.begin(), sign.pixels.end());
    EXPECT_EQ(colours, (std::set<Rgb>{0x000000, 0xFFFF00}));
}

TEST(TitleArt, TheLogoLeavesTheSignsSlotBlankWithTheNameEitherSide) {
    Bitmap logo = committed("logo.bmp");
    EXPECT_EQ(countPixels(logo, 121, 0, 148, logo.height - 1, inked), 0);
    EXPECT_GT(countPixels(logo, 0, 0, 120, logo.height - 1, inked), 1000);               // "Ferr"
    EXPECT_GT(countPixels(logo, 149, 0, logo.width - 1, logo.height - 1, inked), 1000);  // "wind"
    // Where the title screen lays the sign over the logo, its yellow covers no lettering.
    Bitmap sign = committed("radiation.bmp");
    for (int y = 0; y < sign.height; ++y) {
        for (int x = 0; x < sign.width; ++x) {
            if (inked(sign.at(x, y))) {
                EXPECT_EQ(logo.at(105 + x, 19 + y), 0x000000u) << x << "," << y;
            }
        }
    }
}

TEST(TitleArt, TheStartWordIsGoldBronzeAtRestAndDarkTealWhenLit) {
    Bitmap rest = committed("start.bmp");
    Bitmap lit = committed("start_lit.bmp");
    auto wordBand = [](const Bitmap& b, auto test) {
        return countPixels(b, b.width / 2 - 32, b.height / 2 - 12, b.width / 2 + 32, b.height / 2 + 12, test);
    };
    EXPECT_GT(wordBand(rest, goldBronze), 100);
    EXPECT_EQ(wordBand(rest, darkTeal), 0);
    EXPECT_GT(wordBand(lit, darkTeal), 100);
}

struct Extent {
    int left, right, top, bottom;
};

// The box round every non-black pixel.
Extent extentOf(const Bitmap& b) {
    Extent e{b.width, -1, b.height, -1};
    for (int y = 0; y < b.height; ++y)
        for (int x = 0; x < b.width; ++x)
            if (inked(b.at(x, y)))
                e = {std::min(e.left, x), std::max(e.right, x), std::min(e.top, y), std::max(e.bottom, y)};
    return e;
}

TEST(TitleArt, TheStartPlatesAreSolidAndTheLitOneLinesUpALittleLarger) {
    Bitmap rest = committed("start.bmp");
    Bitmap lit = committed("start_lit.bmp");
    for (const Bitmap* plate : {&rest, &lit}) {
        // No dark part of the stone or glass may turn see-through.
        const int cx = plate->width / 2, cy = plate->height / 2;
        EXPECT_EQ(countPixels(*plate, cx - 40, cy - 20, cx + 40, cy + 20, [](Rgb c) { return c == 0x000000; }), 0);
        Extent e = extentOf(*plate);
        EXPECT_LE(std::abs(e.left - (plate->width - 1 - e.right)), 1);  // centred across
    }
    Extent atRest = extentOf(rest), shining = extentOf(lit);
    EXPECT_GT(shining.right - shining.left, atRest.right - atRest.left);
    EXPECT_GT(shining.bottom - shining.top, atRest.bottom - atRest.top);
    EXPECT_LE(shining.right - shining.left, atRest.right - atRest.left + 8);
}

TEST(TitleArt, SpaceHasItsSunUpperLeftItsPlanetRightAndBlackOutOfView) {
    Bitmap space = committed("space.bmp");
    Rgb sun = space.at(110, 90);
    EXPECT_GE(std::min({red(sun), green(sun), blue(sun)}), 250);
    Rgb glow = space.at(122, 99);  // off the streaks
    EXPECT_GT(blue(glow), red(glow) + 20);
    EXPECT_GT(green(glow), red(glow) + 20);
    EXPECT_GT(countPixels(space, 460, 190, 540, 270, [](Rgb c) { return blue(c) > 60 || red(c) > 60; }), 5000);
    EXPECT_EQ(countPixels(space, 632, 0, 639, 479, inked), 0);
    EXPECT_EQ(countPixels(space, 0, 454, 639, 479, inked), 0);
}

TEST(TitleArt, TheSmallTitleSpansItsStripInBronze) {
    Bitmap title = committed("title_small.bmp");
    Extent ink = extentOf(title);
    EXPECT_GT(ink.right - ink.left, 70);
    EXPECT_GT(countPixels(title, 0, 0, title.width - 1, title.height - 1, goldBronze), 60);
}

class RegeneratedArt : public testing::Test {
protected:
    void SetUp() override { art::writeAllPictures(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }

    static std::vector<char> bytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // One folder per process: other checkouts may run this test at the same time.
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("orbitrove-artgen-rerun-" + std::to_string(getpid()));
};

// Another run of the generator must reproduce data/ exactly, the title pictures and the icons included.
TEST_F(RegeneratedArt, EveryPictureMatchesTheCommittedOneByteForByte) {
    for (const Picture& p : kTitlePictures) EXPECT_TRUE(std::filesystem::exists(folder / p.file)) << p.file;
    for (const int size : art::kAppIconSizes) {
        EXPECT_TRUE(std::filesystem::exists(folder / "icons" / ("orbitrove-" + std::to_string(size) + ".png")));
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const auto file = std::filesystem::relative(entry.path(), folder);
        SCOPED_TRACE(file.string());
        EXPECT_EQ(bytes(entry.path()), bytes("data" / file));
    }
}

}  // namespace
