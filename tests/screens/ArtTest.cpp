#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "frame/sdl/BmpFile.h"

namespace {

int fileDepth(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    char header[30] = {};
    file.read(header, sizeof header);
    return static_cast<unsigned char>(header[28]) | static_cast<unsigned char>(header[29]) << 8;
}

struct Picture {
    const char* file;
    int width, height, depth;
    Rgb bottomLeft;
};

const Picture kPictures[] = {
    {"background.bmp", 640, 480, 24, 0x000000}, {"ship.bmp", 45, 33, 24, 0x000000},
    {"crate.bmp", 48, 27, 24, 0x000000},        {"station.bmp", 211, 421, 24, 0x000000},
    {"quit.bmp", 19, 18, 4, 0xC0C0C0},          {"pause.bmp", 19, 18, 4, 0xC0C0C0},
    {"title.bmp", 338, 89, 8, 0x000000},        {"publisher.bmp", 100, 48, 8, 0x002FB0},
    {"help.bmp", 18, 18, 24, 0xFF00FF},         {"help_disabled.bmp", 18, 18, 24, 0xFF00FF},
};

TEST(Art, EachPictureHasItsSizeDepthAndTransparentColour) {
    for (const Picture& p : kPictures) {
        SCOPED_TRACE(p.file);
        std::string path = std::string("data/") + p.file;
        Bitmap bitmap = loadBitmap(path);
        EXPECT_EQ(bitmap.width, p.width);
        EXPECT_EQ(bitmap.height, p.height);
        EXPECT_EQ(fileDepth(path), p.depth);
        EXPECT_EQ(bitmap.bottomLeft(), p.bottomLeft);
    }
}

TEST(Art, TheCrateUsesItsFiveColours) {
    Bitmap crate = loadBitmap("data/crate.bmp");
    std::set<Rgb> colours(crate.pixels.begin(), crate.pixels.end());
    EXPECT_EQ(colours, (std::set<Rgb>{0x000000, 0xFFFFFF, 0xC0C0C0, 0x808080, 0xFFFF00}));
}

TEST(Art, ThePauseIconHasTwoGreenBars) {
    Bitmap pause = loadBitmap("data/pause.bmp");
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 19; ++x) {
            bool bar = y >= 1 && y <= 16 && ((x >= 4 && x <= 8) || (x >= 11 && x <= 15));
            if (!bar) {
                EXPECT_EQ(pause.at(x, y), 0xC0C0C0u) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(pause.at(6, 8), 0x00FF00u);
    EXPECT_EQ(pause.at(13, 8), 0x00FF00u);
}

TEST(Art, TheStationsCannonsMeetTheBeamsAndItsBaysTheCrates) {
    Bitmap station = loadBitmap("data/station.bmp");
    const int stationLeft = 424;
    // Each muzzle tip lies on the beam's rows, just right of the beam's start.
    const std::pair<int, int> muzzles[] = {{493, 11}, {508, 146}, {429, 247}, {439, 409}};
    for (auto [x, y] : muzzles) {
        EXPECT_NE(station.at(x - stationLeft, y), 0u) << x << "," << y;
        EXPECT_NE(station.at(x - stationLeft, y + 1), 0u) << x << "," << y + 1;
        EXPECT_EQ(station.at(x - stationLeft - 3, y), 0u) << "left of the muzzle at " << x;
    }
    for (int row : {30, 260, 400}) {  // the wall starts at column 121
        EXPECT_EQ(station.at(120, row), 0u) << row;
        EXPECT_NE(station.at(121, row), 0u) << row;
        Rgb wall = station.at(125, row);  // dark grey, lightly textured
        EXPECT_EQ(wall >> 16, wall & 0xFF) << row;
        EXPECT_NEAR(static_cast<int>(wall & 0xFF), 0x1F, 4) << row;
    }
    const int marks[] = {51, 83, 115, 178, 211, 307, 340, 372};
    for (int row : marks) {
        Rgb mark = station.at(138, row);
        EXPECT_GT(mark >> 16, 0x80u) << row;  // red
        EXPECT_LT((mark >> 8) & 0xFF, 0x60u) << row;
    }
}

}  // namespace
