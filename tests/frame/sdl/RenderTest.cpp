#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "frame/Canvas.h"
#include "frame/Exception.h"
#include "frame/sdl/BmpFile.h"
#include "frame/sdl/Screenshot.h"
#include "frame/sdl/SdlTypesetter.h"

namespace {

std::filesystem::path scratch(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("orbitrove-render-" + std::to_string(::getpid()) + "-" + name);
}

// A canvas with a colour in each corner, so that rows and channels cannot
// be swapped unnoticed.
Canvas corners() {
    Canvas canvas(5, 3);
    canvas.fillRect({0, 0, 5, 3}, 0x102030);
    canvas.setPixel(0, 0, 0xFF0000);
    canvas.setPixel(4, 0, 0x00FF00);
    canvas.setPixel(0, 2, 0x0000FF);
    canvas.setPixel(4, 2, 0xFFFFFF);
    return canvas;
}

std::vector<Rgb> readPng(const std::filesystem::path& path, Size& size) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<png_byte> bytes(PNG_IMAGE_SIZE(image));
    png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr);
    size = {static_cast<int>(image.width), static_cast<int>(image.height)};
    std::vector<Rgb> pixels;
    for (std::size_t i = 0; i + 2 < bytes.size(); i += 3)
        pixels.push_back(static_cast<Rgb>(bytes[i] << 16 | bytes[i + 1] << 8 | bytes[i + 2]));
    return pixels;
}

TEST(Screenshot, PngAndBmpHoldTheCanvasPixelForPixel) {
    Canvas canvas = corners();
    auto png = scratch("a.png"), bmp = scratch("a.bmp");
    ASSERT_TRUE(saveImage(canvas, png.string()));
    ASSERT_TRUE(saveImage(canvas, bmp.string()));
    Size size;
    EXPECT_EQ(readPng(png, size), canvas.pixels());
    EXPECT_EQ(size, (Size{5, 3}));
    EXPECT_EQ(loadBitmap(bmp.string()).pixels, canvas.pixels());
    std::filesystem::remove(png);
    std::filesystem::remove(bmp);
}

TEST(Screenshot, AnUnwritablePlaceOrAnEmptyCanvasIsReported) {
    EXPECT_FALSE(saveImage(corners(), "/nonexistent-folder/a.png"));
    EXPECT_FALSE(saveImage(Canvas(0, 0), scratch("empty.png").string()));
}

TEST(BmpReader, AFileThatIsNoPictureRaisesAnInvalidGraphic) {
    auto path = scratch("not.bmp");
    std::ofstream(path) << "not a picture";
    BmpReader reader;
    try {
        reader.read(path.string());
        ADD_FAILURE() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.className(), "EInvalidGraphic");
    }
    std::filesystem::remove(path);
}

TEST(SdlTypesetter, DrawsWithinWhatItMeasuresInTheGivenColour) {
    SdlTypesetter typesetter;
    TFont font{"Arial", 16};
    Size size = typesetter.measure(font, "Level 1");
    ASSERT_GT(size.width, 20);
    EXPECT_EQ(size.height, typesetter.lineHeight(font));
    EXPECT_GT(typesetter.measure(font, "Level 10").width, size.width);
    Canvas canvas(size.width + 20, size.height + 20);
    typesetter.draw(canvas, font, "Level 1", 10, 10, 0xFF0000);
    int inked = 0;
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.pixel(x, y) == 0) continue;
            ++inked;
            EXPECT_TRUE((Rect{10, 10, size.width, size.height}).contains({x, y})) << x << "," << y;
            EXPECT_EQ(canvas.pixel(x, y) & 0x00FFFF, 0u);  // shades of the red ink only
        }
    EXPECT_GT(inked, 30);
}

}  // namespace
