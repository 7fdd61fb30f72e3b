// The dot-matrix label: its default look, spacing, sizes, block modes,
// scrolling in every direction with and without loop, and its timer.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <climits>
#include <stdexcept>

#include "host/ControlRegistry.h"
#include "labels/RasterFont.h"
#include "labels/Vyr_RasterLab.h"
#include "support/AssignWalk.h"
#include "support/LayoutTools.h"
#include "support/ManualClock.h"

using namespace vyr;

namespace {

constexpr TColor kGreen = 0x00FF00;
constexpr TColor kDarkDot = 0x404040;
constexpr TColor kBlack = 0x000000;

// The dot grid of text as the label shows it from (x, y): row strings of
// '#' (lit), 'o' (dark dot) and '.' (background), one character per dot,
// read at each dot's centre.
QStringList DotRows(TRasterLab& l, int x, int y, int columns, int rows) {
  const int pitch = l.DotSize() + l.DotSpacing(), mid = l.DotSize() / 2;
  QStringList out;
  for (int r = 0; r < rows; ++r) {
    QString row;
    for (int c = 0; c < columns; ++c) {
      const TColor p = l.Canvas().Pixels(x + c * pitch + mid, y + r * pitch + mid);
      row += p == l.ColorDotOn() ? u'#' : p == l.ColorDotOff() ? u'o' : u'.';
    }
    out << row;
  }
  return out;
}

// The glyph's rows as the same strings, lit dots over dark ones.
QStringList GlyphRows(const TRDCharMatrix& m, int code, int first, int last) {
  QStringList out;
  for (int r = 0; r < m.FontHeight; ++r) {
    QString row;
    for (int c = first; c <= last; ++c) row += (m.BitData[size_t(code)][size_t(r)] >> c) & 1 ? u'#' : u'o';
    out << row;
  }
  return out;
}

// Where the first lit pixel of the face is, scanning rows top to bottom.
TPoint FirstLit(TRasterLab& l) {
  for (int y = 0; y < l.Height(); ++y)
    for (int x = 0; x < l.Width(); ++x)
      if (l.Canvas().Pixels(x, y) == l.ColorDotOn()) return {x, y};
  return {-1, -1};
}

}  // namespace

TEST(RasterLabPaint, DefaultShowsTextInGreenDotsFromOneOne) {
  TRasterLab l;
  l.Paint();
  EXPECT_EQ(l.Width(), 400);
  EXPECT_EQ(l.Height(), 68);
  EXPECT_EQ(l.Text(), "Text");
  const TRDCharMatrix& m = l.CharMatrix();
  int x = 1;
  for (QChar ch : QStringLiteral("Text")) {
    const int code = ch.unicode(), first = m.LeftMostBit[size_t(code)], last = m.RightMostBit[size_t(code)];
    SCOPED_TRACE(code);
    EXPECT_EQ(DotRows(l, x, 1, last - first + 1, 12), GlyphRows(m, code, first, last));
    x += (last - first + 2) * 4;
  }
  // Dots are 3 pixels wide with a one-pixel gap of background between.
  EXPECT_EQ(l.Canvas().Pixels(1 + 4 * 3 + 1, 1 + 4 * 1 + 1), kGreen);  // "T", top bar, column 3
  EXPECT_EQ(l.Canvas().Pixels(1 + 4 * 3 + 3, 1 + 4 * 1 + 1), kBlack);  // the gap right of it
  EXPECT_EQ(l.Canvas().Pixels(1 + 4 * 3 + 1, 1 + 4 * 1 + 3), kBlack);  // the gap below it
  EXPECT_EQ(l.Canvas().Pixels(4 * 75 + 2, 4 * 8 + 2), kDarkDot);  // a dark dot far right
  EXPECT_EQ(l.Canvas().Pixels(4 * 75, 4 * 8 + 2), kBlack);         // and its gap
}

TEST(RasterLabPaint, ProportionalAndFixedAdvances) {
  TRasterLab l;
  EXPECT_EQ(l.CalcTextBitLength("."), (1 + 1) * 4);
  EXPECT_EQ(l.CalcTextBitLength("A."), (7 + 1) * 4 + (1 + 1) * 4);
  l.SetProportional(false);
  EXPECT_EQ(l.CalcTextBitLength("."), (7 + 1) * 4);
  EXPECT_EQ(l.CalcTextBitLength("A.i"), 3 * (7 + 1) * 4);
  EXPECT_EQ(l.TextBitLength(), 4 * 32 + 1);
  // In fixed width "." sits in the middle of its cell.
  l.SetText(".");
  EXPECT_EQ(DotRows(l, 1, 1 + 9 * 4, 7, 1), QStringList{"ooo#ooo"});
}

