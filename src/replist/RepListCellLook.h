#pragma once
// The colour rule of the report list's cells. The painting code gathers the
// facts about one cell into a TRLCellState and asks RLCellLook for the
// colours and weight to draw it with; the rule reads nothing else, so it
// can be checked by value.
#include <cstdint>

#include "host/Color.h"
#include "host/Font.h"

namespace vyr {

// The colours cells are painted with, and what decides the shading bands
// and the highlight's weight.
struct TRLPalette {
  TColor Text = 0x002000;
  TColor BkgdNormal = 0xFFFFFF, BkgdShaded = 0xF0EFE8;
  int RowColPattern = 1;  // rows per shading band; 0 or less: none
  TColor SelRow = 0x94BAED, SelRowText = 0x800000;
  TColor SelCol = clBlack, SelColText = clBlack;
  TColor SelBoth = clBlack, SelBothText = clBlack;
  TColor High = 0xCC9966, HighText = 0xFFFFFF;
  bool HighLightBold = false;
  TColor DisabledBkgd = 0xF0F0F0, DisabledText = 0xC0C0C0;
  TColor ColumnHd = clBtnFace, ColumnHdText = clBlack;
  TColor CommonHd = clBtnFace, CommonHdText = clBlack;
};

enum class TRLCellKind : std::uint8_t { Data, ColumnHeader, CommonHeader };

// What the colours of one cell depend on.
struct TRLCellState {
  TRLCellKind Kind = TRLCellKind::Data;
  int DataRow = 1;  // 1-based; picks the shading band
  bool RowSelected = false;
  bool ColumnSelected = false;
  bool RowDisabled = false;
  bool HighlightedRow = false;     // the row is HighLightRow
  bool HighlightedColumn = false;  // the column is HighLightColumn
  bool FixedColumn = false;        // a data cell drawn on header colours
  bool ControlEnabled = true;
};

struct TRLCellLook {
  TColor Background;
  TColor Pen;
  TColor Text;
  TFontStyles Styles = 0;
};

TRLCellLook RLCellLook(const TRLCellState& cell, const TRLPalette& palette);

// The pens of a check cell's box and mark, from the colours the cell is
// finally drawn with (after OnBeforeRenderCell).
struct TRLCheckPens {
  TColor Box;
  TColor Mark;
};

TRLCheckPens RLCheckPens(const TRLCellState& cell, const TRLCellLook& drawn);

}  // namespace vyr
