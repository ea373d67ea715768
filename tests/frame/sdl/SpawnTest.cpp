#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "frame/sdl/Spawn.h"

namespace {

// A stand-in program on PATH that records its arguments.
class SpawnTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir);
        std::ofstream script(dir / "recorder");
        script << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.out\"\n";
        script.close();
        std::filesystem::permissions(dir / "recorder", std::filesystem::perms::owner_all);
        oldPath = std::getenv("PATH");
        setenv("PATH", (dir.string() + ":" + oldPath).c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", oldPath.c_str(), 1);
        std::filesystem::remove_all(dir);
    }
    std::string recorded() {
        for (int i = 0; i < 200 && !std::filesystem::exists(dir / "recorder.out"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::ifstream in(dir / "recorder.out");
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // One folder per test: ctest runs them side by side.
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() /
        ("orbitrove-spawn-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::string oldPath;
};

TEST_F(SpawnTest, TheArgumentArrivesWholeAndNoShellReadsIt) {
    std::string address = "https://example.org/a b;echo hacked>$HOME/x 'q'";
    ASSERT_TRUE(spawnDetached("recorder", address));
    EXPECT_EQ(recorded(), address + "\n");
}

TEST_F(SpawnTest, AMissingProgramIsReportedNotFatal) { EXPECT_FALSE(spawnDetached("no-such-program-here", "x")); }

}  // namespace
