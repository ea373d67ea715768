#include <gtest/gtest.h>

#include <fluidsynth.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "MediaFiles.h"
#include "SmfBytes.h"
#include "media/MidiDeck.h"
#include "media/MidiSequence.h"
#include "media/SdlMidiTrack.h"

namespace {

constexpr int kRate = 44100;
constexpr int kBeat = 480;  // ticks; half a second at the default tempo

// Chords held on an organ, `beats` beats long, on a program of its own.
std::string organ(const MediaFiles& files, const std::string& name, int program, int beats) {
    smf::Track track;
    track.at(0, {0xC0, program});
    for (int beat = 0; beat < beats; beat += 2) {
        track.note(0, 60).note(0, 64).note(0, 67);
        track.at(2 * kBeat, {0x80, 60, 0}).at(0, {0x80, 64, 0}).at(0, {0x80, 67, 0});
    }
    return files.text(name, smf::file(kBeat, {track.end()}));
}

// The deck on the game's sound bank, mixed by hand as the audio thread would.
class MidiDeckTest : public testing::Test {
protected:
    MidiDeckTest() { deck.attach(std::make_unique<MidiSynth>(kRate, "/usr/share/sounds/sf2/TimGM6mb.sf2")); }
    std::unique_ptr<SdlMidiTrack> track(const std::string& fileName) {
        std::uint64_t frames = MidiSequence::lengthInFrames(fileName, kRate).value();
        return std::make_unique<SdlMidiTrack>(fileName, frames, deck, lock);
    }
    std::vector<std::int16_t> mix(int frames) {
        std::vector<std::int16_t> out(2 * static_cast<std::size_t>(frames), 0);
        for (int done = 0; done < frames; done += 1024) deck.mix(out.data() + 2 * done, std::min(1024, frames - done));
        return out;
    }
    static int peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
        int most = 0;
        for (std::size_t i = 2 * from; i < 2 * to; ++i) most = std::max(most, std::abs(samples[i]));
        return most;
    }
    int program(int channel) {
        int font = 0, bank = 0, preset = 0;
        fluid_synth_get_program(deck.synth().handle(), channel, &font, &bank, &preset);
        return preset;
    }

    MediaFiles files;
    MidiDeck deck{kRate};
    std::mutex lock;
};

TEST_F(MidiDeckTest, AStopFadesThePieceOutInAFewMillisecondsToTrueSilence) {
    auto piece = track(organ(files, "organ.mid", 19, 16));
    piece->play();
    int loud = peak(mix(kRate / 2), kRate / 4, kRate / 2);
    ASSERT_GT(loud, 1000);
    piece->stop();
    EXPECT_EQ(piece->position(), 500u);
    std::vector<std::int16_t> after = mix(kRate / 10);
    std::size_t fade = static_cast<std::size_t>(deck.fadeFrames());
    EXPECT_LE(fade, std::size_t{kRate / 100});
    EXPECT_GT(peak(after, 0, fade / 2), loud / 4);       // no step down at the stop...
    EXPECT_LT(peak(after, fade - 10, fade), loud / 20);  // ...a ramp down to nearly nothing...
    EXPECT_EQ(peak(after, fade, kRate / 10), 0);         // ...then silence, reverb and all
    EXPECT_TRUE(deck.idle());
    EXPECT_EQ(piece->position(), 500u);
}

TEST_F(MidiDeckTest, ASupersedingPieceStartsOnceTheOtherHasFaded) {
    auto first = track(organ(files, "first.mid", 19, 16));
    auto second = track(organ(files, "second.mid", 0, 16));
    first->play();
    mix(kRate / 2);
    second->play();
    first->stop();  // as the service stops the other piece
    EXPECT_FALSE(first->playing());
    EXPECT_TRUE(second->playing());
    std::vector<std::int16_t> after = mix(kRate / 5);
    std::size_t fade = static_cast<std::size_t>(deck.fadeFrames());
    EXPECT_LT(peak(after, fade - 10, fade), 100);
    EXPECT_GT(peak(after, fade + kRate / 20, kRate / 5), 1000);
    EXPECT_EQ(first->position(), 500u);
    EXPECT_EQ(second->position(), (kRate / 5 - fade) * 1000 / kRate);
}

// Nothing of a faded piece sounds on when the next starts: no voice left
// on, and nothing the synthesizer rendered of it before the fade ended (it
// renders in blocks of its own and hands out the rest of one on the next
// call).
TEST_F(MidiDeckTest, NothingOfAFadedPieceComesBackWhenTheNextStarts) {
    auto loud = track(organ(files, "loud.mid", 19, 16));
    smf::Track rest;  // a piece whose first note comes a beat in
    rest.at(0, {0xC0, 0}).note(kBeat, 60).at(kBeat, {0x80, 60, 0});
    auto quiet = track(files.text("rest.mid", smf::file(kBeat, {rest.end()})));
    int block = fluid_synth_get_internal_bufsize(deck.synth().handle());
    // Stopped where the fade ends one frame into a block of the synthesizer's.
    int playing = kRate / 2 + (1 - kRate / 2 - deck.fadeFrames()) % block + block;
    loud->play();
    int level = peak(mix(playing), static_cast<std::size_t>(playing - block), static_cast<std::size_t>(playing));
    ASSERT_GT(level, 1000);
    loud->stop();
    mix(deck.fadeFrames());
    quiet->play();
    std::vector<std::int16_t> untilItsNote = mix(kRate / 4);
    EXPECT_EQ(fluid_synth_get_active_voice_count(deck.synth().handle()), 0);
    EXPECT_LE(peak(untilItsNote, 0, kRate / 4), 32);  // under -60 dBFS: the organ held 1400 and more
}

