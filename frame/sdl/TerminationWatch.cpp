#include "frame/sdl/TerminationWatch.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <thread>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler's end and the watch's end of the signals' pipe, and the
// loop's wake-up pipe; made once and kept for the process.
int signalPipe[2] = {-1, -1};
int wakePipe[2] = {-1, -1};
void (*wakeLoop)() = nullptr;
std::atomic<bool> answered{false};
std::atomic<bool> taken[std::size(kSignals)];

void onSignal(int signal) {
    int saved = errno;
    char number = static_cast<char>(signal);
    (void)!::write(signalPipe[1], &number, 1);
    errno = saved;
}

bool makePipe(int ends[2], int writeFlags) {
    if (::pipe2(ends, O_CLOEXEC) != 0) return false;
    ::fcntl(ends[1], F_SETFL, writeFlags);
    return true;
}

void endBy(int signal) {
    ::signal(signal, SIG_DFL);
    ::kill(::getpid(), signal);
}

// Sleeps in steps, so that an answer ends the first wait early.
void waitForAnswer() {
    auto until = std::chrono::steady_clock::now() + TerminationWatch::kAnswerTime;
    while (!answered && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void watch() {
    char number = 0;
    while (::read(signalPipe[0], &number, 1) != 1)
        if (errno != EINTR) return;
    if (wakeLoop) wakeLoop();
    (void)!::write(wakePipe[1], &number, 1);
    waitForAnswer();
    if (answered) std::this_thread::sleep_for(TerminationWatch::kEndTime);
    endBy(number);
}

}  // namespace

void TerminationWatch::start(void (*wake)()) {
    if (signalPipe[0] < 0) {
        if (!makePipe(signalPipe, O_NONBLOCK) || !makePipe(wakePipe, O_NONBLOCK)) return;
        ::fcntl(wakePipe[0], F_SETFL, O_NONBLOCK);
        wakeLoop = wake;
        std::thread(watch).detach();
    }
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        struct sigaction current {};
        if (::sigaction(kSignals[i], nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
        struct sigaction handler {};
        handler.sa_handler = onSignal;
        sigemptyset(&handler.sa_mask);
        taken[i] = ::sigaction(kSignals[i], &handler, nullptr) == 0;
    }
}

void TerminationWatch::stop() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        if (taken[i].exchange(false)) ::signal(kSignals[i], SIG_DFL);
}

int TerminationWatch::wakeFd() { return wakePipe[0]; }

void TerminationWatch::drain() {
    char bytes[16];
    while (::read(wakePipe[0], bytes, sizeof bytes) > 0) {}
}

void TerminationWatch::answer() { answered = true; }
