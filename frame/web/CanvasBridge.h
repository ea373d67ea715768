#pragma once
// The JavaScript half of the canvas typesetter (canvas_typesetter.js). Faces
// are indices into the web fonts loaded before the program started.
extern "C" {
// The loaded faces, one a line: file, weight, families, by tabs; malloc'd.
char* orbitrove_web_faces();
// units[0..2]: the face's em, ascender and descender, in font units.
void orbitrove_face_units(int face, int* units);
// The advance of one code point, or of two kerned together (second > 0),
// in font units.
int orbitrove_text_units(int face, int first, int second);
// box[0..3]: the pixels a code point inks at `pixels` size, from its origin
// on the baseline: left, top (up), right, bottom (down).
void orbitrove_glyph_box(int face, int pixels, int codePoint, int* box);
// The coverage of a code point drawn with its origin at (-left, top) of a
// width x rows box, a byte a pixel.
void orbitrove_glyph_coverage(int face, int pixels, int codePoint, int left, int top, int width, int rows,
                              unsigned char* coverage);
// A fontconfig file's aliases as "alias\tfamily" lines, each followed by its
// "prefer", "accept" and "default" lines; malloc'd, or null when the text is
// not well-formed.
char* orbitrove_parse_face_aliases(const char* text);
}
