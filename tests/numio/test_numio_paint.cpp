// The picture of TNumIO2, read back pixel by pixel on the rows and columns
// the layout fixes. The default field is 160 x 28 with the text box from
// x = 35 (LeftSpace) 80 pixels wide (TextBoxWidth).
#include <gtest/gtest.h>

#include <QFontMetrics>

#include "NumIOTestKit.h"
#include "support/PixelTools.h"

using namespace vyr;
using vyrtest::Ascii;
using vyrtest::BoundsOf;
using vyrtest::CountColor;

namespace {

constexpr TColor kWarnBG = 0x88FFF0;

class NumIO2Paint : public ::testing::Test, public numiotest::FieldOnClock {
 protected:
  void SetUp() override {
    // Plain glyph pixels, so that text colours can be counted.
    TFont font = field.Font();
    font.Quality = fqNonAntialiased;
    field.SetFont(font);
  }
  TColor At(int x, int y) { return field.Canvas().Pixels(x, y); }
  int TextWidth(const QString& s) { return QFontMetrics(field.Font().ToQFont()).horizontalAdvance(s); }
  TColor Face() { return ColorToRGB(clBtnFace); }
};

// The colours of the two-line frame styles with the fixed line colours:
// outline, inner top-left line, outer bottom-right line.
struct FrameCase {
  TFrameStyle style;
  TColor outline, topLeft, bottomRight;
};
const FrameCase kBevelCases[] = {
    {fsLowered, clGray, clBlack, clWhite},
    {fsRaised, clGray, clWhite, clBlack},
    {fsBump, clWhite, clGray, clGray},
    {fsEtched, clGray, clWhite, clWhite},
};

}  // namespace

TEST_F(NumIO2Paint, TextBoxFrameOfTheTwoLineStyles) {
  field.SetReadOnly(true);
  for (const FrameCase& c : kBevelCases) {
    SCOPED_TRACE(int(c.style));
    field.SetFrameStyle(c.style);
    // Outline (35,0)..(116,26); inner line down x = 36 and along y = 1;
    // outer line along y = 27 and up x = 117.
    EXPECT_EQ(At(35, 0), c.outline);
    EXPECT_EQ(At(116, 0), c.outline);
    EXPECT_EQ(At(35, 26), c.outline);
    EXPECT_EQ(At(36, 26), c.outline);
    EXPECT_EQ(At(36, 25), c.topLeft);
    EXPECT_EQ(At(36, 1), c.topLeft);
    EXPECT_EQ(At(115, 1), c.topLeft);
    EXPECT_EQ(At(116, 1), c.outline);
    EXPECT_EQ(At(36, 27), c.bottomRight);
    EXPECT_EQ(At(116, 27), c.bottomRight);
    EXPECT_EQ(At(117, 27), c.bottomRight);
    EXPECT_EQ(At(117, 1), c.bottomRight);
    EXPECT_EQ(At(117, 0), Face());
    EXPECT_EQ(At(35, 27), Face());
    EXPECT_EQ(At(37, 2), clWhite);
  }
}

TEST_F(NumIO2Paint, TextBoxFrameOfTheFlatStyles) {
  field.SetReadOnly(true);
  field.SetFrameStyle(fsSingle);
  EXPECT_EQ(At(35, 0), clGray);
  EXPECT_EQ(At(116, 27), clGray);
  EXPECT_EQ(At(36, 1), clWhite);
  EXPECT_EQ(At(117, 27), Face());
  field.SetFrameStyle(fsNone);
  EXPECT_EQ(At(35, 0), clWhite);
  EXPECT_EQ(At(116, 27), clWhite);
  EXPECT_EQ(At(34, 0), Face());
  field.SetFrameStyle(TFrameStyle(6));
  EXPECT_EQ(field.FrameStyle(), fsNone);
}

