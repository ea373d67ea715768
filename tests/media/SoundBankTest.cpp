#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "media/SoundBank.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kCutBank = "TimGM6mb-cut.sf2";
constexpr const char* kWholeBank = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// A program's folder in a build tree (the bank beside the program) and in an
// installed tree (PREFIX/lib/orbitrove/orbitrove, the bank in
// PREFIX/share/games/orbitrove/sound/, as packaging/ lays them out).
class SoundBankChoice : public testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("orbitrove-banks-" + std::to_string(::getpid()));
        build = root / "build";
        installed = root / "lib/orbitrove";
        fs::create_directories(build);
        fs::create_directories(installed);
        fs::create_directories(root / "share/games/orbitrove/sound");
    }
    void TearDown() override { fs::remove_all(root); }
    static std::string put(const fs::path& file) {
        std::ofstream(file) << "RIFF";
        return file.string();
    }
    std::string chosenFor(const fs::path& programFolder) const {
        return firstSoundBank(soundBankCandidates(programFolder.string()));
    }

    fs::path root;
    fs::path build;
    fs::path installed;
};

TEST_F(SoundBankChoice, TheCutBankBesideTheProgramOrWhereTheInstallPutsIt) {
    std::string besideBuild = put(build / kCutBank);
    EXPECT_EQ(chosenFor(build), besideBuild);
    std::string installedBank = put(root / "share/games/orbitrove/sound" / kCutBank);
    EXPECT_EQ(chosenFor(installed), installedBank);
}

TEST_F(SoundBankChoice, WithoutTheCutBankTheSystemsWholeBank) {
    ASSERT_TRUE(fs::is_regular_file(kWholeBank)) << "timgm6mb-soundfont is a build dependency";
    EXPECT_EQ(chosenFor(build), kWholeBank);
    EXPECT_EQ(chosenFor(installed), kWholeBank);
    EXPECT_EQ(firstSoundBank(soundBankCandidates("")), kWholeBank);
    // Something other than a file in the cut bank's place is passed over.
    fs::create_directory(build / kCutBank);
    EXPECT_EQ(chosenFor(build), kWholeBank);
}

TEST_F(SoundBankChoice, TheFirstCandidateThatIsAFileOrNone) {
    std::string second = put(root / "second.sf2");
    std::string third = put(root / "third.sf2");
    EXPECT_EQ(firstSoundBank({(root / "missing.sf2").string(), second, third}), second);
    EXPECT_EQ(firstSoundBank({(root / "missing.sf2").string(), build.string()}), "");
}

}  // namespace
