#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "frame/Bitmap.h"

struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

// The pictures of a video file in order, decoded as they come due.
class VideoDecoder {
public:
    // Throws std::runtime_error when the file holds no decodable video.
    explicit VideoDecoder(const std::string& fileName);
    ~VideoDecoder();
    VideoDecoder(const VideoDecoder&) = delete;
    VideoDecoder& operator=(const VideoDecoder&) = delete;

    // The picture shown `ms` milliseconds after the start: the last one due
    // by then. Times before the current picture need a rewind first.
    const Bitmap& pictureAt(std::uint64_t ms);
    void rewind();
    // Milliseconds from one picture to the next.
    std::uint32_t frameInterval() const;

private:
    void release();
    bool decodeNext();
    std::uint64_t milliseconds(std::int64_t timestamp) const;
    void convert();

    AVFormatContext* format_ = nullptr;
    AVCodecContext* codec_ = nullptr;
    AVFrame* frame_ = nullptr;
    AVFrame* rgb_ = nullptr;
    AVPacket* packet_ = nullptr;
    SwsContext* scaler_ = nullptr;
    int stream_ = -1;
    bool drained_ = false;
    Bitmap picture_;
    // The next decoded picture, held until it comes due.
    bool pending_ = false;
    std::uint64_t pendingAt_ = 0;
};
