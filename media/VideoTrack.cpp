#include "media/VideoTrack.h"

#include <stdexcept>

#include "media/OpeningFile.h"

// A video opened and not yet played keeps its decoder: the title screen
// plays its intro as soon as it opens it, and loading the library twice
// would cost the start-up tens of milliseconds.
VideoTrack::VideoTrack(std::unique_ptr<VideoSource> decoder, std::string fileName, std::uint64_t length,
                       Scheduler& loop, VideoOpener reopen)
    : fileName_(std::move(fileName)),
      open_(reopen),
      decoder_(std::move(decoder)),
      frameInterval_(decoder_->frameInterval()),
      clock_(length),
      loop_(loop) {}

// The display outlives the track: the player that opened the track closes
// it before its screen's controls go.
VideoTrack::~VideoTrack() {
    loop_.stop(*this);
    if (display_) display_->setContent(nullptr);
}

// False when the loop has no timer left for the frame ticks.
bool VideoTrack::startTicks() {
    if (!display_ || loop_.running(*this)) return true;
    return loop_.start(*this, frameInterval_);
}

MediaService::Result VideoTrack::setDisplay(ContentHost& display) {
    loop_.stop(*this);
    if (display_) display_->setContent(nullptr);
    display_ = &display;
    display_->setContent(this);
    if (playing() && !startTicks()) {
        stop();
        return media_error::kNoTimer;
    }
    return media_error::kNone;
}

bool VideoTrack::reopen() {
    try {
        OpeningFile opening;
        decoder_ = open_(fileName_);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

// Brings the held picture to the position, opening the file anew when the
// decoder was let go; a file that can no longer be read keeps the last one.
void VideoTrack::refresh() {
    std::uint64_t at = position();
    if (shownAt_ == at) return;
    if (decoder_ || reopen()) shown_ = decoder_->pictureAt(at);
    shownAt_ = at;
    display_->contentChanged();
}

// The first picture comes with the next tick, which also lets the decoder
// go if nothing plays by then.
MediaService::Result VideoTrack::rewind() {
    clock_.rewind();
    if (decoder_) decoder_->rewind();
    shownAt_.reset();
    loop_.stop(*this);
    (void)startTicks();  // refused: the picture held stays until the next play
    return media_error::kNone;
}

// A video that could not follow its frames would freeze on one picture
// while its clock ran on, so it does not start at all.
MediaService::Result VideoTrack::play() {
    if (!decoder_ && !reopen()) return media_error::kDamagedFile;
    if (!startTicks()) return media_error::kNoTimer;
    clock_.run(loop_.now());
    return media_error::kNone;
}

MediaService::Result VideoTrack::stop() {
    clock_.halt(loop_.now());
    loop_.stop(*this);
    if (seen()) refresh();
    decoder_.reset();
    return media_error::kNone;
}

// Drawn at its own size from the top-left corner; the canvas clips it. A
// held picture that is not the position's (the track moved on unseen) is
// brought up to date by the next tick, never here.
void VideoTrack::paint(Canvas& canvas) {
    if (shownAt_ != position()) (void)startTicks();
    canvas.drawBitmap(shown_, 0, 0, false);
}

// Unseen, a playing video needs no ticks: its clock runs on without them,
// and the paint that shows it again asks for them.
void VideoTrack::tick() {
    if (seen()) refresh();
    if (playing() && seen()) return;
    loop_.stop(*this);
    decoder_.reset();
}
