#pragma once
// Composing seven-segment glyphs from the segment pictures: which segments
// each character lights, where each picture goes on the 312 x 432 glyph
// canvas, recolouring the pictures and the order of the cache cells.
#include <QChar>
#include <QString>
#include <vector>

#include "host/Bitmap.h"
#include "host/Color.h"

namespace vyr {

// The six segment pictures, loaded from the library's resources.
struct TSegmentPictures {
  TSegmentPictures();
  TBitmap Horz, Vert, Dot, Plus, Colon, Deg;
};

// The characters of the cache cells, in cell order: 0..9, "-", "+", ":",
// "°", A..F, ".".
inline const QString& CacheCharacters() {
  static const QString chars = QStringLiteral("0123456789-+:\u00B0ABCDEF.");
  return chars;
}
// The cell of a character (lower-case a..f as upper case), or -1.
int CacheCellOf(QChar ch);
// The segments a character lights: bit n - 1 for segment n (1 top, 2 upper
// left, 3 upper right, 4 middle, 5 lower left, 6 lower right, 7 bottom,
// 8 decimal point, 9 plus, 10 colon, 11 degree sign).
unsigned SegmentsOf(QChar ch);

// One digit position of a caption: the cache cell it shows (-1 for a
// blank) and whether its decimal point is lit.
struct TDigitPosition {
  int Cell = -1;
  bool Dot = false;
  friend bool operator==(const TDigitPosition&, const TDigitPosition&) = default;
};
// The positions a caption fills, at most numDigits of them: a "." or ","
// after a character is that position's point, one on its own a blank
// position with a point.
std::vector<TDigitPosition> DigitPositions(const QString& caption, int numDigits);

// Flood-fills every shape of the pictures with color (white taken as
// 0xFEFEFE), replacing the colour they carry now. Returns the colour used.
TColor ColorizeSegments(TSegmentPictures& pictures, TColor color);

// Draws ch (with its decimal point when withDot) on canvas, a bitmap of the
// glyph size: the coloured segments on background.
void ComposeGlyph(TBitmap& canvas, const TSegmentPictures& pictures, QChar ch, bool withDot, TColor background);

}  // namespace vyr
