#pragma once
#include <chrono>

// Requests to end the program (SIGTERM, SIGINT, SIGHUP when the terminal
// closes) that end it whatever its loop is doing. A request wakes the loop
// at once, through `wake` and through `wakeFd()`, and the loop answers it by
// closing the main screen. A loop stuck elsewhere, in a window system that
// no longer answers, cannot keep the process alive: if the loop has not
// answered within kAnswerTime, or the program has not ended kEndTime after
// it did, the process ends by the signal's default action.
class TerminationWatch {
public:
    static constexpr std::chrono::milliseconds kAnswerTime{1000};
    static constexpr std::chrono::milliseconds kEndTime{2000};

    // Takes the signals that are at their default action; one the program
    // was started with ignored stays ignored. `wake` runs on the watch's own
    // thread when a request comes.
    static void start(void (*wake)());
    // Gives the signals back their default action.
    static void stop();
    // Readable from the first request on; -1 before `start`.
    static int wakeFd();
    // Empties wakeFd() after the loop woke on it.
    static void drain();
    // The loop has taken the request and is closing.
    static void answer();
};
