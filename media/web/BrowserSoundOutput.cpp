#include "media/web/BrowserSoundOutput.h"

#include "media/web/WebMediaGlue.h"

int BrowserSoundOutput::rate() const { return orbitrove_sound_rate(); }

bool BrowserSoundOutput::decoded(const std::string& fileName) const { return orbitrove_wave_decoded(fileName.c_str()); }

SoundOutput::Sound BrowserSoundOutput::openWave(const std::string& fileName) {
    return orbitrove_wave_open(fileName.c_str());
}

SoundOutput::Sound BrowserSoundOutput::openMusic(const std::vector<unsigned char>& bytes, std::uint64_t lengthFrames) {
    return orbitrove_music_open(bytes.data(), static_cast<int>(bytes.size()), static_cast<double>(lengthFrames));
}

void BrowserSoundOutput::play(Sound sound, std::uint64_t fromMs) {
    orbitrove_sound_play(sound, static_cast<double>(fromMs));
}

void BrowserSoundOutput::stop(Sound sound) { orbitrove_sound_stop(sound); }

void BrowserSoundOutput::rewind(Sound sound) { orbitrove_sound_rewind(sound); }

void BrowserSoundOutput::close(Sound sound) { orbitrove_sound_close(sound); }
