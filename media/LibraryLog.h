#pragma once
#include <cstdarg>

#include "media/OpeningFile.h"

// FFmpeg writes its own log to standard error; the program's output is its
// own. The library, once loaded, logs through libraryLog instead: messages
// below an error are dropped; errors are held back while a file is being
// opened (the open's own result reports it); any other error is said once,
// as one line of the program's: "NAME: the video decoder reports: TEXT".
void libraryLog(void* context, int level, const char* format, va_list arguments);
