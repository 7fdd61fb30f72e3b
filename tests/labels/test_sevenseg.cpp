// The seven-segment display: its pictures, the glyphs composed from them,
// the digits it paints, its clamps and its glyph cache.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <vector>

#include "host/Bitmap.h"
#include "host/ControlRegistry.h"
#include "host/Exception.h"
#include "labels/SevenSegGlyphs.h"
#include "labels/Vyr_sevenseg.h"
#include "support/AssignWalk.h"
#include "support/LayoutTools.h"

using namespace vyr;

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kDark = 0x333333;

// Centre of each segment on the 312 x 432 glyph canvas, by segment number
// (1 top, 2 upper left, 3 upper right, 4 middle, 5 lower left, 6 lower
// right, 7 bottom, 8 point).
const std::map<int, TPoint> kSegmentCentres = {{1, {194, 19}},  {2, {71, 118}},  {3, {278, 118}},
                                               {4, {157, 216}}, {5, {34, 315}},  {6, {241, 315}},
                                               {7, {120, 413}}, {8, {288, 413}}};

// The segments each cache character lights, written out as a readout shows them.
const std::map<QChar, QString> kPatterns = {
    {u'0', "123567"}, {u'1', "36"},    {u'2', "13457"},   {u'3', "13467"}, {u'4', "2346"},   {u'5', "12467"},
    {u'6', "124567"}, {u'7', "136"},   {u'8', "1234567"}, {u'9', "123467"}, {u'-', "4"},     {u'A', "123456"},
    {u'B', "24567"},  {u'C', "1257"},  {u'D', "34567"},   {u'E', "12457"},  {u'F', "1245"},  {u'.', "8"}};

QString LitSegments(const TCanvas& c, TColor ink) {
  QString lit;
  for (auto [n, p] : kSegmentCentres)
    if (c.Pixels(p.X, p.Y) == ink) lit += QChar(u'0' + n);
  return lit;
}

// The lit segments of digit position i of a painted display, read at the
// segment centres scaled into the position's cell.
QString LitSegmentsAt(TSevenSeg& s, int i) {
  const int cell = s.CellWidth(), h = s.Height() - 2 * s.Margin();
  const int x0 = s.Margin() + i * (cell + s.InterDigDist());
  const TColor ink = s.ColorText() == clWhite ? 0xFEFEFE : ColorToRGB(s.ColorText());
  QString lit;
  for (auto [n, p] : kSegmentCentres) {
    const int x = x0 + p.X * cell / TSevenSeg::kGlyphWidth, y = s.Margin() + p.Y * h / TSevenSeg::kGlyphHeight;
    if (s.Canvas().Pixels(x, y) == ink) lit += QChar(u'0' + n);
  }
  return lit;
}

QStringList Readout(TSevenSeg& s) {
  QStringList positions;
  for (int i = 0; i < s.NumDigits(); ++i) positions << LitSegmentsAt(s, i);
  return positions;
}

bool OnlyBlackAndWhite(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y) & 0xFFFFFF;
      if (p != 0 && p != 0xFFFFFF) return false;
    }
  return true;
}

}  // namespace

TEST(SevenSegPictures, HaveTheirSizesAndDepthsAndAreBlackOnWhite) {
  struct Expected {
    const char* name;
    int w, h;
    TPixelFormat format;
  };
  for (auto [name, w, h, format] : {Expected{"SEGVERT", 68, 190, pf1bit}, Expected{"SEGHORZ", 200, 38, pf1bit},
                                    Expected{"SEGDOT", 38, 38, pf1bit}, Expected{"SEGPLUS", 200, 190, pf24bit},
                                    Expected{"SEGCOLON", 68, 190, pf24bit}, Expected{"SEGDEG", 160, 138, pf24bit}}) {
    SCOPED_TRACE(name);
    TBitmap b;
    b.LoadFromResourceName(QString::fromLatin1(name));
    EXPECT_EQ(b.Width(), w);
    EXPECT_EQ(b.Height(), h);
    // 24-bit pictures are held as 32-bit pixels; the file's depth shows in
    // the bit planes.
    EXPECT_EQ(b.Image().bitPlaneCount(), format == pf1bit ? 1 : 24);
    if (format == pf1bit) EXPECT_EQ(b.PixelFormat(), pf1bit);
    EXPECT_TRUE(OnlyBlackAndWhite(b.Image()));
  }
}

