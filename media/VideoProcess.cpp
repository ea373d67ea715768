#include "media/VideoProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "frame/FileAccess.h"

extern char** environ;

namespace {
constexpr const char* kDecodingProgram = "orbitrove-video";
// Room for a few pictures, so the process can decode ahead of their times.
constexpr int kPipeBytes = 1 << 20;
}  // namespace

VideoProcess::VideoProcess(std::string program, std::string fileName, std::chrono::milliseconds bound)
    : program_(std::move(program)), fileName_(std::move(fileName)), bound_(bound) {
    start();
    if (pid_ < 0) throw std::runtime_error("cannot decode " + fileName_);
}

VideoProcess::~VideoProcess() { finish(); }

std::unique_ptr<VideoSource> VideoProcess::open(const std::string& fileName) {
    std::string folder = programFolder();
    if (folder.empty()) throw std::runtime_error("no decoding program for " + fileName);
    return std::make_unique<VideoProcess>((std::filesystem::path(folder) / kDecodingProgram).string(), fileName);
}

// The process reads nothing and writes its pictures into the pipe; it
// inherits no other descriptor of the game's. A process that cannot be
// started or gives no valid header leaves none running (pid_ stays -1).
void VideoProcess::start() {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) return;
    (void)fcntl(ends[0], F_SETPIPE_SZ, kPipeBytes);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    char* argv[] = {program_.data(), fileName_.data(), nullptr};
    int failed = posix_spawn(&pid_, program_.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(ends[1]);
    pipe_ = ends[0];
    if (failed) {
        pid_ = -1;
        finish();
        return;
    }
    VideoPipeHeader header;
    if (!readWhole(pipe_, &header, sizeof header, deadline()) || !header.valid()) {
        finish();
        return;
    }
    header_ = header;
    picture_.width = static_cast<int>(header.width);
    picture_.height = static_cast<int>(header.height);
    picture_.pixels.resize(static_cast<std::size_t>(header.width) * header.height);
    incoming_.resize(picture_.pixels.size());
}

// Closing the pipe alone would leave a process busy decoding until its
// next write; it is stopped outright and reaped.
void VideoProcess::finish() {
    if (pipe_ >= 0) close(pipe_);
    pipe_ = -1;
    if (pid_ > 0) {
        kill(pid_, SIGKILL);
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    pid_ = -1;
    pendingAt_.reset();
}

std::chrono::steady_clock::time_point VideoProcess::deadline() const {
    return std::chrono::steady_clock::now() + bound_;
}

// None once the process has ended, failed or fallen silent: it is let go.
std::optional<std::uint64_t> VideoProcess::nextPictureTime() {
    if (pendingAt_ || pipe_ < 0) return pendingAt_;
    std::uint64_t at = 0;
    if (readWhole(pipe_, &at, sizeof at, deadline()))
        pendingAt_ = at;
    else
        finish();
    return pendingAt_;
}

const Bitmap& VideoProcess::pictureAt(std::uint64_t ms) {
    for (std::optional<std::uint64_t> at = nextPictureTime(); at && *at <= ms; at = nextPictureTime()) {
        pendingAt_.reset();
        if (readWhole(pipe_, incoming_.data(), incoming_.size() * sizeof(Rgb), deadline()))
            picture_.pixels.swap(incoming_);
        else
            finish();
    }
    return picture_;
}

void VideoProcess::rewind() {
    finish();
    start();
}
