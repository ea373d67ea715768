#include "media/MidiSequence.h"

#include <fluidsynth.h>

namespace {

// The synthesizer's own block: the player advances between blocks, so the
// end is found at the same frame however the caller splits the rendering.
constexpr int kBlock = 64;

void quietLogs() {
    static const bool once = [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)once;
}

}  // namespace

MidiSequence::MidiSequence(const std::string& fileName, int sampleRate, const std::string& soundFont)
    : fileName_(fileName) {
    quietLogs();
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    fluid_settings_setint(settings_, "synth.reverb.active", soundFont.empty() ? 0 : 1);
    fluid_settings_setint(settings_, "synth.chorus.active", soundFont.empty() ? 0 : 1);
    fluid_settings_setint(settings_, "synth.threadsafe-api", 0);
    synth_ = new_fluid_synth(settings_);
    if (!soundFont.empty()) fluid_synth_sfload(synth_, soundFont.c_str(), 1);
    player_ = new_fluid_player(synth_);
    fluid_player_add(player_, fileName_.c_str());
    fluid_player_play(player_);
}

MidiSequence::~MidiSequence() {
    delete_fluid_player(player_);
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

bool MidiSequence::finished() const { return fluid_player_get_status(player_) != FLUID_PLAYER_PLAYING; }

int MidiSequence::render(std::int16_t* out, int frames) {
    int done = 0;
    while (done < frames && !finished()) {
        int block = std::min(kBlock, frames - done);
        fluid_synth_write_s16(synth_, block, out + 2 * done, 0, 2, out + 2 * done, 1, 2);
        done += block;
    }
    rendered_ += static_cast<std::uint64_t>(done);
    return done;
}

void MidiSequence::rewind() {
    // A player that has finished cannot be restarted: start a fresh one.
    delete_fluid_player(player_);
    fluid_synth_system_reset(synth_);
    player_ = new_fluid_player(synth_);
    fluid_player_add(player_, fileName_.c_str());
    fluid_player_play(player_);
    rendered_ = 0;
}

bool MidiSequence::isMidiFile(const std::string& fileName) { return fluid_is_midifile(fileName.c_str()) != 0; }

std::uint64_t MidiSequence::lengthInFrames(const std::string& fileName, int sampleRate) {
    MidiSequence silent(fileName, sampleRate, {});
    std::int16_t scratch[2 * kBlock * 64];
    while (silent.render(scratch, kBlock * 64) > 0) {}
    return silent.framesRendered();
}