// Every shape has a seed point, so one colouring leaves no black behind,
// and colouring again replaces the previous colour.
TEST(SevenSegPictures, ColouringReachesEveryShape) {
  TSegmentPictures pictures;
  for (TColor colour : {kRed, clWhite}) {
    const TColor used = ColorizeSegments(pictures, colour);
    EXPECT_EQ(used, colour == clWhite ? 0xFEFEFEu : colour);
    for (TBitmap* b : {&pictures.Vert, &pictures.Horz, &pictures.Dot, &pictures.Plus, &pictures.Colon,
                       &pictures.Deg}) {
      int black = 0, coloured = 0;
      for (int y = 0; y < b->Height(); ++y)
        for (int x = 0; x < b->Width(); ++x) {
          black += b->Canvas().Pixels(x, y) == clBlack;
          coloured += b->Canvas().Pixels(x, y) == used;
        }
      EXPECT_EQ(black, 0);
      EXPECT_GT(coloured, 300);
    }
  }
}

TEST(SevenSegGlyphs, EveryCacheCharacterLightsItsSegmentsOnTheBackground) {
  TSegmentPictures pictures;
  ColorizeSegments(pictures, kRed);
  TBitmap glyph(TSevenSeg::kGlyphWidth, TSevenSeg::kGlyphHeight);
  for (QChar ch : CacheCharacters()) {
    SCOPED_TRACE(QString(ch).toStdString());
    ComposeGlyph(glyph, pictures, ch, false, kDark);
    const TCanvas& c = glyph.Canvas();
    if (kPatterns.count(ch)) EXPECT_EQ(LitSegments(c, kRed), kPatterns.at(ch));
    // The background reaches every enclosed area (inside the 8, the ring).
    int white = 0;
    for (int y = 0; y < glyph.Height(); ++y)
      for (int x = 0; x < glyph.Width(); ++x) white += c.Pixels(x, y) == clWhite;
    EXPECT_EQ(white, 0);
  }
  // The plus, colon and degree pictures sit at their own places.
  ComposeGlyph(glyph, pictures, u'+', false, kDark);
  EXPECT_EQ(glyph.Canvas().Pixels(157, 216), kRed);
  EXPECT_EQ(glyph.Canvas().Pixels(157, 140), kRed);
  ComposeGlyph(glyph, pictures, u':', false, kDark);
  EXPECT_EQ(glyph.Canvas().Pixels(122 + 49, 121 + 18), kRed);
  EXPECT_EQ(glyph.Canvas().Pixels(122 + 18, 121 + 171), kRed);
  EXPECT_EQ(glyph.Canvas().Pixels(157, 216), kDark);
  ComposeGlyph(glyph, pictures, u'\u00B0', false, kDark);
  EXPECT_EQ(glyph.Canvas().Pixels(150 + 38, 68), kRed);
  EXPECT_EQ(glyph.Canvas().Pixels(150 + 80, 68), kDark);  // the hole
  ComposeGlyph(glyph, pictures, u'7', true, kDark);
  EXPECT_EQ(LitSegments(glyph.Canvas(), kRed), "1368");
}

TEST(SevenSegCaption, PositionsFollowThePointsAndTheDigitCount) {
  using P = TDigitPosition;
  const int cell1 = CacheCellOf(u'1'), cell2 = CacheCellOf(u'2'), cell5 = CacheCellOf(u'5');
  EXPECT_EQ(DigitPositions("12.5", 4), (std::vector<P>{{cell1, false}, {cell2, true}, {cell5, false}}));
  EXPECT_EQ(DigitPositions(".5", 4), (std::vector<P>{{-1, true}, {cell5, false}}));
  EXPECT_EQ(DigitPositions("1,,2", 4), (std::vector<P>{{cell1, true}, {-1, true}, {cell2, false}}));
  // Cut after four positions; the point after the fourth still belongs to it.
  EXPECT_EQ(DigitPositions("1111.5", 4).size(), 4u);
  EXPECT_TRUE(DigitPositions("1111.5", 4).back().Dot);
  EXPECT_EQ(CacheCellOf(u'a'), CacheCellOf(u'A'));
  EXPECT_EQ(CacheCellOf(u'G'), -1);
  EXPECT_EQ(CacheCellOf(u' '), -1);
}

