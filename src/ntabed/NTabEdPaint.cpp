// Painting of the table editor's cells, the corner read-out and the
// automatic column widths and row heights.
#include <algorithm>

#include "foundation/NumRoutines.h"
#include "ntabed/NTabEdCellText.h"
#include "ntabed/NTabEdPrivate.h"

namespace vyr {

namespace {

const QString kRowHeightSample = QStringLiteral("9GMg\u00DC$\u00A7[{|");

// A header cell is drawn one pixel inside its rectangle on each axis that
// has room.
TRect Shrunk(TRect r) {
  if (r.Width() > 0) {
    ++r.Left;
    --r.Right;
  }
  if (r.Height() > 0) {
    ++r.Top;
    --r.Bottom;
  }
  return r;
}

}  // namespace

QString TNTabEd::CellText(int ACol, int ARow) const {
  return DataCellText(Data(), ACol, ARow, d->Dec(ACol), d->NumWidth);
}

void TNTabEd::DoPaint() {
  if (Suppressed()) return;
  TCustomGrid::DoPaint();
  if (d->OptRowHeight) {
    const int h = AutoRowHeight(-1, 2);
    if (h != DefaultRowHeight()) TCustomGrid::SetDefaultRowHeight(h);
  }
}

void TNTabEd::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  TCanvas& cv = Canvas();
  const TFontStyles baseStyle = Font().Style;
  const int co = d->ColOffset, ro = d->RowOffset;
  const TGridRect sel = Selection();
  if (ACol > co && ARow > ro) {
    const int c = ACol - co, r = ARow - ro;
    QString text = CellText(c, r);
    const std::uint8_t marks = Data().GetCellState(c, r) & (csbMarkA | csbMarkB);
    const bool selected = AState & gdSelected;
    TColor fg = marks == csbMarkA   ? d->Colors.MarkedA
                : marks == csbMarkB ? d->Colors.MarkedB
                : marks             ? d->Colors.MarkedBoth
                : selected          ? d->Colors.RangeSelFG
                                    : d->Colors.Normal;
    TFontStyles style = (marks && d->BoldMarks) ? (baseStyle | fsBold) : baseStyle;
    TColor bg = selected ? d->Colors.RangeSelBG : Color();
    if (OnBeforeRenderCell) OnBeforeRenderCell(this, c, r, text, fg, bg, style);
    cv.Brush = {bg, bsSolid};
    cv.Font.Style = style;
    cv.Font.Color = fg;
    cv.TextRect(ARect, ARect.Left + 2, ARect.Top + 1, text);
    cv.Font.Style = baseStyle;
    return;
  }
  if (ACol == 0 && ARow == 0) {
    if (d->CommentMMActive) {
      cv.Brush = {TColor(0x808000), bsSolid};
      cv.Font.Color = clWhite;
      cv.Font.Style = baseStyle;
      cv.TextRect(ARect, ARect.Left + 2, ARect.Top + 1, QStringLiteral("Comment:"));
    } else if (d->ShowCellCursor) {
      cv.Brush = {clWindow, bsSolid};
      cv.Font.Color = d->Colors.Normal;
      cv.Font.Style = baseStyle;
      cv.TextRect(ARect, ARect.Left + 3, ARect.Top + 2,
                  QStringLiteral("%1:%2").arg(sel.Left - co).arg(sel.Top - ro));
    }
    return;
  }
  TRect r = Shrunk(ARect);
  cv.Brush = {FixedColor(), bsSolid};
  auto heading = [&](bool onCursor, int x, int y, const QString& text) {
    r.Right -= 2;
    cv.Font.Color = onCursor ? d->Colors.Selected : d->Colors.Normal;
    cv.Font.Style = (onCursor && d->BoldSelHeads) ? (baseStyle | fsBold) : baseStyle;
    cv.TextRect(r, x, y, text);
    cv.Font.Style = baseStyle;
  };
  auto label = [&](const QString& text) {
    cv.Font.Color = d->Colors.Normal;
    cv.Font.Style = baseStyle;
    cv.TextRect(r, r.Left + 2, r.Top + 1, text);
  };
  if (ARow > ro) {  // row headers
    const int row = ARow - ro;
    if (ACol == 0)
      heading(ARow == sel.Top, r.Left + 2, r.Top, Data().GetRowName(row));
    else
      heading(ARow == sel.Top, r.Left + 2, r.Top + 1, QString::number(Data().GetRowAttrib(row)));
  } else if (ACol > co) {  // column headers
    const int col = ACol - co;
    if (ARow == 0)
      heading(ACol == sel.Left, r.Left + 2, r.Top + 1, Data().GetColName(col));
    else
      heading(ACol == sel.Left, r.Left + 2, r.Top + 1, QString::number(Data().GetColAttrib(col)));
  } else if (ARow == 1 && ACol == 0) {
    label(QStringLiteral("Attribute"));
  } else if (ARow == 0 && ACol == 1) {
    label(QStringLiteral("Attrib"));
  }
}

void TNTabEd::DisplayCellCursor(int ACol, int ARow) {
  if (!d->ShowCellCursor || Suppressed()) return;
  const TRect r = CellRect(0, 0);
  if (r.IsEmpty()) return;
  TCanvas& cv = Canvas();
  cv.Font = Font();
  cv.Font.Color = d->Colors.Normal;
  cv.Brush = {clWindow, bsSolid};
  cv.TextRect(r, r.Left + 3, r.Top + 2, QStringLiteral("%1:%2").arg(ACol - d->ColOffset).arg(ARow - d->RowOffset));
  update();
}

int TNTabEd::AutoRowHeight(int RowNr, int Addon) {
  TCanvas& cv = Canvas();
  cv.Font = Font();
  const int h = std::max(8, cv.TextHeight(kRowHeightSample) + Addon + 2);
  SetRowHeight(RowNr, h);
  return h;
}

void TNTabEd::SetRowHeight(int index, int height) {
  if (index > 0) {
    if (index <= NrOfRows()) SetRowHeights(index + d->RowOffset, height);
  } else if (index == 0) {
    SetRowHeights(0, height);
  } else if (d->RowOffset == 1) {
    SetRowHeights(1, height);
  }
}

int TNTabEd::AutoColWidth(int ColNr, bool IncludeHeader, int Addon) {
  TCanvas& cv = Canvas();
  cv.Font = Font();
  int w = 0;
  if (ColNr == -1) {
    w = cv.TextWidth(IncludeHeader ? QStringLiteral("Attrib") : QStringLiteral("255"));
  } else if (ColNr == 0) {
    w = cv.TextWidth(QStringLiteral("999:9999"));
    for (int r = 1; r <= NrOfRows(); ++r) w = std::max(w, cv.TextWidth(Data().GetRowName(r)));
  } else if (ColNr >= 1 && ColNr <= NrOfColumns()) {
    if (IncludeHeader) w = cv.TextWidth(Data().GetColName(ColNr));
    w = std::max(w, cv.TextWidth(QString::number(Data().GetColAttrib(ColNr))));
    for (int r = 1; r <= NrOfRows(); ++r) w = std::max(w, cv.TextWidth(CellText(ColNr, r)));
  } else {
    return 0;
  }
  w = std::max(4, w + Addon + 8);
  SetColWidths(ColNr, w);
  return w;
}

}  // namespace vyr
