#include <gtest/gtest.h>

#include "sound/Arpeggio.h"
#include "sound/BassLine.h"
#include "sound/ChordChart.h"
#include "sound/DrumKit.h"
#include "sound/MelodyLine.h"
#include "sound/MinorKey.h"
#include "sound/PadPlayer.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

namespace {

using sound::kTicksPerBar;
using sound::kTicksPerStep;
using Notes = std::vector<sound::Part::Note>;

const sound::MinorKey kE(52);

sound::Part part(int channel = 0) { return sound::Part({"Test", channel, 0, 100, 64, 40}); }

std::multiset<int> pitchesAt(const Notes& notes, int tick) {
    std::multiset<int> pitches;
    for (const auto& note : notes) {
        if (note.tick == tick) {
            pitches.insert(note.pitch);
        }
    }
    return pitches;
}

TEST(SoundPad, VoicesTheTriadInItsOctaveAndHoldsARepeatedChord) {
    sound::ChordChart chart;
    const sound::Section section = chart.lay({kE.i, kE.i, kE.VI});
    sound::Part pad = part();
    sound::PadPlayer(pad, 60, 70).hold(section);

    EXPECT_EQ(pitchesAt(pad.notes(), 0), (std::multiset<int>{52, 64, 67, 71}));  // E3 under E4 G4 B4
    EXPECT_EQ(pitchesAt(pad.notes(), kTicksPerBar), std::multiset<int>{}) << "the same chord is held";
    EXPECT_EQ(pitchesAt(pad.notes(), 2 * kTicksPerBar), (std::multiset<int>{48, 60, 64, 67}));  // C3 under C4 E4 G4
    ASSERT_EQ(pad.notes().size(), 8u);
    for (const auto& note : pad.notes()) {
        EXPECT_LE(note.tick + note.length, note.tick == 0 ? 2 * kTicksPerBar : 3 * kTicksPerBar);
        EXPECT_GT(note.length, note.tick == 0 ? 2 * kTicksPerBar - 20 : kTicksPerBar - 20);
    }
}

TEST(SoundArpeggio, CyclesItsDegreesOverEachBarsChordWithBeatsAccented) {
    sound::ChordChart chart;
    const sound::Section section = chart.lay({kE.i, kE.VII});
    sound::Part arp = part();
    sound::Arpeggio(arp, {{0, 2, 4}, 2 * kTicksPerStep, kTicksPerStep, 52, 60}).play(section);

    ASSERT_EQ(arp.notes().size(), 16u);
    const int eMinor[] = {52, 55, 59};
    const int dMajor[] = {62, 66, 69};  // D is the first root at or above E3
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(arp.notes()[static_cast<std::size_t>(i)].pitch, eMinor[i % 3]);
        EXPECT_EQ(arp.notes()[static_cast<std::size_t>(8 + i)].pitch, dMajor[i % 3]);
        EXPECT_EQ(arp.notes()[static_cast<std::size_t>(i)].velocity, i % 2 == 0 ? 68 : 60);
    }
}

// The last note of each bar steps into the next root from the scale note
// below it, also across the end of the section.
TEST(SoundBass, LeadsIntoTheNextChordEvenInTheNextSection) {
    sound::ChordChart chart;
    const sound::Section verse = chart.lay({kE.i, kE.VI});
    chart.lay({kE.III});
    sound::Part bass = part();
    sound::BassLine(bass, 33, 80).play(verse, sound::Motif("x---x---x---x---", {0, 7, 4, 0}), true);

    std::vector<int> pitches;
    for (const auto& note : bass.notes()) {
        pitches.push_back(note.pitch);
    }
    // E minor: E2 E3 B2, then B1 below C2; C: C2 C3 G2, then F sharp 2 below G2.
    EXPECT_EQ(pitches, (std::vector<int>{40, 52, 47, 35, 36, 48, 43, 42}));
}

TEST(SoundBass, WithoutLeadingInPlaysItsDegrees) {
    sound::ChordChart chart;
    const sound::Section section = chart.lay({kE.V});
    sound::Part bass = part();
    sound::BassLine(bass, 33, 80).play(section, sound::Motif("x-------x-------", {0, 2}), false);
    ASSERT_EQ(bass.notes().size(), 2u);
    EXPECT_EQ(bass.notes()[0].pitch, 35);  // B1
    EXPECT_EQ(bass.notes()[1].pitch, 39);  // D sharp 2: the dominant is major
    EXPECT_EQ(bass.notes()[0].velocity, 90) << "downbeats are accented";
}

bool isTriadNote(const sound::Scale& chord, int pitch) {
    for (int degree : {0, 2, 4}) {
        if ((pitch - chord.pitch(degree)) % 12 == 0) {
            return true;
        }
    }
    return false;
}

