#pragma once
extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

// FFmpeg's libraries, loaded while one lives and unloaded when the last
// goes. Debian's builds of them pull in some ninety other libraries and
// 25 MB that are needed only while a video is decoded, so no program links
// them; the decoding process (orbitrove-video) and the simulator call them
// through these pointers.
class FfmpegLibrary {
public:
    // Throws std::runtime_error when a library or a function is missing.
    FfmpegLibrary();
    ~FfmpegLibrary();
    FfmpegLibrary(const FfmpegLibrary&) = delete;
    FfmpegLibrary& operator=(const FfmpegLibrary&) = delete;

    decltype(&::avformat_open_input) avformat_open_input = nullptr;
    decltype(&::avformat_find_stream_info) avformat_find_stream_info = nullptr;
    decltype(&::avformat_close_input) avformat_close_input = nullptr;
    decltype(&::av_find_best_stream) av_find_best_stream = nullptr;
    decltype(&::av_read_frame) av_read_frame = nullptr;
    decltype(&::av_seek_frame) av_seek_frame = nullptr;

    decltype(&::avcodec_alloc_context3) avcodec_alloc_context3 = nullptr;
    decltype(&::avcodec_parameters_to_context) avcodec_parameters_to_context = nullptr;
    decltype(&::avcodec_open2) avcodec_open2 = nullptr;
    decltype(&::avcodec_free_context) avcodec_free_context = nullptr;
    decltype(&::avcodec_send_packet) avcodec_send_packet = nullptr;
    decltype(&::avcodec_receive_frame) avcodec_receive_frame = nullptr;
    decltype(&::avcodec_flush_buffers) avcodec_flush_buffers = nullptr;
    decltype(&::av_packet_alloc) av_packet_alloc = nullptr;
    decltype(&::av_packet_free) av_packet_free = nullptr;
    decltype(&::av_packet_unref) av_packet_unref = nullptr;

    decltype(&::av_frame_alloc) av_frame_alloc = nullptr;
    decltype(&::av_frame_free) av_frame_free = nullptr;
    decltype(&::av_frame_get_buffer) av_frame_get_buffer = nullptr;
    decltype(&::av_rescale) av_rescale = nullptr;
    decltype(&::av_rescale_q) av_rescale_q = nullptr;

    decltype(&::sws_getCachedContext) sws_getCachedContext = nullptr;
    decltype(&::sws_scale) sws_scale = nullptr;
    decltype(&::sws_freeContext) sws_freeContext = nullptr;

private:
    void* open(const char* soname);
    void unload();

    // In the order they were loaded: each after those it needs.
    void* handles_[4] = {};
    int loaded_ = 0;
};
