#include "media/VideoPipe.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {
constexpr std::uint32_t kMostPixelsAcross = 4096;
}  // namespace

bool VideoPipeHeader::valid() const {
    return std::memcmp(magic, VideoPipeHeader{}.magic, sizeof magic) == 0 && width > 0 && height > 0 &&
           width <= kMostPixelsAcross && height <= kMostPixelsAcross && frameInterval > 0;
}

bool readWhole(int fd, void* data, std::size_t size, std::chrono::steady_clock::time_point deadline) {
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
        auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd wait{fd, POLLIN, 0};
        int ready = poll(&wait, 1, static_cast<int>(std::max<std::int64_t>(0, left.count())));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        ssize_t got = read(fd, bytes, size);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}
