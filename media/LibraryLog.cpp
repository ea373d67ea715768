#include "media/LibraryLog.h"

extern "C" {
#include <libavutil/log.h>
}

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

namespace {

std::atomic<bool> said{false};

}  // namespace

void libraryLog(void*, int level, const char* format, va_list arguments) {
    if (level > AV_LOG_ERROR || OpeningFile::active()) return;
    char text[400];
    std::vsnprintf(text, sizeof text, format, arguments);
    std::string message = text;
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
    if (message.empty() || said.exchange(true)) return;
    // One write, so that it stays one line among other threads' output.
    std::string line = std::string(program_invocation_short_name) + ": the video decoder reports: " + message + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
}
