#pragma once
#include <map>
#include <memory>
#include <string>
#include <tuple>

#include "frame/Typesetter.h"

typedef struct _TTF_Font TTF_Font;

// Text through SDL2_ttf, faces found by fontconfig. It needs no display, so
// the headless back end draws the same glyphs as the real windows.
class SdlTypesetter : public Typesetter {
public:
    SdlTypesetter();
    ~SdlTypesetter() override;
    SdlTypesetter(const SdlTypesetter&) = delete;
    SdlTypesetter& operator=(const SdlTypesetter&) = delete;

    Size measure(const TFont& font, const std::string& text) override;
    int lineHeight(const TFont& font) override;
    void draw(Canvas& canvas, const TFont& font, const std::string& text, int x, int y, Rgb color) override;
    void addFaceAliases(const std::string& path) override;

private:
    struct Closer {
        void operator()(TTF_Font* font) const;
    };
    // Opened on first use, kept while the typesetter lives.
    TTF_Font* open(const TFont& font);

    std::map<std::tuple<std::string, int, bool>, std::unique_ptr<TTF_Font, Closer>> fonts_;
};
