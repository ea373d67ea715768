#pragma once
#include <memory>
#include <optional>
#include <string>

#include "frame/ContentHost.h"
#include "frame/Scheduler.h"
#include "media/MediaFacts.h"
#include "media/MediaTrack.h"
#include "media/PlayClock.h"
#include "media/VideoDecoder.h"

// A video shown on a display while it plays: a ticker on the event loop
// decodes the picture due at the current position once a frame, into a
// picture the track holds, and asks the display to paint it; painting only
// draws what is held. Without a display it only keeps time. A decoder, and
// with it the video library, is held only while the track plays on a
// display that shows: stopped, played out or unseen, the track lets it go
// and keeps its picture, and opens the file anew when a picture it does not
// hold is wanted. Unseen, stopped or played out, nothing of it wakes the
// loop.
class VideoTrack : public MediaTrack, public WindowContent, public TimerQueue::Client {
public:
    // The decoder is the file's, open and measured by the probe; `reopen`
    // opens the file anew.
    VideoTrack(std::unique_ptr<VideoSource> decoder, std::string fileName, std::uint64_t length, Scheduler& loop,
               VideoOpener reopen = VideoDecoder::open);
    ~VideoTrack() override;

    std::uint64_t length() const override { return clock_.length(); }
    std::uint64_t position() override { return clock_.position(loop_.now()); }
    bool playing() override { return clock_.playing(loop_.now()); }
    MediaService::Result rewind() override;
    MediaService::Result play() override;
    MediaService::Result stop() override;
    bool hasVideo() const override { return true; }
    MediaService::Result setDisplay(ContentHost& display) override;

    void paint(Canvas& canvas) override;
    void tick() override;

private:
    bool startTicks();
    bool reopen();
    bool seen() const { return display_ && display_->showing(); }
    void refresh();

    std::string fileName_;
    VideoOpener open_;
    std::unique_ptr<VideoSource> decoder_;
    // The file's, kept for ticks while no decoder is open.
    std::uint32_t frameInterval_;
    // The picture painted, and the position it is due at; none at first.
    Bitmap shown_;
    std::optional<std::uint64_t> shownAt_;
    PlayClock clock_;
    Scheduler& loop_;
    ContentHost* display_ = nullptr;
};
