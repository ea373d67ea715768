#include "SoundFolder.h"

#include "sound/Bytes.h"
#include "sound/LaserShot.h"
#include "sound/MidiRenderer.h"
#include "sound/SmfWriter.h"
#include "sound/Sounds.h"
#include "sound/Timing.h"
#include "sound/WavLoader.h"
#include "sound/WavWriter.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace {

using sound::Bytes;

// The examples the Standard MIDI File format gives for its variable-length numbers.
TEST(SoundMidi, VariableLengthNumbersMatchTheFormatsOwnExamples) {
    const std::pair<std::uint32_t, Bytes> examples[] = {
        {0x00000000, {0x00}},
        {0x00000040, {0x40}},
        {0x0000007F, {0x7F}},
        {0x00000080, {0x81, 0x00}},
        {0x00002000, {0xC0, 0x00}},
        {0x00003FFF, {0xFF, 0x7F}},
        {0x00004000, {0x81, 0x80, 0x00}},
        {0x00100000, {0xC0, 0x80, 0x00}},
        {0x001FFFFF, {0xFF, 0xFF, 0x7F}},
        {0x00200000, {0x81, 0x80, 0x80, 0x00}},
        {0x08000000, {0xC0, 0x80, 0x80, 0x00}},
        {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
    };
    for (const auto& [value, expected] : examples) {
        Bytes out;
        sound::appendVarLength(out, value);
        EXPECT_EQ(out, expected) << std::hex << value;
    }
    Bytes out;
    EXPECT_THROW(sound::appendVarLength(out, 0x10000000), std::out_of_range);
}

// Worked out by hand: header, a conductor track and one part with one note.
TEST_F(SoundFolder, OneNoteFileHasExactlyTheExpectedBytes) {
    sound::Part part({"P", 0, 0, 100, 64, 40});
    part.play(0, sound::kTicksPerQuarter, 60, 100);
    sound::Score score("T", 120, 0);
    score.add(part);
    sound::SmfWriter(folder).write("one.mid", score);

    const Bytes expected = {
        'M',  'T',  'h',  'd',  0,    0,    0,    6,    0,    1,    0,    2,    0x01, 0xE0, 'M',
        'T',  'r',  'k',  0,    0,    0,    25,   0x00, 0xFF, 0x03, 1,    'T',  0x00, 0xFF, 0x58,
        4,    4,    2,    24,   8,    0x00, 0xFF, 0x51, 3,    0x07, 0xA1, 0x20,  // 500000 microseconds a quarter
        0x83, 0x60, 0xFF, 0x2F, 0x00,                                            // ends 480 ticks in, with the note
        'M',  'T',  'r',  'k',  0,    0,    0,    37,   0x00, 0xFF, 0x03, 1,    'P',  0x00, 0xC0,
        0,    0x00, 0xB0, 7,    100,  0x00, 0xB0, 10,   64,   0x00, 0xB0, 91,   40,   0x00, 0xB0,
        11,   127,  0x00, 0x90, 60,   100,  0x83, 0x60, 0x80, 60,   64,   0x00, 0xFF, 0x2F, 0x00,
    };
    EXPECT_EQ(fileBytes(folder / "one.mid"), expected);
}

// Two bars at 120 beats a minute plus a beat of silence: 4.5 seconds. The
// part strikes keys again at the moment they end and while they still
// sound; the player must see every note close and no key struck twice.
TEST_F(SoundFolder, FluidsynthPlaysAWrittenFileToItsEndWithEveryNoteClosed) {
    using sound::kTicksPerQuarter;
    sound::Part part({"Piano", 0, 0, 100, 64, 40});
    for (int beat = 0; beat < 8; ++beat) {
        part.play(beat * kTicksPerQuarter, kTicksPerQuarter, 60, 90);
    }
    part.play(0, 4 * kTicksPerQuarter, 64, 80);
    part.play(2 * kTicksPerQuarter, 6 * kTicksPerQuarter, 64, 80);
    part.play(2 * kTicksPerQuarter, kTicksPerQuarter, 64, 70);
    sound::Score score("Test", 120, kTicksPerQuarter);
    score.add(part);
    sound::SmfWriter(folder).write("test.mid", score);

    const sound::Rendering rendering = sound::MidiRenderer(kSoundfont).render(folder / "test.mid");
    EXPECT_NEAR(rendering.seconds, 4.5, 0.05);
    EXPECT_EQ(rendering.notes.notes(), 10);
    EXPECT_EQ(rendering.notes.restrikes(), 0);
    EXPECT_EQ(rendering.notes.stillSounding(), 0);
    EXPECT_EQ(rendering.notes.strayNoteOffs(), 0);
    EXPECT_GT(rendering.peak, 0);
}

TEST_F(SoundFolder, SdlReadsBackWavFormatLengthAndSamples) {
    const std::vector<std::int16_t> samples = {0, 1, -1, 32767, -32767, 1234, -4321, 7};
    for (int channels : {1, 2}) {
        SCOPED_TRACE(channels);
        sound::WavWriter(folder).write("t.wav", {22050, channels, samples});
        const sound::Pcm back = sound::loadWav(folder / "t.wav");
        EXPECT_EQ(back.rate, 22050);
        EXPECT_EQ(back.channels, channels);
        EXPECT_EQ(back.samples, samples);
        EXPECT_EQ(fileBytes(folder / "t.wav").size(), 44 + 2 * samples.size());
    }
}

// The game loads the files through SDL_mixer: the shot as a chunk, the
// music through the soundfont.
TEST_F(SoundFolder, SdlMixerLoadsTheShotAndBothPieces) {
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    Mix_SetSoundFonts(kSoundfont);
    sound::writeSounds(folder);
    Mix_Chunk* shot = Mix_LoadWAV((folder / "laser.wav").c_str());
    ASSERT_NE(shot, nullptr) << Mix_GetError();
    EXPECT_EQ(shot->alen, 4 * sound::LaserShot().render().samples.size()) << "mono widened to stereo";
    Mix_FreeChunk(shot);
    for (const char* name : {"intro.mid", "song.mid"}) {
        Mix_Music* music = Mix_LoadMUS((folder / name).c_str());
        ASSERT_NE(music, nullptr) << name << ": " << Mix_GetError();
        EXPECT_EQ(Mix_GetMusicType(music), MUS_MID);
        Mix_FreeMusic(music);
    }
    Mix_CloseAudio();
    SDL_Quit();
}

double rmsOf(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    double sum = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return std::sqrt(sum / static_cast<double>(to - from));
}

int zeroCrossings(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
    int count = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        count += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
    }
    return count;
}

