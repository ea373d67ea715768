// Draws every picture the game loads and writes them as bitmaps into the
// folder given on the command line. The output depends on nothing but this
// code and the installed fonts, so rerunning it reproduces data/ exactly.

#include "BmpWriter.h"
#include "Pictures.h"
#include "SdlLettering.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::cerr << "usage: orbitrove-artgen DATA_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        const art::BmpWriter out(folder);
        const art::SdlLettering lettering;
        out.writeTrueColor("background.bmp", art::drawBackground());
        out.writeTrueColor("ship.bmp", art::drawShip());
        out.writeTrueColor("crate.bmp", art::drawCrate());
        out.writeTrueColor("station.bmp", art::drawStation());
        out.writeIndexed("quit.bmp", art::drawQuitIcon(), 4);
        out.writeIndexed("pause.bmp", art::drawPauseIcon(), 4);
        out.writeIndexed("title.bmp", art::drawTitle(lettering), 8);
        out.writeIndexed("publisher.bmp", art::drawPublisher(lettering), 8);
        out.writeTrueColor("help.bmp", art::drawHelpGlyph());
        out.writeTrueColor("help_disabled.bmp", art::drawDisabledHelpGlyph());
    } catch (const std::exception& error) {
        std::cerr << "orbitrove-artgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
