#include "media/ClockTrack.h"

MediaService::Result ClockTrack::rewind() {
    playClock_.rewind();
    return media_error::kNone;
}

MediaService::Result ClockTrack::play() {
    if (refusal_) return refusal_;
    playClock_.run(clock_());
    return media_error::kNone;
}

MediaService::Result ClockTrack::stop() {
    playClock_.halt(clock_());
    return media_error::kNone;
}
