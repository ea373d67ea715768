#include "media/LateVideo.h"

#include <stdexcept>

LateVideo::LateVideo(std::unique_ptr<VideoSource> header, Opening open)
    : header_(std::move(header)), opening_(std::async(std::launch::async, std::move(open))) {}

LateVideo::~LateVideo() {
    if (opening_.valid()) opening_.wait();
}

bool LateVideo::decoding() {
    if (opening_.valid() && opening_.wait_for(std::chrono::seconds(0)) == std::future_status::ready) {
        try {
            decoder_ = opening_.get();
        } catch (const std::runtime_error&) {
            // Refused: the pictures stay blank.
        }
    }
    return decoder_ != nullptr;
}

// Nothing was decoded before the decoder came, so it starts where a
// rewound one would.
const Bitmap& LateVideo::pictureAt(std::uint64_t ms) {
    return decoding() ? decoder_->pictureAt(ms) : header_->pictureAt(ms);
}

void LateVideo::rewind() {
    if (decoding()) decoder_->rewind();
}
