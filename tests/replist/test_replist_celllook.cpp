// The report list's colour rule, checked by value: which colours and weight
// a cell gets from its row, column, selection, highlight and header state.
#include <gtest/gtest.h>

#include <tuple>

#include "replist/RepListCellLook.h"

using namespace vyr;

namespace {

// Every colour distinct, so that a result names the setting it came from.
TRLPalette Distinct() {
  TRLPalette p;
  p.Text = 0x000001;
  p.BkgdNormal = 0x000002;
  p.BkgdShaded = 0x000003;
  p.SelRow = 0x000004;
  p.SelRowText = 0x000005;
  p.SelCol = 0x000006;
  p.SelColText = 0x000007;
  p.SelBoth = 0x000008;
  p.SelBothText = 0x000009;
  p.High = 0x00000A;
  p.HighText = 0x00000B;
  p.DisabledBkgd = 0x00000C;
  p.DisabledText = 0x00000D;
  p.ColumnHd = 0x00000E;
  p.ColumnHdText = 0x00000F;
  p.CommonHd = 0x000010;
  p.CommonHdText = 0x000011;
  return p;
}

// Background, pen, text and styles as one comparable value.
auto Colours(const TRLCellLook& look) { return std::tuple(look.Background, look.Pen, look.Text, look.Styles); }

TColor BackgroundOfRow(int row, const TRLPalette& p) { return RLCellLook({.DataRow = row}, p).Background; }

}  // namespace

TEST(RepListCellLook, RowsAreShadedInBandsOfThePatternStartingWithTheFirst) {
  TRLPalette p = Distinct();
  const TColor S = p.BkgdShaded, N = p.BkgdNormal;
  EXPECT_EQ(Colours(RLCellLook({.DataRow = 1}, p)), std::tuple(S, S, p.Text, 0u));
  EXPECT_EQ(Colours(RLCellLook({.DataRow = 2}, p)), std::tuple(N, N, p.Text, 0u));
  p.RowColPattern = 2;
  for (int row = 1; row <= 6; ++row) EXPECT_EQ(BackgroundOfRow(row, p), (row + 1) / 2 % 2 == 1 ? S : N) << row;
  p.RowColPattern = 3;
  EXPECT_EQ(BackgroundOfRow(3, p), S);
  EXPECT_EQ(BackgroundOfRow(4, p), N);
  EXPECT_EQ(BackgroundOfRow(7, p), S);
  for (const int none : {0, -2}) {
    p.RowColPattern = none;
    EXPECT_EQ(BackgroundOfRow(1, p), N);
    EXPECT_EQ(BackgroundOfRow(2, p), N);
  }
}

TEST(RepListCellLook, SelectionColoursTheCellByRowColumnOrBoth) {
  const TRLPalette p = Distinct();
  EXPECT_EQ(Colours(RLCellLook({.DataRow = 1, .RowSelected = true}, p)),
            std::tuple(p.SelRow, p.SelRow, p.SelRowText, 0u));
  EXPECT_EQ(Colours(RLCellLook({.DataRow = 2, .ColumnSelected = true}, p)),
            std::tuple(p.SelCol, p.SelCol, p.SelColText, 0u));
  EXPECT_EQ(Colours(RLCellLook({.DataRow = 2, .RowSelected = true, .ColumnSelected = true}, p)),
            std::tuple(p.SelBoth, p.SelBoth, p.SelBothText, 0u));
}

