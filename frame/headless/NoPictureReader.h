#pragma once
#include "frame/Exception.h"
#include "frame/PictureReader.h"

// The headless back end's own picture reader, for programs that load no
// picture files: it refuses every file.
class NoPictureReader : public PictureReader {
public:
    Bitmap read(const std::string& path) override {
        throw Exception("EInvalidGraphic", "No picture decoder for " + path);
    }
};
