#pragma once

#include "FfmpegHandles.h"
#include "VideoFormat.h"
#include "YuvConverter.h"
#include "art/Grid.h"

#include <cstdint>
#include <filesystem>

namespace video {

// Encodes pictures as MPEG-4 Part 2 into an AVI file, video only. Everything
// that could vary between runs (threads, version strings) is switched off, so
// the same pictures always give the same bytes.
class AviEncoder {
public:
    AviEncoder(const std::filesystem::path& file, const VideoFormat& format);

    void write(const art::RgbImage& picture);
    // Flushes the encoder and closes the file; without it the file is unfinished.
    void finish();

private:
    void openCodec(const VideoFormat& format);
    void openFile(const std::filesystem::path& file);
    void send(const AVFrame* frame);

    OutputPtr output_;
    CodecContextPtr codec_;
    PacketPtr packet_;
    AVStream* stream_ = nullptr;
    YuvConverter converter_;
    std::int64_t nextFrame_ = 0;
};

}  // namespace video
