#pragma once
#include <string>

#include "frame/Bitmap.h"

// Decodes picture files for the platform.
class PictureReader {
public:
    virtual ~PictureReader() = default;
    // The picture in a file; throws Exception ("EInvalidGraphic") when it
    // cannot be read.
    virtual Bitmap read(const std::string& path) = 0;
};
