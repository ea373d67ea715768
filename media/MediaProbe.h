#pragma once
#include <string>

#include "media/MediaFacts.h"

// The reader of the libraries that play the files: SDL measures waves as it
// decodes them, FFmpeg opens videos.
extern const MediaReader kLibraryReader;

// The sound-card service's reader: waves as SDL measures them, videos by
// their AVI header, so that the video library is not waited for; their
// decoder opens later (LateVideo).
extern const MediaReader kSoundCardReader;

// Reads a file's kind and length by kLibraryReader.
MediaFacts probeMedia(const std::string& fileName);
