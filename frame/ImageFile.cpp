// Screenshots of the offscreen canvas: BMP through SDL, PNG through FFmpeg's
// encoder.
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/frame.h>
}
#include <SDL.h>

#include <cstdio>
#include <memory>

#include "frame/ImageFile.h"

namespace {

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool saveBmp(const Canvas& canvas, const std::string& path) {
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<Rgb*>(canvas.pixels().data()), canvas.width(), canvas.height(),
                                           32, canvas.width() * 4, SDL_PIXELFORMAT_RGB888);
    if (!surface) return false;
    bool ok = SDL_SaveBMP(surface, path.c_str()) == 0;
    SDL_FreeSurface(surface);
    return ok;
}

struct CodecFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
    void operator()(AVFrame* f) const { av_frame_free(&f); }
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};

std::unique_ptr<AVFrame, CodecFree> rgbFrame(const Canvas& canvas) {
    std::unique_ptr<AVFrame, CodecFree> frame(av_frame_alloc());
    frame->format = AV_PIX_FMT_RGB24;
    frame->width = canvas.width();
    frame->height = canvas.height();
    if (av_frame_get_buffer(frame.get(), 0) < 0) return nullptr;
    for (int y = 0; y < canvas.height(); ++y) {
        uint8_t* row = frame->data[0] + y * frame->linesize[0];
        for (int x = 0; x < canvas.width(); ++x) {
            Rgb p = canvas.pixel(x, y);
            row[3 * x] = static_cast<uint8_t>(p >> 16);
            row[3 * x + 1] = static_cast<uint8_t>(p >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(p);
        }
    }
    return frame;
}

bool savePng(const Canvas& canvas, const std::string& path) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_PNG);
    if (!codec) return false;
    std::unique_ptr<AVCodecContext, CodecFree> context(avcodec_alloc_context3(codec));
    context->width = canvas.width();
    context->height = canvas.height();
    context->pix_fmt = AV_PIX_FMT_RGB24;
    context->time_base = {1, 1};
    auto frame = rgbFrame(canvas);
    std::unique_ptr<AVPacket, CodecFree> packet(av_packet_alloc());
    if (!frame || avcodec_open2(context.get(), codec, nullptr) < 0) return false;
    if (avcodec_send_frame(context.get(), frame.get()) < 0 || avcodec_send_frame(context.get(), nullptr) < 0)
        return false;
    if (avcodec_receive_packet(context.get(), packet.get()) < 0) return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool ok = std::fwrite(packet->data, 1, static_cast<std::size_t>(packet->size), file) ==
              static_cast<std::size_t>(packet->size);
    return std::fclose(file) == 0 && ok;
}

}  // namespace

bool saveImage(const Canvas& canvas, const std::string& path) {
    if (canvas.width() == 0 || canvas.height() == 0) return false;
    return endsWith(path, ".bmp") ? saveBmp(canvas, path) : savePng(canvas, path);
}
