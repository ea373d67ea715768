#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "frame/StageLog.h"
#include "frame/sdl/SdlPlatform.h"
#include "media/SdlMediaService.h"
#include "screens/Program.h"

namespace {

// Runs the program to its end, with its exit status; the screens, their
// windows and the sound service are gone when it returns.
int play(SdlPlatform& platform, const char* executable, bool& soundAbandoned, StageLog& stages) {
    Program program(
        platform, executable,
        [&soundAbandoned, &stages](Scheduler& loop) {
            auto media = std::make_unique<SdlMediaService>(
                loop, [&soundAbandoned] { soundAbandoned = true; }, &stages);
            if (!media->hasSound()) std::cerr << "orbitrove: no sound device can be opened; the game plays silently\n";
            return media;
        },
        &stages);
    if (!program.start(std::cerr)) return 1;
    program.run();
    return 0;
}

// An abandoned sound call may still be inside SDL on a thread of its own:
// closing SDL (the platform's destructor) would wait for it again or pull
// its driver from under it, and so might the libraries' exit handlers. What
// the program made that shows outside the process, its windows, went with
// the screens; of the rest only buffered output matters. So that is written
// and the process ends here, with the status it would have had. Only our own
// streams are flushed: a driver's file may be held by a write that never
// returns.
[[noreturn]] void endLeavingSdl(int status) {
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(status);
}

}  // namespace

int main(int, char** argv) {
    // A line that cannot be said (standard error a closed pipe) is dropped;
    // the game plays on.
    std::signal(SIGPIPE, SIG_IGN);
    // ORBITROVE_STAGES=1: each start-up stage as a line on standard error.
    StageLog stages(std::getenv("ORBITROVE_STAGES") ? &std::cerr : nullptr);
    stages.mark("main");
    std::unique_ptr<SdlPlatform> platform;
    try {
        platform = std::make_unique<SdlPlatform>("data/icons/orbitrove-64.png");
        stages.mark("display open");
    } catch (const NoDisplayError& error) {
        std::cerr << "orbitrove: cannot open a display: " << error.what() << '\n';
        return 1;
    }
    bool soundAbandoned = false;
    int status = play(*platform, argv[0], soundAbandoned, stages);
    if (soundAbandoned) endLeavingSdl(status);
    return status;
}
