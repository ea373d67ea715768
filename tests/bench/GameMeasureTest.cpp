#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "bench/game/AudioTap.h"
#include "bench/game/GameReport.h"
#include "bench/game/ProcessProbe.h"
#include "bench/game/SceneGraph.h"
#include "bench/game/SoundScan.h"
#include "bench/game/StageTimes.h"
#include "frame/StageLog.h"

extern char** environ;

namespace {

PhaseFigures phaseOf(double cpu, double sound, double peakMb, double serverCpu = -1) {
    PhaseFigures figures;
    figures.cpuPercent = cpu;
    figures.audioCpuPercent = sound;
    figures.peakRssMb = peakMb;
    figures.serverCpuPercent = serverCpu;
    return figures;
}

TEST(ProcessProbeTest, ReadsStatusFieldsAndSchedulerTimes) {
    std::string status = "Name:\tgame\nVmPeak:\t  400000 kB\nVmHWM:\t   61440 kB\nVmRSS:\t   40960 kB\n";
    EXPECT_DOUBLE_EQ(ProcessProbe::statusMb(status, "VmHWM"), 60.0);
    EXPECT_DOUBLE_EQ(ProcessProbe::statusMb(status, "VmRSS"), 40.0);
    EXPECT_DOUBLE_EQ(ProcessProbe::statusMb(status, "VmSwap"), 0.0);
    EXPECT_DOUBLE_EQ(ProcessProbe::schedstatSeconds("1500000000 20000 31\n"), 1.5);
}

TEST(ProcessProbeTest, CountsEndedThreadsAsLastSeenAndNewOnesFromNothing) {
    ThreadTimes before{{1, {2.0, false, "orbitrove"}}, {2, {1.0, true, "SDLAudioP2"}}, {3, {0.5, false, "loader"}}};
    // Thread 3 ended after it was last seen at 0.75 s; thread 4 is new.
    ThreadTimes after{{1, {2.5, false, "orbitrove"}},
                      {2, {1.25, true, "SDLAudioP2"}},
                      {3, {0.75, false, "loader"}},
                      {4, {0.125, true, "SDLAudioP2"}}};
    Usage used = ProcessProbe::usedBetween(before, after);
    EXPECT_DOUBLE_EQ(used.cpuSeconds, 0.5 + 0.25 + 0.25 + 0.125);
    EXPECT_DOUBLE_EQ(used.soundCpuSeconds, 0.25 + 0.125);
    EXPECT_DOUBLE_EQ(used.secondsByThreadName["SDLAudioP2"], 0.25 + 0.125);  // threads of a name together
    EXPECT_DOUBLE_EQ(used.secondsByThreadName["orbitrove"], 0.5);
}

TEST(ProcessProbeTest, SumsTheResidentMemoryOfEachMappingLargestFirst) {
    std::string smaps =
        "55d0-55e0 r-xp 00000000 08:01 123  /usr/lib/libfluidsynth.so.3\nSize: 64 kB\nRss: 1024 kB\n"
        "55e0-55f0 r--p 00010000 08:01 123  /usr/lib/libfluidsynth.so.3\nRss: 512 kB\n"
        "5600-5700 rw-p 00000000 00:00 0 \nRss: 4096 kB\nPss: 4000 kB\n"
        "5700-5800 rw-p 00000000 00:00 0  [heap]\nRss: 2048 kB\n";
    std::vector<MappedRss> mappings = ProcessProbe::mappingsIn(smaps);
    ASSERT_EQ(mappings.size(), 3u);
    EXPECT_EQ(mappings[0].name, "anonymous");
    EXPECT_DOUBLE_EQ(mappings[0].mb, 4.0);
    EXPECT_EQ(mappings[1].name, "[heap]");
    EXPECT_EQ(mappings[2].name, "/usr/lib/libfluidsynth.so.3");
    EXPECT_DOUBLE_EQ(mappings[2].mb, 1.5);
}

// The game's video decoder runs as its child; its memory is the machine's too.
TEST(ProcessProbeTest, CountsTheMemoryOfTheProcessesAProcessStarted) {
    pid_t child = 0;
    std::string name = "sleep", seconds = "30";
    char* argv[] = {name.data(), seconds.data(), nullptr};
    ASSERT_EQ(posix_spawnp(&child, "sleep", nullptr, nullptr, argv, environ), 0);
    ProcessProbe self(getpid());
    std::vector<pid_t> children = self.children();
    EXPECT_NE(std::find(children.begin(), children.end(), child), children.end());
    Memory alone = ProcessProbe(child).withChildren();
    Memory both = self.withChildren();
    EXPECT_GT(alone.pssMb, 0);
    EXPECT_LE(alone.pssMb, alone.rssMb);
    EXPECT_GT(both.rssMb, alone.rssMb + 1);  // this test program holds more than a megabyte
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    children = self.children();
    EXPECT_EQ(std::find(children.begin(), children.end(), child), children.end());
}

// The lines the game writes with ORBITROVE_STAGES, read back; medians in
// the order they fall.
TEST(StageTimesTest, ReadsTheGamesStageLinesAndTakesMediansFromExec) {
    std::string written = StageLog::line("title screen shown", 1000.5);
    written.pop_back();  // its newline
    auto stage = stageOf(written);
    ASSERT_TRUE(stage);
    EXPECT_EQ(stage->first, "title screen shown");
    EXPECT_DOUBLE_EQ(stage->second, 1000.5);
    EXPECT_FALSE(stageOf("CRITICAL: You are using the SDL disk i/o audio driver!"));
    EXPECT_FALSE(stageOf("orbitrove: stage broken"));
    StageTimes times;
    times.add({{"shown", 130}, {"music", 150}}, 100);
    times.add({{"shown", 240}, {"music", 220}}, 200);
    times.add({{"shown", 345}, {"music", 390}}, 300);
    auto medians = times.medians();
    ASSERT_EQ(medians.size(), 2u);
    EXPECT_EQ(medians[0], (std::pair<std::string, double>{"shown", 40}));
    EXPECT_EQ(medians[1], (std::pair<std::string, double>{"music", 50}));
}

// Pages mapped past the allocator, so that unmapping them gives them back.
TEST(ProcessProbeTest, APeakResetStartsFromTheMemoryInUseNow) {
    ProcessProbe probe(getpid());
    constexpr std::size_t kSize = 32 << 20;
    void* block = mmap(nullptr, kSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(block, MAP_FAILED);
    std::memset(block, 1, kSize);
    double withBlock = probe.peakRssMb();
    munmap(block, kSize);
    ASSERT_TRUE(probe.resetPeak());
    EXPECT_LT(probe.peakRssMb(), withBlock - 24);
    ThreadTimes seen = probe.threads();
    EXPECT_TRUE(seen.count(getpid()));
    EXPECT_GT(seen[getpid()].seconds, 0);
}

Stereo tone(std::size_t frames, double amplitude, double hertz = 441) {
    Stereo samples;
    for (std::size_t i = 0; i < frames; ++i) {
        auto value = static_cast<std::int16_t>(amplitude * std::sin(2 * M_PI * hertz * static_cast<double>(i) / 44100));
        samples.insert(samples.end(), {value, value});
    }
    return samples;
}

Stereo silence(std::size_t frames) { return Stereo(2 * frames, 0); }

Stereo operator+(Stereo a, const Stereo& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(SoundScanTest, FindsSoundsPartedBySilenceLongerThanTheGap) {
    Stereo mix = silence(100) + tone(1000, 8000) + silence(50) + tone(500, 8000) + silence(600) + tone(200, 8000);
    SoundScan scan(mix);
    std::vector<Burst> sounds = scan.bursts(100);
    ASSERT_EQ(sounds.size(), 2u);      // 50 frames of silence do not part two sounds
    EXPECT_EQ(sounds[0].first, 101u);  // the sine's first sample is 0
    EXPECT_GT(sounds[1].first, 2150u);
    EXPECT_EQ(scan.lastSound(scan.frames()), sounds[1].last);
    EXPECT_EQ(scan.lastSound(1150), 1099u);  // the first tone's last sample
}

TEST(SoundScanTest, ACutToneStepsIntoSilenceAndAFadedOneDoesNot) {
    // 2.25 periods of a tone at -26 dBFS, cut at its crest; and the same
    // tone faded out over its last 5 ms.
    constexpr double kHertz = 44100 * 2.25 / 1000;
    Stereo cut = tone(1000, 1638, kHertz) + silence(100);
    Stereo faded = tone(1000, 1638, kHertz);
    for (std::size_t i = 780; i < 1000; ++i)
        for (int c = 0; c < 2; ++c)
            faded[2 * i + c] = static_cast<std::int16_t>(faded[2 * i + c] * static_cast<double>(1000 - i) / 220);
    faded = faded + silence(100);
    SoundScan cutScan(cut), fadedScan(faded);
    std::size_t cutEnd = cutScan.lastSound(cutScan.frames());
    std::size_t fadedEnd = fadedScan.lastSound(fadedScan.frames());
    EXPECT_EQ(cutEnd, 999u);
    EXPECT_NEAR(cutScan.largestStepDbfs(cutEnd - 22, cutEnd + 2), -26.0, 0.1);
    EXPECT_LT(fadedScan.largestStepDbfs(fadedEnd - 22, fadedEnd + 2), -60.0);
    EXPECT_NEAR(cutScan.rmsDbfs(0, 1000), -29.0, 0.1);  // a sine's RMS is 3 dB below its crest
    EXPECT_EQ(cutScan.rmsDbfs(1000, 1100), -INFINITY);
}

TEST(AudioTapTest, KeepsWhatIsWrittenIntoItsPipeWithWhenItCame) {
    AudioTap tap;
    Stereo first = tone(1024, 1000), second = tone(512, 2000);
    auto before = std::chrono::steady_clock::now();
    for (const Stereo* piece : {&first, &second}) {
        std::ofstream pipe(tap.path(), std::ios::binary);  // each piece as the device opens again
        pipe.write(reinterpret_cast<const char*>(piece->data()), static_cast<std::streamsize>(piece->size() * 2));
    }
    Recording mix;
    for (int i = 0; i < 6000 && mix.frames() < 1536; ++i) {  // a ceiling for a hang, not a figure of speed
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        mix = tap.recording();
    }
    EXPECT_EQ(mix.samples, first + second);
    ASSERT_FALSE(mix.arrivals.empty());
    EXPECT_GE(mix.arrivalOf(0), before);
    EXPECT_LE(mix.arrivalOf(0), mix.arrivalOf(1535));
    EXPECT_EQ(mix.arrivals.back().endFrame, 1536u);
}

std::string lineOf(const std::string& report, const std::string& label) {
    std::istringstream in(report);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(label, 0) == 0) return line;
    return "";
}

TEST(GameReportTest, MarksTheFiguresThatMissTheirTargets) {
    GameFigures f;
    f.startup.medianMs = 40;
    f.startup.stages = {{"title screen shown", 38}, {"first music mixed", 101}};
    f.wholeRunPeakMb = 40.5;
    f.titleSilent.cpuPercent = 0.11;
    f.play = phaseOf(1.3, 0.9, 35.5);
    f.skipStepDbfs = -59;
    f.skipEndMs = 12;
    f.expectedLaserSounds = 4;
    f.laserSounds = 3;
    f.worstLaserStartMs = 31;
    f.wakeLaserStartMs = 30;
    f.songLengthMs = f.songPositionAtEndMs = 90000;
    f.songSoundedMs = 89000;
    f.peerTitles = {{"ri-li", phaseOf(4.1, 0, 72.3)}};  // a peer's figures have no target
    std::ostringstream out;
    printGameReport(out, f);
    std::string report = out.str();
    EXPECT_NE(lineOf(report, "peer ri-li, title").find("72.3 "), std::string::npos);
    EXPECT_EQ(lineOf(report, "start-up to the first window, median").find('*'), std::string::npos);
    EXPECT_NE(lineOf(report, "title, silent").find("0.11*"), std::string::npos);
    EXPECT_NE(lineOf(report, "play ").find("1.30 "), std::string::npos);
    EXPECT_NE(lineOf(report, "play ").find("35.5*"), std::string::npos);
    EXPECT_EQ(lineOf(report, "  stage: title screen shown").find('*'), std::string::npos);
    EXPECT_NE(lineOf(report, "  stage: first music mixed").find("101.0*"), std::string::npos);
    EXPECT_NE(lineOf(report, "peak RSS over intro, skip and play").find("40.5*"), std::string::npos);
    EXPECT_NE(lineOf(report, "skip: largest step").find('*'), std::string::npos);
    EXPECT_EQ(lineOf(report, "skip: click to its last").find('*'), std::string::npos);
    EXPECT_NE(lineOf(report, "laser: sounds heard").find("3*"), std::string::npos);
    EXPECT_EQ(lineOf(report, "laser: request to first sample").find('*'), std::string::npos);
    EXPECT_NE(lineOf(report, "laser: the same after 5 s").find("30.0*"), std::string::npos);
    EXPECT_EQ(lineOf(report, "song: position once ended").find('*'), std::string::npos);
}

// Medians of an odd and an even count, and the ratio's mark.
TEST(GameReportTest, ComparesTheMediansOfBothDisplays) {
    DisplayComparison c;
    c.x11 = {phaseOf(1.0, 0.8, 47, 0.02), phaseOf(1.2, 0.9, 47, 0.03), phaseOf(0.8, 0.7, 47, 0.02)};
    c.wayland = {phaseOf(1.6, 0.8, 50, 0.7), phaseOf(1.4, 0.8, 50, 0.7), phaseOf(1.5, 0.9, 50, 0.6)};
    std::ostringstream out;
    printDisplayComparison(out, c);
    EXPECT_NE(lineOf(out.str(), "X11, median").find("1.00"), std::string::npos);
    EXPECT_NE(lineOf(out.str(), "Wayland's CPU against X11's").find("1.50 "), std::string::npos);
    c.wayland.push_back(phaseOf(1.7, 0.8, 50, 0.7));
    out.str("");
    printDisplayComparison(out, c);
    EXPECT_NE(lineOf(out.str(), "Wayland, median").find("1.55"), std::string::npos);
    EXPECT_NE(lineOf(out.str(), "Wayland's CPU against X11's").find("1.55*"), std::string::npos);
}

// As weston 10 prints it, with the pointer's view and a window of another
// program bearing the same title.
constexpr const char* kSceneGraph = R"(Layer 1 (pos 0xfffffffe):
	View 0 (role wl_pointer-cursor, PID 15451, surface ID 26, cursor, 0x562c5c396410):
		position: (-5, -5) -> (27, 27)
Layer 5 (pos 0x50000000):
	View 0 (role xdg_toplevel, PID 15500, surface ID 31, top-level window 'Orbitrove' of other, 0x562c5c3a3800):
		position: (0, 0) -> (632, 454)
	View 1 (role xdg_toplevel, PID 15463, surface ID 20, top-level window 'Orbitrove' of orbitrove, 0x562c5c3a37a0):
		position: (15, 38) -> (647, 492)
		[fully opaque]
	View 2 (role xdg_toplevel, PID 15463, surface ID 24, top-level window 'Orbitrove' of orbitrove, 0x562c5c3a3900):
		position: (-20, 300) -> (612, 746)
)";

TEST(SceneGraphTest, FindsTheGamesWindowOfTheSizeAskedFor) {
    EXPECT_EQ(gameWindowIn(kSceneGraph, 632, 454), std::pair(15, 38));
    EXPECT_EQ(gameWindowIn(kSceneGraph, 632, 446), std::pair(-20, 300));
    EXPECT_EQ(gameWindowIn(kSceneGraph, 640, 480), std::nullopt);
    EXPECT_EQ(gameWindowIn("", 632, 454), std::nullopt);
}

}  // namespace
