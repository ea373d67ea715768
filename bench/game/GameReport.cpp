#include "bench/game/GameReport.h"

#include "bench/game/StageTimes.h"

#include <algorithm>
#include <iomanip>
#include <string>
#include <vector>

namespace {

constexpr double kStartupMs = 40;
constexpr double kIntroStartMs = 100;  // the intro's first picture and first note
constexpr double kPlayCpu = 1.3;
constexpr double kSilentCpu = 0.1;
constexpr double kPlayRssMb = 35;
constexpr double kWholeRunRssMb = 40;
constexpr std::size_t kMappingsShown = 12;
constexpr double kStartMs = 30;
constexpr double kClickDbfs = -60;
constexpr double kFadeEndMs = 40;  // the fade, and the mix's buffer before it
constexpr double kWaylandRatio = 1.5;

void line(std::ostream& out, const char* label, double value, int decimals, bool met, const std::string& target) {
    out << std::left << std::setw(46) << label << std::right << std::fixed << std::setprecision(decimals)
        << std::setw(10) << value << (met ? " " : "*") << "   " << target << '\n';
}

void phase(std::ostream& out, const char* name, const PhaseFigures& f, double cpuTarget, double rssTarget) {
    out << std::left << std::setw(22) << name << std::right << std::fixed << std::setprecision(2) << std::setw(9)
        << f.cpuPercent << (cpuTarget > 0 && f.cpuPercent > cpuTarget ? "*" : " ") << std::setw(9) << f.audioCpuPercent
        << std::setprecision(1) << std::setw(10) << f.rssMb << std::setw(10) << f.peakRssMb
        << (rssTarget > 0 && f.peakRssMb > rssTarget ? "*" : " ") << "   ";
    if (cpuTarget > 0) out << "CPU <= " << std::setprecision(1) << cpuTarget;
    if (rssTarget > 0) out << ", RSS <= " << std::setprecision(0) << rssTarget;
    out << '\n';
}

void startups(std::ostream& out, const GameFigures& f) {
    line(out, "start-up to the first window, median (ms)", f.startup.medianMs, 1, f.startup.medianMs <= kStartupMs,
         "<= 40");
    line(out, "start-up to the first window, minimum (ms)", f.startup.minMs, 1, true, "");
    for (const auto& [stage, ms] : f.startup.stages) {
        bool introStart = stage == "first music mixed" || stage == "video decoder open";
        line(out, ("  stage: " + stage + " (ms)").c_str(), ms, 1, !introStart || ms <= kIntroStartMs,
             introStart ? "<= 100" : "");
    }
    for (const auto& peer : f.peers) {
        std::string name = peer.program.substr(peer.program.find_last_of('/') + 1);
        line(out, ("peer " + name + ", median (ms)").c_str(), peer.medianMs, 1, true, "");
        line(out, ("peer " + name + ", minimum (ms)").c_str(), peer.minMs, 1, true, "");
    }
}

void threads(std::ostream& out, const char* name, const PhaseFigures& f) {
    out << "  " << name << ", CPU % by thread:";
    for (const auto& [thread, percent] : f.threadCpuPercent)
        out << "  " << thread << ' ' << std::fixed << std::setprecision(2) << percent;
    out << '\n';
}

void mappings(std::ostream& out, const GameFigures& f) {
    out << "RSS at the end of play by mapping (MB):\n";
    for (std::size_t i = 0; i < std::min(kMappingsShown, f.playMappings.size()); ++i)
        out << "  " << std::fixed << std::setprecision(1) << std::setw(6) << f.playMappings[i].mb << "  "
            << f.playMappings[i].name << '\n';
}

}  // namespace

