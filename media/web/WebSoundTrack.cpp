#include "media/web/WebSoundTrack.h"

WebSoundTrack::WebSoundTrack(SoundOutput& output, SoundOutput::Sound sound, std::uint64_t length, Clock clock)
    : output_(output), sound_(sound), clock_(std::move(clock)), playClock_(length) {}

WebSoundTrack::~WebSoundTrack() { output_.close(sound_); }

MediaService::Result WebSoundTrack::rewind() {
    output_.rewind(sound_);
    playClock_.rewind();
    return media_error::kNone;
}

MediaService::Result WebSoundTrack::play() {
    std::uint64_t now = clock_();
    if (playClock_.playing(now) || playClock_.position(now) == length()) return media_error::kNone;
    output_.play(sound_, playClock_.position(now));
    playClock_.run(now);
    return media_error::kNone;
}

// A sound that has played out has stopped on its own.
MediaService::Result WebSoundTrack::stop() {
    std::uint64_t now = clock_();
    if (playClock_.playing(now)) output_.stop(sound_);
    playClock_.halt(now);
    return media_error::kNone;
}
