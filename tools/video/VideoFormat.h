#pragma once

namespace video {

struct VideoFormat {
    int width = 0;  // even: the chroma planes are half size
    int height = 0;
    int framesPerSecond = 0;
    int quantiser = 2;  // fixed MPEG-4 quantiser: 2 is the finest
};

}  // namespace video
