#include "bench/game/ProgramRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "bench/game/StageTimes.h"

extern char** environ;

namespace {

// SDL's disk driver reports itself on the error stream; nothing else of the
// program's output is wanted.
[[noreturn]] void execProgram(const std::string& program, const std::string& audioFile,
                              const EnvironmentChanges& changes, int stageFd) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(stageFd >= 0 ? stageFd : quiet, STDERR_FILENO);
    if (stageFd >= 0) setenv("ORBITROVE_STAGES", "1", 1);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", audioFile.c_str(), 1);
    for (const auto& [name, value] : changes) {
        if (value) setenv(name.c_str(), value->c_str(), 1);
        else unsetenv(name.c_str());
    }
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

// The write end for the program's standard error, or -1; `readEnd` the
// bench's.
int stagePipe(bool wanted, int& readEnd) {
    int fds[2];
    if (!wanted || pipe2(fds, O_CLOEXEC) != 0) return -1;
    readEnd = fds[0];
    return fds[1];
}

}  // namespace

void runXdotool(std::vector<std::string> args) {
    args.insert(args.begin(), "xdotool");
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawnp(&pid, "xdotool", nullptr, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot run xdotool; is the xdotool package installed?");
    waitpid(pid, nullptr, 0);
}

ProgramRun::ProgramRun(const std::string& program, const std::string& audioFile, const EnvironmentChanges& changes,
                       bool stages) {
    int writeEnd = stagePipe(stages, stageFd_);
    pid_ = fork();
    if (pid_ == 0) {
        if (writeEnd >= 0) writeEnd = dup(writeEnd);  // without close-on-exec
        execProgram(program, audioFile, changes, writeEnd);
    }
    if (writeEnd >= 0) close(writeEnd);
    if (pid_ < 0) throw std::runtime_error("cannot start " + program);
}

ProgramRun::~ProgramRun() {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    if (stageFd_ >= 0) close(stageFd_);
}

std::vector<std::pair<std::string, double>> ProgramRun::stages(const std::string& last,
                                                               std::chrono::milliseconds timeout) {
    std::vector<std::pair<std::string, double>> found;
    std::string pending;
    auto end = std::chrono::steady_clock::now() + timeout;
    while (stageFd_ >= 0) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
        pollfd ready{stageFd_, POLLIN, 0};
        if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) != 1) break;
        char buffer[4096];
        ssize_t got = read(stageFd_, buffer, sizeof buffer);
        if (got <= 0) break;
        pending.append(buffer, static_cast<std::size_t>(got));
        for (auto newline = pending.find('\n'); newline != std::string::npos; newline = pending.find('\n')) {
            auto stage = stageOf(pending.substr(0, newline));
            pending.erase(0, newline + 1);
            if (!stage) continue;
            found.push_back(*stage);
            if (stage->first == last) return found;
        }
    }
    return found;
}

void pointAt(unsigned long window, int x, int y) {
    runXdotool({"mousemove", "--window", std::to_string(window), std::to_string(x), std::to_string(y)});
}

void clickHere() { runXdotool({"click", "--delay", "0", "1"}); }

void clickAt(unsigned long window, int x, int y) {
    pointAt(window, x, y);
    clickHere();
}
