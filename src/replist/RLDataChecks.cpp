// TRLData: check marks of whole columns and rows.
#include "replist/RLCellMarks.h"
#include "replist/RLData.h"

namespace vyr {

int TRLData::FirstCheckedElemInCol(int ColNr) const {
  if (!IsCheckColumn(ColNr)) return 0;
  for (int r = 1; r <= FNrOfRows; ++r)
    if (MarkIsChecked(FStrings->GetStringView(ColNr, r))) return r;
  return 0;
}

int TRLData::FirstCheckedElemInRow(int RowNr) const {
  if (RowNr < 1 || RowNr > FNrOfRows) return 0;
  for (int c = 1; c <= FNrOfCols; ++c)
    if (IsCheckColumn(c) && MarkIsChecked(FStrings->GetStringView(c, RowNr))) return c;
  return 0;
}

int TRLData::CountCheckedElemsInCol(int Column) const {
  if (!IsCheckColumn(Column)) return 0;
  int count = 0;
  for (int r = 1; r <= FNrOfRows; ++r) count += MarkIsChecked(FStrings->GetStringView(Column, r));
  return count;
}

int TRLData::CountCheckedElemsInRow(int Row) const {
  if (Row < 1 || Row > FNrOfRows) return 0;
  int count = 0;
  for (int c = 1; c <= FNrOfCols; ++c) count += IsCheckColumn(c) && MarkIsChecked(FStrings->GetStringView(c, Row));
  return count;
}

void TRLData::SetAllCheckmarksOfCol(int Column, bool Checked, bool enabledRowsOnly) {
  const TCheckMode mode = GetColCheckMode(Column);
  if (mode == cmNone || (mode == cmRadio && Checked)) return;
  FStrings->BeginUpdate();
  for (int r = 1; r <= FNrOfRows; ++r) {
    if (enabledRowsOnly && (FStrings->GetRowAttrib(r) & kRowDisabledBit)) continue;
    const QStringView stored = FStrings->GetStringView(Column, r);
    // Cells that already carry the wanted mark are left alone, so clearing
    // a radio column costs a write only where a mark was set.
    if (!stored.isEmpty() && stored[0] == (Checked ? u'X' : u' ')) continue;
    FStrings->SetString(Column, r, WithMark(stored, Checked));
  }
  FStrings->EndUpdate();
}

void TRLData::InvertAllCheckmarksOfCol(int Column, bool enabledRowsOnly) {
  if (GetColCheckMode(Column) != cmBox) return;
  FStrings->BeginUpdate();
  for (int r = 1; r <= FNrOfRows; ++r) {
    if (enabledRowsOnly && (FStrings->GetRowAttrib(r) & kRowDisabledBit)) continue;
    const QStringView stored = FStrings->GetStringView(Column, r);
    FStrings->SetString(Column, r, WithMark(stored, stored.isEmpty() || stored[0] != u'X'));
  }
  FStrings->EndUpdate();
}

}  // namespace vyr
