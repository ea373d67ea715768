#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "frame/FileAccess.h"

namespace {

namespace fs = std::filesystem;

class FileAccess : public testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("orbitrove-files-" + std::to_string(::getpid()));
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string at(const std::string& name) const { return (folder / name).string(); }

    fs::path folder;
};

TEST_F(FileAccess, OnlyARegularFileOpensAndNothingBlocks) {
    std::ofstream(at("plain.bmp")) << "BM";
    ASSERT_EQ(::mkfifo(at("pipe.bmp").c_str(), 0600), 0);
    fs::create_directory(at("folder.bmp"));
    fs::create_symlink("loop.bmp", at("loop.bmp"));
    fs::create_symlink("plain.bmp", at("link.bmp"));
    auto start = std::chrono::steady_clock::now();
    FileFault fault = FileFault::Unreadable;
    int fd = openRegularFile(at("plain.bmp"), fault);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(fault, FileFault::None);
    char bytes[3] = {};
    EXPECT_EQ(::read(fd, bytes, 3), 2);  // reads block as usual, and end at the end
    ::close(fd);
    EXPECT_EQ(checkRegularFile(at("link.bmp")), FileFault::None);
    for (const char* name : {"pipe.bmp", "folder.bmp", "loop.bmp", "missing.bmp"}) {
        EXPECT_EQ(openRegularFile(at(name), fault), -1) << name;
        EXPECT_EQ(fault, FileFault::Missing) << name;
    }
    EXPECT_EQ(checkRegularFile("/dev/null"), FileFault::Missing);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST_F(FileAccess, ASmallFileIsReadWholeAndALargerOneOnlyPastItsLimit) {
    std::ofstream(at("aliases.conf")) << "<fontconfig/>";
    std::ofstream(at("large.conf")) << std::string(10000, 'x');
    std::string text = "left over";
    FileFault fault = FileFault::Unreadable;
    EXPECT_TRUE(readSmallFile(at("aliases.conf"), 13, text, fault));
    EXPECT_EQ(text, "<fontconfig/>");
    EXPECT_EQ(fault, FileFault::None);
    EXPECT_TRUE(readSmallFile(at("large.conf"), 5000, text, fault));
    EXPECT_EQ(text, std::string(5001, 'x'));
    fs::create_directory(at("folder.conf"));
    for (const char* name : {"folder.conf", "missing.conf"}) {
        EXPECT_FALSE(readSmallFile(at(name), 5000, text, fault)) << name;
        EXPECT_EQ(fault, FileFault::Missing) << name;
    }
}

TEST_F(FileAccess, AFileWithoutReadPermissionIsUnreadable) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    std::ofstream(at("locked.wav")) << "RIFF";
    fs::permissions(at("locked.wav"), fs::perms::none);
    EXPECT_EQ(checkRegularFile(at("locked.wav")), FileFault::Unreadable);
}

TEST_F(FileAccess, TheErrorTextNamesTheFileAndTheFolderItWasLookedForIn) {
    std::string here = fs::current_path().string();
    EXPECT_EQ(fileErrorText("The media file cannot be found. Check its folder and name.", "data/laser.wav"),
              "The media file cannot be found. Check its folder and name: data/laser.wav (looked for in " + here + ")");
    EXPECT_EQ(fileErrorText("Damaged", "/opt/game/data/x.bmp"),
              "Damaged: /opt/game/data/x.bmp (looked for in /opt/game/data)");
}

// The files shipped beside the program are found from here: this test's own folder.
TEST_F(FileAccess, TheProgramFolderHoldsTheRunningProgram) {
    fs::path here = programFolder();
    EXPECT_TRUE(fs::is_regular_file(here / "frame_tests")) << here;
}

}  // namespace
