#include "media/VideoDecoder.h"

#include <algorithm>
#include <stdexcept>

#include "media/FfmpegLibrary.h"

VideoDecoder::VideoDecoder(const std::string& fileName) : av_(std::make_unique<FfmpegLibrary>()) {
    const AVCodec* decoder = nullptr;
    if (av_->avformat_open_input(&format_, fileName.c_str(), nullptr, nullptr) < 0)
        throw std::runtime_error("cannot read " + fileName);
    if (av_->avformat_find_stream_info(format_, nullptr) < 0 ||
        (stream_ = av_->av_find_best_stream(format_, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0)) < 0) {
        release();
        throw std::runtime_error("no video in " + fileName);
    }
    codec_ = av_->avcodec_alloc_context3(decoder);
    av_->avcodec_parameters_to_context(codec_, format_->streams[stream_]->codecpar);
    codec_->thread_count = 1;
    frame_ = av_->av_frame_alloc();
    packet_ = av_->av_packet_alloc();
    if (av_->avcodec_open2(codec_, decoder, nullptr) < 0) {
        release();
        throw std::runtime_error("cannot decode " + fileName);
    }
    picture_ = {codec_->width, codec_->height,
                std::vector<Rgb>(static_cast<std::size_t>(codec_->width) * codec_->height)};
    rgb_ = av_->av_frame_alloc();
    rgb_->format = AV_PIX_FMT_BGR0;
    rgb_->width = codec_->width;
    rgb_->height = codec_->height;
    if (av_->av_frame_get_buffer(rgb_, 0) < 0) {
        release();
        throw std::runtime_error("no memory for the pictures of " + fileName);
    }
}

VideoDecoder::~VideoDecoder() { release(); }

std::unique_ptr<VideoSource> VideoDecoder::open(const std::string& fileName) {
    return std::make_unique<VideoDecoder>(fileName);
}

void VideoDecoder::release() {
    av_->sws_freeContext(scaler_);
    scaler_ = nullptr;
    av_->av_packet_free(&packet_);
    av_->av_frame_free(&frame_);
    av_->av_frame_free(&rgb_);
    av_->avcodec_free_context(&codec_);
    av_->avformat_close_input(&format_);
}

std::uint64_t VideoDecoder::milliseconds(std::int64_t timestamp) const {
    if (timestamp == AV_NOPTS_VALUE || timestamp < 0) return 0;
    return static_cast<std::uint64_t>(av_->av_rescale_q(timestamp, format_->streams[stream_]->time_base, {1, 1000}));
}

// Takes the next picture from the decoder, feeding it packets as it asks.
bool VideoDecoder::decodeNext() {
    while (true) {
        int received = av_->avcodec_receive_frame(codec_, frame_);
        if (received == 0) return true;
        if (received != AVERROR(EAGAIN) || drained_) return false;
        int read = av_->av_read_frame(format_, packet_);
        if (read < 0) {
            drained_ = true;
            av_->avcodec_send_packet(codec_, nullptr);
        } else {
            if (packet_->stream_index == stream_) av_->avcodec_send_packet(codec_, packet_);
            av_->av_packet_unref(packet_);
        }
    }
}

// The scaler writes whole vector blocks past a row's end, so it fills a
// padded frame of its own and the picture takes the rows from there.
void VideoDecoder::convert() {
    scaler_ = av_->sws_getCachedContext(scaler_, frame_->width, frame_->height,
                                        static_cast<AVPixelFormat>(frame_->format), picture_.width, picture_.height,
                                        AV_PIX_FMT_BGR0, SWS_POINT, nullptr, nullptr, nullptr);
    av_->sws_scale(scaler_, frame_->data, frame_->linesize, 0, frame_->height, rgb_->data, rgb_->linesize);
    for (int y = 0; y < picture_.height; ++y) {
        const auto* row = reinterpret_cast<const std::uint8_t*>(rgb_->data[0] + y * rgb_->linesize[0]);
        Rgb* out = &picture_.pixels[static_cast<std::size_t>(y) * picture_.width];
        for (int x = 0; x < picture_.width; ++x, row += 4) out[x] = Rgb{row[2]} << 16 | Rgb{row[1]} << 8 | row[0];
    }
}

const Bitmap& VideoDecoder::pictureAt(std::uint64_t ms) {
    for (std::optional<std::uint64_t> at = nextPictureTime(); at && *at <= ms; at = nextPictureTime())
        takeNextPicture();
    return picture_;
}

std::optional<std::uint64_t> VideoDecoder::nextPictureTime() {
    if (!pending_) {
        if (!decodeNext()) return std::nullopt;
        pending_ = true;
        pendingAt_ = milliseconds(frame_->best_effort_timestamp);
    }
    return pendingAt_;
}

const Bitmap& VideoDecoder::takeNextPicture() {
    if (nextPictureTime()) {
        convert();
        pending_ = false;
    }
    return picture_;
}

std::uint32_t VideoDecoder::frameInterval() const {
    AVRational rate = format_->streams[stream_]->avg_frame_rate;
    if (rate.num <= 0 || rate.den <= 0) return 40;
    return static_cast<std::uint32_t>(std::max<std::int64_t>(1, av_->av_rescale(1000, rate.den, rate.num)));
}

std::uint64_t VideoDecoder::length() const {
    return format_->duration > 0 ? static_cast<std::uint64_t>(format_->duration / (AV_TIME_BASE / 1000)) : 0;
}

void VideoDecoder::rewind() {
    av_->av_seek_frame(format_, stream_, 0, AVSEEK_FLAG_BACKWARD);
    av_->avcodec_flush_buffers(codec_);
    drained_ = false;
    pending_ = false;
}
