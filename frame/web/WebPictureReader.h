#pragma once
#include "frame/PictureReader.h"

// The pictures the page decoded before the program started (page_files.js):
// the browser's decoder, none of ours. A file the page could not fetch is
// refused as missing, one the browser could not decode as damaged, with the
// desktop reader's words.
class WebPictureReader : public PictureReader {
public:
    Bitmap read(const std::string& path) override;
};
