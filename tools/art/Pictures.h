#pragma once

#include "Grid.h"
#include "Raster.h"
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
// The program's icon for the desktop's menus, size x size pixels with an alpha channel.
Raster drawAppIcon(int size);

}  // namespace art
