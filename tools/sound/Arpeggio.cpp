#include "Arpeggio.h"

#include <utility>

namespace sound {

namespace {

constexpr int kBeatAccent = 8;

}  // namespace

Arpeggio::Arpeggio(Part& part, ArpeggioStyle style) : part_(part), style_(std::move(style)) {}

void Arpeggio::play(const Section& section) {
    const std::size_t count = style_.degrees.size();
    for (int bar = 0; bar < section.bars(); ++bar) {
        const Scale chord = section.chord(bar).near(style_.low);
        for (int i = 0; i * style_.stepTicks < kTicksPerBar; ++i) {
            const int offset = i * style_.stepTicks;
            const int accent = offset % kTicksPerQuarter == 0 ? kBeatAccent : 0;
            part_.play(section.tick(bar) + offset, style_.noteTicks,
                       chord.pitch(style_.degrees[static_cast<std::size_t>(i) % count]), style_.velocity + accent);
        }
    }
}

}  // namespace sound
