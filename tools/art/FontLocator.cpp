#include "FontLocator.h"

#include <fontconfig/fontconfig.h>

#include <strings.h>
#include <memory>
#include <stdexcept>

namespace art {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};

struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};

using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
// A configuration of our own, released after use; the library's implicit
// default one would stay allocated until exit.
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;

bool hasFamily(const FcPattern& font, const std::string& family) {
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(&font, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
        if (strcasecmp(reinterpret_cast<const char*>(name), family.c_str()) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::filesystem::path locateFont(const std::string& pattern) {
    PatternPtr wanted(FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str())));
    FcChar8* family = nullptr;
    if (!wanted || FcPatternGetString(wanted.get(), FC_FAMILY, 0, &family) != FcResultMatch) {
        throw std::invalid_argument("font pattern names no family: " + pattern);
    }
    const std::string familyName = reinterpret_cast<const char*>(family);
    const ConfigPtr config(FcInitLoadConfigAndFonts());
    if (!config) {
        throw std::runtime_error("cannot load the font configuration");
    }
    FcConfigSubstitute(config.get(), wanted.get(), FcMatchPattern);
    FcDefaultSubstitute(wanted.get());
    FcResult result = FcResultNoMatch;
    const PatternPtr match(FcFontMatch(config.get(), wanted.get(), &result));
    FcChar8* file = nullptr;
    // A stand-in face would silently change the pictures, so refuse it.
    if (!match || !hasFamily(*match, familyName) ||
        FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) {
        throw std::runtime_error("font not installed: " + pattern);
    }
    return reinterpret_cast<const char*>(file);
}

}  // namespace art
