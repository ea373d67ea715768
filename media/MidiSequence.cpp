#include "media/MidiSequence.h"

#include <fluidsynth.h>

#include <algorithm>

#include "media/MidiFile.h"
#include "media/MidiLength.h"
#include "media/MidiSynth.h"

MidiSequence::MidiSequence(const std::string& fileName) : bytes_(MidiFile::announcedBytes(fileName)) {}

MidiSequence::~MidiSequence() { halt(); }

// A seek on a player that has not started makes its first block send every
// event before `tick` but the notes: programs, controllers and tempo.
void MidiSequence::cue(int tick) {
    halt();
    from_ = tick;
}

void MidiSequence::prepare(MidiSynth& synth) {
    halt();
    player_ = new_fluid_player(synth.handle());
    fluid_player_add_mem(player_, bytes_.data(), bytes_.size());
    if (from_ > 0) fluid_player_seek(player_, from_);
}

void MidiSequence::prepare(MidiSynth& synth, int tick) {
    cue(tick);
    prepare(synth);
}

void MidiSequence::run() {
    if (player_) fluid_player_play(player_);
}

// Until the player has taken its first block it has not reached its seek.
int MidiSequence::halt() {
    if (!player_) return from_;
    int reached = std::max(from_, fluid_player_get_current_tick(player_));
    delete_fluid_player(player_);
    player_ = nullptr;
    from_ = reached;
    return reached;
}

bool MidiSequence::finished() const { return !player_ || fluid_player_get_status(player_) == FLUID_PLAYER_DONE; }

std::optional<std::uint64_t> MidiSequence::lengthInFrames(const MidiFile& file, int sampleRate) {
    return midiLengthInFrames(file, sampleRate);
}

std::optional<std::uint64_t> MidiSequence::lengthInFrames(const std::string& fileName, int sampleRate) {
    return midiLengthInFrames(MidiFile::read(fileName), sampleRate);
}
