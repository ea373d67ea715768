#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

#include <memory>

namespace video {

// Owning handles for the FFmpeg objects, so every error path releases them.
struct CodecContextFree {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};

struct FrameFree {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};

struct PacketFree {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};

struct ScalerFree {
    void operator()(SwsContext* scaler) const { sws_freeContext(scaler); }
};

struct OutputFree {
    void operator()(AVFormatContext* output) const {
        avio_closep(&output->pb);
        avformat_free_context(output);
    }
};

using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using ScalerPtr = std::unique_ptr<SwsContext, ScalerFree>;
using OutputPtr = std::unique_ptr<AVFormatContext, OutputFree>;

}  // namespace video
