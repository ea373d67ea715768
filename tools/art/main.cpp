// Draws every picture the game loads and writes them as bitmaps into the
// folder given on the command line. The output depends on nothing but this
// code and the installed fonts, so rerunning it reproduces data/ exactly.

#include "Catalogue.h"

#include <exception>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: orbitrove-artgen DATA_FOLDER\n";
        return 2;
    }
    try {
        art::writeAllPictures(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "orbitrove-artgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
