#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "frame/Bitmap.h"
#include "media/VideoSource.h"

class FfmpegLibrary;
struct AVFormatContext;
struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

// The pictures of a video file in order, decoded as they come due. The
// video library stays loaded while a decoder lives.
class VideoDecoder : public VideoSource {
public:
    // Throws std::runtime_error when the file holds no decodable video or
    // the library cannot be loaded.
    explicit VideoDecoder(const std::string& fileName);
    ~VideoDecoder() override;
    VideoDecoder(const VideoDecoder&) = delete;
    VideoDecoder& operator=(const VideoDecoder&) = delete;

    // A decoder of the file, thrown for as the constructor does.
    static std::unique_ptr<VideoSource> open(const std::string& fileName);

    const Bitmap& pictureAt(std::uint64_t ms) override;
    // The time the next picture is due, decoding it; none past the end.
    std::optional<std::uint64_t> nextPictureTime();
    // Makes that next picture the current one, and returns it.
    const Bitmap& takeNextPicture();
    void rewind() override;
    std::uint32_t frameInterval() const override;
    // Every picture's size, known from the file before any is decoded.
    int width() const { return picture_.width; }
    int height() const { return picture_.height; }
    std::uint64_t length() const override;

private:
    void release();
    bool decodeNext();
    std::uint64_t milliseconds(std::int64_t timestamp) const;
    void convert();

    // First, so that it is unloaded last.
    std::unique_ptr<FfmpegLibrary> av_;
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
