#include "frame/sdl/FaceFile.h"

#include <fontconfig/fontconfig.h>

FaceFile FaceFile::find(const std::string& family, bool bold) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    FaceFile face;
    if (!match) return face;
    FcChar8* file = nullptr;
    int weight = FC_WEIGHT_REGULAR;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) face.path = reinterpret_cast<char*>(file);
    FcPatternGetInteger(match, FC_INDEX, 0, &face.index);
    FcPatternGetInteger(match, FC_WEIGHT, 0, &weight);
    face.needsSyntheticBold = bold && weight < FC_WEIGHT_DEMIBOLD;
    FcPatternDestroy(match);
    return face;
}
