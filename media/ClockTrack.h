#pragma once
#include <functional>

#include "media/MediaTrack.h"
#include "media/PlayClock.h"

// A sound that only keeps time: it plays for the file's length on the given
// millisecond clock. With `refusal` set it cannot play and answers that.
class ClockTrack : public MediaTrack {
public:
    using Clock = std::function<std::uint64_t()>;
    ClockTrack(std::uint64_t length, Clock clock, MediaService::Result refusal = media_error::kNone)
        : clock_(std::move(clock)), playClock_(length), refusal_(refusal) {}

    std::uint64_t length() const override { return playClock_.length(); }
    std::uint64_t position() override { return playClock_.position(clock_()); }
    bool playing() override { return playClock_.playing(clock_()); }
    MediaService::Result rewind() override;
    MediaService::Result play() override;
    MediaService::Result stop() override;

private:
    Clock clock_;
    PlayClock playClock_;
    MediaService::Result refusal_;
};