TEST(SevenSegPaint, DefaultShowsFourEightsWithPoints) {
  TSevenSeg s;
  s.Paint();
  EXPECT_EQ(s.Width(), 216);
  EXPECT_EQ(s.Height(), 76);
  EXPECT_EQ(Readout(s), QStringList(4, "12345678"));
  // Between the digits and around them: the background.
  const int cell = s.CellWidth();
  EXPECT_EQ(cell, (216 - 16) / 4 - 2);
  EXPECT_EQ(s.Canvas().Pixels(8 + cell, 38), kDark);
  EXPECT_EQ(s.Canvas().Pixels(5, 38), kDark);
  EXPECT_EQ(s.ShownText(), "8.8.8.8.");
}

TEST(SevenSegPaint, CaptionsShowTheirCharacters) {
  TSevenSeg s;
  s.SetCaption("12.5");
  EXPECT_EQ(Readout(s), (QStringList{"36", "134578", "12467", ""}));
  s.SetCaption(".5");
  EXPECT_EQ(Readout(s), (QStringList{"8", "12467", "", ""}));
  s.SetCaption(QString::fromUtf8("-3\u00B0"));
  QStringList shown = Readout(s);
  EXPECT_EQ(shown[0], "4");
  EXPECT_EQ(shown[1], "13467");
  EXPECT_EQ(s.ShownText(), QString::fromUtf8("-3\u00B0"));
  s.SetCaption("abcd");
  const QStringList lower = Readout(s);
  s.SetCaption("ABCD");
  EXPECT_EQ(Readout(s), lower);
  EXPECT_EQ(lower, (QStringList{"123456", "24567", "1257", "34567"}));
  s.SetCaption("GxEF");
  EXPECT_EQ(Readout(s), (QStringList{"", "", "12457", "1245"}));
  s.SetCaption("123456.7");
  EXPECT_EQ(Readout(s), (QStringList{"36", "13457", "13467", "2346"}));
  s.SetCaption("1234.5");
  EXPECT_EQ(Readout(s).back(), "23468");
}

TEST(SevenSegPaint, WhiteTextIsDrawnAlmostWhite) {
  TSevenSeg s;
  s.SetColorText(clWhite);
  EXPECT_EQ(s.ColorText(), clWhite);
  s.Paint();
  const int cell = s.CellWidth();
  EXPECT_EQ(s.Canvas().Pixels(8 + 157 * cell / 312, 8 + 216 * 60 / 432), 0xFEFEFEu);
  EXPECT_EQ(Readout(s), QStringList(4, "12345678"));
}

