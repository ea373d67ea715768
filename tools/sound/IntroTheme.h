#pragma once

#include "ChordChart.h"
#include "Part.h"
#include "Score.h"
#include "Section.h"

namespace sound {

// The title music, slow and in D minor. A pad and a harp open in the dark, a
// horn tells the tune, then strings, choir and timpani take it up and it
// closes on a bright D major chord.
class IntroTheme {
public:
    IntroTheme();
    IntroTheme(const IntroTheme&) = delete;
    IntroTheme& operator=(const IntroTheme&) = delete;

    Score score() const;

private:
    void accompany();
    void tellTheTune();
    void riseUp();
    void playPercussion();
    void close();

    ChordChart chart_;
    Section opening_;
    Section theme_;
    Section answer_;
    Section rise_;
    Section close_;
    Part pad_;
    Part harp_;
    Part horn_;
    Part strings_;
    Part choir_;
    Part bass_;
    Part timpani_;
    Part cymbals_;
};

}  // namespace sound
