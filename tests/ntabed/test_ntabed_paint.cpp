#include <gtest/gtest.h>

#include "NTabTestTools.h"
#include "ntabed/NTabEdCellText.h"

using namespace vyr;

TEST(NTabEdText, NumbersFollowPrecisionAndRange) {
  EXPECT_EQ(NumberCellText(1.5, 3, 1), QStringLiteral("1.500"));
  EXPECT_EQ(NumberCellText(0, 3, 1), QStringLiteral("0.000"));
  EXPECT_TRUE(NumberCellText(0.0004, 3, 1).contains(QLatin1Char('E')));
  EXPECT_TRUE(NumberCellText(1000000, 3, 1).contains(QLatin1Char('E')));
  EXPECT_EQ(NumberCellText(99999.999, 3, 1), QStringLiteral("99999.999"));
  EXPECT_TRUE(NumberCellText(500000, 3, 1).contains(QLatin1Char('E')));
  EXPECT_TRUE(NumberCellText(10000000, 1, 1).contains(QLatin1Char('E')));
  EXPECT_EQ(NumberCellText(9999999.9, 1, 1) + NumberCellText(999999999, 0, 1), QStringLiteral("9999999.9999999999"));
  EXPECT_TRUE(NumberCellText(0.4, 0, 1).contains(QLatin1Char('E')));
  EXPECT_EQ(NumberCellText(123, 0, 1), QStringLiteral("123"));
  EXPECT_TRUE(NumberCellText(2, -1, 1).contains(QLatin1Char('E')));
  EXPECT_TRUE(NumberCellText(2, 9, 1).contains(QLatin1Char('E')));
  EXPECT_EQ(NumberCellText(1.5, 1, 6), QStringLiteral("   1.5"));
}

TEST(NTabEdText, StatesAndNominalColumns) {
  TDataTable t(2, 2);
  t.SetElem(1, 1, 7);
  t.SetCellState(1, 1, csbEmpty);
  EXPECT_EQ(DataCellText(t, 1, 1, 3, 1), QString());
  t.SetCellState(1, 1, csbInvalid);
  EXPECT_EQ(DataCellText(t, 1, 1, 3, 1), QStringLiteral("-nan-"));
  t.SetCellState(1, 1, csbInvalid | csbEmpty);
  EXPECT_EQ(DataCellText(t, 1, 1, 3, 1), QString());
  t.SetMScaleType(2, mstNominal);
  t.SetNominalID(2, 2, QStringLiteral("red"));
  t.SetElem(2, 1, 2.4);
  EXPECT_EQ(DataCellText(t, 2, 1, 3, 1), QStringLiteral("red"));
  t.SetElem(2, 1, 0);
  EXPECT_EQ(DataCellText(t, 2, 1, 3, 1), QStringLiteral("nominal:0"));
  t.SetElem(2, 1, 151);
  EXPECT_EQ(DataCellText(t, 2, 1, 3, 1), QStringLiteral("nominal:151"));
  t.SetElem(2, 1, 2.5);  // half to even: 2
  EXPECT_EQ(DataCellText(t, 2, 1, 3, 1), QStringLiteral("red"));
  t.SetElem(2, 1, 1e300);  // never converted unchecked
  EXPECT_TRUE(DataCellText(t, 2, 1, 3, 1).startsWith(QStringLiteral("nominal:1")));
  EXPECT_FALSE(NominalOrdinal(std::nan("")).has_value());
  EXPECT_FALSE(NominalOrdinal(-1e12).has_value());
}

TEST(NTabEdText, TypedNumbersAreDecimalOnly) {
  EXPECT_EQ(ParseDecimalNumber(QStringLiteral("1,5")), 1.5);
  EXPECT_EQ(ParseDecimalNumber(QStringLiteral("  2.5e3 ")), 2500.0);
  EXPECT_EQ(ParseDecimalNumber(QStringLiteral("-.5")), -0.5);
  for (const char* bad : {"inf", "nan", "0x1p3", "1e999", "abc", "1.2.3", "", "1e", "+", "1 2"})
    EXPECT_FALSE(ParseDecimalNumber(QString::fromLatin1(bad)).has_value()) << bad;
  EXPECT_EQ(ParseDecimalNumber(QStringLiteral("1e-400")), 0.0);
}

