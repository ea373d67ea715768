#include "bench/game/WestonServer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

#include "bench/game/SceneGraph.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kStartTimeout{10'000};
constexpr std::chrono::milliseconds kPoll{50};
constexpr const char* kSocket = "orbitrove-bench";
// The output's size; the pointer is pushed into its far corner and back.
constexpr int kWidth = 1024, kHeight = 768;

// No panel, no animation: nothing of its own to draw while the game runs.
constexpr const char* kConfig =
    "[shell]\npanel-position=none\nanimation=none\nclose-animation=none\nstartup-animation=none\n"
    "focus-animation=none\nlocking=false\n";

[[noreturn]] void execWeston(const std::string& folder) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    std::string config = "--config=" + folder + "/weston.ini";
    std::string socket = std::string("--socket=") + kSocket;
    execlp("weston", "weston", "--debug", config.c_str(), "--backend=x11-backend.so", "--use-pixman", "--width=1024",
           "--height=768", socket.c_str(), "--idle-time=0", static_cast<char*>(nullptr));
    _exit(127);
}

std::string makeFolder() {
    char name[] = "/tmp/orbitrove-weston-XXXXXX";
    if (!mkdtemp(name)) throw std::runtime_error("cannot make a folder for weston");
    std::ofstream(std::string(name) + "/weston.ini") << kConfig;
    return name;
}

}  // namespace

WestonServer::WestonServer() : folder_(makeFolder()) {
    pid_ = fork();
    if (pid_ == 0) execWeston(folder_);
    std::filesystem::path socket = std::filesystem::path(folder_) / kSocket;
    for (auto end = Clock::now() + kStartTimeout; !std::filesystem::exists(socket);
         std::this_thread::sleep_for(kPoll)) {
        if (pid_ < 0 || Clock::now() > end || waitpid(pid_, nullptr, WNOHANG) != 0) {
            stop();
            throw std::runtime_error("weston did not start; is the weston package installed?");
        }
    }
}

WestonServer::~WestonServer() { stop(); }

void WestonServer::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
    std::filesystem::remove_all(folder_);
}

EnvironmentChanges WestonServer::clientEnvironment() const {
    return {{"XDG_RUNTIME_DIR", folder_},
            {"WAYLAND_DISPLAY", kSocket},
            {"SDL_VIDEODRIVER", "wayland"},
            {"DISPLAY", std::nullopt}};
}

std::string WestonServer::sceneGraph() const {
    std::string command = "XDG_RUNTIME_DIR=" + folder_ + " WAYLAND_DISPLAY=" + kSocket +
                          " timeout 10 weston-debug scene-graph 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    std::string text;
    char buffer[4096];
    for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
    pclose(pipe);
    return text;
}

std::optional<std::pair<int, int>> WestonServer::awaitWindow(int width, int height,
                                                             std::chrono::milliseconds timeout) const {
    for (auto end = Clock::now() + timeout; Clock::now() < end; std::this_thread::sleep_for(kPoll))
        if (auto place = gameWindowIn(sceneGraph(), width, height)) return place;
    return std::nullopt;
}

// Weston's X11 back end moves its pointer by the X pointer's steps, not to
// its place: the two meet once the pointer is pushed into a corner.
void WestonServer::pointAt(int x, int y) const {
    runXdotool({"mousemove", std::to_string(kWidth - 1), std::to_string(kHeight - 1)});
    runXdotool({"mousemove", "0", "0"});
    runXdotool({"mousemove", std::to_string(x), std::to_string(y)});
}

void WestonServer::clickAt(int x, int y) const {
    pointAt(x, y);
    clickHere();
}
