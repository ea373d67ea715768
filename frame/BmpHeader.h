#pragma once
#include <cstdio>
#include <string>

// What the headers at the start of a BMP file say of its picture: enough to
// refuse a damaged header before a decoder asks for gigabytes, and to know
// the picture's size without decoding it.
struct BmpHeader {
    bool bmp = false;        // the file starts as a BMP file does
    bool plausible = false;  // the picture could be in the file and fits in memory
    int width = 0;
    int height = 0;  // however the rows are stored
};

// Opens a picture file for reading, positioned at its start, and reads its
// header. Throws Exception ("EInvalidGraphic", with fileErrorText) when the
// file is missing, unreadable, or a BMP file whose picture cannot be in it;
// a file that is not a BMP one is left to the decoder.
std::FILE* openBmp(const std::string& path, BmpHeader& header);

// Throws the picture error about `path`.
[[noreturn]] void refusePicture(const std::string& message, const std::string& path);
