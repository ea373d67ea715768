#include "bench/game/ProgramRun.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace {

// SDL's disk driver reports itself on the error stream; nothing else of the
// program's output is wanted.
[[noreturn]] void execProgram(const std::string& program, const std::string& audioFile,
                              const EnvironmentChanges& changes) {
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", audioFile.c_str(), 1);
    for (const auto& [name, value] : changes) {
        if (value) setenv(name.c_str(), value->c_str(), 1);
        else unsetenv(name.c_str());
    }
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
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

ProgramRun::ProgramRun(const std::string& program, const std::string& audioFile, const EnvironmentChanges& changes)
    : pid_(fork()) {
    if (pid_ == 0) execProgram(program, audioFile, changes);
    if (pid_ < 0) throw std::runtime_error("cannot start " + program);
}

ProgramRun::~ProgramRun() {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

void pointAt(unsigned long window, int x, int y) {
    runXdotool({"mousemove", "--window", std::to_string(window), std::to_string(x), std::to_string(y)});
}

void clickHere() { runXdotool({"click", "--delay", "0", "1"}); }

void clickAt(unsigned long window, int x, int y) {
    pointAt(window, x, y);
    clickHere();
}