TEST(RasterLabModel, ClampsOfSizesAndTiming) {
  TRasterLab l;
  l.SetDotSize(0);
  EXPECT_EQ(l.DotSize(), 1);
  l.SetDotSize(1000);
  EXPECT_EQ(l.DotSize(), 32);
  l.SetDotSpacing(5);
  EXPECT_EQ(l.DotSpacing(), 3);
  l.SetDotSpacing(-1);
  EXPECT_EQ(l.DotSpacing(), 0);
  l.SetScrollInterval(5);
  EXPECT_EQ(l.ScrollInterval(), 10);
  l.SetScrollIncrement(-3);
  EXPECT_EQ(l.ScrollIncrement(), 3);
  l.SetScrollIncrement(0);
  EXPECT_EQ(l.ScrollIncrement(), 1);
  l.SetScrollIncrement(INT_MIN);
  EXPECT_EQ(l.ScrollIncrement(), TRasterLab::kMaxScrollIncrement);
  l.SetPosX(INT_MAX);
  EXPECT_EQ(l.PosX(), TRasterLab::kMaxPos);
  l.Paint();  // far off the face: nothing lit, nothing overflows
  EXPECT_EQ(FirstLit(l), (TPoint{-1, -1}));
}

TEST(RasterLabModel, SingleDotsWhenDotSizeIsOne) {
  TRasterLab l;
  l.SetFrameStyle(fsNone);
  l.SetDotSize(0);
  l.SetDotSpacing(0);
  l.SetText("1");
  // "1" from (1, 1): its flag's dot at row 1, column 3 - first 1 = 2.
  EXPECT_EQ(l.Canvas().Pixels(1 + 2, 1 + 1), kGreen);
  EXPECT_EQ(l.Canvas().Pixels(1 + 2, 1 + 0), kDarkDot);
}

TEST(RasterLabModel, AutoHeightAndAutoCenter) {
  TRasterLab l;
  l.SetAutoHeight(true);
  EXPECT_EQ(l.Height(), 1 + 4 * 12);
  l.SetDotSize(5);
  EXPECT_EQ(l.Height(), 1 + 6 * 12);
  l.SetFrameStyle(fsEtched);
  l.SetAutoHeight(false);
  l.SetAutoHeight(true);
  EXPECT_EQ(l.Height(), 2 + 6 * 12);

  l.SetAutoCenter(true);
  EXPECT_EQ(l.PosX(), (400 - l.CalcTextBitLength("Text")) / 2 + 2 + 1);
  l.SetText("A much longer text");
  EXPECT_EQ(l.PosX(), (400 - l.CalcTextBitLength("A much longer text")) / 2 + 2 + 1);
  l.SetBounds(0, 0, 600, l.Height());
  EXPECT_EQ(l.PosX(), (600 - l.CalcTextBitLength("A much longer text")) / 2 + 2 + 1);
  l.SetAutoCenter(false);
  EXPECT_EQ(l.PosX(), 1);
}

TEST(RasterLabPaint, BlockModes) {
  TRasterLab l;
  l.SetText("..");
  // "." is one dot column; the column after it is the gap column between
  // characters, at x = 1 + 4 .. 1 + 7.
  auto gapColumn = [&] { return DotRows(l, 1 + 4, 1, 1, 3); };
  EXPECT_EQ(gapColumn(), (QStringList{".", ".", "."}));  // rdbmOn wipes it
  l.SetCharBlockMode(rdbmRaster);
  EXPECT_EQ(gapColumn(), (QStringList{"o", "o", "o"}));
  l.SetCharBlockMode(rdbmOff);
  EXPECT_EQ(gapColumn(), (QStringList{".", ".", "."}));
  EXPECT_EQ(l.Canvas().Pixels(200, 30), kBlack);
  EXPECT_EQ(DotRows(l, 1, 1 + 9 * 4, 1, 1), QStringList{"#"});
}

TEST(RasterLabPaint, CharactersAboveTheTableShowTheSubstitute) {
  TRasterLab l;
  l.SetText(QString(QChar(kSubstituteCode)));
  const QStringList box = DotRows(l, 1, 1, 7, 12);
  l.SetText(QString::fromUtf8("\u20AC"));
  EXPECT_EQ(DotRows(l, 1, 1, 7, 12), box);
  EXPECT_EQ(box[1], "#######");
}

TEST(RasterLabPaint, WrittenMatricesAndLongTextsStaySafe) {
  TRasterLab l;
  TRDCharMatrix wild = l.CharMatrix();
  wild.FontHeight = 1 << 30;
  wild.FontWidth = -7;
  wild.RightMostBit['T'] = 255;
  l.SetCharMatrix(wild);
  EXPECT_EQ(l.CharMatrix().FontHeight, 32);
  l.SetText(QString(200000, u'W'));
  l.SetProportional(false);
  EXPECT_GT(l.PaintCount(), 0);
}