TEST_F(NumIO2Paint, CaretColumnFollowsTheAlignment) {
  field.SetFrameStyle(fsSingle);
  // Empty buffer: left x = 35 + 3, centre 35 + 80 / 2 + 1, right 35 + 80 - 3.
  const std::pair<TAlignment, int> cases[] = {{taLeftJustify, 38}, {taCenter, 76}, {taRightJustify, 112}};
  for (auto [alignment, x] : cases) {
    SCOPED_TRACE(x);
    field.SetAlignment(alignment);
    EXPECT_EQ(BoundsOf(field.Canvas(), clBlack), Rect(x, 3, x + 1, 25));
  }
}

TEST_F(NumIO2Paint, CaretStandsLeftOfTheNextCharacter) {
  field.SetFrameStyle(fsSingle);
  field.SetAlignment(taLeftJustify);
  field.SetColorBoxText(clBlue);
  field.SetText(QStringLiteral("12"));
  field.SetSelEnd(2);
  const int x = 35 + 4 + TextWidth(QStringLiteral("12")) - 1;
  EXPECT_EQ(BoundsOf(field.Canvas(), clBlack), Rect(x, 3, x + 1, 25));
}

TEST_F(NumIO2Paint, CaretOutsideTheBoxIsNotDrawn) {
  field.SetFrameStyle(fsSingle);
  field.SetAlignment(taRightJustify);
  field.SetColorBoxText(clBlue);
  field.SetTextBoxWidth(40);
  field.SetText(QStringLiteral("1234567890123456789"));
  ASSERT_EQ(field.CaretPos(), 0);
  EXPECT_EQ(CountColor(field.Canvas(), clBlack), 0);
  // At the end of a right-aligned buffer the caret is at 40 - 3.
  field.SetSelEnd(19);
  EXPECT_EQ(BoundsOf(field.Canvas(), clBlack), Rect(35 + 37, 3, 35 + 38, 25));
}

TEST_F(NumIO2Paint, OutOfRangeShowsTheWarningColours) {
  field.SetReadOnly(true);
  field.SetFrameStyle(fsSingle);
  field.SetValue(2000);
  EXPECT_EQ(At(40, 3), kWarnBG);
  EXPECT_GT(CountColor(field.Canvas(), clRed), 10);
  EXPECT_EQ(CountColor(field.Canvas(), clBlack), 0);
  EXPECT_EQ(At(35, 0), clGray);
  // Without a frame the outline takes the warning colour too.
  field.SetFrameStyle(fsNone);
  EXPECT_EQ(At(35, 0), kWarnBG);
  field.SetValue(500);
  EXPECT_EQ(At(40, 3), clWhite);
  EXPECT_EQ(CountColor(field.Canvas(), clRed), 0);
}

TEST_F(NumIO2Paint, SelectionIsInvertedWhereTheFieldShowsIt) {
  field.SetReadOnly(true);
  field.SetFrameStyle(fsSingle);
  field.SetColorBoxText(clBlue);
  field.SetAlignment(taLeftJustify);
  field.SetText(QStringLiteral("12.50"));
  field.SetSelBegin(1);
  field.SetSelEnd(3);
  // Unfocused with HideSelection: nothing inverted.
  EXPECT_EQ(CountColor(field.Canvas(), clBlack), 0);
  field.SetHideSelection(false);
  const int x1 = 39 + TextWidth(QStringLiteral("1")), x2 = 39 + TextWidth(QStringLiteral("12."));
  EXPECT_EQ(At(x1 - 1, 3), clWhite);
  EXPECT_EQ(At(x1, 3), clBlack);
  EXPECT_EQ(At(x2 - 1, 3), clBlack);
  EXPECT_EQ(At(x2, 3), clWhite);
  EXPECT_EQ(At(x1, 2), clWhite);
  EXPECT_EQ(At(x1, 24), clBlack);
  EXPECT_EQ(At(x1, 25), clWhite);
  // Only the white background inside the span turned black.
  EXPECT_EQ(BoundsOf(field.Canvas(), clBlack), Rect(x1, 3, x2, 25));
}

