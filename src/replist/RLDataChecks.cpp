// TRLData: check marks of whole columns and rows.
#include "replist/RLCellMarks.h"
#include "replist/RLData.h"

namespace vyr {

TRLData::TRadioMarks& TRLData::RadioMarks(int c) const {
  if (std::size_t(c) >= FRadioMarks.size()) FRadioMarks.resize(std::size_t(c) + 1);
  TRadioMarks& marks = FRadioMarks[std::size_t(c)];
  const std::uint64_t version = FStrings->ColumnVersion(c);
  if (marks.Version != version) {
    marks.StorageRows.clear();
    for (int r = 1; r <= FNrOfRows; ++r)
      if (MarkIsChecked(FStrings->GetStringView(c, r))) marks.StorageRows.push_back(FStrings->GetSortOrder(r));
    marks.Version = version;
  }
  return marks;
}

TRLData::TRadioMarks& TRLData::ClearRadioMarks(int c, bool enabledRowsOnly) {
  TRadioMarks& marks = RadioMarks(c);
  std::vector<std::int32_t> kept;
  FStrings->BeginUpdate();
  for (const std::int32_t storage : marks.StorageRows) {
    const int r = FStrings->DisplayedRowOf(storage);
    if (enabledRowsOnly && (FStrings->GetRowAttrib(r) & kRowDisabledBit))
      kept.push_back(storage);
    else
      FStrings->SetString(c, r, WithMark(FStrings->GetStringView(c, r), false));
  }
  marks.StorageRows.swap(kept);
  marks.Version = FStrings->ColumnVersion(c);
  FStrings->EndUpdate();
  return marks;
}

int TRLData::FirstCheckedElemInCol(int ColNr) const {
  if (GetColCheckMode(ColNr) == cmRadio) {
    int first = 0;
    for (const std::int32_t storage : RadioMarks(ColNr).StorageRows) {
      const int r = FStrings->DisplayedRowOf(storage);
      if (first == 0 || r < first) first = r;
    }
    return first;
  }
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
  if (GetColCheckMode(Column) == cmRadio) return int(RadioMarks(Column).StorageRows.size());
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
  if (mode == cmRadio) {
    ClearRadioMarks(Column, enabledRowsOnly);
    return;
  }
  FStrings->BeginUpdate();
  for (int r = 1; r <= FNrOfRows; ++r) {
    if (enabledRowsOnly && (FStrings->GetRowAttrib(r) & kRowDisabledBit)) continue;
    const QStringView stored = FStrings->GetStringView(Column, r);
    // Cells that already carry the wanted mark are left alone.
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
