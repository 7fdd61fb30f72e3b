// TReportListView: drawing of data cells, header cells, the empty message
// and the row marker.
#include <QStringList>
#include <cmath>

#include "replist/RLCellMarks.h"
#include "replist/RepListPrivate.h"

namespace vyr {

namespace {

// Characters of a text that fit `space` pixels when the whole text is
// `width` pixels wide, less `reserve` for the ellipsis; at least 1.
int FittingLength(qsizetype length, int space, int width, int reserve) {
  return std::max(1, int(std::lrint(double(length) * space / width - reserve)));
}

int AlignedX(TAlignment alignment, int left, int right, int w) {
  switch (alignment) {
    case taRightJustify:
      return right - w;
    case taCenter:
      return (left + right) / 2 - w / 2;
    default:
      return left;
  }
}

}  // namespace

void TReportListView::DoPaint() {
  if (d->SuppressPaint) return;
  TCustomDrawGrid::DoPaint();
  int headerHeight = 0;
  for (int r = 0; r < CountHeadRows(); ++r) headerHeight += RowHeights(r) + RowLine(r);
  if (NrOfRows() == 0) PaintEmptyMessage(headerHeight);
  PaintRowMarker(headerHeight);
}

void TReportListView::PaintEmptyMessage(int headerHeight) {
  TCanvas& c = Canvas();
  c.Pen = {Color(), 1};
  c.Brush = {Color(), bsSolid};
  c.Rectangle(0, headerHeight, Width(), Height());
  if (d->EmptyMsg.isEmpty()) return;
  c.Font = Font();
  c.Font.Color = d->ColorEmptyMsg;
  c.Brush.Style = bsClear;
  const QStringList lines = d->EmptyMsg.split(u'|');
  const int h = c.TextHeight(d->EmptyMsg);
  const int y0 = headerHeight - int(lines.size()) * h;
  for (int i = 0; i < lines.size(); ++i)
    c.TextOut((Width() - c.TextWidth(lines[i])) / 2, y0 + (Height() - y0) / 2 + i * h - 2, lines[i]);
  c.Brush.Style = bsSolid;
}

// The marker goes on the top edge of data row InterRowIndicatorPos (below
// the last row for NrOfRows + 1), wherever the grid has placed that row.
void TReportListView::PaintRowMarker(int headerHeight) {
  const int p = d->InterRowIndi;
  const int top = TopRow();
  if (p == 0 || p < top || p > NrOfRows() + 1) return;
  long long y = headerHeight;
  for (int g = GridRowOfData(top); g < GridRowOfData(p) && y <= Height(); ++g) y += RowHeights(g) + RowLine(g);
  if (y > Height()) return;
  TCanvas& c = Canvas();
  c.Pen = {d->InterRowColor, d->InterRowWidth};
  c.MoveTo(0, int(y));
  c.LineTo(Width(), int(y));
  c.Pen = TPen{};
}

void TReportListView::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  Canvas().Font = Font();
  if (ARow >= CountHeadRows())
    DrawDataCell(ACol, ARow, ARect);
  else if (AState & gdFixed)
    DrawHeaderCell(ACol, ARow, ARect);
  TCustomDrawGrid::DrawCell(ACol, ARow, {ARect.Left + 4, ARect.Top + 2, ARect.Right - 6, ARect.Bottom}, AState);
}

void TReportListView::DrawRaisedFrame(int L, int T, int R, int B) {
  TCanvas& c = Canvas();
  c.Pen = {clWhite, 1};
  c.MoveTo(L, B - 1);
  c.LineTo(L, T);
  c.LineTo(R, T);
  c.Pen.Color = clGray;
  c.MoveTo(L + 1, B - 1);
  c.LineTo(R - 1, B - 1);
  c.LineTo(R - 1, T);
}

