#pragma once
#include <string>

#include "media/MediaService.h"

// The error codes both back ends answer, and their texts.
namespace media_error {
constexpr MediaService::Result kNone = 0;
constexpr MediaService::Result kFileNotFound = 1;
constexpr MediaService::Result kUnsupportedType = 2;
constexpr MediaService::Result kDamagedFile = 3;
constexpr MediaService::Result kNoSoundDevice = 4;
constexpr MediaService::Result kBadDevice = 5;
constexpr MediaService::Result kNoVideo = 6;
constexpr MediaService::Result kNoTimer = 7;
constexpr MediaService::Result kFileUnreadable = 8;

std::string text(MediaService::Result error);
}  // namespace media_error
