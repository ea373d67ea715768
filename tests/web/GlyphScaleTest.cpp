// The canvas typesetter's fixed-point arithmetic against the native text
// engine's own figures (FreeType, and HarfBuzz over it as SDL_ttf sets it
// up): advances, kernings and line heights of the game's fonts at every
// size from 6 to 64 pixels.
#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include <hb-ft.h>
#include <hb.h>

#include <ostream>
#include <string>
#include <vector>

#include "frame/sdl/FaceFile.h"
#include "frame/web/GlyphScale.h"

namespace {

// Letters the screens write, and pairs that kern, with a space among them.
const char* const kSample = "AVATAR Level 10. Tě Yo, L verze Přeskočit Životy: (Hvězdář) Wj f'";

// One font file at one size, as SDL_ttf opens it with light hinting.
class NativeFace {
public:
    NativeFace(FT_Library library, const std::string& path, int pixels) {
        FT_New_Face(library, path.c_str(), 0, &face_);
        FT_Set_Char_Size(face_, 0, pixels * 64, 0, 0);
        shaper_ = hb_ft_font_create_referenced(face_);
        hb_ft_font_set_load_flags(shaper_, FT_LOAD_DEFAULT | FT_LOAD_TARGET_LIGHT);
        hb_face_t* shaped = hb_ft_face_create_referenced(face_);
        unitShaper_ = hb_font_create(shaped);  // at its em: in font units
        hb_face_destroy(shaped);
    }
    ~NativeFace() {
        hb_font_destroy(unitShaper_);
        hb_font_destroy(shaper_);
        FT_Done_Face(face_);
    }
    NativeFace(const NativeFace&) = delete;
    NativeFace& operator=(const NativeFace&) = delete;

    int unitsPerEm() const { return face_->units_per_EM; }
    int ascender() const { return face_->ascender; }
    int descender() const { return -face_->descender; }
    // SDL_ttf's ascent and height.
    int ascent() const { return ceilPixels(FT_MulFix(face_->ascender, face_->size->metrics.y_scale)); }
    int height() const {
        return ceilPixels(FT_MulFix(face_->ascender - face_->descender, face_->size->metrics.y_scale));
    }

    // The first glyph's advance when shaped with the second (0: alone),
    // in 1/64 pixel, and in font units.
    hb_position_t advance(const std::string& text) const { return shapedAdvance(shaper_, text); }
    hb_position_t advanceUnits(const std::string& text) const { return shapedAdvance(unitShaper_, text); }

private:
    static int ceilPixels(FT_Long value) { return static_cast<int>((value + 63) >> 6); }
    static hb_position_t shapedAdvance(hb_font_t* font, const std::string& text) {
        hb_buffer_t* buffer = hb_buffer_create();
        hb_buffer_add_utf8(buffer, text.c_str(), -1, 0, -1);
        hb_buffer_guess_segment_properties(buffer);
        hb_feature_t kerning{HB_TAG('k', 'e', 'r', 'n'), 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END};
        hb_shape(font, buffer, &kerning, 1);
        unsigned count = 0;
        hb_position_t advance = hb_buffer_get_glyph_positions(buffer, &count)[0].x_advance;
        hb_buffer_destroy(buffer);
        return advance;
    }

    FT_Face face_ = nullptr;
    hb_font_t* shaper_ = nullptr;
    hb_font_t* unitShaper_ = nullptr;
};

// The sample's characters, and each with the next.
std::vector<std::string> characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80) ++length;
        out.push_back(text.substr(i, length));
        i += length;
    }
    return out;
}

struct Family {
    const char* name;
    bool bold;
};

void PrintTo(const Family& family, std::ostream* out) { *out << family.name << (family.bold ? " bold" : ""); }

class GlyphScaleTest : public testing::TestWithParam<Family> {
protected:
    void SetUp() override {
        ASSERT_EQ(FT_Init_FreeType(&library_), 0);
        path_ = FaceFile::find(GetParam().name, GetParam().bold).path;
        ASSERT_FALSE(path_.empty()) << GetParam().name;
    }
    void TearDown() override { FT_Done_FreeType(library_); }

    FT_Library library_ = nullptr;
    std::string path_;
};

TEST_P(GlyphScaleTest, AdvancesKerningsAndLineHeightsAreTheNativeOnesAtEverySize) {
    std::vector<std::string> letters = characters(kSample);
    for (int pixels = 6; pixels <= 64; ++pixels) {
        NativeFace native(library_, path_, pixels);
        GlyphScale scale(native.unitsPerEm(), pixels);
        ASSERT_EQ(scale.ceilPixels(native.ascender()), native.ascent()) << pixels;
        ASSERT_EQ(scale.ceilPixels(native.ascender() + native.descender()), native.height()) << pixels;
        for (std::size_t i = 0; i + 1 < letters.size(); ++i) {
            int alone = native.advanceUnits(letters[i]);
            int kerning = native.advanceUnits(letters[i] + letters[i + 1]) - alone;
            ASSERT_EQ(scale.advance(alone), native.advance(letters[i])) << pixels << " px, " << letters[i];
            ASSERT_EQ(scale.advance(alone) + scale.kerning(kerning), native.advance(letters[i] + letters[i + 1]))
                << pixels << " px, " << letters[i] << letters[i + 1] << ", kerning " << kerning;
        }
    }
}

// The families data/fonts.conf maps the screens' faces to.
INSTANTIATE_TEST_SUITE_P(GameFonts, GlyphScaleTest,
                         testing::Values(Family{"Liberation Sans", false}, Family{"Liberation Sans", true},
                                         Family{"Liberation Serif", true}, Family{"Kaushan Script", false},
                                         Family{"OCRA", false}));

}  // namespace
