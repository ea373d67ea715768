#include "media/web/WebVideoSource.h"

#include <stdexcept>

#include "media/web/WebMediaGlue.h"

WebVideoSource::WebVideoSource(const std::string& fileName)
    : header_(fileName),
      picture_(header_.pictureAt(0)),
      video_(orbitrove_video_open(fileName.c_str(), picture_.width, picture_.height,
                                  static_cast<int>(header_.frameInterval()))) {
    if (video_ == 0) throw std::runtime_error("the browser cannot decode " + fileName);
}

WebVideoSource::~WebVideoSource() { orbitrove_video_close(video_); }

std::unique_ptr<VideoSource> WebVideoSource::open(const std::string& fileName) {
    return std::make_unique<WebVideoSource>(fileName);
}

const Bitmap& WebVideoSource::pictureAt(std::uint64_t ms) {
    (void)orbitrove_video_picture(video_, static_cast<double>(ms), picture_.pixels.data());
    return picture_;
}
