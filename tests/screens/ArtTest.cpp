#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <vector>

#include "HeadlessProgram.h"
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

int channelDifference(Rgb a, Rgb b) {
    int sum = 0;
    for (int shift : {0, 8, 16})
        sum += std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF));
    return sum;
}

// The ink a label's text puts on its screen: how far, summed, the screen's
// pixels are from the screen painted without the label.
long inkOf(TControl& label) {
    TForm& form = *label.form();
    label.hide();
    form.paintPending();
    std::vector<Rgb> without = form.canvas().pixels();
    label.show();
    form.paintPending();
    const std::vector<Rgb>& with = form.canvas().pixels();
    long ink = 0;
    for (std::size_t i = 0; i < with.size(); ++i) ink += channelDifference(with[i], without[i]);
    return ink;
}

// How much heavier a label is drawn in its font than in the regular weight
// of the same face and size.
double boldness(TControl& label) {
    long asLaidOut = inkOf(label);
    TFont regular = label.font();
    regular.bold = false;
    label.setFont(regular);
    long regularInk = inkOf(label);
    EXPECT_GT(regularInk, 0) << label.name();
    return static_cast<double>(asLaidOut) / static_cast<double>(regularInk);
}

class ArtLettering : public testing::Test, protected HeadlessProgram {
protected:
    void SetUp() override {
        ASSERT_TRUE(start());
        application.showMainForm();
        advance(8000);  // past the intro, which covers the title screen
    }
};

// The faces of the title's "Exit" and of the level banner have no bold file:
// their bold must still show, as clearly more ink than their regular weight
// (the rasteriser's bold puts on one and a half to nearly two times as much).
TEST_F(ArtLettering, TheTitlesExitAndTheLevelBannerAreBoldThoughTheirFacesHaveNoBoldFile) {
    ASSERT_TRUE(Form1->exit->font().bold);
    EXPECT_GT(boldness(*Form1->exit), 1.3);
    Form1->start1Click(Form1->start1);
    application.processPending();
    ASSERT_TRUE(Form2->Label5->showing());
    ASSERT_EQ(Form2->Label5->caption(), "Level 1");
    ASSERT_TRUE(Form2->Label5->font().bold);
    EXPECT_GT(boldness(*Form2->Label5), 1.3);
}

}  // namespace