TEST(RepListCellLook, HighlightWinsOverSelectionAndIsBoldOnlyWhenAsked) {
  TRLPalette p = Distinct();
  const auto high = std::tuple(p.High, p.High, p.HighText, 0u);
  EXPECT_EQ(Colours(RLCellLook({.DataRow = 3, .HighlightedRow = true}, p)), high);
  EXPECT_EQ(Colours(RLCellLook({.DataRow = 3, .HighlightedColumn = true}, p)), high);
  EXPECT_EQ(Colours(RLCellLook({.DataRow = 3, .RowSelected = true, .ColumnSelected = true, .HighlightedRow = true}, p)),
            high);
  p.HighLightBold = true;
  EXPECT_EQ(RLCellLook({.DataRow = 3, .HighlightedColumn = true}, p).Styles, TFontStyles(fsBold));
  EXPECT_EQ(RLCellLook({.DataRow = 3, .RowSelected = true}, p).Styles, 0u);
}

TEST(RepListCellLook, ADisabledRowTakesItsOwnColoursOverSelectionAndHighlight) {
  TRLPalette p = Distinct();
  p.HighLightBold = true;
  const TRLCellState disabled{
      .DataRow = 1, .RowSelected = true, .ColumnSelected = true, .RowDisabled = true, .HighlightedRow = true};
  EXPECT_EQ(Colours(RLCellLook(disabled, p)), std::tuple(p.DisabledBkgd, p.DisabledBkgd, p.DisabledText, 0u));
}

TEST(RepListCellLook, ADisabledControlKeepsTheBandsAndGreysTheText) {
  TRLPalette p = Distinct();
  p.HighLightBold = true;
  const TRLCellState cell{.DataRow = 2,
                          .RowSelected = true,
                          .ColumnSelected = true,
                          .RowDisabled = true,
                          .HighlightedRow = true,
                          .ControlEnabled = false};
  EXPECT_EQ(Colours(RLCellLook(cell, p)), std::tuple(p.BkgdNormal, p.BkgdNormal, clInactiveCaption, 0u));
}

TEST(RepListCellLook, AFixedColumnHasTheHeaderBackgroundAndTheRowsText) {
  const TRLPalette p = Distinct();
  EXPECT_EQ(Colours(RLCellLook({.DataRow = 1, .RowSelected = true, .FixedColumn = true}, p)),
            std::tuple(p.ColumnHd, p.ColumnHd, p.SelRowText, 0u));
  EXPECT_EQ(Colours(RLCellLook({.DataRow = 2, .FixedColumn = true, .ControlEnabled = false}, p)),
            std::tuple(p.ColumnHd, p.ColumnHd, clInactiveCaption, 0u));
}

TEST(RepListCellLook, HeadersHaveTheirOwnColoursWhateverTheRowState) {
  TRLPalette p = Distinct();
  p.HighLightBold = true;
  const TRLCellState common{.Kind = TRLCellKind::CommonHeader, .RowSelected = true, .HighlightedRow = true};
  EXPECT_EQ(Colours(RLCellLook(common, p)), std::tuple(p.CommonHd, p.CommonHd, p.CommonHdText, 0u));
  const TRLCellState column{.Kind = TRLCellKind::ColumnHeader, .RowDisabled = true, .ControlEnabled = false};
  EXPECT_EQ(Colours(RLCellLook(column, p)), std::tuple(p.ColumnHd, p.ColumnHd, p.ColumnHdText, 0u));
}

TEST(RepListCellLook, CheckBoxPensFollowTheDrawnColours) {
  const TRLCellLook drawn{.Background = 0x111111, .Pen = 0x222222, .Text = 0x333333};
  const auto pens = [&drawn](const TRLCellState& cell) {
    const TRLCheckPens p = RLCheckPens(cell, drawn);
    return std::pair(p.Box, p.Mark);
  };
  EXPECT_EQ(pens({.DataRow = 1}), std::pair(clBtnShadow, TColor(0x333333)));
  // A disabled row draws its box in the cell's pen, so it fades with the row.
  EXPECT_EQ(pens({.DataRow = 1, .RowDisabled = true}), std::pair(TColor(0x222222), TColor(0x333333)));
  EXPECT_EQ(pens({.DataRow = 1, .RowDisabled = true, .ControlEnabled = false}),
            std::pair(clInactiveCaption, clInactiveCaption));
}
