#pragma once
#include "frame/PictureReader.h"

// Pictures of the size their BMP header says, all one grey, for builds
// without a picture decoder: layouts come out as with the decoder (an
// auto-sized image takes its picture's size) and only the pixels differ.
// Missing, unreadable and damaged headers are refused as the decoder
// refuses them.
class BlankPictureReader : public PictureReader {
public:
    Bitmap read(const std::string& path) override;

    static constexpr Rgb kGrey = 0x808080;
};
