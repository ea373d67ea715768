#include "media/MediaErrors.h"

namespace media_error {

std::string text(MediaService::Result error) {
    switch (error) {
    case kFileNotFound: return "The media file cannot be found. Check its folder and name.";
    case kUnsupportedType: return "No media device plays files of this kind.";
    case kDamagedFile: return "The media file is damaged or in a format the device cannot read.";
    case kNoSoundDevice: return "No sound device is available.";
    case kBadDevice: return "The media device is not open.";
    case kNoVideo: return "The media file has no picture to show.";
    case kNoTimer: return "Not enough timers available";
    case kFileUnreadable: return "The media file cannot be read. Check its permissions.";
    default: return {};
    }
}

}  // namespace media_error