// Another piece changed the channels in between: the first comes back at
// its tick, with its own instrument.
TEST_F(MidiDeckTest, AStoppedPieceGoesOnFromWhereItStoodWithItsOwnInstrument) {
    auto first = track(organ(files, "first.mid", 19, 16));
    auto second = track(organ(files, "second.mid", 40, 16));
    first->play();
    mix(kRate);
    first->stop();
    second->play();
    mix(kRate / 2);
    EXPECT_EQ(program(0), 40);
    second->stop();
    first->play();
    std::vector<std::int16_t> resumed = mix(kRate / 2);
    EXPECT_EQ(program(0), 19);
    EXPECT_GT(peak(resumed, deck.fadeFrames() + kRate / 4, kRate / 2), 1000);  // its chord sounds again
    EXPECT_EQ(first->position(), 1000u + (kRate / 2 - deck.fadeFrames()) * 1000 / kRate);
}

TEST_F(MidiDeckTest, ASequenceStartsAtTheTickItWasPreparedAt) {
    MidiSequence sequence(organ(files, "organ.mid", 19, 16));
    sequence.prepare(deck.synth(), 1234);
    EXPECT_EQ(sequence.halt(), 1234);  // halted before it ran
    sequence.prepare(deck.synth(), 3000);
    sequence.run();
    std::vector<std::int16_t> block(2 * 64);
    deck.synth().render(block.data(), 64);
    int reached = sequence.halt();
    EXPECT_GE(reached, 3000);
    EXPECT_LE(reached, 3002);  // one block is 1.5 ms, 1.4 ticks
    EXPECT_TRUE(sequence.finished());
}

TEST_F(MidiDeckTest, APlayedOutPieceStandsAtItsLengthAndTheDeckFallsQuiet) {
    auto piece = track(organ(files, "short.mid", 19, 2));
    piece->play();
    std::vector<std::int16_t> out = mix(static_cast<int>(piece->length()) * kRate / 1000 + kRate / 10);
    EXPECT_FALSE(piece->playing());
    EXPECT_EQ(piece->position(), piece->length());
    std::size_t end = piece->length() * kRate / 1000;
    EXPECT_EQ(peak(out, end + static_cast<std::size_t>(deck.fadeFrames()) + 64, out.size() / 2), 0);
    EXPECT_TRUE(deck.idle());
    piece->play();  // at its end a play request does nothing until it is rewound
    EXPECT_FALSE(piece->playing());
    piece->rewind();
    piece->play();
    mix(kRate / 10);
    EXPECT_EQ(piece->position(), 100u);
}

TEST_F(MidiDeckTest, APlayWhileSoundingContinuesWithoutAFade) {
    auto piece = track(organ(files, "organ.mid", 19, 16));
    piece->play();
    mix(kRate / 2);
    piece->play();
    std::vector<std::int16_t> on = mix(kRate / 10);
    EXPECT_GT(peak(on, 0, static_cast<std::size_t>(deck.fadeFrames()) * 2), 1000);
    EXPECT_EQ(piece->position(), 600u);
    EXPECT_FALSE(deck.idle());
}

// The sound bank loads while the first screen comes up: a piece played
// before the synthesizer is there waits, silent and at its start, and
// sounds from its start once it arrives; stopped and rewound meanwhile, it
// still starts from there.
TEST(MidiDeckBeforeItsSynthesizer, APiecePlayedEarlyWaitsSilentlyAndStartsFromItsBeginning) {
    MediaFiles files;
    std::mutex lock;
    MidiDeck deck{kRate};
    std::string fileName = organ(files, "organ.mid", 19, 16);
    SdlMidiTrack piece(fileName, MidiSequence::lengthInFrames(fileName, kRate).value(), deck, lock);
    piece.play();
    std::vector<std::int16_t> early(2 * 1024, 0);
    deck.mix(early.data(), 1024);
    EXPECT_EQ(*std::max_element(early.begin(), early.end()), 0);
    EXPECT_EQ(piece.position(), 0u);
    EXPECT_FALSE(deck.idle());  // the device stays awake for it
    piece.stop();
    piece.rewind();
    piece.play();
    deck.attach(std::make_unique<MidiSynth>(kRate, "/usr/share/sounds/sf2/TimGM6mb.sf2"));
    std::vector<std::int16_t> out(2 * static_cast<std::size_t>(kRate / 2), 0);
    for (int done = 0; done < kRate / 2; done += 1024)
        deck.mix(out.data() + 2 * done, std::min(1024, kRate / 2 - done));
    int font = 0, bank = 0, preset = 0;
    fluid_synth_get_program(deck.synth().handle(), 0, &font, &bank, &preset);
    EXPECT_EQ(preset, 19);  // its own instrument, set at its start
    EXPECT_GT(*std::max_element(out.begin(), out.end()), 1000);
    EXPECT_EQ(piece.position(), 500u);
}

}  // namespace
