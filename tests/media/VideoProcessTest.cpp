#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "media/MediaFiles.h"
#include "media/VideoDecoder.h"
#include "media/VideoPipe.h"
#include "media/VideoProcess.h"

namespace {

constexpr std::chrono::milliseconds kShortBound{300};

// The processes this one has started and not yet reaped.
int children() {
    int count = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task")) {
        std::ifstream list(task.path() / "children");
        for (pid_t pid; list >> pid;) ++count;
    }
    return count;
}

// What a decoding process would write: a header, then `pictures` 2 × 1
// pictures due 40 ms apart, the k-th all of colour k + 1; `cut` bytes
// fewer at the end.
std::string pipeBytes(int pictures, std::size_t cut = 0) {
    VideoPipeHeader header;
    header.width = 2;
    header.height = 1;
    header.frameInterval = 40;
    header.length = 40u * static_cast<std::uint64_t>(pictures);
    std::string bytes(reinterpret_cast<const char*>(&header), sizeof header);
    for (int k = 0; k < pictures; ++k) {
        std::uint64_t at = 40u * static_cast<std::uint64_t>(k);
        Rgb pixels[2] = {static_cast<Rgb>(k + 1), static_cast<Rgb>(k + 1)};
        bytes.append(reinterpret_cast<const char*>(&at), sizeof at);
        bytes.append(reinterpret_cast<const char*>(pixels), sizeof pixels);
    }
    return bytes.substr(0, bytes.size() - cut);
}

// A stand-in for the decoding program that writes `bytes` and then, if
// told, stays silent without ending.
std::string standIn(const MediaFiles& files, const std::string& bytes, bool hangs) {
    std::string stream = files.text("stream", bytes);
    std::string program =
        files.text("decoder", "#!/bin/sh\ncat '" + stream + "'\n" + (hangs ? "exec sleep 60\n" : ""));
    std::filesystem::permissions(program, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
    return program;
}

}  // namespace

// The process shows what the decoder in this one shows, picture for
// picture, and starts over when rewound.
TEST(VideoProcess, ShowsTheDecodersPicturesAndStartsOverWhenRewound) {
    VideoDecoder here("data/intro.avi");
    VideoProcess there(ORBITROVE_VIDEO_PROGRAM, "data/intro.avi");
    EXPECT_EQ(there.frameInterval(), here.frameInterval());
    EXPECT_EQ(there.length(), here.length());
    for (std::uint64_t ms : {0, 20, 40, 1000, 1010, 3000, 7960, 60000}) {
        const Bitmap& picture = there.pictureAt(ms);
        ASSERT_EQ(picture.width, 184);
        ASSERT_EQ(picture.height, 112);
        ASSERT_EQ(picture.pixels, here.pictureAt(ms).pixels) << "at " << ms << " ms";
    }
    there.rewind();
    here.rewind();
    EXPECT_EQ(there.pictureAt(2000).pixels, here.pictureAt(2000).pixels);
}

TEST(VideoProcess, AProcessThatCannotGiveTheVideoIsRefusedAndLeftNoneRunning) {
    MediaFiles files;
    EXPECT_THROW(VideoProcess("/no/such/orbitrove-video", "data/intro.avi"), std::runtime_error);
    EXPECT_THROW(VideoProcess(ORBITROVE_VIDEO_PROGRAM, files.text("notes.avi", "not a video")), std::runtime_error);
    std::string lies = pipeBytes(1);
    lies[0] = 'X';
    EXPECT_THROW(VideoProcess(standIn(files, lies, false), "any"), std::runtime_error);
    std::string huge = pipeBytes(0);
    reinterpret_cast<VideoPipeHeader*>(huge.data())->width = 1u << 30;
    EXPECT_THROW(VideoProcess(standIn(files, huge, false), "any"), std::runtime_error);
    EXPECT_THROW(VideoProcess(standIn(files, "", true), "any", kShortBound), std::runtime_error);
    EXPECT_EQ(children(), 0);
}

// A process that dies inside a picture, or falls silent, ends the video at
// the last whole picture; the game goes on, and nothing is left running.
TEST(VideoProcess, AProcessThatEndsOrFallsSilentEndsTheVideoAtItsLastWholePicture) {
    MediaFiles files;
    for (bool hangs : {false, true}) {
        {
            VideoProcess video(standIn(files, pipeBytes(3, 4), hangs), "any", kShortBound);
            EXPECT_EQ(video.length(), 120u);
            EXPECT_EQ(video.pictureAt(0).pixels, std::vector<Rgb>(2, 1));
            EXPECT_EQ(video.pictureAt(45).pixels, std::vector<Rgb>(2, 2));
            EXPECT_EQ(video.pictureAt(80).pixels, std::vector<Rgb>(2, 2)) << (hangs ? "silent" : "ended");
            EXPECT_EQ(video.pictureAt(1000).pixels, std::vector<Rgb>(2, 2));
            EXPECT_EQ(children(), 0);
        }
        VideoProcess waiting(standIn(files, pipeBytes(3), hangs), "any", kShortBound);
        EXPECT_EQ(children(), 1);
    }
    EXPECT_EQ(children(), 0);
}
