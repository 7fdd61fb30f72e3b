#pragma once
// The dot-matrix label's bit fonts: the built-in 7 x 12 font, fonts sampled
// from installed typefaces, and the rules that keep any matrix safe to draw.
#include <QString>
#include <cstdint>
#include <vector>

#include "host/Font.h"
#include "labels/RasterLabTypes.h"

namespace vyr {

// The code whose glyph stands in for characters above 255 (a control
// character's code, so no text needs its own glyph).
constexpr int kSubstituteCode = 127;

// The built-in font: FontWidth 7, FontHeight 12, codes 32..255 (0..31 empty).
TRDCharMatrix BuiltinCharMatrix();

// Dots of every code 32..255 drawn in the font, at most 32 x 32 (larger
// glyphs are cut), sampled without smoothing so that faint edge pixels light
// no dots. Glyphs without dots, the space among them, are half the widest
// glyph wide; code 127 gets the substitute glyph, a box as high as the
// capitals.
TRDCharMatrix SampleCharMatrix(const TFont& font);

// The matrix brought within its bounds: sizes 0..32, columns 0..31, and the
// last column of each glyph not left of its first.
TRDCharMatrix Bounded(const TRDCharMatrix& matrix);

// The glyph code of each character of the text: its own code up to 255,
// the substitute above (one for a character made of a surrogate pair).
std::vector<std::uint8_t> GlyphCodes(const QString& text);

}  // namespace vyr
