#include "frame/sdl/FaceFile.h"

#include <fontconfig/fontconfig.h>

namespace {

// The weight the face's file declares, as fontconfig's cache of the
// installed faces holds it. The match's weight cannot tell: the usual
// configuration's synthetic-bold rule sets it to the weight asked for
// whenever the file is lighter. A face the cache does not list (none should
// match) counts as regular.
int fileWeight(const FcChar8* file, int index) {
    FcPattern* wanted = FcPatternCreate();
    FcPatternAddString(wanted, FC_FILE, file);
    FcPatternAddInteger(wanted, FC_INDEX, index);
    FcObjectSet* weightOnly = FcObjectSetBuild(FC_WEIGHT, nullptr);
    FcFontSet* listed = FcFontList(nullptr, wanted, weightOnly);
    FcObjectSetDestroy(weightOnly);
    FcPatternDestroy(wanted);
    int weight = FC_WEIGHT_REGULAR;
    if (listed && listed->nfont > 0) FcPatternGetInteger(listed->fonts[0], FC_WEIGHT, 0, &weight);
    if (listed) FcFontSetDestroy(listed);
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
