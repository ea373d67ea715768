#pragma once

#include "ChordChart.h"
#include "Dice.h"
#include "DrumKit.h"
#include "Motif.h"
#include "Part.h"
#include "Score.h"
#include "Section.h"

#include <vector>

namespace sound {

// The music under play: a driving E minor piece that lifts a tone for its
// last statement of the tune. Intro, tune, a second tune on brass, the tune
// again in harmony, a quiet bridge, the tune in F sharp minor, an ending.
class GameSong {
public:
    GameSong();
    GameSong(const GameSong&) = delete;
    GameSong& operator=(const GameSong&) = delete;

    Score score() const;

private:
    void underpin();
    void introduce();
    void stateTheme();
    void answerOnBrass();
    void harmoniseTheme();
    void breakDown();
    void liftTheme();
    void finish();
    void drive(const Section& section, const Groove& groove, int fillEvery);
    std::vector<Motif> ornament(const std::vector<Motif>& phrase);

    ChordChart chart_;
    Section intro_;
    Section tune_;
    Section brassTune_;
    Section harmonised_;
    Section bridge_;
    Section lifted_;
    Section outro_;
    Part lead_;
    Part brass_;
    Part arp_;
    Part pad_;
    Part bass_;
    Part bells_;
    Part strings_;
    Part drums_;
    DrumKit kit_;
    Dice variation_;
};

}  // namespace sound
