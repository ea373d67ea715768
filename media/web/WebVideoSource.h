#pragma once
#include <memory>
#include <string>

#include "media/BlankVideo.h"

// A video's pictures as the browser decodes them (web_media.js): its length,
// frame interval and size are the file's AVI header's, as in the builds
// without the video library; each picture is the one the browser has
// decoded for the time asked, or, while it seeks there, the last one before.
class WebVideoSource : public VideoSource {
public:
    // Throws std::runtime_error when the file has no AVI header with a video
    // stream, or the page has no version of it that the browser decodes.
    explicit WebVideoSource(const std::string& fileName);
    ~WebVideoSource() override;
    WebVideoSource(const WebVideoSource&) = delete;
    WebVideoSource& operator=(const WebVideoSource&) = delete;

    static std::unique_ptr<VideoSource> open(const std::string& fileName);

    const Bitmap& pictureAt(std::uint64_t ms) override;
    // The page seeks to whatever time is asked next.
    void rewind() override {}
    std::uint32_t frameInterval() const override { return header_.frameInterval(); }
    std::uint64_t length() const override { return header_.length(); }

private:
    BlankVideo header_;
    Bitmap picture_;
    int video_;
};
