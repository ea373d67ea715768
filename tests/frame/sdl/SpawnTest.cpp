#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

#include "frame/sdl/Spawn.h"

namespace {

// A stand-in program on PATH that records its arguments.
class SpawnTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir);
        std::ofstream script(dir / "recorder");
        // It talks on its standard output and error first; its record is
        // whole when it appears.
        script << "#!/bin/sh\necho out; echo err >&2\n"
               << "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.part\"\nmv \"$0.part\" \"$0.out\"\n";
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
        // A ceiling for a hang, not a figure of speed.
        for (int i = 0; i < 3000 && !std::filesystem::exists(dir / "recorder.out"); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
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

// Its output goes nowhere near the game's terminal.
TEST_F(SpawnTest, TheProgramDoesNotWriteOnTheGamesOutput) {
    std::filesystem::path terminal = dir / "terminal";
    int ours[2] = {::dup(1), ::dup(2)};
    int capture = ::open(terminal.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(capture, 1);
    ::dup2(capture, 2);
    bool spawned = spawnDetached("recorder", "x");
    std::string arguments = recorded();
    ::dup2(ours[0], 1);
    ::dup2(ours[1], 2);
    for (int fd : {ours[0], ours[1], capture}) ::close(fd);
    ASSERT_TRUE(spawned);
    EXPECT_EQ(arguments, "x\n");
    EXPECT_EQ(std::filesystem::file_size(terminal), 0u);
}

TEST_F(SpawnTest, AMissingProgramIsReportedNotFatal) { EXPECT_FALSE(spawnDetached("no-such-program-here", "x")); }

}  // namespace
