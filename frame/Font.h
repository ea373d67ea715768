#pragma once
#include <string>

#include "frame/Color.h"

// A font as the layouts name it. `height` is the em height in pixels.
struct TFont {
    std::string name = "MS Sans Serif";
    int height = 11;
    bool bold = false;
    TColor color = clWindowText;

    bool operator==(const TFont&) const = default;
};
