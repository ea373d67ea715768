#pragma once

#include "Score.h"

#include <filesystem>
#include <string>

namespace sound {

// Writes scores as format 1 Standard MIDI Files into one folder.
class SmfWriter {
public:
    explicit SmfWriter(std::filesystem::path folder);

    void write(const std::string& name, const Score& score) const;

private:
    std::filesystem::path folder_;
};

}  // namespace sound
