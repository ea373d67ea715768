// Synthesises the laser shot and composes the two pieces of music, writing
// them into the folder given on the command line. Everything is seeded and
// computed, so rerunning it reproduces data/ byte for byte.

#include "Sounds.h"

#include <exception>
#include <iostream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: orbitrove-soundgen DATA_FOLDER\n";
        return 2;
    }
    try {
        sound::writeSounds(argv[1]);
    } catch (const std::exception& error) {
        std::cerr << "orbitrove-soundgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
