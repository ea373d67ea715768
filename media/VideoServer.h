#pragma once
#include <string>

// The decoding process's work: decodes the video file and writes its
// pictures to `fd` as VideoPipe.h lays them out, one picture ahead of the
// reader at most (the pipe holds the rest back). Returns the process's exit
// status: 0 once every picture went out or the reader left, 1 with a line
// on standard error when the file cannot be decoded.
int serveVideo(const std::string& fileName, int fd);
