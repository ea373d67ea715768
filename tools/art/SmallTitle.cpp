#include "Pictures.h"

#include "Flatten.h"
#include "FontLocator.h"
#include "MetalLettering.h"

namespace art {

namespace {

constexpr int kWidth = 83;
constexpr int kHeight = 21;

// Too small for an outline or bevel: a plain bronze gradient keeps it legible.
constexpr MetalFinish kBronze{
    {hexColor(0xFFD9A0), hexColor(0xF0A860), hexColor(0xD0803A), hexColor(0xB0642A), hexColor(0xC87838)}, 0.0f, {}, 0};

}  // namespace

RgbImage drawSmallTitle(const SdlLettering& lettering) {
    const Grid<float> ink =
        lettering.renderToFit(locateFont("Liberation Serif:bold"), "Orbitrove", kWidth - 2, kHeight - 2);
    Raster raster(kWidth, kHeight);
    drawMetalLettering(raster, ink, (kWidth - ink.width()) / 2, (kHeight - ink.height()) / 2, kBronze);
    return flattenOnBlackKey(raster);
}

}  // namespace art
