#pragma once

#include "FfmpegHandles.h"
#include "art/Grid.h"

#include <cstdint>
#include <vector>

namespace video {

// Turns our RGB pictures into the 4:2:0 frames the encoder takes.
class YuvConverter {
public:
    YuvConverter(int width, int height);

    // The frame stays owned here and is rewritten by the next call.
    AVFrame* convert(const art::RgbImage& picture);

private:
    void pack(const art::RgbImage& picture);

    int width_;
    int height_;
    std::vector<std::uint8_t> packed_;
    ScalerPtr scaler_;
    FramePtr frame_;
};

}  // namespace video
