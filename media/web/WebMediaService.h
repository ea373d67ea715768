#pragma once
#include "frame/Scheduler.h"
#include "media/MediaFacts.h"
#include "media/TrackMediaService.h"
#include "media/web/SoundOutput.h"

// The multimedia service of the browser build: sounds play on the page's
// sound output (waves the page decoded, MIDI pieces on its synthesizer),
// timed on the loop's clock; videos draw into their display on the loop,
// their pictures from `reader`'s opener. Files are measured as the builds
// without the media libraries measure them (`reader`'s waves, every MIDI
// piece by its tempo map), so the lengths are the simulator's; a wave the
// page could not decode is damaged. Without sound, files still open and
// play requests for sounds fail quietly, as on a desktop without a sound
// device. Every track goes with the service, which must go before `loop`
// and `output`.
class WebMediaService : public TrackMediaService {
public:
    WebMediaService(Scheduler& loop, SoundOutput& output, const MediaReader& reader)
        : loop_(loop), output_(output), reader_(reader) {}
    ~WebMediaService() override { closeAll(); }

protected:
    Result openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) override;

private:
    std::unique_ptr<MediaTrack> soundTrack(const std::string& fileName, const MediaFacts& facts);

    Scheduler& loop_;
    SoundOutput& output_;
    MediaReader reader_;
};
