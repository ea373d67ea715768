#pragma once
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "frame/Bitmap.h"
#include "media/VideoPipe.h"
#include "media/VideoSource.h"

// A video decoded by a process of its own, the decoding program beside the
// game's (orbitrove-video): the video library and the ninety libraries it
// pulls in never load into the game, so nothing of them stays behind once
// the intro is over, and whatever a damaged file does to the decoder stays
// in that process. The pictures come over a pipe (VideoPipe.h) as they come
// due; the process decodes the next one while the game shows this one. A
// process that stops answering, or ends early, ends the video at the last
// picture it sent.
class VideoProcess : public VideoSource {
public:
    static constexpr std::chrono::milliseconds kAnswerBound{5000};

    // Starts `program` on the file and waits up to `bound` for the video's
    // header; throws std::runtime_error when it cannot be started, refuses
    // the file or does not answer in time. Each picture must then come
    // within `bound` too.
    VideoProcess(std::string program, std::string fileName, std::chrono::milliseconds bound = kAnswerBound);
    // Stops the process.
    ~VideoProcess() override;
    VideoProcess(const VideoProcess&) = delete;
    VideoProcess& operator=(const VideoProcess&) = delete;

    // A decoding process beside the running program, thrown for as the
    // constructor does.
    static std::unique_ptr<VideoSource> open(const std::string& fileName);

    const Bitmap& pictureAt(std::uint64_t ms) override;
    // Starts the process over; the picture held stays until the next comes.
    void rewind() override;
    std::uint32_t frameInterval() const override { return header_.frameInterval; }
    std::uint64_t length() const override { return header_.length; }

private:
    void start();
    void finish();
    std::optional<std::uint64_t> nextPictureTime();
    std::chrono::steady_clock::time_point deadline() const;

    std::string program_;
    std::string fileName_;
    std::chrono::milliseconds bound_;
    pid_t pid_ = -1;
    int pipe_ = -1;
    VideoPipeHeader header_;
    Bitmap picture_;
    // A picture as it comes, taken only once whole.
    std::vector<Rgb> incoming_;
    // The next picture's time, read ahead of its pixels until it comes due.
    std::optional<std::uint64_t> pendingAt_;
};
