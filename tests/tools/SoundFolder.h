#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// A scratch folder of the test's own: ctest runs the tests side by side.
class SoundFolder : public testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder); }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("orbitrove-sound-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
};

// The soundfont the game plays its music with.
inline constexpr const char* kSoundfont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

inline std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), {});
}
