// The colour rule of the report list's cells.
#include "replist/RepListCellLook.h"

namespace vyr {

TRLCellLook RLCellLook(const TRLCellState& cell, const TRLPalette& palette) {
  switch (cell.Kind) {
    case TRLCellKind::CommonHeader:
      return {palette.CommonHd, palette.CommonHd, palette.CommonHdText};
    case TRLCellKind::ColumnHeader:
      return {palette.ColumnHd, palette.ColumnHd, palette.ColumnHdText};
    case TRLCellKind::Data:
      break;
  }
  const int pattern = palette.RowColPattern;
  const bool shaded = pattern > 0 && ((cell.DataRow - 1) / pattern) % 2 == 0;
  TRLCellLook look{shaded ? palette.BkgdShaded : palette.BkgdNormal, 0, palette.Text};
  auto take = [&look](TColor background, TColor text) {
    look.Background = background;
    look.Text = text;
  };
  // A disabled control shows neither selection nor highlight.
  if (cell.ControlEnabled && cell.RowDisabled) {
    take(palette.DisabledBkgd, palette.DisabledText);
  } else if (cell.ControlEnabled) {
    if (cell.ColumnSelected && cell.RowSelected)
      take(palette.SelBoth, palette.SelBothText);
    else if (cell.ColumnSelected)
      take(palette.SelCol, palette.SelColText);
    else if (cell.RowSelected)
      take(palette.SelRow, palette.SelRowText);
    if (cell.HighlightedRow || cell.HighlightedColumn) {
      take(palette.High, palette.HighText);
      if (palette.HighLightBold) look.Styles = fsBold;
    }
  }
  look.Pen = look.Background;
  if (cell.FixedColumn) look.Background = look.Pen = palette.ColumnHd;
  if (!cell.ControlEnabled) look.Text = clInactiveCaption;
  return look;
}

TRLCheckPens RLCheckPens(const TRLCellState& cell, const TRLCellLook& drawn) {
  if (!cell.ControlEnabled) return {clInactiveCaption, clInactiveCaption};
  return {cell.RowDisabled ? drawn.Pen : clBtnShadow, drawn.Text};
}

}  // namespace vyr
