#pragma once
#include "media/web/SoundOutput.h"

// The page's audio graph (web_media.js), as the page made it at the start.
class BrowserSoundOutput : public SoundOutput {
public:
    int rate() const override;
    bool decoded(const std::string& fileName) const override;
    Sound openWave(const std::string& fileName) override;
    Sound openMusic(const std::vector<unsigned char>& bytes, std::uint64_t lengthFrames) override;
    void play(Sound sound, std::uint64_t fromMs) override;
    void stop(Sound sound) override;
    void rewind(Sound sound) override;
    void close(Sound sound) override;
};
