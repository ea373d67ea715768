#pragma once
#include <memory>
#include <string>

#include "media/VideoSource.h"

// A video known only by its AVI header, for builds without the video
// library: it lasts and ticks as the file says, and every picture is black,
// at the video's size.
class BlankVideo : public VideoSource {
public:
    // Throws std::runtime_error when the file has no AVI header with a
    // video stream, or a frame beyond the largest picture taken.
    explicit BlankVideo(const std::string& fileName);

    // A blank video of the file, thrown for as the constructor does.
    static std::unique_ptr<VideoSource> open(const std::string& fileName);
    // How much of the file's start a blank video reads: through its first
    // header list, whatever comes before it; the file's whole size when it
    // has none (no AVI file, or a damaged one), 0 when it cannot be read.
    // The file cut there opens as the whole file does.
    static std::uint64_t headerSize(const std::string& fileName);

    const Bitmap& pictureAt(std::uint64_t) override { return picture_; }
    void rewind() override {}
    std::uint32_t frameInterval() const override { return frameInterval_; }
    std::uint64_t length() const override { return length_; }

private:
    Bitmap picture_;
    std::uint32_t frameInterval_ = 0;
    std::uint64_t length_ = 0;
};
