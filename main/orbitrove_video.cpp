// The game's video decoder, run by the game as a process of its own
// (media/VideoProcess): orbitrove-video FILE writes FILE's pictures to its
// standard output.
#include <unistd.h>

#include <cstdio>

#include "media/VideoServer.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: orbitrove-video FILE\n", stderr);
        return 2;
    }
    return serveVideo(argv[1], STDOUT_FILENO);
}
