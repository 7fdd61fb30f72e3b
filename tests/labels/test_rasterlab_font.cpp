// The dot-matrix label's bit fonts: the built-in 7 x 12 font, fonts sampled
// from real typefaces, and the bounds any matrix is kept within.
#include <gtest/gtest.h>

#include <QSet>
#include <vector>

#include "labels/RasterFont.h"
#include "labels/Vyr_RasterLab.h"

using namespace vyr;

namespace {

std::vector<std::uint32_t> Rows(const TRDCharMatrix& m, int code, int count = 12) {
  return {m.BitData[size_t(code)].begin(), m.BitData[size_t(code)].begin() + count};
}

int Dots(const TRDCharMatrix& m, int code) {
  int n = 0;
  for (std::uint32_t row : m.BitData[size_t(code)]) n += std::popcount(row);
  return n;
}

}  // namespace

TEST(RasterFont, BuiltinFontHasTheTellingRows) {
  const TRDCharMatrix m = BuiltinCharMatrix();
  EXPECT_EQ(m.FontWidth, 7);
  EXPECT_EQ(m.FontHeight, 12);
  struct Glyph {
    char ch;
    int first, last;
    std::vector<std::uint32_t> rows;
  };
  const Glyph glyphs[] = {
      {' ', 0, 6, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {'.', 3, 3, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x08, 0, 0}},
      {'0', 1, 5, {0, 0x1C, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x1C, 0, 0}},
      {'1', 1, 5, {0, 0x08, 0x0E, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x3E, 0, 0}},
      {'A', 0, 6, {0, 0x08, 0x08, 0x14, 0x14, 0x22, 0x3E, 0x22, 0x22, 0x77, 0, 0}},
      {'g', 0, 6, {0, 0, 0, 0, 0x7E, 0x21, 0x21, 0x21, 0x3E, 0x20, 0x20, 0x1E}},
  };
  for (const Glyph& g : glyphs) {
    SCOPED_TRACE(g.ch);
    EXPECT_EQ(m.LeftMostBit[size_t(g.ch)], g.first);
    EXPECT_EQ(m.RightMostBit[size_t(g.ch)], g.last);
    EXPECT_EQ(Rows(m, g.ch), g.rows);
  }
  for (int code = 0; code < 32; ++code) EXPECT_EQ(Dots(m, code), 0) << code;
}

// Every printable character has dots of its own: no two glyphs of the
// printable codes are alike, accented letters differ from their base, and
// nothing is drawn outside the 7 x 12 cell.
TEST(RasterFont, BuiltinGlyphsAreDistinctAndWithinTheirCell) {
  const TRDCharMatrix m = BuiltinCharMatrix();
  QSet<QByteArray> seen;
  auto key = [&](int code) {
    return QByteArray(reinterpret_cast<const char*>(m.BitData[size_t(code)].data()), 12 * 4);
  };
  for (int code = 33; code < 256; ++code) {
    if (code >= 127 && code < 160) continue;  // control characters: the substitute
    if (code == 160 || code == 173) continue;  // no-break space and soft hyphen repeat others
    SCOPED_TRACE(code);
    EXPECT_GT(Dots(m, code), 0);
    EXPECT_FALSE(seen.contains(key(code)));
    seen.insert(key(code));
    EXPECT_LE(m.LeftMostBit[size_t(code)], m.RightMostBit[size_t(code)]);
    for (int r = 0; r < 32; ++r) EXPECT_EQ(m.BitData[size_t(code)][size_t(r)] & ~(r < 12 ? 0x7Fu : 0u), 0u);
  }
  EXPECT_EQ(key(160), key(' '));
  EXPECT_EQ(key(173), key('-'));
  for (int code = 127; code < 160; ++code) EXPECT_EQ(key(code), key(kSubstituteCode));
}

TEST(RasterFont, CharactersAboveTheTableTakeTheSubstitute) {
  EXPECT_EQ(GlyphCodes(QString::fromUtf8("A\u00E9\u20AC")), (std::vector<std::uint8_t>{'A', 0xE9, kSubstituteCode}));
  // A character outside the basic plane is one substitute, not two.
  EXPECT_EQ(GlyphCodes(QString::fromUtf8("x\U0001F600y")), (std::vector<std::uint8_t>{'x', kSubstituteCode, 'y'}));
}

TEST(RasterFont, DefaultNameInAnyCaseMeansTheBuiltinFont) {
  TFont font;
  font.Name = QStringLiteral("Default");
  EXPECT_EQ(TRasterLab::CreateBitFont(&font), BuiltinCharMatrix());
  EXPECT_EQ(TRasterLab::CreateBitFont(nullptr), BuiltinCharMatrix());
}

TEST(RasterFont, SampledFontsGiveDotsOfTheirGlyphs) {
  TFont font;
  font.Name = QStringLiteral("DejaVu Sans");
  font.Size = 9;
  const TRDCharMatrix m = TRasterLab::CreateBitFont(&font);
  EXPECT_GT(m.FontHeight, 8);
  EXPECT_LT(m.FontHeight, 20);
  EXPECT_GT(m.FontWidth, 5);
  EXPECT_GT(Dots(m, 'H'), 10);
  // "I" is narrower than "W".
  EXPECT_LT(m.RightMostBit['I'] - m.LeftMostBit['I'], m.RightMostBit['W'] - m.LeftMostBit['W']);
  EXPECT_EQ(m.LeftMostBit[' '], 0);
  EXPECT_EQ(m.RightMostBit[' '], m.FontWidth / 2);
  EXPECT_GT(Dots(m, kSubstituteCode), 8);
}

// Glyphs larger than 32 x 32 dots are cut at 32.
TEST(RasterFont, LargeFontsAreCutAt32Dots) {
  TFont font;
  font.Name = QStringLiteral("DejaVu Sans");
  font.Size = 60;
  const TRDCharMatrix m = TRasterLab::CreateBitFont(&font);
  EXPECT_EQ(m.FontHeight, 32);
  EXPECT_LE(m.FontWidth, 32);
  for (int code = 32; code < 256; ++code) EXPECT_LE(m.RightMostBit[size_t(code)], 31);
}

TEST(RasterFont, WrittenMatricesAreKeptWithinBounds) {
  TRDCharMatrix wild = BuiltinCharMatrix();
  wild.FontWidth = 1000;
  wild.FontHeight = -4;
  wild.LeftMostBit['A'] = 200;
  wild.RightMostBit['A'] = 3;
  const TRDCharMatrix m = Bounded(wild);
  EXPECT_EQ(m.FontWidth, 32);
  EXPECT_EQ(m.FontHeight, 0);
  EXPECT_EQ(m.LeftMostBit['A'], 31);
  EXPECT_EQ(m.RightMostBit['A'], 31);
}
