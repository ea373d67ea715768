// The header reader of builds without the media libraries against the
// libraries themselves: on the same file both answer the same error, or the
// same length and frame interval.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "MediaFiles.h"
#include "media/BlankVideo.h"
#include "media/HeaderReader.h"
#include "media/MediaErrors.h"
#include "media/MediaProbe.h"

namespace {

using Bytes = std::vector<char>;

void put(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>(value >> (8 * i)));
}

void putChunk(Bytes& bytes, const std::string& id, const Bytes& body, std::uint32_t saidSize) {
    bytes.insert(bytes.end(), id.begin(), id.end());
    put(bytes, saidSize, 4);
    bytes.insert(bytes.end(), body.begin(), body.end());
    if (body.size() % 2) bytes.push_back(0);
}

struct Wave {
    std::uint32_t encoding = 1;
    std::uint32_t channels = 1;
    std::uint32_t bits = 16;
    std::uint32_t rate = 22050;
    std::uint32_t frames = 11025;
    bool extensible = false;
    std::uint32_t extraAlign = 0;    // bytes a block holds past its samples
    std::uint32_t dataShortBy = 0;   // the data chunk says more than the file holds
    bool chunkBeforeFormat = false;  // a LIST chunk of odd size first
    bool noData = false;

    Bytes bytes() const {
        std::uint32_t align = channels * bits / 8 + extraAlign;
        Bytes fmt;
        put(fmt, extensible ? 0xFFFE : encoding, 2), put(fmt, channels, 2), put(fmt, rate, 4);
        put(fmt, rate * align, 4), put(fmt, align, 2), put(fmt, bits, 2);
        if (extensible) {
            put(fmt, 22, 2), put(fmt, bits, 2), put(fmt, 0, 4), put(fmt, encoding, 2);
            for (int b : {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71})
                fmt.push_back(static_cast<char>(b));
        }
        Bytes body = {'W', 'A', 'V', 'E'};
        if (chunkBeforeFormat) putChunk(body, "LIST", Bytes{'I', 'N', 'F', 'O', 'x'}, 5);
        putChunk(body, "fmt ", fmt, static_cast<std::uint32_t>(fmt.size()));
        Bytes samples(static_cast<std::size_t>(frames) * align - dataShortBy, '\x11');
        if (!noData) putChunk(body, "data", samples, frames * align);
        Bytes file;
        putChunk(file, "RIFF", body, static_cast<std::uint32_t>(body.size()));
        return file;
    }
};

void expectAlike(const std::string& fileName) {
    SCOPED_TRACE(fileName);
    MediaFacts library = probeMedia(fileName, kLibraryReader), header = probeMedia(fileName, kHeaderReader);
    EXPECT_EQ(header.error, library.error);
    EXPECT_EQ(header.kind, library.kind);
    EXPECT_EQ(header.length, library.length);
    ASSERT_EQ(header.video == nullptr, library.video == nullptr);
    if (header.video) {
        EXPECT_EQ(header.video->frameInterval(), library.video->frameInterval());
    }
}

TEST(HeaderReader, TheGamesFilesMeasureAsTheLibrariesMeasureThem) {
    for (const char* name : {"laser.wav", "intro.avi", "intro.mid", "song.mid"})
        expectAlike(std::string("data/") + name);
    MediaFacts intro = probeMedia("data/intro.avi", kHeaderReader);
    ASSERT_TRUE(intro.video);
    EXPECT_EQ(intro.video->pictureAt(3000).width, 184);
    EXPECT_EQ(intro.video->pictureAt(3000).height, 112);
}

TEST(HeaderReader, WavesOfEveryPlayableFormatMeasureAlike) {
    MediaFiles files;
    std::vector<Wave> waves = {
        {},
        {.channels = 2, .bits = 8, .rate = 8000, .frames = 4001},
        {.channels = 2, .bits = 24, .rate = 48000, .frames = 48000},
        {.bits = 32, .rate = 96000, .frames = 1000},
        {.encoding = 3, .channels = 2, .bits = 32, .rate = 44100, .frames = 30000},
        {.encoding = 6, .bits = 8, .rate = 8000, .frames = 999},
        {.encoding = 7, .bits = 8, .rate = 11025, .frames = 12345},
        {.channels = 2, .extensible = true},
        {.encoding = 3, .bits = 32, .extensible = true},
        {.dataShortBy = 1001},
        {.chunkBeforeFormat = true},
        {.frames = 0},
        // Refused by both.
        {.bits = 12},
        {.channels = 0},
        {.rate = 0},
        {.encoding = 3, .bits = 64},
        {.encoding = 0x55},
        {.noData = true},
        {.extraAlign = 2},
        {.encoding = 6, .bits = 8, .extraAlign = 1},
    };
    for (std::size_t i = 0; i < waves.size(); ++i) {
        Bytes bytes = waves[i].bytes();
        expectAlike(files.text("wave" + std::to_string(i) + ".wav", std::string(bytes.begin(), bytes.end())));
    }
    EXPECT_EQ(probeMedia(files.text("empty.wav", ""), kHeaderReader).error, media_error::kDamagedFile);
    EXPECT_EQ(probeMedia(files.text("riff.wav", "RIFF\4\0\0\0WAVE"), kHeaderReader).error, media_error::kDamagedFile);
}

