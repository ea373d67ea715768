#include "bench/game/GameBench.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>
#include <thread>
#include <vector>

#include "bench/game/AudioTap.h"
#include "bench/game/MapWatch.h"
#include "bench/game/MediaChecks.h"
#include "bench/game/ProcessProbe.h"
#include "bench/game/ProgramRun.h"
#include "bench/game/WestonServer.h"

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kStartups = 15;
// The game's last start-up stage: the loaders have all reported by then.
constexpr const char* kLastStage = "video decoder open";
constexpr milliseconds kStagesTimeout{3000};
constexpr milliseconds kMapTimeout{10'000};
constexpr milliseconds kSettle{1000};
// The title screen's "Přeskočit" label, its start button, the game screen's
// pause icon; in window coordinates.
constexpr int kSkipX = 310, kSkipY = 436;
constexpr int kStartX = 548, kStartY = 60;
constexpr int kPauseX = 38, kPauseY = 433;
constexpr milliseconds kIntroVideo{8000};
constexpr milliseconds kIntroMusicBeforeSkip{4000};
// Long enough for a device that sleeps in silence to have gone to sleep.
constexpr milliseconds kQuiet{5000};
constexpr int kRate = 44100;
constexpr milliseconds kThreadReading{100};

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

unsigned long awaitWindow(MapWatch& watch) {
    auto mapped = watch.next(kMapTimeout);
    if (!mapped) throw std::runtime_error("the program showed no window");
    return mapped->window;
}

// The screens' sizes, as the compositor shows them.
constexpr int kTitleWidth = 632, kTitleHeight = 454;
constexpr int kGameWidth = 632, kGameHeight = 446;
constexpr milliseconds kLit{300};

// The lit start button: the pointer first lights it, then clicks it.
void startGame(unsigned long title) {
    pointAt(title, kStartX, kStartY);
    std::this_thread::sleep_for(kLit);
    clickAt(title, kStartX, kStartY);
}

std::pair<int, int> awaitWestonWindow(const WestonServer& weston, int width, int height) {
    auto place = weston.awaitWindow(width, height, kMapTimeout);
    if (!place) throw std::runtime_error("weston showed no window of the program");
    return *place;
}

double serversCpuSeconds(const std::vector<ProcessProbe>& servers) {
    double seconds = 0;
    for (const auto& server : servers) seconds += ProcessProbe::usedBetween({}, server.threads()).cpuSeconds;
    return seconds;
}

std::size_t frameAt(const Recording& mix, Clock::time_point at) {
    std::size_t frame = 0;
    for (const auto& arrival : mix.arrivals)
        if (arrival.at <= at) frame = arrival.endFrame;
    return frame;
}

// The intro skipped, the game started: the game screen's window.
unsigned long enterPlay(MapWatch& watch) {
    unsigned long title = awaitWindow(watch);
    std::this_thread::sleep_for(kSettle);
    clickAt(title, kSkipX, kSkipY);
    startGame(title);
    unsigned long game = awaitWindow(watch);
    std::this_thread::sleep_for(kSettle);
    return game;
}

}  // namespace

GameFigures GameBench::run() {
    GameFigures figures;
    measureStartup(figures);
    measurePeerTitles(figures);
    measureSkip(figures);
    measureIntro(figures);
    measurePlay(figures);
    LaserCheck laser = checkLaser();
    figures.shots = laser.shots;
    figures.expectedLaserSounds = laser.expectedSounds;
    figures.laserSounds = laser.sounds;
    figures.worstLaserStartMs = laser.worstStartMs;
    figures.wakeLaserStartMs = laser.wakeStartMs;
    SongCheck song = checkSong();
    figures.songLengthMs = song.lengthMs;
    figures.songPositionAtEndMs = song.positionAtEndMs;
    figures.songSoundedMs = song.soundedMs;
    return figures;
}

