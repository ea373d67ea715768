#pragma once
#include <cstdint>

#include "frame/Bitmap.h"

// The pictures of a video file in order, as they come due: decoded by the
// video library, or only the file's frame and length where none is built.
class VideoSource {
public:
    virtual ~VideoSource() = default;

    // The picture shown `ms` milliseconds after the start: the last one due
    // by then. Times before the current picture need a rewind first.
    virtual const Bitmap& pictureAt(std::uint64_t ms) = 0;
    virtual void rewind() = 0;
    // Milliseconds from one picture to the next.
    virtual std::uint32_t frameInterval() const = 0;
    // Milliseconds the file says it lasts; 0 when it does not say.
    virtual std::uint64_t length() const = 0;
};
