#include "MidiRenderer.h"

#include "Loudness.h"
#include "Pcm.h"
#include "R128Meter.h"

#include <fluidsynth.h>

#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

namespace sound {

namespace {

constexpr int kRate = 44100;
constexpr int kBlockFrames = 1024;
constexpr int kNoteOff = 0x80;
constexpr int kNoteOn = 0x90;

struct Playback {
    fluid_synth_t* synth;
    NoteLedger* ledger;
    std::optional<int> solo;
};

int handleEvent(void* data, fluid_midi_event_t* event) {
    auto* playback = static_cast<Playback*>(data);
    const int type = fluid_midi_event_get_type(event);
    const int channel = fluid_midi_event_get_channel(event);
    const bool on = type == kNoteOn && fluid_midi_event_get_velocity(event) > 0;
    if (on) {
        playback->ledger->noteOn(channel, fluid_midi_event_get_key(event));
        if (playback->solo && *playback->solo != channel) {
            return FLUID_OK;
        }
    } else if (type == kNoteOff || type == kNoteOn) {
        playback->ledger->noteOff(channel, fluid_midi_event_get_key(event));
    }
    return fluid_synth_handle_midi_event(playback->synth, event);
}

double secondsOf(const Loudness& loudness) { return static_cast<double>(loudness.samples()) / (2.0 * kRate); }

using Settings = std::unique_ptr<fluid_settings_t, decltype(&delete_fluid_settings)>;
using Synth = std::unique_ptr<fluid_synth_t, decltype(&delete_fluid_synth)>;
using Player = std::unique_ptr<fluid_player_t, decltype(&delete_fluid_player)>;

Settings makeSettings() {
    Settings settings(new_fluid_settings(), delete_fluid_settings);
    fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
    fluid_settings_setnum(settings.get(), "synth.sample-rate", kRate);
    fluid_settings_setint(settings.get(), "synth.lock-memory", 0);
    return settings;
}

Synth makeSynth(fluid_settings_t* settings, const std::string& soundfont) {
    Synth synth(new_fluid_synth(settings), delete_fluid_synth);
    if (fluid_synth_sfload(synth.get(), soundfont.c_str(), 1) == FLUID_FAILED) {
        throw std::runtime_error("cannot load " + soundfont);
    }
    return synth;
}

void start(fluid_player_t* player, Playback& playback, const std::filesystem::path& midi) {
    fluid_player_set_playback_callback(player, handleEvent, &playback);
    if (fluid_player_add(player, midi.c_str()) == FLUID_FAILED || fluid_player_play(player) == FLUID_FAILED) {
        throw std::runtime_error("cannot play " + midi.string());
    }
}

bool pastLastTick(fluid_player_t* player) {
    return fluid_player_get_current_tick(player) >= fluid_player_get_total_ticks(player);
}

// The player goes on for a grace period after the file's last tick, so the
// piece's length is taken when that tick is reached.
void measure(fluid_player_t* player, fluid_synth_t* synth, Rendering& result) {
    Loudness loudness;
    R128Meter meter(2, kRate);
    std::vector<std::int16_t> block(2 * kBlockFrames);
    while (fluid_player_get_status(player) == FLUID_PLAYER_PLAYING) {
        fluid_synth_write_s16(synth, kBlockFrames, block.data(), 0, 2, block.data(), 1, 2);
        loudness.add(block);
        meter.add(block);
        if (result.seconds == 0.0 && pastLastTick(player)) {
            result.seconds = secondsOf(loudness);
        }
    }
    result.renderedSeconds = secondsOf(loudness);
    result.peak = loudness.peak();
    result.peakDbfs = toDbfs(loudness.peak());
    result.rmsDbfs = loudness.rmsDbfs();
    result.audibleRmsDbfs = loudness.audibleRmsDbfs();
    result.integratedLufs = meter.integratedLufs();
}

}  // namespace

MidiRenderer::MidiRenderer(std::string soundfont) : soundfont_(std::move(soundfont)) {}

Rendering MidiRenderer::render(const std::filesystem::path& midi, std::optional<int> soloChannel) const {
    const Settings settings = makeSettings();
    const Synth synth = makeSynth(settings.get(), soundfont_);
    const Player player(new_fluid_player(synth.get()), delete_fluid_player);
    Rendering result;
    Playback playback{synth.get(), &result.notes, soloChannel};
    start(player.get(), playback, midi);
    measure(player.get(), synth.get(), result);
    return result;
}

}  // namespace sound