// Exec to the first window mapped, as the X server reports it to a client
// listening on the root window; the game and each peer in turns.
void GameBench::measureStartup(GameFigures& figures) const {
    std::vector<std::string> programs{program_};
    programs.insert(programs.end(), peers_.begin(), peers_.end());
    std::vector<std::vector<double>> times(programs.size());
    StageTimes stages;
    for (int i = 0; i < kStartups; ++i)
        for (std::size_t p = 0; p < programs.size(); ++p)
            times[p].push_back(startOnce(programs[p], p == 0 ? &stages : nullptr));
    for (std::size_t p = 0; p < programs.size(); ++p) {
        StartupFigures start{programs[p], median(times[p]), *std::min_element(times[p].begin(), times[p].end()), {}};
        if (p == 0) {
            start.stages = stages.medians();
            figures.startup = start;
        } else {
            figures.peers.push_back(start);
        }
    }
}

// Each peer left on its first screen, its music playing, for a phase.
void GameBench::measurePeerTitles(GameFigures& figures) const {
    for (const std::string& peer : peers_) {
        MapWatch watch(std::getenv("DISPLAY"));
        ProgramRun run(peer, "/dev/null");
        awaitWindow(watch);
        std::this_thread::sleep_for(kSettle);
        double before = ProcessProbe(run.pid()).peakRssMb();
        PhaseFigures title = measurePhase(run.pid());
        title.peakRssMb = std::max(before, title.peakRssMb);
        figures.peerTitles.emplace_back(peer.substr(peer.find_last_of('/') + 1), title);
    }
}

double GameBench::startOnce(const std::string& program, StageTimes* stages) {
    MapWatch watch(std::getenv("DISPLAY"));
    Clock::time_point exec = Clock::now();
    ProgramRun run(program, "/dev/null", {}, stages != nullptr);
    auto mapped = watch.next(kMapTimeout);
    if (!mapped) throw std::runtime_error(program + " showed no window");
    if (stages) {
        double execMs = std::chrono::duration<double, std::milli>(exec.time_since_epoch()).count();
        stages->add(run.stages(kLastStage, kStagesTimeout), execMs);
    }
    return msBetween(exec, mapped->at);
}

// The threads are read every 100 ms, so that a sound thread that ends
// with its device keeps nearly all of its time.
PhaseFigures GameBench::measurePhase(pid_t pid, const std::vector<pid_t>& servers, Children children) const {
    ProcessProbe probe(pid);
    std::vector<ProcessProbe> serverProbes(servers.begin(), servers.end());
    probe.resetPeak();
    double serversBefore = serversCpuSeconds(serverProbes);
    ThreadTimes before = probe.threads();
    ThreadTimes seen = before;
    Memory withChildrenPeak;
    Clock::time_point start = Clock::now();
    for (Clock::time_point end = start + phase_; Clock::now() < end;) {
        std::this_thread::sleep_for(std::min<Clock::duration>(kThreadReading, end - Clock::now()));
        probe.update(seen);
        if (children == Children::Ignored) continue;
        Memory now = probe.withChildren();
        withChildrenPeak = {std::max(withChildrenPeak.rssMb, now.rssMb), std::max(withChildrenPeak.pssMb, now.pssMb)};
    }
    double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    Usage used = ProcessProbe::usedBetween(before, seen);
    double serversUsed = serversCpuSeconds(serverProbes) - serversBefore;
    PhaseFigures figures{used.cpuSeconds / seconds * 100,
                         used.soundCpuSeconds / seconds * 100,
                         probe.peakRssMb(),
                         servers.empty() ? -1 : serversUsed / seconds * 100,
                         probe.rssMb(),
                         withChildrenPeak,
                         {}};
    for (const auto& [name, spent] : used.secondsByThreadName) figures.threadCpuPercent[name] = spent / seconds * 100;
    return figures;
}

