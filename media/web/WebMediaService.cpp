#include "media/web/WebMediaService.h"

#include "media/ClockTrack.h"
#include "media/MidiFile.h"
#include "media/VideoTrack.h"
#include "media/web/WebSoundTrack.h"

MediaService::Result WebMediaService::openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) {
    MediaFacts facts = probeMedia(fileName, reader_);
    if (facts.error) return facts.error;
    if (facts.kind == MediaKind::Video) {
        track = std::make_unique<VideoTrack>(std::move(facts.video), fileName, facts.length, loop_, reader_.video);
        return media_error::kNone;
    }
    if (facts.kind == MediaKind::Wave && !output_.decoded(fileName)) return media_error::kDamagedFile;
    if (output_.rate() == 0)
        track = std::make_unique<ClockTrack>(
            facts.length, [this] { return loop_.now(); }, media_error::kNoSoundDevice);
    else track = soundTrack(fileName, facts);
    return media_error::kNone;
}

// A piece ends after as many frames as its length at the output's rate,
// as on the sound card.
std::unique_ptr<MediaTrack> WebMediaService::soundTrack(const std::string& fileName, const MediaFacts& facts) {
    auto clock = [this] { return loop_.now(); };
    if (facts.kind == MediaKind::Wave)
        return std::make_unique<WebSoundTrack>(output_, output_.openWave(fileName), facts.length, clock);
    std::uint64_t frames = facts.length * static_cast<std::uint64_t>(output_.rate()) / 1000;
    SoundOutput::Sound piece = output_.openMusic(MidiFile::announcedBytes(fileName), frames);
    return std::make_unique<WebSoundTrack>(output_, piece, framesToMilliseconds(frames, output_.rate()), clock);
}
