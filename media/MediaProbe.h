#pragma once
#include <string>

#include "media/MediaFacts.h"

// The reader of the libraries that play the files: SDL measures waves as it
// decodes them, FFmpeg opens videos.
extern const MediaReader kLibraryReader;

// Reads a file's kind and length by kLibraryReader.
MediaFacts probeMedia(const std::string& fileName);
