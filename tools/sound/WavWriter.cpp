#include "WavWriter.h"

#include "Bytes.h"

#include <utility>

namespace sound {

namespace {

constexpr std::uint32_t kFormatChunkSize = 16;
constexpr std::uint16_t kPcmFormat = 1;
constexpr std::uint16_t kBytesPerSample = 2;

void appendFormatChunk(Bytes& out, const Pcm& pcm) {
    const auto channels = static_cast<std::uint16_t>(pcm.channels);
    const auto blockAlign = static_cast<std::uint16_t>(channels * kBytesPerSample);
    appendText(out, "fmt ");
    appendLittle32(out, kFormatChunkSize);
    appendLittle16(out, kPcmFormat);
    appendLittle16(out, channels);
    appendLittle32(out, static_cast<std::uint32_t>(pcm.rate));
    appendLittle32(out, static_cast<std::uint32_t>(pcm.rate) * blockAlign);
    appendLittle16(out, blockAlign);
    appendLittle16(out, 8 * kBytesPerSample);
}

}  // namespace

WavWriter::WavWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}

void WavWriter::write(const std::string& name, const Pcm& pcm) const {
    const auto dataSize = static_cast<std::uint32_t>(pcm.samples.size() * kBytesPerSample);
    Bytes out;
    appendText(out, "RIFF");
    appendLittle32(out, 4 + (8 + kFormatChunkSize) + (8 + dataSize));
    appendText(out, "WAVE");
    appendFormatChunk(out, pcm);
    appendText(out, "data");
    appendLittle32(out, dataSize);
    for (std::int16_t sample : pcm.samples) {
        appendLittle16(out, static_cast<std::uint16_t>(sample));
    }
    saveBytes(folder_ / name, out);
}

}  // namespace sound