// "Přeskočit" a few seconds into the intro; then the title screen with
// nothing left playing once the video is over and the sound has gone quiet.
void GameBench::measureSkip(GameFigures& figures) const {
    AudioTap tap;
    MapWatch watch(std::getenv("DISPLAY"));
    ProgramRun program(program_, tap.path());
    unsigned long title = awaitWindow(watch);
    std::this_thread::sleep_for(kIntroMusicBeforeSkip);
    // Timed from the click's arrival, not from starting the tool that
    // sends it, which alone takes some milliseconds.
    pointAt(title, kSkipX, kSkipY);
    clickHere();
    Clock::time_point skip = Clock::now();
    std::this_thread::sleep_for(kSettle);
    Recording mix = tap.recording();
    SoundScan scan(mix.samples);
    std::size_t clicked = frameAt(mix, skip);
    std::size_t end = scan.lastSound(mix.frames());
    figures.skipMusicDbfs = scan.rmsDbfs(clicked - std::min(clicked, std::size_t{kRate / 5}), clicked);
    figures.skipStepDbfs = scan.largestStepDbfs(end - std::min(end, std::size_t{kRate / 2000}), end + 2);
    figures.skipEndMs = (static_cast<double>(end) - static_cast<double>(clicked)) * 1000 / kRate;
    std::this_thread::sleep_for(kIntroVideo + kQuiet);
    figures.titleSilent = measurePhase(program.pid());
}

// The title screen while the intro sounds, and the game started over it
// once the start button shows, 8 s in.
void GameBench::measureIntro(GameFigures& figures) const {
    MapWatch watch(std::getenv("DISPLAY"));
    ProgramRun program(program_, "/dev/null");
    unsigned long title = awaitWindow(watch);
    Clock::time_point shown = Clock::now();
    std::this_thread::sleep_for(kSettle);
    figures.titleWithIntro = measurePhase(program.pid(), {}, Children::Read);
    std::this_thread::sleep_until(shown + kIntroVideo + kSettle);
    startGame(title);
    awaitWindow(watch);
    std::this_thread::sleep_for(kSettle);
    figures.playFromIntro = measurePhase(program.pid());
}

// The intro skipped, the game started, played and paused.
void GameBench::measurePlay(GameFigures& figures) const {
    MapWatch watch(std::getenv("DISPLAY"));
    ProgramRun program(program_, "/dev/null");
    unsigned long game = enterPlay(watch);
    ProcessProbe probe(program.pid());
    double beforePlay = probe.peakRssMb();
    figures.play = measurePhase(program.pid());
    figures.wholeRunPeakMb = std::max(beforePlay, figures.play.peakRssMb);
    figures.playMappings = probe.mappings();
    clickAt(game, kPauseX, kPauseY);
    figures.paused = measurePhase(program.pid());
}

DisplayComparison GameBench::compareDisplays(int rounds, pid_t xServer) const {
    WestonServer weston;
    DisplayComparison comparison;
    for (int round = 0; round < rounds; ++round) {
        comparison.x11.push_back(measurePlayOnX11(xServer));
        comparison.wayland.push_back(measurePlayOnWayland(weston, xServer));
    }
    return comparison;
}

PhaseFigures GameBench::measurePlayOnX11(pid_t xServer) const {
    MapWatch watch(std::getenv("DISPLAY"));
    ProgramRun program(program_, "/dev/null");
    enterPlay(watch);
    return measurePhase(program.pid(), xServer > 0 ? std::vector{xServer} : std::vector<pid_t>{});
}

// The same steps through weston; its output, nested in the X display, costs
// that server too.
PhaseFigures GameBench::measurePlayOnWayland(const WestonServer& weston, pid_t xServer) const {
    ProgramRun program(program_, "/dev/null", weston.clientEnvironment());
    auto [x, y] = awaitWestonWindow(weston, kTitleWidth, kTitleHeight);
    std::this_thread::sleep_for(kSettle);
    weston.clickAt(x + kSkipX, y + kSkipY);
    weston.pointAt(x + kStartX, y + kStartY);
    std::this_thread::sleep_for(kLit);
    weston.clickAt(x + kStartX, y + kStartY);
    awaitWestonWindow(weston, kGameWidth, kGameHeight);
    std::this_thread::sleep_for(kSettle);
    std::vector<pid_t> servers{weston.pid()};
    if (xServer > 0) servers.push_back(xServer);
    return measurePhase(program.pid(), servers);
}