// Over many random figures that fit the range in some octave: the tune keeps
// to the range, and the harmony always sits on a chord note a third to a
// sixth below it.
TEST(SoundMelody, StaysInRangeAndItsHarmonyOnChordNotesBelow) {
    sound::ChordChart chart;
    const std::vector<sound::Scale> chords = {kE.i, kE.VI, kE.III, kE.VII, kE.iv, kE.V};
    const sound::Section section = chart.lay(chords);
    sound::Dice dice(7);
    sound::Part tune = part(0);
    sound::Part harmony = part(1);
    sound::MelodyLine line(60, 79, 71);
    for (int round = 0; round < 20; ++round) {
        std::vector<sound::Motif> phrase;
        for (std::size_t bar = 0; bar < chords.size(); ++bar) {
            phrase.emplace_back("x---x---x---x---",
                                std::vector<int>{dice.below(5), dice.below(5), dice.below(5), dice.below(5)});
        }
        line.play(section, phrase, {{&tune, 0, 90}, {&harmony, -2, 70, true}});
    }
    ASSERT_EQ(tune.notes().size(), harmony.notes().size());
    for (std::size_t i = 0; i < tune.notes().size(); ++i) {
        const int pitch = tune.notes()[i].pitch;
        const int below = pitch - harmony.notes()[i].pitch;
        EXPECT_GE(pitch, 60);
        EXPECT_LE(pitch, 79);
        EXPECT_GE(below, 3);
        EXPECT_LE(below, 9);
        EXPECT_TRUE(isTriadNote(chords[static_cast<std::size_t>(tune.notes()[i].tick / kTicksPerBar)],
                                harmony.notes()[i].pitch))
            << harmony.notes()[i].pitch;
    }
}

// Figures are placed by octave next to the note before: a figure over C
// after one ending on B4 starts on G4, not on G3 or G5.
TEST(SoundMelody, MovesEachFigureToTheOctaveNearestTheLastNote) {
    sound::ChordChart chart;
    const sound::Section section = chart.lay({kE.i, kE.VI});
    sound::Part tune = part();
    sound::MelodyLine(48, 96, 66)
        .play(section, {sound::Motif("x-------x-------", {0, 4}), sound::Motif("x---------------", {4})},
              {{&tune, 0, 90}});
    ASSERT_EQ(tune.notes().size(), 3u);
    EXPECT_EQ(tune.notes()[0].pitch, 64);
    EXPECT_EQ(tune.notes()[1].pitch, 71);
    EXPECT_EQ(tune.notes()[2].pitch, 67);
}

std::map<int, int> hitsPerBar(const Notes& notes) {
    std::map<int, int> bars;
    for (const auto& note : notes) {
        ++bars[note.tick / kTicksPerBar];
    }
    return bars;
}

TEST(SoundDrums, PlaysTheGrooveWithAFillEveryEighthBar) {
    sound::ChordChart chart;
    const sound::Section section = chart.lay(std::vector<sound::Scale>(16, kE.i));
    sound::Part drums = part(9);
    sound::DrumKit kit(drums, 3);
    const sound::Groove groove = {{sound::drum::kKick, "x...x...x...x..."},
                                  {sound::drum::kClosedHat, "x.x.x.x.x.x.x.x."}};
    kit.play(section, groove, 8);

    const std::map<int, int> bars = hitsPerBar(drums.notes());
    for (int bar = 0; bar < 16; ++bar) {
        if (bar == 7 || bar == 15) {
            continue;
        }
        EXPECT_EQ(bars.at(bar), 12) << bar;
    }
    std::set<int> fillKeys;
    for (const auto& note : drums.notes()) {
        const int bar = note.tick / kTicksPerBar;
        if (bar == 7 || bar == 15) {
            fillKeys.insert(note.pitch);
        } else {
            EXPECT_TRUE(note.pitch == sound::drum::kKick || note.pitch == sound::drum::kClosedHat);
        }
    }
    EXPECT_TRUE(fillKeys.contains(sound::drum::kSnare) || fillKeys.contains(sound::drum::kHighTom));
}

TEST(SoundDrums, GhostNotesComeSometimesAndAccentsStayLouder) {
    sound::ChordChart chart;
    const sound::Section section = chart.lay(std::vector<sound::Scale>(32, kE.i));
    sound::Part drums = part(9);
    sound::DrumKit(drums, 11).play(section, {{sound::drum::kSnare, "X...x...o...?..."}}, 0);

    int ghosts = 0;
    std::map<int, std::pair<int, int>> velocityRange;  // by step
    for (const auto& note : drums.notes()) {
        const int step = note.tick % kTicksPerBar / kTicksPerStep;
        auto& [low, high] = velocityRange.try_emplace(step, 127, 0).first->second;
        low = std::min(low, note.velocity);
        high = std::max(high, note.velocity);
        ghosts += step == 12 ? 1 : 0;
    }
    EXPECT_GT(ghosts, 0);
    EXPECT_LT(ghosts, 32);
    EXPECT_GT(velocityRange[0].first, velocityRange[4].second);
    EXPECT_GT(velocityRange[4].first, velocityRange[8].second);
    EXPECT_GT(velocityRange[8].first, velocityRange[12].second);
    EXPECT_THROW(sound::DrumKit(drums, 1).play(section, {{sound::drum::kSnare, "x..."}, {36, "!"}}, 0),
                 std::invalid_argument);
}

}  // namespace
