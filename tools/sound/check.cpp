// Measures the generated sounds the way a listener cannot here: length and
// levels of the laser shot, and of each piece rendered through the game's
// soundfont, whole and one part at a time, with a count of unclosed notes.

#include "GameSong.h"
#include "IntroTheme.h"
#include "MidiRenderer.h"
#include "R128Meter.h"
#include "WavLoader.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>

namespace {

constexpr const char* kSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

void reportLaser(const std::filesystem::path& path) {
    const sound::Pcm pcm = sound::loadWav(path);
    std::printf("%s: %.3f s, %d Hz, %d channel(s), peak %.2f dBFS, RMS %.2f dBFS, first %d, last %d\n",
                path.filename().c_str(), sound::seconds(pcm), pcm.rate, pcm.channels, sound::peakDbfs(pcm),
                sound::rmsDbfs(pcm), pcm.samples.front(), pcm.samples.back());
    std::printf("  loudness %.1f LUFS, the loudest momentary, as played on both speakers\n",
                sound::loudestMomentaryLufs(pcm));
}

void reportMusic(const sound::MidiRenderer& renderer, const std::filesystem::path& path, const sound::Score& score) {
    const sound::Rendering whole = renderer.render(path);
    std::printf("%s: %.1f s (%.1f s rendered), peak %d (%.1f dBFS), RMS %.1f dBFS, %.1f LUFS integrated\n",
                path.filename().c_str(), whole.seconds, whole.renderedSeconds, whole.peak, whole.peakDbfs,
                whole.rmsDbfs, whole.integratedLufs);
    std::printf("  %d notes, %d left sounding, %d struck while sounding, %d stray note-offs\n", whole.notes.notes(),
                whole.notes.stillSounding(), whole.notes.restrikes(), whole.notes.strayNoteOffs());
    for (const sound::Part& part : score.parts()) {
        const int channel = part.instrument().channel;
        const sound::Rendering solo = renderer.render(path, channel);
        std::printf("  ch %2d %-16s program %3d: RMS %6.1f dBFS (%6.1f while heard), peak %6.1f dBFS, %5d notes\n",
                    channel + 1, part.instrument().name.c_str(), part.instrument().program, solo.rmsDbfs,
                    solo.audibleRmsDbfs, solo.peakDbfs, solo.notes.notes(channel));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: orbitrove-soundcheck DATA_FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        reportLaser(folder / "laser.wav");
        const sound::MidiRenderer renderer(kSoundfont);
        reportMusic(renderer, folder / "intro.mid", sound::IntroTheme().score());
        reportMusic(renderer, folder / "song.mid", sound::GameSong().score());
    } catch (const std::exception& error) {
        std::cerr << "orbitrove-soundcheck: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