TEST(SevenSegModel, ClampsAndIgnoredWrites) {
  TSevenSeg s;
  s.SetInterDigDist(300);
  EXPECT_EQ(s.InterDigDist(), 255);
  s.SetInterDigDist(-4);
  EXPECT_EQ(s.InterDigDist(), 0);
  s.SetMargin(100);
  EXPECT_EQ(s.Margin(), 37);
  s.SetMargin(-3);
  EXPECT_EQ(s.Margin(), 0);
  s.SetNumDigits(0);
  s.SetNumDigits(33);
  EXPECT_EQ(s.NumDigits(), 4);
  s.SetNumDigits(32);
  EXPECT_EQ(s.NumDigits(), 32);
  s.ShowValue(std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(s.Caption(), "");
  s.ShowValue(-std::numeric_limits<double>::infinity());
  EXPECT_EQ(s.Caption(), "");
  s.ShowValue(-12.3456, 2);
  EXPECT_EQ(s.Caption(), "-12.35");
}

// Too many digits or too wide a spacing leave no room for a cell: nothing
// is cached or drawn, and the display shows its background and frame.
TEST(SevenSegModel, CellsWithoutRoomAreNeitherCachedNorDrawn) {
  TSevenSeg s;
  s.SetFrameStyle(fsNone);
  s.SetNumDigits(32);
  s.SetInterDigDist(6);  // (216 - 16) / 32 - 6 = 0
  EXPECT_EQ(s.CellWidth(), 0);
  s.Paint();
  EXPECT_TRUE(s.ImageCache().Empty());
  EXPECT_EQ(s.Canvas().Pixels(100, 38), kDark);
  s.SetNumDigits(2);
  s.SetInterDigDist(255);
  s.Paint();
  EXPECT_TRUE(s.ImageCache().Empty());
  s.SetInterDigDist(2);
  s.Paint();
  EXPECT_FALSE(s.ImageCache().Empty());
  s.SetBounds(0, 0, 216, 2);  // no height left for a digit
  s.Paint();
  EXPECT_TRUE(s.ImageCache().Empty());
}

// A huge display caches glyphs at most at their composed size and enlarges
// them when painting.
TEST(SevenSegModel, LargeCellsKeepTheCacheBounded) {
  TSevenSeg s;
  s.SetNumDigits(1);
  s.SetBounds(0, 0, 2000, 1200);
  s.Paint();
  EXPECT_EQ(s.ImageCache().Width(), TSevenSeg::kCacheCells * TSevenSeg::kGlyphWidth);
  EXPECT_EQ(s.ImageCache().Height(), TSevenSeg::kGlyphHeight);
  EXPECT_EQ(Readout(s), QStringList{"12345678"});
}

TEST(SevenSegCache, CaptionWritesNeverRebuildIt) {
  TSevenSeg s;
  EXPECT_EQ(s.ImageCacheBuilds(), 0);
  s.Paint();
  for (const char* caption : {"1", "12:30", "-4.5", "ABC"}) s.SetCaption(caption);
  s.SetFrameStyle(fsRaised);
  s.Paint();
  EXPECT_EQ(s.ImageCacheBuilds(), 1);
  s.SetBounds(0, 0, 300, 80);
  s.Paint();
  s.Paint();
  EXPECT_EQ(s.ImageCacheBuilds(), 2);
}

// Settings written one after another cost one rebuild, at the next paint,
// and show what a rebuild after each of them shows.
TEST(SevenSegCache, WrittenSettingsRebuildOnceAtTheNextPaint) {
  TSevenSeg lazy, eager;
  const std::vector<std::function<void(TSevenSeg&)>> writes = {
      [](TSevenSeg& t) { t.SetColorText(clLime); }, [](TSevenSeg& t) { t.SetNumDigits(6); },
      [](TSevenSeg& t) { t.SetMargin(4); }, [](TSevenSeg& t) { t.SetInterDigDist(3); }};
  for (const auto& write : writes) {
    write(lazy);
    write(eager);
    eager.Paint();
  }
  EXPECT_EQ(lazy.ImageCacheBuilds(), 0);
  lazy.Paint();
  EXPECT_EQ(lazy.ImageCacheBuilds(), 1);
  EXPECT_EQ(*lazy.Canvas().Image(), *eager.Canvas().Image());
}

TEST(SevenSegCache, ColorizeSegmentsRecoloursTheDigits) {
  TSevenSeg s;
  TBitmap glyph;
  EXPECT_EQ(s.ColorizeSegments(clWhite), 0xFEFEFEu);
  glyph.Assign(s.CreateDigit(u'8', false));
  EXPECT_EQ(glyph.Canvas().Pixels(kSegmentCentres.at(1).X, kSegmentCentres.at(1).Y), 0xFEFEFEu);
}

TEST(SevenSegAssign, CopiesEveryListedProperty) {
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TSevenSeg>(); }, TSevenSeg::CopiedProperties(), {});
}

TEST(SevenSegAssign, TheCopyShowsTheSameDigitsAfterOneRebuild) {
  TSevenSeg source;
  source.SetColorText(clYellow);
  source.SetColorBackGnd(clNavy);
  source.SetNumDigits(5);
  source.SetCaption(QString::fromUtf8("12:3\u00B0"));
  source.SetInterDigDist(6);
  source.SetMargin(5);
  source.SetFrameStyle(fsRaised);
  source.Paint();
  TSevenSeg copy;
  source.AssignTo(&copy);
  copy.Paint();
  EXPECT_EQ(copy.ImageCacheBuilds(), 1);
  EXPECT_EQ(*copy.Canvas().Image(), *source.Canvas().Image());
  TControl plain;
  EXPECT_THROW(plain.Assign(&source), EConvertError);
}

TEST(SevenSegCitizen, RegisteredAndReadAsStaticText) {
  std::unique_ptr<QWidget> made(CreateRegisteredControl(QStringLiteral("TSevenSeg"), nullptr));
  EXPECT_NE(dynamic_cast<TSevenSeg*>(made.get()), nullptr);
  EXPECT_EQ(RegisteredControlHeader(QStringLiteral("TSevenSeg")), "labels/Vyr_sevenseg.h");

  QWidget window;
  auto* s = new TSevenSeg;
  s->SetCaption("12.5x");
  vyrtest::ShowInLayout(window, s, {216, 76});
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(s);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::StaticText);
  EXPECT_EQ(a->text(QAccessible::Name), "12.5");
  EXPECT_TRUE(vyrtest::ScreenOnlyPixels(*s).IsEmpty());
}
