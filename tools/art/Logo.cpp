#include "Pictures.h"

#include "Flatten.h"
#include "FontLocator.h"
#include "MetalLettering.h"

#include <algorithm>
#include <stdexcept>

namespace art {

namespace {

constexpr int kWidth = 518;
constexpr int kHeight = 86;
constexpr int kLetterSize = 50;
// The radiation sign stands in for the "o": it covers columns 105..167 of the
// logo, round the empty slot 121..148, so the letters keep clear of its ring.
constexpr int kFrontLastColumn = 102;  // of "Ferr", outline included
constexpr int kBackFirstColumn = 171;  // of "wind", outline included
constexpr int kBaseline = 67;          // centres the capitals on the sign
constexpr int kOutline = 2;

constexpr MetalFinish kGlossyBronze{
    {hexColor(0xFFE2A8), hexColor(0xE89A48), hexColor(0x6A3210), hexColor(0xB8662A), hexColor(0xF2B066)},
    1.0f,
    hexColor(0x1E0C04),
    kOutline};

struct PlacedInk {
    Grid<float> ink;
    int left = 0;
    int top = 0;
};

// Lays both halves of the name on one baseline, the sign's slot between them.
PlacedInk nameInk(const SdlLettering& lettering) {
    const auto font = locateFont("Liberation Serif:bold");
    const LineInk front = lettering.renderOnBaseline(font, kLetterSize, "Ferr");
    const LineInk back = lettering.renderOnBaseline(font, kLetterSize, "wind");
    const int left = kFrontLastColumn - kOutline + 1 - front.ink.width();
    if (left < kOutline) {
        throw std::runtime_error("the logo's lettering does not fit before the sign");
    }
    const int backLeft = kBackFirstColumn + kOutline - left;
    const int top = kBaseline - std::max(front.baseline, back.baseline);
    const int bottom = kBaseline + std::max(front.ink.height() - front.baseline, back.ink.height() - back.baseline);
    PlacedInk name{Grid<float>(backLeft + back.ink.width(), bottom - top), left, top};
    auto place = [&](const LineInk& piece, int pieceLeft) {
        const int pieceTop = kBaseline - piece.baseline - top;
        for (int y = 0; y < piece.ink.height(); ++y) {
            for (int x = 0; x < piece.ink.width(); ++x) {
                name.ink.at(pieceLeft + x, pieceTop + y) = piece.ink.at(x, y);
            }
        }
    };
    place(front, 0);
    place(back, backLeft);
    return name;
}

}  // namespace

RgbImage drawLogo(const SdlLettering& lettering) {
    Raster raster(kWidth, kHeight);
    const PlacedInk name = nameInk(lettering);
    drawMetalLettering(raster, name.ink, name.left, name.top, kGlossyBronze);
    return flattenOnBlackKey(raster);
}

}  // namespace art
