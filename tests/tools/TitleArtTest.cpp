#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <unistd.h>

#include "LetteringMatch.h"
#include "art/Catalogue.h"
#include "frame/sdl/BmpFile.h"

namespace {

int red(Rgb c) { return static_cast<int>(c >> 16 & 0xFF); }
int green(Rgb c) { return static_cast<int>(c >> 8 & 0xFF); }
int blue(Rgb c) { return static_cast<int>(c & 0xFF); }

Bitmap committed(const std::string& file) { return loadBitmap("data/" + file); }

int fileDepth(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
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
        EXPECT_EQ(fileDepth(std::string("data/") + p.file), 24);
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

// Where the generator draws lettering.
const std::map<std::string, lettering::Tolerance> kLettering = {
    {"title.bmp", {{{158, 0, 180, 21}}}},  // the corner strip the title fills
    // The name with its light edge and shadow. The palette is chosen from
    // every pixel, the name's included, so the rest drifts a shade too.
    {"publisher.bmp", {{{43, 13, 57, 22}}, lettering::kShadeSlack}},
    // The name's halves stand on row 67 at 50 pixels, either side of the sign's slot,
    // with room to the right for a wider face.
    {"logo.bmp", {{{0, 17, 103, 69}, {171, 17, 130, 69}}}},
    {"start.bmp", {{{44, 43, 66, 28}}}},  // the word's box on the plate, with the outline
    {"start_lit.bmp", {{{46, 44, 67, 28}}}},
    {"title_small.bmp", {{{0, 0, 83, 21}}}},  // nothing but lettering
};

lettering::Tolerance toleranceFor(const std::string& file) { return kLettering.at(file); }

Bitmap withArea(const Bitmap& picture, const lettering::Area& area, const std::function<Rgb(int, int)>& paint) {
    Bitmap changed = picture;
    for (int y = area.top; y < area.top + area.height; ++y)
        for (int x = area.left; x < area.left + area.width; ++x)
            changed.pixels[static_cast<std::size_t>(y) * picture.width + x] = paint(x, y);
    return changed;
}

Rgb lighter(Rgb c, int by) {
    Rgb result = 0;
    for (int shift : {0, 8, 16})
        result |= static_cast<Rgb>(std::min(255, static_cast<int>(c >> shift & 0xFF) + by)) << shift;
    return result;
}

// The lettering moved right by two pixels and every shade of it lighter.
TEST(LetteringTolerance, ShadesAndSmallShiftsOfTheLetteringPass) {
    Bitmap title = committed("title.bmp");
    const lettering::Area text = toleranceFor("title.bmp").text[0];
    Bitmap shifted = withArea(title, text, [&](int x, int y) {
        return lighter(title.at(std::max(text.left, x - lettering::kReach), y), lettering::kShadeSlack);
    });
    EXPECT_EQ(lettering::mismatch(shifted, title, toleranceFor("title.bmp")), "");
    // So are a few stray pixels.
    Bitmap stray =
        withArea(title, {text.left, text.top, text.width / 40, text.height}, [](int, int) { return 0xFF00FFu; });
    EXPECT_EQ(lettering::mismatch(stray, title, toleranceFor("title.bmp")), "");
}

TEST(LetteringTolerance, ASingleShadeOffOutsideTheLetteringFails) {
    Bitmap title = committed("title.bmp");
    for (lettering::Area beside : {lettering::Area{157, 0, 1, 1}, lettering::Area{158, 21, 1, 1}}) {
        Bitmap changed = withArea(title, beside, [&](int x, int y) { return lighter(title.at(x, y), 1); });
        EXPECT_NE(lettering::mismatch(changed, title, toleranceFor("title.bmp")), "")
            << beside.left << "," << beside.top;
    }
    // The publisher's banner may drift by a shade, not by a colour.
    Bitmap publisher = committed("publisher.bmp");
    auto corner = [&](int by) {
        return withArea(publisher, {0, 0, 2, 2}, [&](int x, int y) { return lighter(publisher.at(x, y), by); });
    };
    EXPECT_EQ(lettering::mismatch(corner(lettering::kShadeSlack), publisher, toleranceFor("publisher.bmp")), "");
    EXPECT_NE(lettering::mismatch(corner(lettering::kShadeSlack + 1), publisher, toleranceFor("publisher.bmp")), "");
}

TEST(LetteringTolerance, LetteringGoneFromItsPlaceFails) {
    for (const char* file : {"title.bmp", "logo.bmp", "title_small.bmp"}) {
        Bitmap picture = committed(file);
        for (const lettering::Area& text : toleranceFor(file).text) {
            SCOPED_TRACE(std::string(file) + " at " + std::to_string(text.left));
            Bitmap erased = withArea(picture, text, [](int, int) { return 0x000000u; });
            EXPECT_NE(lettering::mismatch(erased, picture, toleranceFor(file)), "");
        }
    }
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

// Another run of the generator must reproduce data/, the title pictures and
// the icons included: byte for byte where no lettering is drawn.
TEST_F(RegeneratedArt, EveryPictureMatchesTheCommittedOne) {
    for (const Picture& p : kTitlePictures) EXPECT_TRUE(std::filesystem::exists(folder / p.file)) << p.file;
    for (const auto& [file, tolerance] : kLettering) EXPECT_TRUE(std::filesystem::exists(folder / file)) << file;
    for (const int size : art::kAppIconSizes) {
        EXPECT_TRUE(std::filesystem::exists(folder / "icons" / ("orbitrove-" + std::to_string(size) + ".png")));
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        const std::string file = std::filesystem::relative(entry.path(), folder).string();
        SCOPED_TRACE(file);
        if (!kLettering.contains(file)) {
            EXPECT_EQ(bytes(entry.path()), bytes("data/" + file));
            continue;
        }
        EXPECT_EQ(fileDepth(entry.path()), fileDepth("data/" + file));
        EXPECT_EQ(lettering::mismatch(loadBitmap(entry.path().string()), committed(file), toleranceFor(file)), "");
    }
}

}  // namespace
