#include "GameSong.h"

#include "Arpeggio.h"
#include "BassLine.h"
#include "MelodyLine.h"
#include "MinorKey.h"
#include "PadPlayer.h"

namespace sound {

namespace {

constexpr int kTempo = 132;
constexpr int kSilence = 4 * kTicksPerQuarter;
// Roots from A1 up: low enough to drive, high enough for small speakers.
constexpr int kBassLow = 33;
// A drum fill closes every eight-bar phrase.
constexpr int kFillEvery = 8;

const MinorKey kHome(52);    // E minor
const MinorKey kLifted(54);  // F sharp minor, a tone up for the last statement

// The tune's harmony: i VI III VII i VI iv V.
std::vector<Scale> tuneChords(const MinorKey& key) {
    return {key.i, key.VI, key.III, key.VII, key.i, key.VI, key.iv, key.V};
}

std::vector<Scale> twice(const std::vector<Scale>& chords) {
    std::vector<Scale> doubled = chords;
    doubled.insert(doubled.end(), chords.begin(), chords.end());
    return doubled;
}

const Motif kPulse("x-x-x-x-x-x-x-x-", {0, 0, 0, 0, 0, 0, 0, 0});
const Motif kOctaveDrive("x-x-x-x-x-x-x-x-", {0, 0, 7, 0, 0, 0, 7, 0});
const Motif kSyncopated("x--x--x-x--x--x-", {0, 0, 7, 0, 0, 7});
const Motif kRootAndFifth("x-------x-------", {0, 4});

// A six-note cycle over sixteen steps: the accent wanders from bar to bar.
const ArpeggioStyle kDriveArp{{0, 4, 7, 9, 7, 4}, kTicksPerStep, 90, 52, 56};
const ArpeggioStyle kWideArp{{0, 7, 4, 9, 2, 11, 4, 7}, kTicksPerStep, 90, 52, 56};
const ArpeggioStyle kCalmArp{{0, 2, 4, 7, 9, 7, 4, 2}, 2 * kTicksPerStep, 200, 52, 54};

const Groove kHats = {{drum::kClosedHat, "x.o.x.o.x.o.x.o."}};
const Groove kFourOnTheFloor = {{drum::kKick, "x...x...x...x..."}, {drum::kClosedHat, "x.o.x.o.x.o.x.o."}};
const Groove kBackbeat = {{drum::kKick, "X...x...X...x..."},
                          {drum::kSnare, "....x..?....x.?."},
                          {drum::kClap, "....o.......o..."},
                          {drum::kClosedHat, "x.x.x.x.x.x.x..."},
                          {drum::kOpenHat, "..............o."}};
const Groove kBusyBackbeat = {{drum::kKick, "X...x...X...x..x"},
                              {drum::kSnare, "....x..?....x.?."},
                              {drum::kClap, "....o.......o..."},
                              {drum::kClosedHat, "xoxoxoxoxoxoxo.o"},
                              {drum::kOpenHat, "..............o."}};
const Groove kRock = {
    {drum::kKick, "X.....x.x.x....."}, {drum::kSnare, "....X..?....X..?"}, {drum::kRide, "x.o.x.o.x.o.x.o."}};
const Groove kHalfTime = {
    {drum::kKick, "X.........x....."}, {drum::kSnare, "........x......."}, {drum::kClosedHat, "o...o...o...o..."}};

// The tune's pieces. Eight bars: a figure over two chords, a climb, a turn,
// then the figure again reaching higher, and an ending that either stays
// open on the dominant or outlines it to lead home.
const Motif kFigure("x-x-x---x-x-x---", {4, 4, 7, 6, 4, 2});
const Motif kReaching("x-x-x---x-x-x---", {4, 4, 7, 6, 7, 9});
const Motif kClimb("x-x-x-x-x-------", {2, 3, 4, 5, 4});
const Motif kTurn("x-x-x---x-------", {5, 4, 2, 4});
const Motif kOpenEnding("x-----x---------", {4, 2});
const Motif kLeadingEnding("x---x---x---x---", {0, 2, 4, 6});

std::vector<Motif> theme(bool leadingHome) {
    return {kFigure, kFigure, kClimb, kTurn, kFigure, kReaching, kClimb, leadingHome ? kLeadingEnding : kOpenEnding};
}

}  // namespace

GameSong::GameSong()
    : intro_(chart_.lay({kHome.i, kHome.VI, kHome.III, kHome.VII, kHome.i, kHome.VI, kHome.III, kHome.VII})),
      tune_(chart_.lay(twice(tuneChords(kHome)))),
      brassTune_(chart_.lay(twice({kHome.iv, kHome.VII, kHome.III, kHome.VI, kHome.iv, kHome.VII, kHome.V, kHome.V}))),
      harmonised_(chart_.lay(twice(tuneChords(kHome)))),
      bridge_(chart_.lay({kHome.VI, kHome.III, kHome.VII, kHome.iv, kHome.VI, kHome.III, kHome.VII, kHome.iv, kHome.VI,
                          kHome.III, kHome.VII, kHome.iv, kHome.VI, kHome.VII, kLifted.V, kLifted.V})),
      lifted_(chart_.lay(twice(tuneChords(kLifted)))),
      outro_(
          chart_.lay({kLifted.i, kLifted.VI, kLifted.VII, kLifted.i, kLifted.VI, kLifted.VII, kLifted.i, kLifted.i})),
      lead_({"Square lead", 0, 80, 127, 64, 50}),
      brass_({"Synth brass", 1, 62, 127, 44, 50}),
      arp_({"Saw arpeggio", 2, 81, 127, 88, 60}),
      pad_({"Warm pad", 3, 89, 127, 64, 80}),
      bass_({"Synth bass", 4, 38, 127, 64, 20}),
      bells_({"Vibraphone", 5, 11, 120, 76, 70}),
      strings_({"Synth strings", 6, 50, 110, 52, 70}),
      drums_({"Drums", 9, 0, 127, 64, 30}),
      kit_(drums_, 0xD2C5u),
      variation_(0x5EEDu) {
    underpin();
    introduce();
    stateTheme();
    answerOnBrass();
    harmoniseTheme();
    breakDown();
    liftTheme();
    finish();
}

Score GameSong::score() const {
    Score score("Orbitrove", kTempo, kSilence);
    for (const Part* part : {&lead_, &brass_, &arp_, &pad_, &bass_, &bells_, &strings_, &drums_}) {
        score.add(*part);
    }
    return score;
}

// The pad holds every chord from the first bar to the last.
void GameSong::underpin() {
    PadPlayer(pad_, 60, 56).hold(chart_.whole());
    pad_.swell(intro_.tick(0), intro_.tick(4), 30, 127);
}

void GameSong::introduce() {
    Arpeggio(arp_, kDriveArp).play(intro_);
    kit_.play(intro_.slice(0, 4), kHats, 0);
    kit_.play(intro_.slice(4, 4), kFourOnTheFloor, 0);
    drums_.roll(intro_.tick(7, 8), intro_.tick(8), drum::kSnare, kTicksPerStep, 40, 104);
    BassLine(bass_, kBassLow, 80).play(intro_.slice(4, 4), kPulse, false);
}

void GameSong::stateTheme() {
    drive(tune_, kBackbeat, kFillEvery);
    Arpeggio(arp_, kDriveArp).play(tune_);
    MelodyLine line(60, 81, 71);
    line.play(tune_, theme(false), {{&lead_, 0, 92}});
    line.play(tune_.slice(8, 8), theme(true), {{&lead_, 0, 92}});
}

void GameSong::answerOnBrass() {
    kit_.hit(brassTune_.tick(0), drum::kCrash, 100);
    kit_.play(brassTune_, kRock, kFillEvery);
    BassLine(bass_, kBassLow, 88).play(brassTune_, kSyncopated, true);
    Arpeggio(arp_, kWideArp).play(brassTune_);
    // One figure carried round the circle of fifths, a falling run, a call.
    const Motif rising("x-----x-x---x---", {4, 2, 3, 4});
    const Motif falling("x-x-x-x-x-------", {7, 6, 4, 2, 4});
    const std::vector<Motif> tune = {
        rising, rising, rising, rising, falling, falling, Motif::held(1, 4), Motif("x-----x-----x---", {2, 4, 7})};
    MelodyLine line(55, 76, 64);
    line.play(brassTune_, tune, {{&brass_, 0, 100}});
    // The second time, vibraphone doubles it an octave up.
    line.play(brassTune_.slice(8, 8), ornament(tune), {{&brass_, 0, 100}, {&bells_, 7, 64}});
}

void GameSong::harmoniseTheme() {
    drive(harmonised_, kBusyBackbeat, kFillEvery);
    Arpeggio(arp_, kDriveArp).play(harmonised_);
    MelodyLine line(60, 81, 71);
    const std::vector<Voice> voices = {{&lead_, 0, 92}, {&brass_, -2, 72, true}};
    line.play(harmonised_, ornament(theme(false)), voices);
    line.play(harmonised_.slice(8, 8), ornament(theme(true)), voices);
}

// Drums drop out and come back at half time; a snare roll leads into the lift.
void GameSong::breakDown() {
    kit_.play(bridge_.slice(4, 10), kHalfTime, 0);
    for (int beat = 0; beat < 8; ++beat) {
        kit_.hit(bridge_.tick(14, 4 * beat), drum::kKick, 70 + 5 * beat);
    }
    drums_.roll(bridge_.tick(14), bridge_.tick(16), drum::kSnare, kTicksPerStep, 30, 108);
    BassLine(bass_, kBassLow, 76).play(bridge_.slice(0, 14), kRootAndFifth, false);
    BassLine(bass_, kBassLow, 80).play(bridge_.slice(14, 2), kPulse, false);
    Arpeggio(arp_, kCalmArp).play(bridge_);
    PadPlayer(strings_, 55, 60).hold(bridge_);
    const Motif falling("x-----x-----x---", {4, 2, 1});
    const Motif sigh("x-----------x---", {2, 1});
    const std::vector<Motif> tune = {falling, sigh, falling, Motif::held(1, 2)};
    MelodyLine line(64, 84, 76);
    const std::vector<Voice> voices = {{&bells_, 0, 84}};
    line.play(bridge_, tune, voices);
    line.play(bridge_.slice(4, 4), ornament(tune), voices);
    line.play(bridge_.slice(8, 4), ornament(tune), voices);
    line.play(bridge_.slice(12, 4),
              {Motif("x-----x-----x---", {4, 5, 6}), Motif("x-----x-----x---", {4, 5, 6}), Motif::held(1, 4),
               Motif("x-------x---x---", {2, 4, 6})},
              voices);
}

void GameSong::liftTheme() {
    drive(lifted_, kBusyBackbeat, kFillEvery);
    kit_.hit(lifted_.tick(8), drum::kCrash, 100);
    Arpeggio(arp_, kDriveArp).play(lifted_);
    PadPlayer(strings_, 55, 64).hold(lifted_);
    MelodyLine line(62, 83, 73);
    const std::vector<Voice> voices = {{&lead_, 0, 94}, {&brass_, -2, 74, true}};
    line.play(lifted_, theme(false), voices);
    line.play(lifted_.slice(8, 8), ornament(theme(true)), voices);
}

// The tune's opening once more, a last fill, then one long chord.
void GameSong::finish() {
    const Section groove = outro_.slice(0, 6);
    const Section last = outro_.slice(6, 2);
    drive(groove, kBackbeat, groove.bars());
    Arpeggio(arp_, kDriveArp).play(groove);
    MelodyLine line(62, 83, 73);
    line.play(groove, {kFigure, kFigure, kTurn, kFigure, kClimb, kLeadingEnding},
              {{&lead_, 0, 92}, {&brass_, -2, 72, true}});
    line.play(last, {Motif::held(2, 7)}, {{&lead_, 0, 94}, {&brass_, -2, 76, true}, {&bells_, 7, 64}});
    PadPlayer(strings_, 55, 70).hold(last);
    BassLine(bass_, kBassLow, 90).play(last.slice(0, 1), Motif::held(2, 0), false);
    kit_.hit(last.tick(0), drum::kCrash, 110);
    kit_.hit(last.tick(0), drum::kKick, 110);
    for (Part* part : {&pad_, &strings_}) {
        part->swell(last.tick(1), last.tick(2), 127, 50);
    }
}

// What every full-band section shares: a crash, the groove with its fills,
// and the bass stepping from chord to chord.
void GameSong::drive(const Section& section, const Groove& groove, int fillEvery) {
    kit_.hit(section.tick(0), drum::kCrash, 100);
    kit_.play(section, groove, fillEvery);
    BassLine(bass_, kBassLow, 90).play(section, kOctaveDrive, true);
}

std::vector<Motif> GameSong::ornament(const std::vector<Motif>& phrase) {
    std::vector<Motif> varied;
    for (const Motif& motif : phrase) {
        varied.push_back(motif.ornamented(variation_));
    }
    return varied;
}

}  // namespace sound