TEST(SoundLaser, IsShortPeaksNearMinusNineAndAHalfAndNeverClicks) {
    const sound::Pcm shot = sound::LaserShot().render();
    EXPECT_EQ(shot.rate, 44100);
    EXPECT_GE(sound::seconds(shot), 0.35);
    EXPECT_LE(sound::seconds(shot), 0.6);
    EXPECT_NEAR(sound::peakDbfs(shot), -9.5, 0.1);
    EXPECT_EQ(shot.samples.front(), 0);
    EXPECT_EQ(shot.samples.back(), 0);
    // A millisecond of attack and of release stays well under full level.
    EXPECT_LT(rmsOf(shot.samples, 0, 44), 3000.0);
    EXPECT_LT(rmsOf(shot.samples, shot.samples.size() - 44, shot.samples.size()), 300.0);
}

TEST(SoundLaser, FallsInPitchAndDiesAway) {
    const sound::Pcm shot = sound::LaserShot().render();
    const std::size_t tenth = shot.samples.size() / 10;
    const std::size_t end = shot.samples.size();
    EXPECT_GT(zeroCrossings(shot.samples, tenth, 2 * tenth),
              2 * zeroCrossings(shot.samples, end - 2 * tenth, end - tenth));
    EXPECT_GT(rmsOf(shot.samples, 0, tenth), 10.0 * rmsOf(shot.samples, end - 2 * tenth, end - tenth));
}

}  // namespace