TEST(NTabEdPaint, MarksWinOverSelectionTextButNotItsBackground) {
  auto ed = ntabtest::ShownEditor();
  ed->SetElem(1, 1, 8888);
  ed->SetElem(2, 1, 8888);
  ed->SetCellState(1, 1, csbMarkA | csbMarkB);
  ed->SetSelection({2, 1, 3, 2});
  ed->clearFocus();
  ed->Paint();
  const TRect both = ed->CellRect(2, 1);
  const TRect plain = ed->CellRect(3, 1);
  int bothInk = 0, rangeInk = 0;
  for (int y = both.Top; y < both.Bottom; ++y)
    for (int x = both.Left; x < both.Right; ++x) bothInk += ed->Canvas().Pixels(x, y) == TColor(0xCC00BB);
  for (int y = plain.Top; y < plain.Bottom; ++y)
    for (int x = plain.Left; x < plain.Right; ++x) rangeInk += ed->Canvas().Pixels(x, y) == TColor(0x80552C);
  EXPECT_GT(bothInk, 5);
  EXPECT_GT(rangeInk, 0);
  EXPECT_EQ(ed->Canvas().Pixels(both.Right - 2, both.Bottom - 2), TColor(0xF8E8E0));
}

TEST(NTabEdPaint, RenderHandlerChangesOnlyItsCell) {
  auto ed = ntabtest::ShownEditor();
  ed->OnBeforeRenderCell = [](TObject*, int c, int r, QString& text, TColor& fg, TColor& bg, TFontStyles&) {
    if (c == 3 && r == 4) {
      text = QStringLiteral("X");
      fg = 0x0000FF;
      bg = 0x00FF00;
    }
  };
  ed->Paint();
  const TRect hit = ed->CellRect(4, 4), other = ed->CellRect(3, 4);
  EXPECT_EQ(ed->Canvas().Pixels(hit.Right - 2, hit.Top + 1), TColor(0x00FF00));
  EXPECT_NE(ed->Canvas().Pixels(other.Right - 2, other.Top + 1), TColor(0x00FF00));
}

TEST(NTabEdPaint, CornerShowsTheCursorCellOnlyWhenAsked) {
  auto ed = ntabtest::ShownEditor();
  ed->SetSelection({3, 2, 3, 2});
  ed->Paint();
  auto inkInCorner = [&] {
    const TRect corner = ed->CellRect(0, 0);
    int n = 0;
    for (int y = corner.Top; y < corner.Bottom; ++y)
      for (int x = corner.Left; x < corner.Right; ++x) n += ed->Canvas().Pixels(x, y) == TColor(0x002000);
    return n;
  };
  EXPECT_GT(inkInCorner(), 5);
  ed->SetShowCellCursor(false);
  ed->Paint();
  EXPECT_EQ(inkInCorner(), 0);
}

TEST(NTabEdPaint, AutoSizesMeasureEveryRowAndKeepTheMinimum) {
  TNTabEd ed;
  ed.resize(300, 200);
  ed.SetAttribColVisible(true);
  ed.SetElem(2, 4, 123456.0);  // the last row holds the widest text
  const int w = ed.AutoColWidth(2, false, 0);
  EXPECT_EQ(ed.ColWidths(2), w);
  EXPECT_GE(w, ed.Canvas().TextWidth(ed.CellText(2, 4)) + 8);
  EXPECT_GE(ed.AutoRowHeight(1, -100), 8);
  EXPECT_EQ(ed.AutoColWidth(99, true, 0), 0);
}
