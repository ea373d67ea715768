#include "IntroTheme.h"

#include "Arpeggio.h"
#include "BassLine.h"
#include "DrumKit.h"
#include "MelodyLine.h"
#include "MinorKey.h"
#include "PadPlayer.h"

namespace sound {

namespace {

constexpr int kTempo = 76;
constexpr int kSilence = 2 * kTicksPerQuarter;

const MinorKey kKey(50);  // D minor

// Open broken chords: root, fifth, octave, tenth, twelfth and back.
const std::vector<int> kHarpFigure = {0, 4, 7, 9, 11, 9, 7, 4};

// A rising fifth that falls back a step: the tune's seed.
const Motif kCall("x-----x-x-------", {0, 4, 3});

}  // namespace

IntroTheme::IntroTheme()
    : opening_(chart_.lay({kKey.i, kKey.VI, kKey.III, kKey.VII})),
      theme_(chart_.lay({kKey.i, kKey.VI, kKey.III, kKey.VII})),
      answer_(chart_.lay({kKey.iv, kKey.VI, kKey.i, kKey.V})),
      rise_(chart_.lay({kKey.i, kKey.VI, kKey.III, kKey.VII, kKey.iv, kKey.V})),
      close_(chart_.lay({kKey.I, kKey.I})),
      pad_({"Warm pad", 0, 89, 120, 64, 90}),
      harp_({"Harp", 1, 46, 127, 84, 70}),
      horn_({"Horns", 2, 60, 127, 50, 60}),
      strings_({"Strings", 3, 48, 90, 70, 70}),
      choir_({"Choir", 4, 52, 127, 60, 90}),
      bass_({"Contrabass", 5, 43, 127, 64, 50}),
      timpani_({"Timpani", 6, 47, 127, 64, 60}),
      cymbals_({"Cymbals", 9, 0, 127, 64, 80}) {
    accompany();
    tellTheTune();
    riseUp();
    playPercussion();
    close();
}

Score IntroTheme::score() const {
    Score score("Orbitrove intro", kTempo, kSilence);
    for (const Part* part : {&pad_, &harp_, &horn_, &strings_, &choir_, &bass_, &timpani_, &cymbals_}) {
        score.add(*part);
    }
    return score;
}

void IntroTheme::accompany() {
    PadPlayer(pad_, 57, 70).hold(chart_.whole());
    pad_.swell(0, opening_.tick(2), 30, 127);
    Arpeggio slowHarp(harp_, {kHarpFigure, kTicksPerQuarter / 2, kTicksPerQuarter, 50, 66});
    for (const Section& section : {opening_.slice(2, 2), theme_, answer_}) {
        slowHarp.play(section);
    }
    Arpeggio(harp_, {kHarpFigure, kTicksPerStep, kTicksPerQuarter / 2, 50, 58}).play(rise_);
}

void IntroTheme::tellTheTune() {
    MelodyLine horn(53, 74, 62);
    const std::vector<Voice> voices = {{&horn_, 0, 84}};
    const Motif sigh("x-------x-------", {4, 2});
    horn.play(theme_, {kCall, kCall, Motif("x-------x---x---", {4, 2, 1}), Motif::held(1, 2)}, voices);
    horn.play(answer_, {kCall, Motif("x-----x-x---x---", {4, 5, 4, 2}), sigh, sigh}, voices);
}

// Strings take the tune an octave up, with the horns below them, and climb
// to its peak before the cadence.
void IntroTheme::riseUp() {
    MelodyLine strings(62, 86, 74);
    const std::vector<Voice> voices = {{&strings_, 0, 80}, {&horn_, -7, 74}};
    strings.play(rise_,
                 {kCall, kCall, Motif("x-------x---x---", {2, 4, 7}), Motif("x-------x---x---", {2, 3, 4}),
                  Motif("x-------x---x---", {0, 2, 4}), Motif("x-------x---x---", {7, 4, 2})},
                 voices);
    strings.play(close_, {Motif::held(2, 0)}, voices);
    PadPlayer choir(choir_, 57, 62);
    choir.hold(rise_);
    choir.hold(close_);
    BassLine(bass_, 38, 76).play(rise_, Motif("x-------x-------", {0, 4}), false);
    BassLine(bass_, 38, 84).play(close_.slice(0, 1), Motif::held(2, 0), false);
}

void IntroTheme::playPercussion() {
    for (int bar = 0; bar + 1 < rise_.bars(); ++bar) {
        timpani_.play(rise_.tick(bar), kTicksPerQuarter, placeIn(rise_.chord(bar).tonic(), 40), 92);
    }
    const int last = rise_.bars() - 1;
    timpani_.roll(rise_.tick(last), close_.tick(0), placeIn(kKey.V.tonic(), 40), kTicksPerStep / 2, 36, 104);
    timpani_.play(close_.tick(0), kTicksPerBar, placeIn(kKey.I.tonic(), 40), 112);
    // A cymbal swell carries the horn's last phrase into the strings.
    cymbals_.roll(answer_.tick(3, 8), rise_.tick(0), drum::kRide, kTicksPerStep / 2, 24, 96);
    cymbals_.play(rise_.tick(0), kTicksPerStep, drum::kCrash, 96);
    cymbals_.play(close_.tick(0), kTicksPerStep, drum::kCrash, 108);
}

void IntroTheme::close() {
    const Scale chord = close_.chord(0).near(50);
    const int strum = kTicksPerStep / 3;
    int i = 0;
    for (int degree : {0, 4, 7, 9, 11, 14}) {
        harp_.play(close_.tick(0) + i * strum, 2 * kTicksPerBar - i * strum, chord.pitch(degree), 72);
        ++i;
    }
    for (Part* part : {&pad_, &strings_, &choir_}) {
        part->swell(close_.tick(1), close_.tick(2), 127, 40);
    }
}

}  // namespace sound
