#include "frame/headless/BlankPictureReader.h"

#include "frame/BmpHeader.h"

Bitmap BlankPictureReader::read(const std::string& path) {
    BmpHeader header;
    std::fclose(openBmp(path, header));
    if (!header.bmp) refusePicture("The picture is damaged or not a BMP picture", path);
    return {header.width, header.height,
            std::vector<Rgb>(static_cast<std::size_t>(header.width) * header.height, kGrey)};
}
