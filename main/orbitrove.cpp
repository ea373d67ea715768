#include <csignal>
#include <iostream>

#include "frame/sdl/SdlPlatform.h"
#include "media/SdlMediaService.h"
#include "screens/Program.h"

int main(int, char** argv) {
    // A line that cannot be said (standard error a closed pipe) is dropped;
    // the game plays on.
    std::signal(SIGPIPE, SIG_IGN);
    std::unique_ptr<SdlPlatform> platform;
    try {
        platform = std::make_unique<SdlPlatform>("data/icons/orbitrove-64.png");
    } catch (const NoDisplayError& error) {
        std::cerr << "orbitrove: cannot open a display: " << error.what() << '\n';
        return 1;
    }
    Program program(*platform, argv[0], [](Scheduler& loop) {
        auto media = std::make_unique<SdlMediaService>(loop);
        if (!media->hasSound()) std::cerr << "orbitrove: no sound device can be opened; the game plays silently\n";
        return media;
    });
    if (!program.start(std::cerr)) return 1;
    program.application().run();
    return 0;
}
