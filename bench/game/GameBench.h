#pragma once
#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

#include "bench/game/GameFigures.h"
#include "bench/game/StageTimes.h"

// Runs the real program on the display in DISPLAY, from the folder holding
// data/, with its sound on SDL's disk driver, and measures it from outside:
// start-up, then CPU and memory through each phase of a game, then the
// checks of the sound chain.
class GameBench {
public:
    // `peers`, other programs, start in turns with the game.
    GameBench(std::string program, std::chrono::seconds phase, std::vector<std::string> peers = {})
        : program_(std::move(program)), phase_(phase), peers_(std::move(peers)) {}

    GameFigures run();
    // Play alone, `rounds` times on each side in turns: on the X display
    // (whose server is `xServer`, when known) and natively on Wayland in a
    // weston nested in it.
    DisplayComparison compareDisplays(int rounds, pid_t xServer) const;

private:
    void measureStartup(GameFigures& figures) const;
    static double startOnce(const std::string& program, StageTimes* stages);
    void measurePeerTitles(GameFigures& figures) const;
    void measureSkip(GameFigures& figures) const;
    void measureIntro(GameFigures& figures) const;
    void measurePlay(GameFigures& figures) const;
    PhaseFigures measurePlayOnX11(pid_t xServer) const;
    PhaseFigures measurePlayOnWayland(const class WestonServer& weston, pid_t xServer) const;
    // `children` also reads the memory of the processes the program started,
    // which walks their page tables at every reading: only where it is wanted.
    enum class Children { Ignored, Read };
    PhaseFigures measurePhase(pid_t pid, const std::vector<pid_t>& servers = {},
                              Children children = Children::Ignored) const;

    std::string program_;
    std::chrono::seconds phase_;
    std::vector<std::string> peers_;
};
