// What the game's native media give, for the browser's media to be compared
// with (media_test.sh):
//   native_media music FILE.mid FRAMES OUT   the piece rendered by the game's
//       synthesizer (MidiSynth, MidiSequence) from its start, FRAMES stereo
//       frames at 44100 a second, as interleaved 32-bit floats;
//   native_media piece FILE.mid BANK.sf2 OUT  the same of the whole piece,
//       until its player is done (its last notes and their reverb faded),
//       with the sound bank BANK.sf2 (the bank cut for the site's music);
//   native_media video FILE.avi OUT          every picture of the video as the
//       game's decoder gives it at its times, 0xRRGGBB as 3 bytes a pixel,
//       after a line "WIDTH HEIGHT INTERVAL COUNT".
#include <fluidsynth.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "media/MidiSequence.h"
#include "media/MidiSynth.h"
#include "media/VideoDecoder.h"

namespace {

constexpr int kRate = 44100;
constexpr int kBlock = 128;

constexpr const char* kGameBank = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Renders the piece in blocks, each of at most the frames `wanted` asks for
// once `done` are rendered, until it asks for none.
using FramesWanted = std::function<long(long done, const MidiSequence& sequence)>;

int renderMusic(const std::string& midi, const std::string& bank, const FramesWanted& wanted, const std::string& out) {
    MidiSynth synth(kRate, bank);
    MidiSequence sequence(midi);
    sequence.prepare(synth, 0);
    sequence.run();
    std::ofstream file(out, std::ios::binary);
    std::vector<float> left(kBlock), right(kBlock), both(2 * kBlock);
    for (long done = 0, n = 0; (n = std::min<long>(kBlock, wanted(done, sequence))) > 0; done += n) {
        fluid_synth_write_float(synth.handle(), static_cast<int>(n), left.data(), 0, 1, right.data(), 0, 1);
        for (long i = 0; i < n; ++i) both[2 * i] = left[i], both[2 * i + 1] = right[i];
        file.write(reinterpret_cast<const char*>(both.data()), static_cast<std::streamsize>(2 * n * sizeof(float)));
    }
    return file ? 0 : 1;
}

int dumpVideo(const std::string& avi, const std::string& out) {
    VideoDecoder decoder(avi);
    std::uint32_t interval = decoder.frameInterval();
    std::uint64_t count = (decoder.length() + interval - 1) / interval;
    std::ofstream file(out, std::ios::binary);
    const Bitmap& first = decoder.pictureAt(0);
    file << first.width << ' ' << first.height << ' ' << interval << ' ' << count << '\n';
    for (std::uint64_t index = 0; index < count; ++index) {
        const Bitmap& picture = decoder.pictureAt(index * interval);
        for (Rgb pixel : picture.pixels) {
            char rgb[3] = {static_cast<char>(pixel >> 16), static_cast<char>(pixel >> 8), static_cast<char>(pixel)};
            file.write(rgb, 3);
        }
    }
    return file ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 4 && args[0] == "music") {
        long frames = std::stol(args[2]);
        auto theFirstFrames = [frames](long done, const MidiSequence&) { return frames - done; };
        return renderMusic(args[1], kGameBank, theFirstFrames, args[3]);
    }
    if (args.size() == 4 && args[0] == "piece") {
        auto toTheEnd = [](long, const MidiSequence& sequence) { return sequence.finished() ? 0 : kBlock; };
        return renderMusic(args[1], args[2], toTheEnd, args[3]);
    }
    if (args.size() == 3 && args[0] == "video") return dumpVideo(args[1], args[2]);
    std::cerr << "usage: native_media music FILE.mid FRAMES OUT | piece FILE.mid BANK.sf2 OUT | video FILE.avi OUT\n";
    return 2;
}
