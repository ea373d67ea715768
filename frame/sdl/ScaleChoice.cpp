#include "frame/sdl/ScaleChoice.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr double kBaseDpi = 96;
// A desktop's scale never leaves less than this of logical screen: a
// display that reports a wrong physical size must not push the windows
// off the screen.
constexpr Size kSmallestScreen{640, 480};

}  // namespace

ScaleChoice::ScaleChoice(const char* requested, std::optional<double> dpi, Size display) {
    std::optional<int> asked = parse(requested);
    rejected_ = requested && !asked;
    scale_ = asked ? *asked : fromDpi(dpi, display);
}

std::optional<int> ScaleChoice::parse(const char* requested) {
    if (!requested) return std::nullopt;
    const char* end = requested + std::strlen(requested);
    int value = 0;
    auto [stop, error] = std::from_chars(requested, end, value);
    if (error != std::errc() || stop != end || value < 1 || value > kLargest) return std::nullopt;
    return value;
}

int ScaleChoice::fromDpi(std::optional<double> dpi, Size display) {
    if (!dpi || !std::isfinite(*dpi) || *dpi <= 0) return 1;
    int scale = static_cast<int>(std::lround(std::min(*dpi / kBaseDpi, double{kLargest})));
    if (display.width > 0 && display.height > 0)
        scale = std::min({scale, display.width / kSmallestScreen.width, display.height / kSmallestScreen.height});
    return std::max(scale, 1);
}
