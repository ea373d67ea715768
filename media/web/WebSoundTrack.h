#pragma once
#include <functional>

#include "media/MediaTrack.h"
#include "media/PlayClock.h"
#include "media/web/SoundOutput.h"

// A wave or MIDI piece playing on the page's sound output, timed on the
// loop's clock as the output plays it in real time. Stopping holds it where
// it stands, so playing again goes on from there; a play while it sounds,
// or once it has played out, changes nothing (a played-out sound waits for
// a rewind).
class WebSoundTrack : public MediaTrack {
public:
    using Clock = std::function<std::uint64_t()>;
    WebSoundTrack(SoundOutput& output, SoundOutput::Sound sound, std::uint64_t length, Clock clock);
    ~WebSoundTrack() override;
    WebSoundTrack(const WebSoundTrack&) = delete;
    WebSoundTrack& operator=(const WebSoundTrack&) = delete;

    std::uint64_t length() const override { return playClock_.length(); }
    std::uint64_t position() override { return playClock_.position(clock_()); }
    bool playing() override { return playClock_.playing(clock_()); }
    MediaService::Result rewind() override;
    MediaService::Result play() override;
    MediaService::Result stop() override;

private:
    SoundOutput& output_;
    SoundOutput::Sound sound_;
    Clock clock_;
    PlayClock playClock_;
};
