#include "Catalogue.h"

#include "BmpWriter.h"
#include "Pictures.h"
#include "PngWriter.h"
#include "SdlLettering.h"

#include <string>

namespace art {

void writeAppIcons(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const PngWriter out(folder);
    for (const int size : kAppIconSizes) out.write("orbitrove-" + std::to_string(size) + ".png", drawAppIcon(size));
}

void writeAllPictures(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const BmpWriter out(folder);
    const SdlLettering lettering;
    out.writeTrueColor("background.bmp", drawBackground());
    out.writeTrueColor("ship.bmp", drawShip());
    out.writeTrueColor("crate.bmp", drawCrate());
    out.writeTrueColor("station.bmp", drawStation());
    out.writeIndexed("quit.bmp", drawQuitIcon(), 4);
    out.writeIndexed("pause.bmp", drawPauseIcon(), 4);
    out.writeIndexed("title.bmp", drawTitle(lettering), 8);
    out.writeIndexed("publisher.bmp", drawPublisher(lettering), 8);
    out.writeTrueColor("help.bmp", drawHelpGlyph());
    out.writeTrueColor("help_disabled.bmp", drawDisabledHelpGlyph());
    out.writeTrueColor("space.bmp", drawSpace());
    out.writeTrueColor("logo.bmp", drawLogo(lettering));
    out.writeTrueColor("start.bmp", drawStartButton(lettering));
    out.writeTrueColor("start_lit.bmp", drawLitStartButton(lettering));
    out.writeTrueColor("radiation.bmp", drawRadiationSign());
    out.writeTrueColor("title_small.bmp", drawSmallTitle(lettering));
    writeAppIcons(folder / "icons");
}

}  // namespace art