TEST_F(NumIO2Paint, SpinButtonsAndArrows) {
  field.SetReadOnly(true);
  field.SetButVisible(true);
  // bx = 35 + 80 + 3 = 118, h = 14, arrows centred on x = 127.
  EXPECT_EQ(At(118, 0), clGray);
  EXPECT_EQ(At(136, 0), clGray);
  EXPECT_EQ(At(118, 13), clGray);
  EXPECT_EQ(At(135, 13), clGray);
  EXPECT_EQ(At(119, 1), clWhite);
  EXPECT_EQ(At(119, 14), clWhite);
  EXPECT_EQ(At(135, 14), clWhite);
  EXPECT_EQ(At(119, 27), clBlack);
  EXPECT_EQ(At(137, 2), clBlack);
  EXPECT_EQ(At(137, 1), Face());
  EXPECT_EQ(At(125, 3), clSilver);
  EXPECT_EQ(Ascii(field.Canvas(), 124, 5, 8, 5, clBlack),
            QStringList({"........", "...##...", "..####..", ".######.", "........"}));
  EXPECT_EQ(Ascii(field.Canvas(), 124, 18, 8, 5, clBlack),
            QStringList({"........", ".######.", "..####..", "...##...", "........"}));
  field.SetBut3D(false);
  EXPECT_EQ(At(119, 1), clSilver);
  EXPECT_EQ(At(137, 2), Face());
}

TEST_F(NumIO2Paint, GaugeBarWidthRoundsHalvesToEven) {
  field.SetGaugeVisible(true);
  field.SetGaugeFrameStyle(fsNone);
  // 82 pixels wide: 250 gives 20.5, 750 gives 61.5.
  const std::pair<double, int> cases[] = {{0, 0}, {250, 20}, {500, 41}, {750, 62}, {1000, 82}, {2000, 82}};
  for (auto [value, width] : cases) {
    SCOPED_TRACE(value);
    field.SetValue(value);
    const TRect bar = BoundsOf(field.Canvas(), 0x800000);
    EXPECT_EQ(bar.Width(), width);
    if (width > 0) EXPECT_EQ(bar, Rect(35, 19, 35 + width, 27));
  }
  field.SetValue(-5);
  EXPECT_TRUE(BoundsOf(field.Canvas(), 0x800000).IsEmpty());
  EXPECT_EQ(At(40, 3), kWarnBG);
  // An empty range shows a full bar whatever the value.
  field.SetRangeHigh(0);
  EXPECT_EQ(BoundsOf(field.Canvas(), 0x800000).Width(), 82);
}

TEST_F(NumIO2Paint, GaugeFrameStyles) {
  field.SetReadOnly(true);
  field.SetGaugeVisible(true);
  // Gauge rows 19..26, columns 35..116; the outer lines on row 27 and column 117.
  field.SetGaugeFrameStyle(fsNone);
  EXPECT_EQ(At(35, 19), clSilver);
  field.SetGaugeColorFrame(clGreen);
  field.SetGaugeFrameStyle(fsSingle);
  EXPECT_EQ(At(35, 19), clGreen);
  EXPECT_EQ(At(116, 26), clGreen);
  EXPECT_EQ(At(36, 20), clSilver);
  for (const FrameCase& c : kBevelCases) {
    SCOPED_TRACE(int(c.style));
    field.SetGaugeFrameStyle(c.style);
    EXPECT_EQ(At(35, 19), c.outline);
    EXPECT_EQ(At(35, 26), c.outline);
    EXPECT_EQ(At(36, 25), c.topLeft);
    EXPECT_EQ(At(36, 20), c.topLeft);
    EXPECT_EQ(At(115, 20), c.topLeft);
    EXPECT_EQ(At(36, 27), c.bottomRight);
    EXPECT_EQ(At(117, 20), c.bottomRight);
    EXPECT_EQ(At(117, 19), Face());
  }
  // The text box now ends above the gauge band: rows 0..15.
  field.SetGaugeFrameStyle(fsNone);
  EXPECT_EQ(At(35, 14), clGray);
  EXPECT_EQ(At(36, 15), clWhite);
  EXPECT_EQ(At(36, 16), Face());
}

