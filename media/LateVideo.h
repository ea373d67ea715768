#pragma once
#include <functional>
#include <future>
#include <memory>

#include "media/VideoSource.h"

// A video whose decoder opens on a thread of its own: loading the video
// library takes tens of milliseconds that the first window need not wait
// for. Until the decoder is there the video lasts and ticks as its header
// says and its pictures are blank; a file the decoder then refuses stays so.
class LateVideo : public VideoSource {
public:
    using Opening = std::function<std::unique_ptr<VideoSource>()>;
    // `header` is the file as its header tells it; `open` opens its decoder
    // (throwing std::runtime_error when it cannot), and starts at once.
    LateVideo(std::unique_ptr<VideoSource> header, Opening open);
    // Waits for an opening still under way.
    ~LateVideo() override;
    LateVideo(const LateVideo&) = delete;
    LateVideo& operator=(const LateVideo&) = delete;

    const Bitmap& pictureAt(std::uint64_t ms) override;
    void rewind() override;
    std::uint32_t frameInterval() const override { return header_->frameInterval(); }
    std::uint64_t length() const override { return header_->length(); }

    // Whether the decoder has opened and been taken over; never waits.
    bool decoding();

private:
    std::unique_ptr<VideoSource> header_;
    std::future<std::unique_ptr<VideoSource>> opening_;
    std::unique_ptr<VideoSource> decoder_;
};
