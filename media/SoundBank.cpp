#include "media/SoundBank.h"

#include <filesystem>

#include "frame/FileAccess.h"

// The cut bank's file name and its place relative to the installed program
// come from the build (packaging/CMakeLists.txt).
std::vector<std::string> soundBankCandidates(const std::string& programFolder) {
    std::vector<std::string> candidates;
    if (!programFolder.empty()) {
        std::filesystem::path folder(programFolder);
        candidates.push_back((folder / ORBITROVE_SOUND_BANK).string());
        candidates.push_back((folder / ORBITROVE_PROGRAM_TO_SOUND_BANK).lexically_normal().string());
    }
    candidates.push_back("/usr/share/sounds/sf2/TimGM6mb.sf2");
    candidates.push_back("/usr/share/sounds/sf2/default-GM.sf2");
    return candidates;
}

std::string firstSoundBank(const std::vector<std::string>& candidates) {
    for (const std::string& candidate : candidates)
        if (checkRegularFile(candidate) == FileFault::None) return candidate;
    return {};
}