TEST_F(NumIO2Paint, DisabledFieldIsEngravedAndGray) {
  field.SetLeftText(QStringLiteral("U"));
  field.SetRightText(QStringLiteral("V"));
  field.SetFrameStyle(fsNone);
  field.SetEnabled(false);
  const TRect gray = BoundsOf(field.Canvas(), clGray);
  const TRect white = BoundsOf(field.Canvas(), clWhite);
  ASSERT_FALSE(gray.IsEmpty());
  EXPECT_EQ(white.Right, gray.Right + 1);
  EXPECT_EQ(white.Bottom, gray.Bottom + 1);
  EXPECT_EQ(At(40, 3), clSilver);
  EXPECT_EQ(At(35, 0), clSilver);
  EXPECT_EQ(CountColor(field.Canvas(), clBlack), 22);  // only the caret
  field.SetText(QStringLiteral("5"));
  field.SetGaugeVisible(true);
  field.SetValue(500);
  EXPECT_EQ(BoundsOf(field.Canvas(), 0x800000).Width(), 0);
  EXPECT_EQ(At(40, 22), clGray);
  field.SetEnabled(true);
  EXPECT_EQ(At(40, 22), 0x800000u);
}

TEST_F(NumIO2Paint, CaptionsSitInTheirCells) {
  field.SetReadOnly(true);
  field.SetColorOutText(clNavy);
  field.SetLeftText(QStringLiteral("88"));
  const int tw = TextWidth(QStringLiteral("88"));
  // Right-justified: the cell ends 5 pixels left of the box.
  TRect ink = BoundsOf(field.Canvas(), clNavy);
  EXPECT_GE(ink.Left, 35 - tw - 5);
  EXPECT_LE(ink.Right, 35 - 5);
  field.SetLeftTextAlignment(taLeftJustify);
  ink = BoundsOf(field.Canvas(), clNavy);
  EXPECT_GE(ink.Left, 7);
  EXPECT_LE(ink.Right, 7 + tw);
  field.SetLeftText(QString());
  field.SetRightText(QStringLiteral("88"));
  ink = BoundsOf(field.Canvas(), clNavy);
  EXPECT_GE(ink.Left, 35 + 80 + 7);
  EXPECT_LE(ink.Right, 35 + 80 + 7 + tw);
  field.SetButVisible(true);
  ink = BoundsOf(field.Canvas(), clNavy);
  EXPECT_GE(ink.Left, 35 + 18 + 3 + 80 + 7);
  field.SetRightTextAlignment(taRightJustify);
  ink = BoundsOf(field.Canvas(), clNavy);
  EXPECT_LE(ink.Right, 160 - 6);
  EXPECT_GE(ink.Left, 160 - 6 - tw);
}

TEST_F(NumIO2Paint, AutoSizeFollowsTheFont) {
  const QFontMetrics m(field.Font().ToQFont());
  field.SetAutoSize(true);
  EXPECT_EQ(field.Height(), m.ascent() + m.descent() + 6);
  EXPECT_LT(field.Height(), 28);
  EXPECT_EQ(field.Canvas().Height(), field.Height());
  // The box follows the new height: the outer line is on the last row.
  EXPECT_EQ(At(36, field.Height() - 1), clWhite);
}

TEST_F(NumIO2Paint, EmptySizesPaintNothing) {
  field.Paint();
  const int before = field.PaintCount();
  field.SetWidth(0);
  field.Paint();
  field.resize(0, 0);
  field.Paint();
  field.SetValue(3);
  EXPECT_EQ(field.PaintCount(), before);
  EXPECT_EQ(field.CharPosToXCoords(0), 35 + (80 - TextWidth(QStringLiteral("3.00"))) / 2 + 2);
  EXPECT_EQ(field.XCoordsToCharPos(500), 4);
}
