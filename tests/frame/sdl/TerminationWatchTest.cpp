#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>

#include "frame/sdl/TerminationWatch.h"

namespace {

using Clock = std::chrono::steady_clock;
// A ceiling for a hang, generous for a loaded machine; never a figure of speed.
constexpr auto kCeiling = std::chrono::seconds(30);

// A child process that takes the signals and then runs `loop`; it has
// started watching when this returns.
pid_t startChild(const std::function<void()>& loop) {
    int ready[2];
    if (::pipe(ready) != 0) return -1;
    pid_t child = ::fork();
    if (child == 0) {
        ::close(ready[0]);
        TerminationWatch::start(nullptr);
        (void)!::write(ready[1], "r", 1);
        loop();
        ::_exit(0);
    }
    ::close(ready[1]);
    char byte = 0;
    (void)!::read(ready[0], &byte, 1);
    ::close(ready[0]);
    return child;
}

// The child's wait status once it ended, or -1 when it did not end within
// the ceiling (it is killed then). Says how long it took.
int endOf(pid_t child, const char* what) {
    auto since = Clock::now();
    int status = 0;
    while (Clock::now() - since < kCeiling) {
        if (::waitpid(child, &status, WNOHANG) == child) {
            auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since);
            std::printf("%s: ended in %lld ms\n", what, static_cast<long long>(took.count()));
            return status;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);
    return -1;
}

void waitForWake() {
    pollfd wake{TerminationWatch::wakeFd(), POLLIN, 0};
    while (::poll(&wake, 1, -1) != 1) {}
}

TEST(TerminationWatchTest, ALoopThatNeverAnswersIsEndedByTheSignal) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        pid_t child = startChild([] {
            while (true) ::pause();
        });
        ::kill(child, signal);
        int status = endOf(child, strsignal(signal));
        ASSERT_NE(status, -1) << strsignal(signal) << ": still running";
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << strsignal(signal) << ": status " << status;
    }
}

TEST(TerminationWatchTest, TheLoopIsWokenAndEndsOnItsOwnWhenItAnswers) {
    pid_t child = startChild([] {
        waitForWake();
        TerminationWatch::drain();
        TerminationWatch::answer();
        ::_exit(3);
    });
    ::kill(child, SIGTERM);
    int status = endOf(child, "answered");
    ASSERT_NE(status, -1) << "still running";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 3) << "status " << status;
}

TEST(TerminationWatchTest, AnAnsweredRequestStillEndsAProgramStuckOnItsWayOut) {
    pid_t child = startChild([] {
        waitForWake();
        TerminationWatch::answer();
        while (true) ::pause();
    });
    ::kill(child, SIGTERM);
    int status = endOf(child, "answered, then stuck");
    ASSERT_NE(status, -1) << "still running";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "status " << status;
}

TEST(TerminationWatchTest, ASignalIgnoredFromTheStartStaysIgnored) {
    pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGINT, SIG_IGN);
        TerminationWatch::start(nullptr);
        struct sigaction now {};
        ::sigaction(SIGINT, nullptr, &now);
        ::_exit(now.sa_handler == SIG_IGN ? 0 : 1);
    }
    int status = endOf(child, "ignored");
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

}  // namespace
