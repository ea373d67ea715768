#include "YuvConverter.h"

#include "AvError.h"

#include <stdexcept>

namespace video {

namespace {

// Bit-exact C paths, so the output does not depend on the CPU's SIMD set.
constexpr int kScalerFlags = SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT | SWS_FULL_CHR_H_INP;

}  // namespace

YuvConverter::YuvConverter(int width, int height)
    : width_(width),
      height_(height),
      packed_(static_cast<std::size_t>(width * height * 3)),
      scaler_(sws_getContext(width, height, AV_PIX_FMT_RGB24, width, height, AV_PIX_FMT_YUV420P, kScalerFlags, nullptr,
                             nullptr, nullptr)),
      frame_(av_frame_alloc()) {
    if (!scaler_ || !frame_) {
        throw std::runtime_error("cannot set up the colour conversion");
    }
    frame_->format = AV_PIX_FMT_YUV420P;
    frame_->width = width;
    frame_->height = height;
    checkAv(av_frame_get_buffer(frame_.get(), 0), "cannot allocate a video frame");
}

void YuvConverter::pack(const art::RgbImage& picture) {
    auto out = packed_.begin();
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const art::Rgb c = picture.at(x, y);
            *out++ = c.r;
            *out++ = c.g;
            *out++ = c.b;
        }
    }
}

AVFrame* YuvConverter::convert(const art::RgbImage& picture) {
    if (picture.width() != width_ || picture.height() != height_) {
        throw std::invalid_argument("picture size differs from the video's");
    }
    pack(picture);
    // The encoder may still hold the previous picture; this gives us a fresh buffer then.
    checkAv(av_frame_make_writable(frame_.get()), "cannot reuse the video frame");
    const std::uint8_t* source[] = {packed_.data()};
    const int sourceStride[] = {width_ * 3};
    sws_scale(scaler_.get(), source, sourceStride, 0, height_, frame_->data, frame_->linesize);
    return frame_.get();
}

}  // namespace video
