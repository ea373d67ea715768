#pragma once
#include "frame/Scheduler.h"
#include "media/MediaProbe.h"
#include "media/TrackMediaService.h"

// Plays media on the loop's clock without any device: a file opens when it
// can be read and plays for its real length in the clock's milliseconds;
// sounds are silent, videos draw into the offscreen canvas. The files are
// read by `reader`: the libraries' by default, or their headers alone where
// no library is built. Every track goes with the service, which must go
// before `loop`.
class HeadlessMediaService : public TrackMediaService {
public:
    explicit HeadlessMediaService(Scheduler& loop, const MediaReader& reader = kLibraryReader)
        : loop_(loop), reader_(reader) {}
    ~HeadlessMediaService() override { closeAll(); }

protected:
    Result openTrack(const std::string& fileName, std::unique_ptr<MediaTrack>& track) override;

private:
    Scheduler& loop_;
    MediaReader reader_;
};
