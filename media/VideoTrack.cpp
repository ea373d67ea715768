#include "media/VideoTrack.h"

VideoTrack::VideoTrack(std::unique_ptr<VideoDecoder> decoder, std::uint64_t length, Scheduler& loop)
    : decoder_(std::move(decoder)), clock_(length), loop_(loop) {}

// The display outlives the track: the player that opened the track closes
// it before its screen's controls go.
VideoTrack::~VideoTrack() {
    loop_.stop(*this);
    if (display_) display_->setContent(nullptr);
}

// False when the loop has no timer left for the frame ticks.
bool VideoTrack::startTicks() {
    if (!display_ || loop_.running(*this)) return true;
    return loop_.start(*this, decoder_->frameInterval());
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

MediaService::Result VideoTrack::rewind() {
    clock_.rewind();
    decoder_->rewind();
    loop_.stop(*this);
    if (display_) display_->contentChanged();
    return media_error::kNone;
}

// A video that could not follow its frames would freeze on one picture
// while its clock ran on, so it does not start at all.
MediaService::Result VideoTrack::play() {
    if (!startTicks()) return media_error::kNoTimer;
    clock_.run(loop_.now());
    return media_error::kNone;
}

MediaService::Result VideoTrack::stop() {
    clock_.halt(loop_.now());
    loop_.stop(*this);
    return media_error::kNone;
}

// Drawn at its own size from the top-left corner; the canvas clips it.
void VideoTrack::paint(Canvas& canvas) { canvas.drawBitmap(decoder_->pictureAt(position()), 0, 0, false); }

void VideoTrack::tick() {
    display_->contentChanged();
    if (!playing()) loop_.stop(*this);
}

std::unique_ptr<MediaTrack> openVideoTrack(const std::string& fileName, std::uint64_t length, Scheduler& loop) {
    try {
        return std::make_unique<VideoTrack>(std::make_unique<VideoDecoder>(fileName), length, loop);
    } catch (const std::runtime_error&) {
        return nullptr;
    }
}
