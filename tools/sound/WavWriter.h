#pragma once

#include "Pcm.h"

#include <filesystem>
#include <string>

namespace sound {

// Writes 16-bit PCM RIFF WAVE files into one folder.
class WavWriter {
public:
    explicit WavWriter(std::filesystem::path folder);

    void write(const std::string& name, const Pcm& pcm) const;

private:
    std::filesystem::path folder_;
};

}  // namespace sound
