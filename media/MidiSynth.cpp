#include "media/MidiSynth.h"

#include <fluidsynth.h>

namespace {

// The game's pieces need at most 80 and 114 voices, and one sounds at a time.
constexpr int kPolyphony = 128;

void quietLogs() {
    static const bool once = [] {
        for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)once;
}

}  // namespace

MidiSynth::MidiSynth(int sampleRate, const std::string& soundFont) : sampleRate_(sampleRate) {
    quietLogs();
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.sample-rate", sampleRate);
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    // The pieces' players share the synthesizer: none may reset it for all.
    fluid_settings_setint(settings_, "player.reset-synth", 0);
    fluid_settings_setint(settings_, "synth.polyphony", kPolyphony);
    fluid_settings_setint(settings_, "synth.reverb.active", soundFont.empty() ? 0 : 1);
    fluid_settings_setint(settings_, "synth.chorus.active", soundFont.empty() ? 0 : 1);
    fluid_settings_setint(settings_, "synth.threadsafe-api", 0);
    synth_ = new_fluid_synth(settings_);
    // Sized here, so that a reset on the sound thread allocates nothing.
    dropped_.resize(2 * static_cast<std::size_t>(fluid_synth_get_internal_bufsize(synth_)));
    if (!soundFont.empty()) fluid_synth_sfload(synth_, soundFont.c_str(), 1);
}

MidiSynth::~MidiSynth() {
    delete_fluid_synth(synth_);
    delete_fluid_settings(settings_);
}

void MidiSynth::render(std::int16_t* out, int frames) {
    fluid_synth_write_s16(synth_, frames, out, 0, 2, out, 1, 2);
    framesRendered_ += static_cast<std::uint64_t>(frames);
}

// A system reset alone leaves the voices sounding (and after it, turning
// them off takes effect with the next block); FluidSynth also renders whole
// blocks and hands out the rest of one on the next call. The rest rendered
// before the reset would bring the faded piece back at full level, so it is
// taken and dropped.
void MidiSynth::reset() {
    fluid_synth_system_reset(synth_);
    fluid_synth_all_sounds_off(synth_, -1);
    auto block = static_cast<std::uint64_t>(dropped_.size() / 2);
    render(dropped_.data(), static_cast<int>((block - framesRendered_ % block) % block));
}
