// Bit fonts sampled from installed typefaces, the bounds of any matrix and
// the glyph codes of a text.
#include <algorithm>
#include <bit>

#include "host/Bitmap.h"
#include "labels/RasterFont.h"

namespace vyr {
namespace {

constexpr int kSampleSide = 65;
constexpr int kMax = TRDCharMatrix::kMaxDots;

// The dot rows of one character drawn in black at (0, 0) on white.
std::array<std::uint32_t, kMax> SampleGlyph(TCanvas& c, int code) {
  c.Pen.Color = clWhite;
  c.Brush.Color = clWhite;
  c.Brush.Style = bsSolid;
  c.Rectangle(0, 0, kSampleSide, kSampleSide);
  c.TextOut(0, 0, QString(QChar(char16_t(code))));
  std::array<std::uint32_t, kMax> rows{};
  for (int r = 0; r < kMax; ++r)
    for (int col = 0; col < kMax; ++col)
      if (c.Pixels(col, r) != clWhite) rows[size_t(r)] |= 1u << col;
  return rows;
}

// The substitute glyph: a box from the top row of the capitals down to the
// base line.
void PutSubstitute(TRDCharMatrix& m, int top, int bottom) {
  const int w = std::clamp(m.FontWidth, 3, kMax);
  const std::uint32_t full = w == kMax ? 0xFFFFFFFFu : (1u << w) - 1;
  const std::uint32_t sides = 1u | (1u << (w - 1));
  auto& rows = m.BitData[kSubstituteCode];
  rows.fill(0);
  for (int r = top; r <= bottom && r < kMax; ++r) rows[size_t(r)] = r == top || r == bottom ? full : sides;
  m.LeftMostBit[kSubstituteCode] = 0;
  m.RightMostBit[kSubstituteCode] = std::uint8_t(w - 1);
  m.FontWidth = std::max(m.FontWidth, w);
  m.FontHeight = std::max(m.FontHeight, std::min(bottom + 1, kMax));
}

}  // namespace

TRDCharMatrix SampleCharMatrix(const TFont& font) {
  TBitmap sample(kSampleSide, kSampleSide);
  TCanvas& c = sample.Canvas();
  c.Font = font;
  c.Font.Color = clBlack;
  c.Font.Escapement = c.Font.Orientation = 0;
  c.Font.Quality = fqNonAntialiased;
  TRDCharMatrix m;
  std::vector<bool> empty(TRDCharMatrix::kCodes, true);
  for (int code = 32; code < TRDCharMatrix::kCodes; ++code) {
    const auto rows = SampleGlyph(c, code);
    int left = kMax - 1, right = 0;
    for (int r = 0; r < kMax; ++r) {
      if (rows[size_t(r)] == 0) continue;
      empty[size_t(code)] = false;
      left = std::min(left, std::countr_zero(rows[size_t(r)]));
      right = std::max(right, kMax - 1 - std::countl_zero(rows[size_t(r)]));
      m.FontHeight = std::max(m.FontHeight, r + 1);
    }
    m.BitData[size_t(code)] = rows;
    m.LeftMostBit[size_t(code)] = std::uint8_t(left);
    m.RightMostBit[size_t(code)] = std::uint8_t(right);
    if (!empty[size_t(code)]) m.FontWidth = std::max(m.FontWidth, right - left + 1);
  }
  for (int code = 32; code < TRDCharMatrix::kCodes; ++code) {
    if (!empty[size_t(code)]) continue;
    m.LeftMostBit[size_t(code)] = 0;
    m.RightMostBit[size_t(code)] = std::uint8_t(m.FontWidth / 2);
  }
  // The capitals' top row and the base line, from "H".
  const auto& h = m.BitData['H'];
  int top = 0, bottom = std::max(m.FontHeight - 1, 0);
  if (!empty['H']) {
    while (h[size_t(top)] == 0) ++top;
    bottom = top;
    while (bottom + 1 < kMax && h[size_t(bottom + 1)] != 0) ++bottom;
  }
  PutSubstitute(m, top, std::max(bottom, top + 2));
  return m;
}

TRDCharMatrix Bounded(const TRDCharMatrix& matrix) {
  TRDCharMatrix m = matrix;
  m.FontWidth = std::clamp(m.FontWidth, 0, kMax);
  m.FontHeight = std::clamp(m.FontHeight, 0, kMax);
  for (int code = 0; code < TRDCharMatrix::kCodes; ++code) {
    auto& left = m.LeftMostBit[size_t(code)];
    auto& right = m.RightMostBit[size_t(code)];
    left = std::uint8_t(std::min<int>(left, kMax - 1));
    right = std::uint8_t(std::clamp<int>(right, left, kMax - 1));
  }
  return m;
}

std::vector<std::uint8_t> GlyphCodes(const QString& text) {
  std::vector<std::uint8_t> codes;
  codes.reserve(size_t(text.size()));
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar ch = text[i];
    if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    codes.push_back(ch.unicode() < TRDCharMatrix::kCodes ? std::uint8_t(ch.unicode()) : std::uint8_t(kSubstituteCode));
  }
  return codes;
}

}  // namespace vyr
