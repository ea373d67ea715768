// Measures the frame's event loop under the game's timer load in a real
// window, next to a loop that polls every millisecond.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <string>

#include "bench/LoadRun.h"
#include "bench/PositiveNumber.h"
#include "bench/Report.h"
#include "bench/XvfbServer.h"

namespace {

constexpr std::chrono::milliseconds kWarmUp{1000};

struct Options {
    int seconds = 30;
    bool useDisplay = false;
};

std::optional<Options> parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--use-display") {
            options.useDisplay = true;
        } else if (arg == "--seconds" && i + 1 < argc && positiveNumber(argv[i + 1])) {
            options.seconds = *positiveNumber(argv[++i]);
        } else {
            return std::nullopt;
        }
    }
    return options;
}

bool writeAll(int fd, const Figures& figures) {
    return write(fd, &figures, sizeof figures) == static_cast<ssize_t>(sizeof figures);
}

// Each loop runs in a process of its own, so that its peak memory and its
// SDL start-up are not the other's.
std::optional<Figures> inChild(const std::function<Figures()>& measure) {
    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    std::cout.flush();
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        try {
            _exit(writeAll(fds[1], measure()) ? 0 : 1);
        } catch (const std::exception& error) {
            std::cerr << "orbitrove-bench: " << error.what() << '\n';
            _exit(1);
        }
    }
    close(fds[1]);
    Figures figures;
    bool got = pid > 0 && read(fds[0], &figures, sizeof figures) == static_cast<ssize_t>(sizeof figures);
    close(fds[0]);
    int status = 0;
    if (pid > 0) waitpid(pid, &status, 0);
    if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return figures;
}

int bench(const Options& options) {
    std::optional<XvfbServer> server;
    if (!options.useDisplay) {
        server.emplace();
        setenv("DISPLAY", server->display().c_str(), 1);
    }
    RunLength length{kWarmUp, std::chrono::seconds(options.seconds)};
    std::cout << "16 timers on a 632 x 446 window, display " << std::getenv("DISPLAY") << ", " << options.seconds
              << " s per loop after a " << kWarmUp.count() << " ms warm-up\n\n";
    auto frame = inChild([&] { return measureLoop(Loop::Frame, length); });
    if (!frame) return 1;
    auto polling = inChild([&] { return measureLoop(Loop::Polling, length); });
    if (!polling) return 1;
    printReport(std::cout, *frame, *polling);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    auto options = parse(argc, argv);
    if (!options) {
        std::cerr << "usage: orbitrove-bench [--seconds N] [--use-display]\n"
                     "  --seconds N     measure each loop for N seconds (30)\n"
                     "  --use-display   run on the X server in DISPLAY instead of a private Xvfb\n";
        return 2;
    }
    if (options->useDisplay && !std::getenv("DISPLAY")) {
        std::cerr << "orbitrove-bench: --use-display needs DISPLAY to be set\n";
        return 2;
    }
    try {
        return bench(*options);
    } catch (const std::exception& error) {
        std::cerr << "orbitrove-bench: " << error.what() << '\n';
        return 1;
    }
}
