#include "frame/sdl/SdlTypesetter.h"

#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "frame/Canvas.h"
#include "frame/Exception.h"
#include "frame/FileAccess.h"
#include "frame/sdl/FaceFile.h"

namespace {

// Runs `call` with standard error pointed at /dev/null.
template <class Call>
bool withoutStandardError(Call&& call) {
    std::fflush(stderr);
    int saved = ::dup(STDERR_FILENO);
    int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
    if (null >= 0) ::close(null);
    bool result = call();
    std::fflush(stderr);
    if (saved >= 0) {
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
    }
    return result;
}

void blendGlyphs(Canvas& canvas, SDL_Surface* text, int x, int y, Rgb color) {
    for (int row = 0; row < text->h; ++row) {
        auto* src = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(text->pixels) + row * text->pitch);
        for (int col = 0; col < text->w; ++col) canvas.blendPixel(x + col, y + row, color, src[col] >> 24);
    }
}

}  // namespace

void SdlTypesetter::Closer::operator()(TTF_Font* font) const { TTF_CloseFont(font); }

SdlTypesetter::SdlTypesetter() {
    if (TTF_Init() != 0) throw Exception("EFontError", TTF_GetError());
}

SdlTypesetter::~SdlTypesetter() {
    fonts_.clear();
    TTF_Quit();
}

TTF_Font* SdlTypesetter::open(const TFont& font) {
    auto key = std::make_tuple(font.name, font.height, font.bold);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second.get();
    FaceFile face = FaceFile::find(font.name, font.bold);
    TTF_Font* ttf = face.path.empty() ? nullptr : TTF_OpenFontIndex(face.path.c_str(), font.height, face.index);
    if (!ttf) throw Exception("EFontError", "Cannot open font \"" + font.name + "\"");
    TTF_SetFontHinting(ttf, TTF_HINTING_LIGHT);
    if (face.needsSyntheticBold) TTF_SetFontStyle(ttf, TTF_STYLE_BOLD);
    fonts_.emplace(key, ttf);
    return ttf;
}

Size SdlTypesetter::measure(const TFont& font, const std::string& text) {
    int w = 0, h = 0;
    TTF_Font* ttf = open(font);
    if (!text.empty()) TTF_SizeUTF8(ttf, text.c_str(), &w, &h);
    return {w, TTF_FontHeight(ttf)};
}

int SdlTypesetter::lineHeight(const TFont& font) { return TTF_FontHeight(open(font)); }

void SdlTypesetter::draw(Canvas& canvas, const TFont& font, const std::string& text, int x, int y, Rgb color) {
    if (text.empty()) return;
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(open(font), text.c_str(), {255, 255, 255, 255});
    if (!rendered) return;
    SDL_Surface* argb = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!argb) return;
    blendGlyphs(canvas, argb, x, y, color);
    SDL_FreeSurface(argb);
}

void SdlTypesetter::addFaceAliases(const std::string& path) {
    FcInit();
    // Read here, not by fontconfig, so that only a regular file is opened and
    // nothing blocks; a file that is not there leaves the faces unaliased.
    std::string text;
    FileFault fault = FileFault::None;
    if (!readSmallFile(path, kLargestAliasFile, text, fault)) return;
    // Fontconfig writes its parse errors to standard error itself; the
    // program's own message names the file instead.
    bool loaded =
        text.size() <= kLargestAliasFile && withoutStandardError([&] {
            return FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(text.c_str()),
                                                  FcTrue) == FcTrue;  // without "complain" it answers true
        });
    if (!loaded) throw Exception("EParserError", fileErrorText("The font aliases are damaged", path));
}
