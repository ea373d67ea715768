#include "PngWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
}

#include <algorithm>
#include <cmath>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <utility>

namespace art {

namespace {

struct AvFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};

std::uint8_t channel(float value) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

std::unique_ptr<AVFrame, AvFree> rgbaFrame(const Raster& raster) {
    std::unique_ptr<AVFrame, AvFree> frame(av_frame_alloc());
    frame->format = AV_PIX_FMT_RGBA;
    frame->width = raster.width();
    frame->height = raster.height();
    if (av_frame_get_buffer(frame.get(), 0) < 0) throw std::runtime_error("out of memory for a PNG frame");
    for (int y = 0; y < raster.height(); ++y) {
        std::uint8_t* row = frame->data[0] + y * frame->linesize[0];
        for (int x = 0; x < raster.width(); ++x) {
            const Color& c = raster.at(x, y);
            const std::uint8_t alpha = channel(c.a);
            // A fully clear pixel keeps no colour, so the file does not depend on what lies under it.
            const bool clear = alpha == 0;
            row[4 * x] = clear ? 0 : channel(c.r);
            row[4 * x + 1] = clear ? 0 : channel(c.g);
            row[4 * x + 2] = clear ? 0 : channel(c.b);
            row[4 * x + 3] = alpha;
        }
    }
    return frame;
}

std::unique_ptr<AVPacket, AvFree> encode(const Raster& raster) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_PNG);
    if (!codec) throw std::runtime_error("this FFmpeg has no PNG encoder");
    std::unique_ptr<AVCodecContext, AvFree> context(avcodec_alloc_context3(codec));
    context->width = raster.width();
    context->height = raster.height();
    context->pix_fmt = AV_PIX_FMT_RGBA;
    context->time_base = {1, 1};
    const auto frame = rgbaFrame(raster);
    std::unique_ptr<AVPacket, AvFree> packet(av_packet_alloc());
    if (avcodec_open2(context.get(), codec, nullptr) < 0 || avcodec_send_frame(context.get(), frame.get()) < 0 ||
        avcodec_send_frame(context.get(), nullptr) < 0 || avcodec_receive_packet(context.get(), packet.get()) < 0) {
        throw std::runtime_error("cannot encode a PNG picture");
    }
    return packet;
}

}  // namespace

PngWriter::PngWriter(std::filesystem::path folder) : folder_(std::move(folder)) {}

void PngWriter::write(const std::string& name, const Raster& raster) const {
    const auto packet = encode(raster);
    std::ofstream file(folder_ / name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(packet->data), packet->size);
    if (!file.flush()) throw std::runtime_error("cannot write " + (folder_ / name).string());
}

}  // namespace art
