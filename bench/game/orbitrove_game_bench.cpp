// Measures the whole game from outside: the real program under its own X
// server with its sound on SDL's disk driver.
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchMain.h"
#include "bench/XvfbServer.h"
#include "bench/game/GameBench.h"
#include "bench/game/GameReport.h"

namespace {

struct Options {
    int seconds = 30;
    std::string program = ORBITROVE_PROGRAM;
    bool useDisplay = false;
    bool wayland = false;
    std::vector<std::string> peers;
};

constexpr int kDisplayRounds = 3;

std::optional<Options> parse(int argc, char** argv) {
    return parseBenchOptions(argc, argv, Options{}, [&](Options& options, const std::string& arg, int& i) {
        if (arg == "--wayland") {
            options.wayland = true;
            return true;
        }
        if (arg == "--peer" && i + 1 < argc) {
            options.peers.push_back(argv[++i]);
            return true;
        }
        if (arg != "--program" || i + 1 >= argc) return false;
        options.program = argv[++i];
        return true;
    });
}

int bench(const Options& options) {
    std::optional<XvfbServer> server;
    if (!options.useDisplay) {
        server.emplace();
        setenv("DISPLAY", server->display().c_str(), 1);
    }
    std::cout << options.program << " on display " << std::getenv("DISPLAY") << ", " << options.seconds
              << " s a phase, sound on SDL's disk driver\n\n";
    GameBench bench(options.program, std::chrono::seconds(options.seconds), options.peers);
    if (options.wayland)
        printDisplayComparison(std::cout, bench.compareDisplays(kDisplayRounds, server ? server->pid() : 0));
    else printGameReport(std::cout, bench.run());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return benchMain("orbitrove-game-bench",
                     "[--seconds N] [--program PATH] [--peer PATH]... [--use-display] [--wayland]\n"
                     "  --seconds N      measure each phase for N seconds (30)\n"
                     "  --program PATH   the game to measure (the one built beside the benchmark)\n"
                     "  --peer PATH      another program whose start-up is measured in turns with\n"
                     "                   the game's, the same way (may be given more than once)\n"
                     "  --use-display    run on the X server in DISPLAY instead of a private Xvfb\n"
                     "  --wayland        only play, in turns on X11 and natively on Wayland in a\n"
                     "                   weston nested in the X server, three times each\n"
                     "Run it from the folder that holds data/.\n",
                     parse(argc, argv), bench);
}
