#pragma once
#include "media/MediaFacts.h"

// The reader of builds without the media libraries: a wave file's length
// comes from its format and data chunks (PCM, float, A-law and mu-law; a
// compressed wave is not read), a video's from its AVI header, with blank
// pictures (BlankVideo). Whole files measure as the libraries measure them;
// a video cut short lasts what its header says, where the video library
// counts the pictures it finds.
extern const MediaReader kHeaderReader;
