#include "frame/Color.h"

namespace {

constexpr Rgb swapRedBlue(std::uint32_t v) { return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF); }

Rgb systemRgb(TColor color) {
    switch (color) {
    case clBackground: return 0x3A6EA5;
    case clWindow: return 0xFFFFFF;
    case clWindowText: return 0x000000;
    case clBtnShadow: return 0x808080;
    case clBtnText: return 0x000000;
    case clBtnHighlight: return 0xFFFFFF;
    case clInfoText: return 0x000000;
    case clInfoBk: return 0xFFFFE1;
    default: return 0xD4D0C8;  // button face and every other scheme colour
    }
}

}  // namespace

Rgb colorToRgb(TColor color) {
    if (color & kSystemColor) return systemRgb(color);
    if (color == clDefault || color == clNone) return systemRgb(clBtnFace);
    return swapRedBlue(color);
}
