#include "media/VideoTrack.h"

#include <stdexcept>

#include "media/LibraryLog.h"

// A video opened and not yet played keeps its decoder: the title screen
// plays its intro as soon as it opens it, and loading the library twice
// would cost the start-up tens of milliseconds.
VideoTrack::VideoTrack(std::unique_ptr<VideoDecoder> decoder, std::string fileName, std::uint64_t length,
                       Scheduler& loop)
    : fileName_(std::move(fileName)),
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
        decoder_ = std::make_unique<VideoDecoder>(fileName_);
        return true;
    } catch (const std::runtime_error&) {
        return false;
    }
}

void VideoTrack::setAside() {
    if (!decoder_) return;
    stillAt_ = position();
    still_ = decoder_->pictureAt(stillAt_);
    decoder_.reset();
}

const Bitmap& VideoTrack::picture() {
    if (!decoder_ && position() != stillAt_) reopen();
    if (!playing()) setAside();
    return decoder_ ? decoder_->pictureAt(position()) : still_;
}

MediaService::Result VideoTrack::rewind() {
    clock_.rewind();
    if (decoder_) decoder_->rewind();
    loop_.stop(*this);
    if (display_) display_->contentChanged();
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
    setAside();
    return media_error::kNone;
}

// Drawn at its own size from the top-left corner; the canvas clips it.
void VideoTrack::paint(Canvas& canvas) { canvas.drawBitmap(picture(), 0, 0, false); }

void VideoTrack::tick() {
    if (!playing()) {
        loop_.stop(*this);
        setAside();
    } else if (!display_->showing()) {
        setAside();
    }
    display_->contentChanged();
}
