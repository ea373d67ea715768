#pragma once
#include <optional>

#include "frame/Geometry.h"

// The whole-number scale of every window, chosen once at start: the value
// of ORBITROVE_SCALE when it is one of 1 to 8, else the desktop's dots per
// inch over 96, rounded, at least 1.
class ScaleChoice {
public:
    static constexpr int kLargest = 8;

    // `requested` is ORBITROVE_SCALE (null when unset), `dpi` the desktop's
    // when it tells one, `display` the size of the first display.
    ScaleChoice(const char* requested, std::optional<double> dpi, Size display);

    int scale() const { return scale_; }
    // ORBITROVE_SCALE was set to something else than 1 to 8 and was ignored.
    bool rejected() const { return rejected_; }

private:
    static std::optional<int> parse(const char* requested);
    static int fromDpi(std::optional<double> dpi, Size display);

    int scale_ = 1;
    bool rejected_ = false;
};
