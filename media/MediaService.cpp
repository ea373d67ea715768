#include "media/MediaService.h"

#include <stdexcept>

namespace {
MediaService* current = nullptr;
}

MediaService& mediaService() {
    if (!current) throw std::logic_error("no multimedia service has been set up");
    return *current;
}

void setMediaService(MediaService* service) { current = service; }
