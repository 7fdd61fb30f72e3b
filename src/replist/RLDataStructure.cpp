// TRLData: inserting and removing rows and columns, sorting, copying.
#include <memory>
#include <new>

#include "replist/RLData.h"

namespace vyr {

// Structure changes notify once the counts and column arrays are in step.

void TRLData::InsertColumn(int c) {
  if (!ValidColumn(c)) return;
  TStringArrayUpdate update(*FStrings);
  FStrings->InsertColumn(c);
  FColumns.insert(FColumns.begin() + (c - 1), TColumnMeta{});
  ++FNrOfCols;
}

void TRLData::RemoveColumn(int c) {
  if (!ValidColumn(c)) return;
  TStringArrayUpdate update(*FStrings);
  FStrings->CommitSorting();
  if (FNrOfCols >= 2) {
    FStrings->RemoveColumn(c);
    FColumns.erase(FColumns.begin() + (c - 1));
    --FNrOfCols;
    return;
  }
  for (int r = 0; r <= FNrOfRows; ++r) FStrings->SetString(c, r, QString());
  // The column stays in the table for a later one; it must not come back selected.
  FStrings->SetColAttrib(c, 0);
  FColumns.clear();
  FNrOfCols = 0;
}

void TRLData::InsertRow(int r) {
  if (r < 1 || r > FNrOfRows) return;
  TStringArrayUpdate update(*FStrings);
  FStrings->CommitSorting();
  FStrings->InsertRow(r);
  ++FNrOfRows;
}

void TRLData::RemoveRow(int r) {
  if (r < 1 || r > FNrOfRows) return;
  TStringArrayUpdate update(*FStrings);
  FStrings->CommitSorting();
  RemoveRowKeepingOrder(r);
}

void TRLData::RemoveRowKeepingOrder(int r) {
  if (r < 1 || r > FNrOfRows) return;
  if (FNrOfRows < 2) {
    SetNrRows(0);
    return;
  }
  TStringArrayUpdate update(*FStrings);
  FStrings->RemoveRow(r);
  --FNrOfRows;
}

void TRLData::RemoveEmptyRows() {
  FStrings->BeginUpdate();
  for (int r = FNrOfRows; r >= 1; --r) {
    bool empty = true;
    for (int c = 0; c <= FNrOfCols && empty; ++c) empty = GetElem(c, r).isEmpty();
    if (empty) RemoveRow(r);
  }
  FStrings->EndUpdate();
}

void TRLData::CopyRow(int Source, int Target) {
  if (Source < 1 || Source > FNrOfRows || Target < 1 || Target > FNrOfRows || Source == Target) return;
  FStrings->BeginUpdate();
  for (int c = 0; c <= FNrOfCols; ++c) FStrings->SetString(c, Target, FStrings->GetString(c, Source));
  FStrings->SetRowAttrib(Target, FStrings->GetRowAttrib(Source));
  FStrings->EndUpdate();
}

void TRLData::Sort(int Col, int ColSec, bool Ascending) { SortUnmarkedFirst(0, Col, ColSec, Ascending); }

void TRLData::SortUnmarkedFirst(std::uint8_t Mask, int Col, int ColSec, bool Ascending) {
  FSortColumn = Col;
  FSortColumnSec = ColSec;
  FSortOrder = Ascending;
  // Without a handler the table may reuse the number keys it kept.
  TBeforeSortExchgEvent hook;
  if (OnBeforeSortExchange)
    hook = [this](QObject* sender, const QString& s, QString& t) { BeforeSortExchange(sender, s, t); };
  FStrings->OnBeforeSortExchange = hook;
  FStrings->SortUnmarkedFirst(Mask, Col, ColSec, Ascending);
}

void TRLData::UnSort() {
  ForgetSortColumns();
  FStrings->UnSort();
}

TPropertyList TRLData::CopiedProperties() {
  static constexpr const char* names[] = {"CommonHeader"};
  return names;
}

void TRLData::AdoptTable(std::unique_ptr<TStringArray> cells, int cols, int rows, std::vector<TColumnMeta> columns) {
  cells->OnChange = FStrings->OnChange;
  cells->OnAttribChange = FStrings->OnAttribChange;
  cells->OnBeforeSortExchange = FStrings->OnBeforeSortExchange;
  cells->OnPercentDone = FStrings->OnPercentDone;
  FNrOfCols = cols;
  FNrOfRows = rows;
  FColumns = std::move(columns);
  FStrings = std::move(cells);
  FRadioMarks.clear();  // they describe the old table
  SetFeedback(qint64{std::max(rows, 1)} * (cols + 1));
}

void TRLData::Assign(const TComponentBase* Source) {
  const auto* src = dynamic_cast<const TRLData*>(Source);
  if (!src) {
    TComponent::Assign(Source);
    return;
  }
  const TStringArray& from = src->Strings();
  const int cols = src->FNrOfCols, rows = src->FNrOfRows;
  // Everything is read into new storage first and swapped in at the end:
  // the source may be this very store.
  auto copy = std::make_unique<TStringArray>();
  std::vector<TColumnMeta> columns;
  try {
    copy->SetAllocRowsBy(from.AllocRowsBy());
    copy->Resize(std::max(cols, 1), rows);
    for (int j = 1; j <= rows; ++j) {
      const int storageRow = from.GetSortOrder(j);
      for (int c = 0; c <= cols; ++c) copy->SetString(c, storageRow, from.GetString(c, j));
    }
    for (int j = 1; j <= rows; ++j) copy->SetSortOrder(j, from.GetSortOrder(j));
    // Attributes travel with the displayed rows, so they follow the order.
    for (int c = 1; c <= cols; ++c) copy->SetColAttrib(c, from.GetColAttrib(c));
    for (int j = 1; j <= rows; ++j) copy->SetRowAttrib(j, from.GetRowAttrib(j));
    columns = src->FColumns;
  } catch (const std::bad_alloc&) {
    throw EVyrRLDataError(ComponentMessage(ComponentName(), QStringLiteral("not enough memory on heap")));
  }
  AdoptTable(std::move(copy), cols, rows, std::move(columns));
  CopyProperties(*this, *src, CopiedProperties());
  FSortColumn = src->FSortColumn;
  FSortColumnSec = src->FSortColumnSec;
  FSortOrder = src->FSortOrder;
  FSortToggle = src->FSortToggle;
  Comment = src->Comment;
  DataID = src->DataID;
  OnBeforeSortExchange = src->OnBeforeSortExchange;
  if (FStrings->OnChange) FStrings->OnChange(FStrings.get());
}

void TRLData::AssignTo(TComponentBase* Dest) const {
  if (auto* dest = dynamic_cast<TRLData*>(Dest))
    dest->Assign(this);
  else
    TComponent::AssignTo(Dest);
}

}  // namespace vyr
