#include "media/VideoServer.h"

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "frame/FileAccess.h"
#include "media/FfmpegLibrary.h"
#include "media/OpeningFile.h"
#include "media/VideoDecoder.h"
#include "media/VideoPipe.h"

int serveVideo(const std::string& fileName, int fd) {
    try {
        // The libraries stay loaded until the process ends: unloading them
        // first would only cost time, and would leave what they allocated
        // for their own life unreachable, which the leak checker reports.
        static const FfmpegLibrary* const staysLoaded = new FfmpegLibrary();
        (void)staysLoaded;
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