void TReportListView::DrawDataCell(int ACol, int ARow, const TRect& ARect) {
  TCanvas& c = Canvas();
  const int h = CountHeadRows();
  const int dataCol = DataColumnOf(ACol), r = ARow - h + 1;
  const bool fixedCol = ACol < FixedCols();
  const TCheckMode mode = ColumnCheckMode(dataCol);
  const TStringArray& strings = d->Data->Strings();
  const QString stored = strings.GetString(dataCol, r);
  QString text = ColumnIsPwd(dataCol) ? QStringLiteral("******") : stored;
  const std::uint8_t attrib = strings.GetRowAttrib(r);
  const TRLCellState cell{.DataRow = r,
                          .RowSelected = bool(attrib & kRowSelectedBit),
                          .ColumnSelected = bool(strings.GetColAttrib(dataCol) & kColSelectedBit),
                          .RowDisabled = bool(attrib & kRowDisabledBit),
                          .HighlightedRow = r == d->HiLgtRow,
                          .HighlightedColumn = dataCol == d->HiLgtColumn,
                          .FixedColumn = fixedCol,
                          .ControlEnabled = Enabled()};
  TRLCellLook look = RLCellLook(cell, d->Colors);
  if (OnBeforeRenderCell) OnBeforeRenderCell(this, dataCol, r, look.Pen, look.Background, look.Text, look.Styles, text);
  c.Font.Style = look.Styles;
  c.Font.Color = look.Text;
  c.Brush = {look.Background, bsSolid};

  const int colWidth = TCustomGrid::ColWidths(ACol);
  const int textWidth = text.isEmpty() ? 0 : c.TextWidth(text.mid(1));
  const int space = colWidth - 9 - (mode != cmNone ? 16 : 0);
  if (textWidth > 0 && space < textWidth) {
    const int n = FittingLength(text.size(), space, textWidth, 4);
    text = ColumnAlignment(dataCol) == taRightJustify ? text.left(1) + QStringLiteral("...") + text.right(n)
                                                      : text.left(n) + QStringLiteral("...");
  }

  TRect fill = ARect;
  if (!fixedCol && !(Options() & goVertLine)) ++fill.Right;
  if (!fixedCol && !(Options() & goHorzLine)) ++fill.Bottom;
  c.Pen = {look.Background, 1};
  c.Rectangle(fill);
  c.Pen.Color = look.Pen;

  TRect textRect{ARect.Left + 4, ARect.Top + 2, ARect.Right - 6, ARect.Bottom};
  const int italic = (look.Styles & fsItalic) ? 2 : 0;
  auto writeText = [&](const QString& s) {
    const int w = c.TextWidth(s) + italic;
    c.TextRect(textRect, AlignedX(ColumnAlignment(dataCol), textRect.Left, textRect.Right, w), ARect.Top + 1, s);
  };
  if (mode == cmNone) {
    writeText(text);
  } else if (stored.size() > 1 || d->ShowEmptyCBx) {
    textRect.Left += 16;
    // The mark comes from the stored cell, also when the value is masked.
    const bool checked = MarkIsChecked(stored);
    writeText(text.mid(1));
    const TRLCheckPens pens = RLCheckPens(cell, look);
    DrawCheckBox(dataCol, ARect, checked, pens.Box, pens.Mark);
  }
  if (fixedCol) DrawRaisedFrame(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom);
}

void TReportListView::DrawCheckBox(int dataCol, const TRect& ARect, bool checked, TColor boxPen, TColor markPen) {
  TCanvas& c = Canvas();
  const int L = ARect.Left, T = ARect.Top;
  const bool radio = ColumnCheckMode(dataCol) == cmRadio;
  // Read-only marks show without their box.
  if (!d->ROCheckMarks) {
    c.Pen = {boxPen, 1};
    if (radio)
      c.Ellipse(L + 4, T + 4, L + 15, T + 15);
    else
      c.Rectangle(L + 4, T + 4, L + 15, T + 15);
  }
  c.Pen.Color = markPen;
  if (!checked) return;
  auto line = [&c](int x0, int y0, int x1, int y1) {
    c.MoveTo(x0, y0);
    c.LineTo(x1, y1);
  };
  if (radio) {
    line(L + 8, T + 7, L + 11, T + 7);
    for (int k = 0; k < 3; ++k) line(L + 7, T + 8 + k, L + 12, T + 8 + k);
    line(L + 8, T + 11, L + 11, T + 11);
  } else {
    for (int k = 0; k < 3; ++k) line(L + 6, T + 8 + k, L + 9, T + 11 + k);
    for (int k = 0; k < 3; ++k) line(L + 8, T + 10 + k, L + 13, T + 5 + k);
  }
}

int TReportListView::VisibleColumnsRight() const {
  int right = 0;
  for (int col = TCustomGrid::LeftCol(); col < ColCount(); ++col) {
    const TRect cell = CellRect(col, 0);
    if (cell.Right <= cell.Left) break;
    right = cell.Right;
  }
  return right;
}

