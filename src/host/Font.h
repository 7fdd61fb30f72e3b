#pragma once
// A font as the controls describe it: face name, size in points, style,
// colour, rotation in tenths of a degree (counter-clockwise) and whether
// glyph edges are smoothed. Sizes are converted to pixels at 96 dots per inch.
#include <QFont>
#include <QString>

#include "host/Color.h"

namespace vyr {

enum TFontStyleFlag : unsigned {
  fsBold = 1u << 0,
  fsItalic = 1u << 1,
  fsUnderline = 1u << 2,
  fsStrikeOut = 1u << 3,
};
using TFontStyles = unsigned;

enum TFontQuality { fqDefault, fqAntialiased, fqNonAntialiased };

constexpr int kScreenDpi = 96;
constexpr int kDefaultFontSize = 8;
constexpr int kMaxFontSize = 1600;

struct TFont {
  QString Name = QStringLiteral("DejaVu Sans");
  // Points. Zero or below draws at the default size; above kMaxFontSize at that size.
  int Size = kDefaultFontSize;
  TFontStyles Style = 0;
  TColor Color = clWindowText;
  int Escapement = 0;   // direction of the base line, tenths of a degree
  int Orientation = 0;  // kept with Escapement; glyphs follow the base line
  TFontQuality Quality = fqDefault;

  // Character height in pixels (the em height), derived from Size.
  int PixelHeight() const;
  // Sets Size from a pixel height; a negative value counts like a positive one.
  void SetPixelHeight(int pixels);
  bool Antialiased() const { return Quality != fqNonAntialiased; }

  QFont ToQFont() const;
  // Takes face, size and style from a Qt font (colour and rotation stay).
  void AssignQFont(const QFont& f);

  friend bool operator==(const TFont&, const TFont&) = default;
};

// MulDiv(a, b, c): a * b / c rounded to the nearest integer (halves away from
// zero, as the platform does); -1 when c is 0.
int MulDiv(int a, int b, int c);

}  // namespace vyr
