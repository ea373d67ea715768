#pragma once
#include <cstdint>
#include <string>
#include <vector>

typedef struct _fluid_hashtable_t fluid_settings_t;
typedef struct _fluid_synth_t fluid_synth_t;

// The one FluidSynth synthesizer that every MIDI piece of a service plays
// through: one copy of the sound bank, one reverb and chorus. The pieces
// take turns on its sixteen channels, one sounding at a time.
class MidiSynth {
public:
    // An empty sound font renders silence with the same timing.
    MidiSynth(int sampleRate, const std::string& soundFont);
    ~MidiSynth();
    MidiSynth(const MidiSynth&) = delete;
    MidiSynth& operator=(const MidiSynth&) = delete;

    int sampleRate() const { return sampleRate_; }
    fluid_synth_t* handle() const { return synth_; }
    // Renders `frames` interleaved 16-bit stereo frames in one call.
    void render(std::int16_t* out, int frames);
    // Every voice off; every channel, and the reverb and chorus, as new;
    // nothing rendered before it is handed out after it.
    void reset();

private:
    int sampleRate_;
    fluid_settings_t* settings_;
    fluid_synth_t* synth_;
    std::uint64_t framesRendered_ = 0;
    // Room for one block of the synthesizer's, rendered and dropped.
    std::vector<std::int16_t> dropped_;
};
