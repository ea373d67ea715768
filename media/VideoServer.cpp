#include "media/VideoServer.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "media/OpeningFile.h"
#include "media/VideoDecoder.h"
#include "media/VideoPipe.h"

int serveVideo(const std::string& fileName, int fd) {
    try {
        // The open's own error says what went wrong; the library's lines would repeat it.
        auto opening = std::make_unique<OpeningFile>();
        VideoDecoder decoder(fileName);
        opening.reset();
        VideoPipeHeader header;
        header.width = static_cast<std::uint32_t>(decoder.width());
        header.height = static_cast<std::uint32_t>(decoder.height());
        header.frameInterval = decoder.frameInterval();
        header.length = decoder.length();
        if (!writeWhole(fd, &header, sizeof header)) return 0;
        while (std::optional<std::uint64_t> at = decoder.nextPictureTime()) {
            const Bitmap& picture = decoder.takeNextPicture();
            if (!writeWhole(fd, &*at, sizeof *at) ||
                !writeWhole(fd, picture.pixels.data(), picture.pixels.size() * sizeof(Rgb)))
                return 0;
        }
        return 0;
    } catch (const std::runtime_error& error) {
        std::fprintf(stderr, "orbitrove-video: %s\n", error.what());
        return 1;
    }
}
