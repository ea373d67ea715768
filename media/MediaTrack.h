#pragma once
#include <cstdint>

#include "media/MediaErrors.h"
#include "media/MediaService.h"

// One open media file on a device of the service; times in milliseconds.
class MediaTrack {
public:
    virtual ~MediaTrack() = default;
    virtual std::uint64_t length() const = 0;
    virtual std::uint64_t position() = 0;
    // Sounding (or showing) right now.
    virtual bool playing() = 0;
    virtual MediaService::Result rewind() = 0;
    virtual MediaService::Result play() = 0;
    virtual MediaService::Result stop() = 0;
    virtual bool hasVideo() const { return false; }
    virtual MediaService::Result setDisplay(ContentHost&) { return media_error::kNoVideo; }
};
