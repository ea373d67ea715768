#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>

// The pictures of a video as the decoding process (orbitrove-video) hands
// them to the game over a pipe: this header, then for each picture in order
// its due time in milliseconds (std::uint64_t) and its width × height pixels
// (Rgb, row by row), until the process closes the pipe after the last.
// Both ends are the same build on the same machine, so the numbers travel
// in the machine's own byte order.
struct VideoPipeHeader {
    char magic[4] = {'O', 'V', 'P', '1'};
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t frameInterval = 0;
    std::uint64_t length = 0;

    // Whether a header read from the pipe is one, of pictures no larger
    // than a game would show.
    bool valid() const;
};

// Reads exactly `size` bytes, waiting for them until `deadline` at the
// latest; false at the end of the pipe, on a failure or when time is up.
bool readWhole(int fd, void* data, std::size_t size, std::chrono::steady_clock::time_point deadline);
