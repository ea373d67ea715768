#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "frame/Canvas.h"
#include "frame/Exception.h"
#include "frame/headless/BlankPictureReader.h"
#include "frame/sdl/BmpFile.h"
#include "frame/sdl/FaceFile.h"
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

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Exception& error) {
        return error.className() + ": " + error.what();
    }
    return "no error";
}

// A named pipe in a picture's place is refused at once, like a missing file,
// and the message names the file.
TEST(BmpReader, APipeOrAFolderIsRefusedAtOnceLikeAMissingFile) {
    auto pipe = scratch("pipe.bmp"), folder = scratch("folder.bmp");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directory(folder);
    BmpReader reader;
    std::string missing = errorOf([&] { reader.read(scratch("missing.bmp").string()); });
    EXPECT_EQ(missing.rfind("EInvalidGraphic: The picture cannot be found", 0), 0u) << missing;
    EXPECT_NE(missing.find("missing.bmp (looked for in "), std::string::npos) << missing;
    EXPECT_EQ(errorOf([&] { reader.read(pipe.string()); }).substr(0, 45), missing.substr(0, 45));
    EXPECT_EQ(errorOf([&] { reader.read(folder.string()); }).substr(0, 45), missing.substr(0, 45));
    std::filesystem::remove(pipe);
    std::filesystem::remove(folder);
}

// A header announcing more pixels than the file holds, or a giant picture,
// is refused before anything is allocated for it.
TEST(BmpReader, AHeaderThatCannotBeTrueIsRefused) {
    auto path = scratch("ship.bmp");
    std::ifstream in("data/ship.bmp", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 54u);
    BmpReader reader;
    auto withHeader = [&](int at, std::uint32_t value) {
        std::string damaged = bytes;
        for (int i = 0; i < 4; ++i) damaged[static_cast<std::size_t>(at + i)] = static_cast<char>(value >> (8 * i));
        std::ofstream(path, std::ios::binary) << damaged;
        return errorOf([&] { reader.read(path.string()); });
    };
    for (auto [at, value] : {std::pair{18, 30000u}, {22, 30000u}, {18, 0x7FFFFFFFu}, {22, 0x80000000u}, {18, 0u}}) {
        std::string error = withHeader(at, value);
        EXPECT_EQ(error.rfind("EInvalidGraphic: The picture is damaged", 0), 0u) << at << " " << value << ": " << error;
        EXPECT_NE(error.find("ship.bmp (looked for in"), std::string::npos) << error;
    }
    std::ofstream(path, std::ios::binary) << bytes.substr(0, bytes.size() - 10);  // cut short
    EXPECT_EQ(errorOf([&] { reader.read(path.string()); }).rfind("EInvalidGraphic: The picture is damaged", 0), 0u);
    std::filesystem::remove(path);
}

// The reader of builds without a decoder sizes every picture of the game as
// the decoder does, and refuses what the decoder refuses, in its words.
TEST(BlankPictureReader, PicturesHaveTheDecodersSizeAndRefusalsItsWords) {
    BmpReader decoder;
    BlankPictureReader blank;
    for (const auto& entry : std::filesystem::directory_iterator("data")) {
        if (entry.path().extension() != ".bmp") continue;
        SCOPED_TRACE(entry.path().string());
        Bitmap decoded = decoder.read(entry.path().string()), sized = blank.read(entry.path().string());
        EXPECT_EQ(sized.width, decoded.width);
        EXPECT_EQ(sized.height, decoded.height);
        EXPECT_EQ(sized.pixels, std::vector<Rgb>(decoded.pixels.size(), BlankPictureReader::kGrey));
    }
    auto folder = scratch("folder.bmp"), text = scratch("text.bmp"), cut = scratch("cut.bmp"),
         wide = scratch("wide.bmp");
    std::filesystem::create_directory(folder);
    std::ofstream(text) << "not a picture";
    std::ifstream in("data/ship.bmp", std::ios::binary);
    std::string ship((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::ofstream(cut, std::ios::binary) << ship.substr(0, ship.size() - 10);
    std::ofstream(wide, std::ios::binary) << ship.substr(0, 18) << std::string("\x30\x75\0\0", 4) << ship.substr(22);
    for (const auto& path : {scratch("missing.bmp"), folder, text, cut, wide}) {
        std::string expected = errorOf([&] { decoder.read(path.string()); });
        EXPECT_NE(expected, "no error");
        EXPECT_EQ(errorOf([&] { blank.read(path.string()); }), expected);
    }
    for (const auto& path : {folder, text, cut, wide}) std::filesystem::remove(path);
}

// The face aliases: a file that is not there (or not a regular file) leaves
// the faces as they are; a damaged one is an error naming it, and
// fontconfig's own complaints do not reach standard error.
TEST(SdlTypesetter, FaceAliasesAreReadOnlyFromARegularFileAndDamageIsNamed) {
    SdlTypesetter typesetter;
    auto pipe = scratch("fonts-pipe.conf"), damaged = scratch("fonts-damaged.conf");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::ofstream(damaged) << "<?xml version=\"1.0\"?>\n<fontconfig><alias><family>Arial";
    EXPECT_EQ(errorOf([&] { typesetter.addFaceAliases(pipe.string()); }), "no error");
    EXPECT_EQ(errorOf([&] { typesetter.addFaceAliases(scratch("none.conf").string()); }), "no error");
    testing::internal::CaptureStderr();
    std::string error = errorOf([&] { typesetter.addFaceAliases(damaged.string()); });
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(error.rfind("EParserError: The font aliases are damaged: ", 0), 0u) << error;
    EXPECT_NE(error.find("fonts-damaged.conf (looked for in"), std::string::npos) << error;
    EXPECT_EQ(said, "");
    EXPECT_EQ(errorOf([&] { typesetter.addFaceAliases("data/fonts.conf"); }), "no error");
    std::filesystem::remove(pipe);
    std::filesystem::remove(damaged);
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

// The rasteriser makes bold only where the face's file is lighter. The
// banner's and the title's faces have no bold file, whatever weight the
// match reports; the screens' sans-serif and serif faces have one, which must
// not be emboldened again.
TEST(FaceFile, BoldIsSynthesizedOnlyWhereTheFileIsNotBold) {
    SdlTypesetter typesetter;
    typesetter.addFaceAliases("data/fonts.conf");
    for (const char* family : {"Papyrus", "Westminster"}) {
        FaceFile bold = FaceFile::find(family, true);
        ASSERT_FALSE(bold.path.empty()) << family;
        EXPECT_EQ(bold.path, FaceFile::find(family, false).path) << family;
        EXPECT_TRUE(bold.needsSyntheticBold) << family;
    }
    for (const char* family : {"MS Sans Serif", "Arial", "Times New Roman"}) {
        FaceFile bold = FaceFile::find(family, true);
        EXPECT_NE(bold.path, FaceFile::find(family, false).path) << family;
        EXPECT_FALSE(bold.needsSyntheticBold) << family;
    }
    EXPECT_FALSE(FaceFile::find("Papyrus", false).needsSyntheticBold);
}

}  // namespace