void TReportListView::DrawHeaderCell(int ACol, int ARow, const TRect& ARect) {
  TCanvas& c = Canvas();
  const int T = ARect.Top, B = ARect.Bottom;
  if (d->ComHdVis && ARow == 0) {
    const int x1 = std::max(VisibleColumnsRight(), ARect.Right);
    const TRect band{0, T, x1, B};
    const TRLCellLook look = RLCellLook({.Kind = TRLCellKind::CommonHeader}, d->Colors);
    c.Font.Color = look.Text;
    c.Brush = {look.Background, bsSolid};
    c.FillRect(band);
    const QString text = CommonHeader();
    const QStringList lines = text.split(u'\n');
    const int h = c.TextHeight(text);
    for (int i = 0; i < lines.size(); ++i) {
      const int top = std::min(T + 2 + i * h, B), bottom = std::min(T + 2 + (i + 1) * h, B);
      const TRect clip = i == 0 ? band : TRect{0, top, x1, bottom};
      const int w = c.TextWidth(lines[i]);
      const int x = d->HeaderAlignment == taLeftJustify    ? 4
                    : d->HeaderAlignment == taRightJustify ? x1 - w - 6
                                                           : x1 / 2 - w / 2;
      c.TextRect(clip, x, T + 2 + i * h, lines[i]);
    }
    DrawRaisedFrame(0, T, x1, B);
    c.Pen = {clGray, 1};
    c.MoveTo(x1 - 1, B - 1);
    c.LineTo(x1 - 1, T);
    c.Pen.Color = clBlack;
    c.MoveTo(x1, B - 1);
    c.LineTo(x1, T - 1);
    return;
  }
  if (ARow != ColumnHeaderGridRow()) return;
  const int dataCol = DataColumnOf(ACol);
  const TRLCellLook look = RLCellLook({.Kind = TRLCellKind::ColumnHeader}, d->Colors);
  c.Brush = {look.Background, bsSolid};
  c.Font.Color = look.Text;
  c.FillRect(ARect);
  const QString name = Header(dataCol);
  const QStringList lines = name.split(u'\n');
  const int h = c.TextHeight(name);
  const bool sorted = dataCol == LastSortColumn();
  const int a = sorted ? 13 : 0;
  const int colWidth = TCustomGrid::ColWidths(ACol);
  const int italic = (c.Font.Style & fsItalic) ? 2 : 0;
  const TRect textRect{ARect.Left + 4, ARect.Top + 2, ARect.Right - 6, ARect.Bottom};
  const TAlignment alignment = ColumnAlignment(dataCol);
  int arrowOffset = 0;
  for (int i = 0; i < lines.size(); ++i) {
    QString line = lines[i];
    int w = c.TextWidth(line);
    if (w > 0 && colWidth - a - 9 < w) {
      line = line.left(FittingLength(line.size(), colWidth - a - 9, w, 3)) + QStringLiteral("...");
      w = c.TextWidth(line);
    }
    w += italic;
    const int top = std::min(textRect.Top + i * h, B), bottom = std::min(textRect.Top + (i + 1) * h, B);
    const TRect clip = i == 0 ? textRect : TRect{textRect.Left, top, textRect.Right, bottom};
    c.TextRect(clip, AlignedX(alignment, textRect.Left, textRect.Right, w), textRect.Top + i * h, line);
    if (i == 0) {
      const int span = textRect.Right - textRect.Left;
      arrowOffset = alignment == taLeftJustify    ? w + 10
                    : alignment == taRightJustify ? span - w - 12
                                                  : span / 2 + w / 2 + 10;
    }
  }
  if (sorted)
    DrawSortArrow(textRect.Left + std::min(arrowOffset, colWidth - 12), textRect.Top + h / 2, LastSortOrder());
  DrawRaisedFrame(ARect.Left, T, ARect.Right, B);
}

void TReportListView::DrawSortArrow(int x0, int y0, bool ascending) {
  TCanvas& c = Canvas();
  if (ascending) {
    c.Pen = {clGray, 1};
    c.MoveTo(x0 - 4, y0 + 3);
    c.LineTo(x0, y0 - 3);
    c.Pen.Color = clWhite;
    c.LineTo(x0 + 4, y0 + 3);
    c.LineTo(x0 - 4, y0 + 3);
  } else {
    c.Pen = {clWhite, 1};
    c.MoveTo(x0 + 4, y0 - 3);
    c.LineTo(x0, y0 + 3);
    c.Pen.Color = clGray;
    c.LineTo(x0 - 4, y0 - 3);
    c.LineTo(x0 + 4, y0 - 3);
  }
}

}  // namespace vyr
