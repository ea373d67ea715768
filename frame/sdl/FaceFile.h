#pragma once
#include <string>

// The font file fontconfig picks for a face as the layouts name it.
struct FaceFile {
    std::string path;  // empty when nothing matched
    int index = 0;     // the face's place in a collection
    // Bold was asked for, but the file holds a lighter face, so the rasteriser
    // must make it bold.
    bool needsSyntheticBold = false;

    static FaceFile find(const std::string& family, bool bold);
};
