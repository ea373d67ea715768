// Measures the frame's event loop under the game's timer load in a real
// window, next to a loop that polls every millisecond.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "bench/BenchMain.h"
#include "bench/CopyRun.h"
#include "bench/LoadRun.h"
#include "bench/Report.h"
#include "bench/XvfbServer.h"

namespace {

constexpr std::chrono::milliseconds kWarmUp{1000};
constexpr int kCopies = 300;
constexpr int kScales[] = {1, 2, 3};

struct Options {
    int seconds = 30;
    bool useDisplay = false;
};

std::optional<Options> parse(int argc, char** argv) {
    return parseBenchOptions(argc, argv, Options{}, [](Options&, const std::string&, int&) { return false; });
}

template <typename Result>
bool writeAll(int fd, const Result& result) {
    return write(fd, &result, sizeof result) == static_cast<ssize_t>(sizeof result);
}

// Each run has a process of its own, so that its peak memory, its SDL
// start-up and its scale are not another's.
template <typename Result>
std::optional<Result> inChild(int scale, const std::function<Result()>& measure) {
    int fds[2];
    if (pipe(fds) != 0) return std::nullopt;
    std::cout.flush();
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        setenv("ORBITROVE_SCALE", std::to_string(scale).c_str(), 1);
        try {
            _exit(writeAll(fds[1], measure()) ? 0 : 1);
        } catch (const std::exception& error) {
            std::cerr << "orbitrove-bench: " << error.what() << '\n';
            _exit(1);
        }
    }
    close(fds[1]);
    Result result;
    bool got = pid > 0 && read(fds[0], &result, sizeof result) == static_cast<ssize_t>(sizeof result);
    close(fds[0]);
    int status = 0;
    if (pid > 0) waitpid(pid, &status, 0);
    if (!got || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return result;
}

std::optional<ReportColumn> loopColumn(Loop loop, int scale, RunLength length) {
    auto figures = inChild<Figures>(scale, [&] { return measureLoop(loop, length); });
    if (!figures) return std::nullopt;
    std::string name = loop == Loop::Frame ? "frame" : "polling";
    return ReportColumn{name + ", k = " + std::to_string(scale), *figures};
}

bool measureLoops(RunLength length, std::vector<ReportColumn>& columns) {
    auto polling = loopColumn(Loop::Polling, 1, length);
    if (!polling) return false;
    for (int scale : kScales) {
        auto frame = loopColumn(Loop::Frame, scale, length);
        if (!frame) return false;
        columns.push_back(*frame);
        if (scale == 1) columns.push_back(*polling);
    }
    return true;
}

bool measureCopies(std::vector<CopyColumn>& columns) {
    for (int scale : kScales) {
        auto copy = inChild<CopyFigures>(scale, [] { return measureCopy(kCopies); });
        if (!copy) return false;
        columns.push_back({scale, *copy});
    }
    return true;
}

int bench(const Options& options) {
    std::optional<XvfbServer> server;
    if (!options.useDisplay) {
        server.emplace();
        setenv("DISPLAY", server->display().c_str(), 1);
    }
    RunLength length{kWarmUp, std::chrono::seconds(options.seconds)};
    std::cout << "16 timers on a 632 x 446 window at scale k, display " << std::getenv("DISPLAY") << ", "
              << options.seconds << " s per loop after a " << kWarmUp.count() << " ms warm-up\n\n";
    std::vector<ReportColumn> loops;
    std::vector<CopyColumn> copies;
    if (!measureLoops(length, loops) || !measureCopies(copies)) return 1;
    printReport(std::cout, loops);
    std::cout << '\n';
    printCopyReport(std::cout, copies);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return benchMain("orbitrove-bench",
                     "[--seconds N] [--use-display]\n"
                     "  --seconds N     measure each loop for N seconds (30)\n"
                     "  --use-display   run on the X server in DISPLAY instead of a private Xvfb\n",
                     parse(argc, argv), bench);
}
