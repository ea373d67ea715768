#pragma once

#include "Scale.h"

namespace sound {

// The chords of a minor key by their roman numerals. V is major, taken from
// harmonic minor so that it leads home; I is the major tonic of a bright end.
struct MinorKey {
    explicit MinorKey(int tonic)
        : i(Scale::naturalMinor(tonic)),
          III(i.on(2)),
          iv(i.on(3)),
          V(Scale::harmonicMinor(tonic).on(4)),
          VI(i.on(5)),
          VII(i.on(6)),
          I(Scale::major(tonic)) {}

    Scale i;
    Scale III;
    Scale iv;
    Scale V;
    Scale VI;
    Scale VII;
    Scale I;
};

}  // namespace sound
