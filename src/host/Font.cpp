#include "host/Font.h"

#include <algorithm>
#include <cstdlib>

namespace vyr {

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  long long num = static_cast<long long>(a) * b;
  long long den = c;
  if (den < 0) {
    num = -num;
    den = -den;
  }
  long long q = (std::llabs(num) + den / 2) / den;
  return static_cast<int>(num < 0 ? -q : q);
}

int TFont::PixelHeight() const {
  int points = Size <= 0 ? kDefaultFontSize : std::min(Size, kMaxFontSize);
  return MulDiv(points, kScreenDpi, 72);
}

void TFont::SetPixelHeight(int pixels) {
  pixels = std::abs(pixels);
  Size = pixels == 0 ? kDefaultFontSize : std::max(1, MulDiv(pixels, 72, kScreenDpi));
}

QFont TFont::ToQFont() const {
  QFont f(Name.isEmpty() ? QStringLiteral("DejaVu Sans") : Name);
  f.setPixelSize(PixelHeight());
  f.setBold(Style & fsBold);
  f.setItalic(Style & fsItalic);
  f.setUnderline(Style & fsUnderline);
  f.setStrikeOut(Style & fsStrikeOut);
  f.setStyleStrategy(Antialiased() ? QFont::PreferAntialias : QFont::NoAntialias);
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setKerning(false);
  return f;
}

void TFont::AssignQFont(const QFont& f) {
  Name = f.family();
  if (f.pixelSize() > 0)
    SetPixelHeight(f.pixelSize());
  else if (f.pointSize() > 0)
    Size = f.pointSize();
  Style = (f.bold() ? fsBold : 0u) | (f.italic() ? fsItalic : 0u) | (f.underline() ? fsUnderline : 0u) |
          (f.strikeOut() ? fsStrikeOut : 0u);
}

}  // namespace vyr