TEST(RasterLabModel, FontChangesRebuildTheMatrix) {
  TRasterLab l;
  EXPECT_EQ(l.Font().Name, "default");
  EXPECT_EQ(l.CharMatrix(), BuiltinCharMatrix());
  TFont font = l.Font();
  font.Name = QStringLiteral("DejaVu Sans");
  font.Size = 10;
  l.SetAutoHeight(true);
  l.SetFont(font);
  EXPECT_NE(l.CharMatrix(), BuiltinCharMatrix());
  EXPECT_EQ(l.Height(), 1 + 4 * l.CharMatrix().FontHeight);
  font.Name = QStringLiteral("DEFAULT");
  l.SetFont(font);
  EXPECT_EQ(l.CharMatrix(), BuiltinCharMatrix());
}

// Right with loop: the text moves by the increment each tick; once its
// offset passes Width it restarts just left of the face.
TEST(RasterLabScroll, RightWithLoopRestartsLeftOfTheFace) {
  vyrtest::ManualClockScope clock;
  TRasterLab l;
  l.SetBounds(0, 0, 100, 68);
  l.SetText("Hi");
  l.SetPosX(20);
  l.SetScrollIncrement(7);
  int restarts = 0, ticks = 0;
  l.OnScrollLoopRestart = [&](TObject* sender) {
    EXPECT_EQ(sender, &l);
    ++restarts;
  };
  l.SetOnScrollTimer([&](TObject*) { ++ticks; });
  const TPoint start = FirstLit(l);
  l.SetScrollMode(rdsmRight);
  clock->Advance(100);
  EXPECT_EQ(l.ScrollPosX(), 7);
  EXPECT_EQ(FirstLit(l).X, start.X + 7);
  clock->Advance(1400);  // 15 ticks: 105 > 100
  EXPECT_EQ(restarts, 1);
  EXPECT_EQ(ticks, 15);
  EXPECT_EQ(l.ScrollPosX(), -l.TextBitLength());
  clock->Advance(100);
  EXPECT_EQ(l.ScrollPosX(), -l.TextBitLength() + 7);
}

TEST(RasterLabScroll, WithoutLoopTheTextScrollsOutAndStaysOut) {
  vyrtest::ManualClockScope clock;
  TRasterLab l;
  l.SetBounds(0, 0, 100, 68);
  l.SetScrollLoop(false);
  l.SetScrollIncrement(10);
  int restarts = 0;
  l.OnScrollLoopRestart = [&](TObject*) { ++restarts; };
  l.SetScrollMode(rdsmRight);
  clock->Advance(100 * 30);
  EXPECT_EQ(restarts, 0);
  EXPECT_EQ(l.ScrollPosX(), 110);
  EXPECT_EQ(FirstLit(l), (TPoint{-1, -1}));
  l.SetScrollMode(rdsmLeft);
  clock->Advance(100 * 100);
  EXPECT_LT(l.ScrollPosX(), -l.TextBitLength());
  EXPECT_GE(l.ScrollPosX(), -l.TextBitLength() - 10);
  EXPECT_EQ(FirstLit(l), (TPoint{-1, -1}));
}

// Left, down and up are mirror images of right: each moves by the
// increment, and once the text has left the face it re-enters from the
// opposite side.
TEST(RasterLabScroll, LeftDownAndUpMirrorRight) {
  vyrtest::ManualClockScope clock;
  TRasterLab l;
  l.SetBounds(0, 0, 100, 68);
  l.SetText("Hi");
  l.SetScrollIncrement(4);
  l.SetPosX(20);
  l.SetPosY(12);
  int restarts = 0;
  l.OnScrollLoopRestart = [&](TObject*) { ++restarts; };
  const TPoint start = FirstLit(l);
  const int length = l.TextBitLength(), height = 12 * 4;

  l.SetScrollMode(rdsmLeft);
  clock->Advance(100);
  EXPECT_EQ(l.ScrollPosX(), -4);
  EXPECT_EQ(FirstLit(l).X, start.X - 4);
  while (restarts == 0 && clock->Now() < 100000) clock->Advance(100);
  EXPECT_EQ(l.ScrollPosX(), 100);  // past -length it re-enters at the right edge
  EXPECT_EQ(clock->Now(), 100 * (length / 4 + 1));

  l.SetScrollMode(rdsmOff);
  EXPECT_EQ(l.ScrollPosX(), 0);
  EXPECT_EQ(clock->RunningTimers(), 0);
  restarts = 0;
  l.SetScrollMode(rdsmDown);
  clock->Advance(100);
  EXPECT_EQ(l.ScrollPosY(), 4);
  EXPECT_EQ(FirstLit(l), (TPoint{start.X, start.Y + 4}));
  while (restarts == 0 && clock->Now() < 200000) clock->Advance(100);
  EXPECT_EQ(l.ScrollPosY(), -height);  // past Height it restarts above the face

  l.SetScrollMode(rdsmOff);
  restarts = 0;
  l.SetScrollMode(rdsmUp);
  clock->Advance(100);
  EXPECT_EQ(l.ScrollPosY(), -4);
  EXPECT_EQ(FirstLit(l), (TPoint{start.X, start.Y - 4}));
  while (restarts == 0 && clock->Now() < 300000) clock->Advance(100);
  EXPECT_EQ(l.ScrollPosY(), 68);  // past -height it re-enters at the bottom
}

