#include "frame/sdl/FaceFile.h"

#include <fontconfig/fontconfig.h>

namespace {

// The weight the face's file declares, read from the file itself. The
// match's weight cannot tell: the usual configuration's synthetic-bold rule
// sets it to the weight asked for whenever the file is lighter.
int fileWeight(const FcChar8* file, int index) {
    int faces = 0;
    FcPattern* scanned = FcFreeTypeQuery(file, static_cast<unsigned>(index), nullptr, &faces);
    if (!scanned) return FC_WEIGHT_REGULAR;
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(scanned, FC_WEIGHT, 0, &weight);
    FcPatternDestroy(scanned);
    return weight;
}

}  // namespace

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
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) face.path = reinterpret_cast<char*>(file);
    FcPatternGetInteger(match, FC_INDEX, 0, &face.index);
    face.needsSyntheticBold = bold && file && fileWeight(file, face.index) < FC_WEIGHT_DEMIBOLD;
    FcPatternDestroy(match);
    return face;
}
