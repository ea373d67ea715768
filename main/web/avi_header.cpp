// Writes the start of an AVI file that the program reads of it (its header,
// BlankVideo::headerSize) as a file of its own, which the site serves in the
// video's place: the browser plays the video's WebM version, and the program
// opens this as it would the whole file.
// Usage: node orbitrove-avi-header.js VIDEO.avi OUT.avi
#include <fstream>
#include <iostream>
#include <vector>

#include "media/BlankVideo.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: orbitrove-avi-header VIDEO.avi OUT.avi\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<char> header(BlankVideo::headerSize(argv[1]));
    in.read(header.data(), static_cast<std::streamsize>(header.size()));
    std::ofstream out(argv[2], std::ios::binary);
    out.write(header.data(), static_cast<std::streamsize>(header.size()));
    if (in && out) return 0;
    std::cerr << "orbitrove-avi-header: cannot copy the header of " << argv[1] << " to " << argv[2] << '\n';
    return 1;
}