void printGameReport(std::ostream& out, const GameFigures& f) {
    startups(out, f);
    out << '\n'
        << std::left << std::setw(22) << "phase" << std::right << std::setw(10) << "CPU %" << std::setw(9) << "sound %"
        << std::setw(10) << "RSS MB" << std::setw(11) << "peak MB"
        << "   target\n";
    phase(out, "title, intro sounding", f.titleWithIntro, 0, 0);
    phase(out, "title, silent", f.titleSilent, kSilentCpu, 0);
    phase(out, "play", f.play, kPlayCpu, kPlayRssMb);
    phase(out, "play, from the intro", f.playFromIntro, kPlayCpu, kPlayRssMb);
    phase(out, "paused", f.paused, 0, 0);
    for (const auto& [peer, title] : f.peerTitles) phase(out, ("peer " + peer + ", title").c_str(), title, 0, 0);
    threads(out, "title, intro sounding", f.titleWithIntro);
    threads(out, "play", f.play);
    line(out, "peak RSS over intro, skip and play (MB)", f.wholeRunPeakMb, 1, f.wholeRunPeakMb <= kWholeRunRssMb,
         "<= 40");
    // The intro's decoder runs as a process of its own; the machine holds both.
    line(out, "intro, with its decoder: peak RSS (MB)", f.titleWithIntro.withChildrenPeak.rssMb, 1, true, "");
    line(out, "intro, with its decoder: peak PSS (MB)", f.titleWithIntro.withChildrenPeak.pssMb, 1, true, "");
    mappings(out, f);
    out << '\n';
    line(out, "skip: the intro music's level (dBFS)", f.skipMusicDbfs, 1, true, "");
    line(out, "skip: largest step as it ends (dBFS)", f.skipStepDbfs, 1, f.skipStepDbfs <= kClickDbfs, "<= -60");
    line(out, "skip: click to its last sound (ms)", f.skipEndMs, 1, f.skipEndMs <= kFadeEndMs, "<= 40");
    line(out, "laser: shots", f.shots, 0, true, "");
    line(out, "laser: sounds heard", f.laserSounds, 0, f.laserSounds == f.expectedLaserSounds,
         "= " + std::to_string(f.expectedLaserSounds));
    line(out, "laser: request to first sample, worst (ms)", f.worstLaserStartMs, 1, true, "");
    line(out, "laser: the same after 5 s of silence (ms)", f.wakeLaserStartMs, 1, f.wakeLaserStartMs < kStartMs,
         "< 30");
    line(out, "song: length (ms)", f.songLengthMs, 0, true, "");
    line(out, "song: position once ended (ms)", f.songPositionAtEndMs, 0, f.songPositionAtEndMs == f.songLengthMs,
         "= length");
    line(out, "song: first to last sounding sample (ms)", f.songSoundedMs, 0, f.songSoundedMs <= f.songLengthMs,
         "<= length");
    out << "* misses its target\n";
}

namespace {

PhaseFigures medianPhase(const std::vector<PhaseFigures>& runs) {
    auto of = [&runs](double PhaseFigures::*figure) {
        std::vector<double> values;
        for (const auto& run : runs) values.push_back(run.*figure);
        return median(values);
    };
    return {of(&PhaseFigures::cpuPercent),       of(&PhaseFigures::audioCpuPercent), of(&PhaseFigures::peakRssMb),
            of(&PhaseFigures::serverCpuPercent), of(&PhaseFigures::rssMb),           {},
            {}};
}

void displayLine(std::ostream& out, const std::string& name, const PhaseFigures& f) {
    out << std::left << std::setw(22) << name << std::right << std::fixed << std::setprecision(2) << std::setw(9)
        << f.cpuPercent << std::setw(10) << f.audioCpuPercent << std::setprecision(1) << std::setw(10) << f.peakRssMb;
    if (f.serverCpuPercent >= 0) out << std::setprecision(2) << std::setw(12) << f.serverCpuPercent;
    out << '\n';
}

}  // namespace

void printDisplayComparison(std::ostream& out, const DisplayComparison& comparison) {
    out << std::left << std::setw(22) << "play on" << std::right << std::setw(9) << "CPU %" << std::setw(10)
        << "sound %" << std::setw(10) << "peak MB" << std::setw(12) << "servers %" << '\n';
    for (std::size_t round = 0; round < comparison.x11.size(); ++round) {
        displayLine(out, "X11, round " + std::to_string(round + 1), comparison.x11[round]);
        displayLine(out, "Wayland, round " + std::to_string(round + 1), comparison.wayland[round]);
    }
    PhaseFigures x11 = medianPhase(comparison.x11);
    PhaseFigures wayland = medianPhase(comparison.wayland);
    displayLine(out, "X11, median", x11);
    displayLine(out, "Wayland, median", wayland);
    double ratio = x11.cpuPercent > 0 ? wayland.cpuPercent / x11.cpuPercent : 0;
    out << '\n';
    line(out, "Wayland's CPU against X11's, medians", ratio, 2, ratio <= kWaylandRatio, "<= 1.5");
    out << "* misses its target\n";
}