TEST(RasterLabScroll, ARefusedTimerRaisesNamingTheLabel) {
  vyrtest::ManualClockScope clock;
  TRasterLab l;
  l.SetName("Banner");
  clock->RefuseNextSetTimer();
  try {
    l.SetScrollMode(rdsmRight);
    ADD_FAILURE() << "no exception";
  } catch (const EVyrRasterLabError& e) {
    EXPECT_STREQ(e.what(), "Component \"Banner\": no timer available");
  }
  EXPECT_EQ(clock->RunningTimers(), 0);
  // The next start succeeds.
  l.SetScrollInterval(50);
  EXPECT_EQ(clock->RunningTimers(), 1);
}

TEST(RasterLabScroll, ExceptionsInATickGoToTheApplication) {
  vyrtest::ManualClockScope clock;
  vyrtest::ExceptionCatcher caught;
  TRasterLab l;
  l.SetOnScrollTimer([](TObject*) { throw std::runtime_error("tick failed"); });
  l.SetScrollMode(rdsmRight);
  clock->Advance(250);
  EXPECT_EQ(caught.messages, (std::vector<std::string>{"tick failed", "tick failed"}));
  EXPECT_EQ(l.ScrollPosX(), 2);
  EXPECT_EQ(clock->RunningTimers(), 1);
}

TEST(RasterLabAssign, CopiesEveryListedProperty) {
  static constexpr const char* notCopied[] = {
      "Font",     "DotSize",    "DotSpacing", "ColorDotOff",    "CharBlockMode",   "Proportional", "PosX",
      "PosY",     "AutoHeight", "AutoCenter", "ScrollInterval", "ScrollIncrement", "ScrollLoop",   "ScrollMode"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TRasterLab>(); }, TRasterLab::CopiedProperties(),
                                  notCopied);
}

TEST(RasterLabCitizen, RegisteredSizedAndReadAsStaticText) {
  std::unique_ptr<QWidget> made(CreateRegisteredControl(QStringLiteral("TRasterLab"), nullptr));
  EXPECT_NE(dynamic_cast<TRasterLab*>(made.get()), nullptr);
  EXPECT_EQ(RegisteredControlHeader(QStringLiteral("TRasterLab")), "labels/Vyr_RasterLab.h");

  QWidget window;
  auto* l = new TRasterLab;
  l->SetText("Hello");
  vyrtest::ShowInLayout(window, l, {300, 60});
  EXPECT_EQ(l->sizeHint().height(), 1 + 4 * 12 + 1);
  EXPECT_GE(l->sizeHint().width(), l->TextBitLength());
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(l);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::StaticText);
  EXPECT_EQ(a->text(QAccessible::Name), "Hello");
  EXPECT_TRUE(vyrtest::ScreenOnlyPixels(*l).IsEmpty());
}

// The frame lines of each style at the corners they own (the later line
// wins where two meet).
TEST(RasterLabPaint, FrameStylesDrawTheirLines) {
  constexpr TColor G = 0x808080, W = 0xFFFFFF, B = 0x000000;
  struct Expected {
    TFrameStyle style;
    TColor outer, inner, bottomRight, innerBottomRight;
  };
  for (auto [style, outer, inner, bottomRight, innerBottomRight] :
       {Expected{fsSingle, G, kDarkDot, G, kDarkDot}, Expected{fsLowered, G, B, W, G},
        Expected{fsRaised, G, W, B, G}, Expected{fsBump, W, G, G, W}, Expected{fsEtched, G, W, W, G}}) {
    SCOPED_TRACE(int(style));
    TRasterLab l;
    l.SetText("");
    l.SetDotSize(1);
    l.SetDotSpacing(0);
    l.SetFrameStyle(style);
    const int w = l.Width(), h = l.Height();
    EXPECT_EQ(l.Canvas().Pixels(0, 0), outer);
    EXPECT_EQ(l.Canvas().Pixels(1, 1), inner);
    EXPECT_EQ(l.Canvas().Pixels(w - 1, h - 1), bottomRight);
    EXPECT_EQ(l.Canvas().Pixels(w - 2, h - 2), innerBottomRight);
  }
}
