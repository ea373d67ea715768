#include "AvError.h"

extern "C" {
#include <libavutil/error.h>
}

#include <stdexcept>

namespace video {

int checkAv(int result, const std::string& what) {
    if (result < 0) {
        char reason[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(result, reason, sizeof reason);
        throw std::runtime_error(what + ": " + reason);
    }
    return result;
}

}  // namespace video
