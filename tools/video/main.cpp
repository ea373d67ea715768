// Draws the title screen's intro and encodes it as intro.avi in the folder
// given on the command line. Like the pictures, it depends only on this code,
// the installed fonts and the FFmpeg build, so reruns reproduce it exactly.

#include "AviEncoder.h"
#include "IntroScene.h"
#include "art/SdlLettering.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: orbitrove-videogen DATA_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        const art::SdlLettering lettering;
        const video::IntroScene intro(lettering);
        video::AviEncoder out(folder / "intro.avi", video::IntroScene::kFormat);
        for (int i = 0; i < video::IntroScene::kFrameCount; ++i) {
            out.write(intro.frame(i));
        }
        out.finish();
    } catch (const std::exception& error) {
        std::cerr << "orbitrove-videogen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
