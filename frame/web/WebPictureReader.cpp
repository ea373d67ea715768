#include "frame/web/WebPictureReader.h"

#include "frame/BmpHeader.h"
#include "frame/web/PageGlue.h"

Bitmap WebPictureReader::read(const std::string& path) {
    int size[2] = {};
    switch (orbitrove_picture_size(path.c_str(), size)) {
    case 0: break;
    case 1: refusePicture("The picture cannot be found. Check its folder and name", path);
    default: refusePicture("The picture is damaged or not a BMP picture", path);
    }
    Bitmap bitmap{size[0], size[1], std::vector<Rgb>(static_cast<std::size_t>(size[0]) * size[1])};
    orbitrove_picture_copy(path.c_str(), bitmap.pixels.data());
    return bitmap;
}
