// TReportListView: cells and per-column settings, forwarded to the store
// where it keeps them, and the column widths.
#include <QStringList>
#include <algorithm>

#include "foundation/CellText.h"
#include "host/EnumClamp.h"
#include "replist/RLCellMarks.h"
#include "replist/RepListPrivate.h"

namespace vyr {

QString TReportListView::Elem(int ACol, int ARow) const {
  QString text = d->Data->GetElem(ACol, ARow);
  if (OnReadCell) OnReadCell(const_cast<TReportListView*>(this), ACol, ARow, text);
  return text;
}

QString TReportListView::AccessibleValue() const {
  const int r = SelectionTopDataRow();
  if (r < 1 || r > NrOfRows()) return {};
  QStringList cells;
  for (int col = 0; col < ColCount(); ++col) cells << Elem(DataColumnOf(col), r);
  return cells.join(QStringLiteral(", "));
}

double TReportListView::AsNumber(int ACol, int ARow) const {
  try {
    return d->Data->GetAsNumber(ACol, ARow);
  } catch (const EVyrDStructError&) {
    throw EVyrDStructError(QStringLiteral("Class TReportListView: invalid numeric string: [%1,%2]: %3")
                               .arg(ACol)
                               .arg(ARow)
                               .arg(d->Data->Strings().GetString(ACol, ARow)));
  }
}

void TReportListView::SetColumnFormat(int ColNr, const QString& Value) {
  if (ColNr < 1 || ColNr > NrOfColumns()) return;
  d->Data->SetColumnFormat(ColNr, Value);
  Changed();
  Repaint();
}

void TReportListView::SetColumnCheckMode(int ColNr, TCheckMode Value) {
  d->Data->SetColCheckMode(ColNr, Value);
  Changed();
  Repaint();
}

void TReportListView::SetHeader(int ColNr, const QString& Value) {
  if (ColNr < 1 || ColNr > NrOfColumns()) return;
  d->Data->SetColName(ColNr, Value);
  Changed();
  Repaint();
}

TAlignment TReportListView::ColumnAlignment(int ColNr) const {
  const TRLColumnSettings* column = d->Column(ColNr);
  return column ? column->Alignment : taLeftJustify;
}

void TReportListView::SetColumnAlignment(int ColNr, TAlignment Value) {
  Value = ClampEnum(Value, taLeftJustify, taCenter);
  TRLColumnSettings* column = d->Column(ColNr);
  if (!column || column->Alignment == Value) return;
  column->Alignment = Value;
  Changed();
  Repaint();
}

bool TReportListView::ColumnEditable(int ColNr) const {
  const TRLColumnSettings* column = d->Column(ColNr);
  return column && column->Editable;
}

void TReportListView::SetColumnEditable(int ColNr, bool Value) {
  if (TRLColumnSettings* column = d->Column(ColNr)) column->Editable = Value;
}

bool TReportListView::ColumnIsPwd(int ColNr) const {
  const TRLColumnSettings* column = d->Column(ColNr);
  return column && column->IsPwd;
}

void TReportListView::SetColumnIsPwd(int ColNr, bool Value) {
  TRLColumnSettings* column = d->Column(ColNr);
  if (!column || column->IsPwd == Value) return;
  column->IsPwd = Value;
  Changed();
  Repaint();
}

int TReportListView::ColumnOrder(int ColNr) const {
  return ColNr >= 1 && ColNr <= int(d->ColOrder.size()) ? d->ColOrder[ColNr - 1] + 1 : 0;
}

int TReportListView::ColWidths(int Index) const {
  const int col = GridColumnOf(Index);
  return col < 0 ? 0 : TCustomGrid::ColWidths(col);
}

void TReportListView::SetColWidths(int Index, int Width) {
  const int col = GridColumnOf(Index);
  if (Index < 1 || Index > NrOfColumns() || col < 0) return;
  TCustomGrid::SetColWidths(col, Width);
  ChangedSetup();
}

int TReportListView::CountCheckedElemsInCol(int Column) const {
  if (ColumnCheckMode(Column) == cmNone) return 0;
  const TStringArray& s = d->Data->Strings();
  int count = 0;
  for (int r = 1; r <= NrOfRows(); ++r)
    count += !(s.GetRowAttrib(r) & kRowDisabledBit) && MarkIsChecked(s.GetStringView(Column, r));
  return count;
}

void TReportListView::SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly) {
  if (Checked && ColumnCheckMode(Column) != cmBox) return;
  TRepListSuppress hold(*this);
  d->Data->SetAllCheckmarksOfCol(Column, Checked, AffectEnabledRowsOnly);
}

void TReportListView::InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly) {
  if (ColumnCheckMode(Column) != cmBox) return;
  TRepListSuppress hold(*this);
  d->Data->InvertAllCheckmarksOfCol(Column, AffectEnabledRowsOnly);
}

int TReportListView::DetermineMaxColWidth(int ColNr, bool IncludeHeader) {
  if (ColNr < 1 || ColNr > NrOfColumns()) return 10;
  TCanvas& c = Canvas();
  c.Font = Font();
  const int italic = (Font().Style & fsItalic) ? 2 : 0;
  const int extra = (ColumnCheckMode(ColNr) == cmBox ? 16 : 0) + italic;
  const TStringArray& s = d->Data->Strings();
  const int widest = c.WidestText(NrOfRows(), [&s, ColNr](qsizetype i) { return s.GetStringView(ColNr, int(i) + 1); });
  int m = widest + extra;
  if (IncludeHeader) {
    const int headerExtra = (ColNr == LastSortColumn() ? 13 : 0) + italic;
    m = std::max(m, c.TextWidth(Header(ColNr)) + headerExtra);
  }
  return m + 10;
}

void TReportListView::AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth) {
  SetColWidths(ColNr, std::min(MaxWidth, std::max(4, DetermineMaxColWidth(ColNr, IncludeHeader) + Addon)));
}

void TReportListView::ExpandColWidth(int ColIx, int RightMargin) {
  if (ColIx >= 1 && ColIx <= NrOfColumns()) {
    int others = 0;
    for (int dataCol = 1; dataCol <= NrOfColumns(); ++dataCol)
      if (dataCol != ColIx) others += ColWidths(dataCol);
    const int w = ClientWidth() - RightMargin - others;
    SetColWidths(ColIx, w <= 15 ? 16 : w);
  }
  ChangedSetup();
}

void TReportListView::FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin) {
  TRepListSuppress hold(*this);
  for (int dataCol = 1; dataCol <= NrOfColumns(); ++dataCol)
    if (dataCol != ExpandColumn) AutoColWidth(dataCol, IncludeHeader, Addon, MaxWidth);
  ExpandColWidth(ExpandColumn, RightMargin);
}

}  // namespace vyr