// The intro with its stream header's rate, scale and length rewritten: the
// library reads the same fields. (A file cut short is another matter: the
// library counts the pictures it finds, the header reader takes the header's
// word.)
TEST(HeaderReader, VideosOfAnyRateAndLengthMeasureAlike) {
    MediaFiles files;
    std::ifstream in("data/intro.avi", std::ios::binary);
    const std::string intro((std::istreambuf_iterator<char>(in)), {});
    const std::size_t strh = intro.find("strh") + 8;
    ASSERT_EQ(intro.compare(strh, 4, "vids"), 0);
    auto rewritten = [&](std::uint32_t scale, std::uint32_t rate, std::uint32_t length) {
        std::string copy = intro;
        for (auto [at, value] : {std::pair{20u, scale}, {24u, rate}, {32u, length}})
            for (int i = 0; i < 4; ++i) copy[strh + at + i] = static_cast<char>(value >> (8 * i));
        return copy;
    };
    int n = 0;
    for (auto [scale, rate, length] : std::vector<std::array<std::uint32_t, 3>>{{1, 25, 200},
                                                                                {1001, 30000, 200},
                                                                                {1, 15, 90},
                                                                                {100, 2997, 201},
                                                                                {2, 3, 7},
                                                                                {1, 25, 150000},
                                                                                {0, 25, 200},
                                                                                {1, 0, 200}})
        expectAlike(files.text("rate" + std::to_string(n++) + ".avi", rewritten(scale, rate, length)));
    expectAlike(files.text("headless.avi", intro.substr(0, 100)));
    expectAlike(files.text("nothing.avi", "RIFF\4\0\0\0AVI "));
}

// The site serves the intro cut after its headers, since the browser plays
// its WebM version: cut there, a video opens as the whole file does, however
// its chunks lie; a file without a header list is kept whole.
TEST(HeaderReader, AVideoCutAfterItsHeadersOpensAsTheWholeFile) {
    MediaFiles files;
    std::ifstream in("data/intro.avi", std::ios::binary);
    const std::string intro((std::istreambuf_iterator<char>(in)), {});
    const std::size_t movie = intro.find("movi") - 8;  // its LIST header
    ASSERT_TRUE(movie > 12 && intro.compare(movie, 4, "LIST") == 0) << "no movie list in the intro";
    // The intro with its header list (and what follows it) moved after its
    // movie data and index.
    const std::string moved = intro.substr(0, 12) + intro.substr(movie) + intro.substr(12, movie - 12);
    for (const auto& [name, whole] : {std::pair{"intro.avi", intro}, {"moved.avi", moved}}) {
        SCOPED_TRACE(name);
        const std::string path = files.text(name, whole);
        const std::uint64_t size = BlankVideo::headerSize(path);
        MediaFacts all = probeMedia(path, kHeaderReader);
        MediaFacts cut = probeMedia(files.text(std::string("cut-") + name, whole.substr(0, size)), kHeaderReader);
        ASSERT_TRUE(all.video && cut.video);
        EXPECT_EQ(cut.length, all.length);
        EXPECT_EQ(cut.video->frameInterval(), all.video->frameInterval());
        EXPECT_EQ(cut.video->pictureAt(0).width, all.video->pictureAt(0).width);
        EXPECT_EQ(cut.video->pictureAt(0).height, all.video->pictureAt(0).height);
    }
    EXPECT_LE(BlankVideo::headerSize("data/intro.avi"), movie) << "the intro's movie data is not cut off";
    for (const auto& [name, whole] : {std::pair{"nothing.avi", std::string("RIFF\4\0\0\0AVI ", 12)},
                                      {"cut-in-header.avi", intro.substr(0, 100)},
                                      {"headerless.avi", intro.substr(0, 12) + intro.substr(movie)}})
        EXPECT_EQ(BlankVideo::headerSize(files.text(name, whole)), whole.size()) << name;
    EXPECT_EQ(BlankVideo::headerSize("data/no-such.avi"), 0u);
}

}  // namespace
