#include "media/HeaderReader.h"

#include <array>
#include <limits>

#include "media/BlankVideo.h"
#include "media/MediaErrors.h"
#include "media/RiffFile.h"

namespace {

constexpr std::uint32_t kPcm = 1, kFloat = 3, kALaw = 6, kMuLaw = 7, kExtensible = 0xFFFE;
// The rest of an extensible format's subformat, after its two-byte code.
constexpr std::array<unsigned char, 14> kSubformatTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                                          0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

struct WaveFormat {
    std::uint32_t encoding = 0;
    std::uint32_t channels = 0;
    std::uint32_t rate = 0;
    std::uint32_t blockAlign = 0;
    std::uint32_t bits = 0;
};

std::optional<WaveFormat> waveFormat(const std::vector<unsigned char>& fmt) {
    if (fmt.size() < 16) return std::nullopt;
    WaveFormat format{RiffFile::little(fmt, 0, 2), RiffFile::little(fmt, 2, 2), RiffFile::little(fmt, 4, 4),
                      RiffFile::little(fmt, 12, 2), RiffFile::little(fmt, 14, 2)};
    if (format.encoding == kExtensible) {
        if (fmt.size() < 40 || !std::equal(kSubformatTail.begin(), kSubformatTail.end(), fmt.begin() + 26))
            return std::nullopt;
        format.encoding = RiffFile::little(fmt, 24, 2);
    }
    return format;
}

// The encodings the sound card's library decodes frame by frame, with the
// sample sizes it takes for each.
bool playable(const WaveFormat& format) {
    bool sizeTaken = false;
    switch (format.encoding) {
    case kPcm: sizeTaken = format.bits == 8 || format.bits == 16 || format.bits == 24 || format.bits == 32; break;
    case kFloat: sizeTaken = format.bits == 32; break;
    case kALaw:
    case kMuLaw: sizeTaken = format.bits == 8; break;
    default: return false;
    }
    return sizeTaken && format.channels > 0 && format.channels <= 255 && format.rate > 0 &&
           format.rate <= std::numeric_limits<std::int32_t>::max() &&
           format.blockAlign == format.channels * format.bits / 8;
}

// As many whole frames as the data chunk holds, however long it says it is.
MediaFacts waveHeaderFacts(const std::string& fileName) {
    RiffFile file(fileName);
    std::optional<RiffFile::Chunk> wave = file.form("WAVE");
    std::optional<RiffFile::Chunk> fmt = wave ? file.find(*wave, "fmt ") : std::nullopt;
    std::optional<RiffFile::Chunk> data = wave ? file.find(*wave, "data") : std::nullopt;
    std::optional<WaveFormat> format = fmt ? waveFormat(file.read(*fmt, 40)) : std::nullopt;
    if (!format || !data || !playable(*format)) return {media_error::kDamagedFile};
    return {0, MediaKind::Wave, framesToMilliseconds(data->size / format->blockAlign, static_cast<int>(format->rate))};
}

}  // namespace

const MediaReader kHeaderReader{waveHeaderFacts, BlankVideo::open};
