#include "AviEncoder.h"

#include "AvError.h"

#include <stdexcept>

namespace video {

AviEncoder::AviEncoder(const std::filesystem::path& file, const VideoFormat& format)
    : packet_(av_packet_alloc()), converter_(format.width, format.height) {
    if (!packet_) {
        throw std::runtime_error("cannot allocate a packet");
    }
    AVFormatContext* output = nullptr;
    checkAv(avformat_alloc_output_context2(&output, nullptr, "avi", file.c_str()), "cannot set up " + file.string());
    output_.reset(output);
    output_->flags |= AVFMT_FLAG_BITEXACT;
    openCodec(format);
    openFile(file);
}

void AviEncoder::openCodec(const VideoFormat& format) {
    const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    codec_.reset(codec ? avcodec_alloc_context3(codec) : nullptr);
    if (!codec_) {
        throw std::runtime_error("no MPEG-4 encoder");
    }
    codec_->width = format.width;
    codec_->height = format.height;
    codec_->pix_fmt = AV_PIX_FMT_YUV420P;
    codec_->time_base = {1, format.framesPerSecond};
    codec_->framerate = {format.framesPerSecond, 1};
    codec_->gop_size = format.framesPerSecond;  // a keyframe every second keeps damage short
    codec_->max_b_frames = 0;
    codec_->thread_count = 1;
    codec_->flags |= AV_CODEC_FLAG_BITEXACT | AV_CODEC_FLAG_QSCALE | AV_CODEC_FLAG_4MV | AV_CODEC_FLAG_AC_PRED;
    codec_->global_quality = FF_QP2LAMBDA * format.quantiser;
    codec_->mb_decision = FF_MB_DECISION_RD;
    codec_->color_range = AVCOL_RANGE_MPEG;
    codec_->colorspace = AVCOL_SPC_SMPTE170M;
    checkAv(avcodec_open2(codec_.get(), codec, nullptr), "cannot open the MPEG-4 encoder");
}

void AviEncoder::openFile(const std::filesystem::path& file) {
    stream_ = avformat_new_stream(output_.get(), nullptr);
    if (!stream_) {
        throw std::runtime_error("cannot add a video stream");
    }
    stream_->time_base = codec_->time_base;
    checkAv(avcodec_parameters_from_context(stream_->codecpar, codec_.get()), "cannot describe the video stream");
    checkAv(avio_open(&output_->pb, file.c_str(), AVIO_FLAG_WRITE), "cannot create " + file.string());
    checkAv(avformat_write_header(output_.get(), nullptr), "cannot write the AVI header");
}

void AviEncoder::write(const art::RgbImage& picture) {
    AVFrame* frame = converter_.convert(picture);
    frame->pts = nextFrame_++;
    // A fixed quantiser is taken from each frame, not from the context.
    frame->quality = codec_->global_quality;
    send(frame);
}

void AviEncoder::finish() {
    send(nullptr);
    checkAv(av_write_trailer(output_.get()), "cannot finish the AVI file");
    checkAv(avio_closep(&output_->pb), "cannot close the AVI file");
}

// Hands a frame (or the end of input) to the encoder and muxes whatever comes out.
void AviEncoder::send(const AVFrame* frame) {
    checkAv(avcodec_send_frame(codec_.get(), frame), "cannot encode a frame");
    for (;;) {
        const int received = avcodec_receive_packet(codec_.get(), packet_.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) {
            return;
        }
        checkAv(received, "cannot encode a frame");
        av_packet_rescale_ts(packet_.get(), codec_->time_base, stream_->time_base);
        packet_->stream_index = stream_->index;
        checkAv(av_interleaved_write_frame(output_.get(), packet_.get()), "cannot write a frame");
    }
}

}  // namespace video
