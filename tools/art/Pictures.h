#pragma once

#include "Grid.h"
#include "SdlLettering.h"

namespace art {

RgbImage drawBackground();
RgbImage drawShip();
RgbImage drawCrate();
RgbImage drawStation();
RgbImage drawHelpGlyph();
RgbImage drawDisabledHelpGlyph();
IndexedImage drawQuitIcon();
IndexedImage drawPauseIcon();
IndexedImage drawTitle(const SdlLettering& lettering);
IndexedImage drawPublisher(const SdlLettering& lettering);
RgbImage drawSpace();
RgbImage drawLogo(const SdlLettering& lettering);
RgbImage drawStartButton(const SdlLettering& lettering);
RgbImage drawLitStartButton(const SdlLettering& lettering);
RgbImage drawRadiationSign();
RgbImage drawSmallTitle(const SdlLettering& lettering);

}  // namespace art
