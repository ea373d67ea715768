#include "media/BlankVideo.h"

#include <algorithm>
#include <filesystem>
#include <limits>
#include <stdexcept>

#include "media/RiffFile.h"

namespace {

// The largest picture side taken, as for pictures: the window system's
// coordinate range; at most 64 M pixels.
constexpr std::uint32_t kLargestSide = 32767;
constexpr std::uint64_t kLargestArea = std::uint64_t{1} << 26;

// A video stream's time base (scale / rate seconds a unit) and its length
// in those units.
struct StreamHeader {
    std::uint32_t scale = 0;
    std::uint32_t rate = 0;
    std::uint32_t length = 0;
};

struct AviHeader {
    std::uint32_t microsPerFrame = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    StreamHeader video;
};

std::optional<StreamHeader> videoStream(RiffFile& file, const RiffFile::Chunk& header) {
    for (const RiffFile::Chunk& streams : file.lists(header, "strl")) {
        std::optional<RiffFile::Chunk> strh = file.find(streams, "strh");
        std::vector<unsigned char> bytes = strh ? file.read(*strh, 36) : std::vector<unsigned char>{};
        if (bytes.size() == 36 && std::equal(bytes.begin(), bytes.begin() + 4, "vids"))
            return StreamHeader{RiffFile::little(bytes, 20, 4), RiffFile::little(bytes, 24, 4),
                                RiffFile::little(bytes, 32, 4)};
    }
    return std::nullopt;
}

// The list of an AVI file's main and stream headers, the first if many.
std::optional<RiffFile::Chunk> headerList(RiffFile& file) {
    std::optional<RiffFile::Chunk> avi = file.form("AVI ");
    std::vector<RiffFile::Chunk> headers = avi ? file.lists(*avi, "hdrl") : std::vector<RiffFile::Chunk>{};
    if (headers.empty()) return std::nullopt;
    return headers.front();
}

// The main header and the first video stream's, of the header list.
std::optional<AviHeader> aviHeader(const std::string& fileName) {
    RiffFile file(fileName);
    std::optional<RiffFile::Chunk> headers = headerList(file);
    if (!headers) return std::nullopt;
    std::optional<RiffFile::Chunk> main = file.find(*headers, "avih");
    std::vector<unsigned char> bytes = main ? file.read(*main, 40) : std::vector<unsigned char>{};
    std::optional<StreamHeader> video = videoStream(file, *headers);
    if (bytes.size() < 40 || !video) return std::nullopt;
    return AviHeader{RiffFile::little(bytes, 0, 4), RiffFile::little(bytes, 32, 4), RiffFile::little(bytes, 36, 4),
                     *video};
}

// A stream without a time base runs at the main header's frame period, or
// else at 25 pictures a second, as the video library takes it.
StreamHeader timed(const AviHeader& header) {
    StreamHeader video = header.video;
    if (video.scale != 0 && video.rate != 0) return video;
    video.scale = header.microsPerFrame != 0 ? header.microsPerFrame : 1;
    video.rate = header.microsPerFrame != 0 ? 1000000 : 25;
    return video;
}

// Rounded to the nearest, halves away from zero, as the library rescales.
std::uint64_t roundedQuotient(std::uint64_t dividend, std::uint64_t divisor) {
    return (dividend + divisor / 2) / divisor;
}

}  // namespace

BlankVideo::BlankVideo(const std::string& fileName) {
    std::optional<AviHeader> header = aviHeader(fileName);
    if (!header) throw std::runtime_error("no video in " + fileName);
    if (header->width == 0 || header->height == 0 || header->width > kLargestSide || header->height > kLargestSide ||
        std::uint64_t{header->width} * header->height > kLargestArea)
        throw std::runtime_error("no picture size in " + fileName);
    picture_ = {static_cast<int>(header->width), static_cast<int>(header->height),
                std::vector<Rgb>(static_cast<std::size_t>(header->width) * header->height)};
    StreamHeader video = timed(*header);
    frameInterval_ = static_cast<std::uint32_t>(
        std::max<std::uint64_t>(1, roundedQuotient(std::uint64_t{1000} * video.scale, video.rate)));
    std::uint64_t units = std::uint64_t{video.length} * video.scale;
    if (units > std::numeric_limits<std::uint64_t>::max() / 1000000) throw std::runtime_error("too long: " + fileName);
    length_ = roundedQuotient(units * 1000000, video.rate) / 1000;
}

std::unique_ptr<VideoSource> BlankVideo::open(const std::string& fileName) {
    return std::make_unique<BlankVideo>(fileName);
}

// Reading the header list walks the headers of the chunks before it, never
// their bodies: all of that lies before the list's end.
std::uint64_t BlankVideo::headerSize(const std::string& fileName) {
    RiffFile file(fileName);
    if (std::optional<RiffFile::Chunk> headers = headerList(file)) return headers->start + headers->size;
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(fileName, error);
    return error ? 0 : size;
}
