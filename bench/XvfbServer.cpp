#include "bench/XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace {

constexpr int kStartTimeoutMs = 10'000;

// In the forked child: the server writes its display number to `fd` once it
// accepts connections, and goes when this process goes, however it ends. It
// does not reset when its last client leaves, so that runs may come and go.
[[noreturn]] void execServer(int fd) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    int keptFd = dup(fd);  // without close-on-exec
    char fdText[16];
    snprintf(fdText, sizeof fdText, "%d", keptFd);
    execlp("Xvfb", "Xvfb", "-displayfd", fdText, "-screen", "0", "3840x2160x24", "-nolisten", "tcp", "-noreset",
           static_cast<char*>(nullptr));
    _exit(127);
}

// The display number line, or "" when the server ended or took too long.
std::string readLine(int fd) {
    std::string line;
    char c = 0;
    pollfd ready{fd, POLLIN, 0};
    while (poll(&ready, 1, kStartTimeoutMs) == 1 && read(fd, &c, 1) == 1 && c != '\n') line += c;
    return c == '\n' ? line : "";
}

}  // namespace

XvfbServer::XvfbServer() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("cannot create a pipe for Xvfb");
    pid_ = fork();
    if (pid_ == 0) execServer(fds[1]);
    close(fds[1]);
    std::string number = pid_ > 0 ? readLine(fds[0]) : "";
    close(fds[0]);
    if (number.empty()) {
        stop();
        throw std::runtime_error("Xvfb did not start; is the xvfb package installed?");
    }
    display_ = ":" + number;
}

XvfbServer::~XvfbServer() { stop(); }

void XvfbServer::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}
