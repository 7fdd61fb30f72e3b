#pragma once
// TStringArray: a table of short strings addressed (column, row), with an
// attribute byte per row and per column and a display order over the rows.
//
// Columns run from 0 to NrOfColumns() and rows from 0 to NrOfRows(); both
// column 0 and row 0 always exist. Cells hold at most 256 UTF-16 units (255
// characters and room for a one-character mark in front of them); longer
// texts are cut. Rows are addressed in display order: row i shows storage
// row GetSortOrder(i), and its cells and attribute byte travel with it when
// the order changes. Row 0 never takes part in sorting.
//
// Out-of-range indices are ignored by setters and read as empty or 0.
// Every change of what the table shows calls OnChange once; a change of
// attribute bytes alone calls OnAttribChange instead where one is set (an
// owner may tell a selection change from a change of the data). Between
// BeginUpdate and EndUpdate the changes are collected into a single call at
// the final EndUpdate: OnChange when any cell or the order changed,
// otherwise the attribute call.
#include <QObject>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "foundation/CoreEvents.h"
#include "foundation/DistinctTexts.h"
#include "foundation/StringArrayRow.h"

namespace vyr {

class TPercentProgress;

class TStringArray : public QObject {
 public:
  static constexpr int kMaxCellLength = int(TStringRow::kMaxCellLength);
  // Largest (columns + 1) x (rows + 1); Resize refuses more.
  static constexpr qint64 kMaxCells = qint64{1} << 27;
  static constexpr int kDefaultAllocRowsBy = 16;

  explicit TStringArray(QObject* owner = nullptr);

  int NrOfColumns() const { return FNrCols; }
  int NrOfRows() const { return static_cast<int>(FRows.size()) - 1; }

  // New size, keeping the cells that stay inside it; negative counts become
  // 0. Storage rows beyond the new count are dropped, new rows are shown at
  // the end. Raises EVyrDStructError (leaving the table as it was) above
  // kMaxCells or when memory runs out.
  void Resize(int cols, int rows);
  // Empties every cell, sets every attribute to 0 and the display order to
  // the storage order; the size stays.
  void Clear();

  QString GetString(int col, int row) const { return GetStringView(col, row).toString(); }
  // The cell without a copy; valid until the table changes.
  QStringView GetStringView(int col, int row) const;
  void SetString(int col, int row, const QString& text);

  std::uint8_t GetRowAttrib(int row) const;
  void SetRowAttrib(int row, std::uint8_t value);
  // Whole-table passes read and write by storage row (GetSortOrder), the
  // order the rows lie in memory: a sorted table's displayed order would
  // cost a cache miss per row.
  QStringView GetStoredStringView(int col, int storageRow) const;
  // Sets the attribute bits of mask on storage row s (1..NrOfRows()) where
  // on[s - 1] is non-zero and clears them elsewhere; on holds NrOfRows()
  // entries. One notification when anything changed.
  void SetStoredRowAttribBits(std::uint8_t mask, std::span<const std::uint8_t> on);
  std::uint8_t GetColAttrib(int col) const;
  void SetColAttrib(int col, std::uint8_t value);
  // Number of rows 1..NrOfRows() whose attribute has bit 0..7 set; kept up
  // to date by every change, so it costs nothing to ask.
  int CountRowsWithAttribBit(int bit) const;

  // A stamp that grows whenever a cell of column col may have changed or the
  // storage rows were renumbered (rows or columns added or removed, Resize,
  // Clear, CommitSorting). Sorting alone keeps it. Callers cache facts about
  // a column's storage rows and trust them while the stamp stays the same.
  std::uint64_t ColumnVersion(int col) const;

  // A column keeps its distinct texts when each repeats over this many rows
  // on average.
  static constexpr int kRowsPerDistinctText = 4;
  // The stored texts of column col by storage row (position i is storage
  // row i + 1) as indexes into its distinct texts, kept while the column's
  // version stays, so that a search tests each distinct text once. Null for
  // an invalid column, one that repeats too little for the list to pay, and
  // at the first request after the column changed: gathering the list costs
  // a few reads of the column, so it waits until the column is searched
  // again unchanged. A caller given null reads the cells.
  const TDistinctTexts* DistinctTexts(int col);

  // An empty row (attribute 0) before displayed row 1..NrOfRows(), or
  // appended with NrOfRows() + 1; other positions are ignored.
  void InsertRow(int row);
  // Removes displayed row 1..NrOfRows().
  void RemoveRow(int row);
  // An empty column (attribute 0) before column 0..NrOfColumns(), or
  // appended with NrOfColumns() + 1.
  void InsertColumn(int col);
  // Removes column 0..NrOfColumns() while there are at least two columns.
  void RemoveColumn(int col);

  // Minimum number of rows added when the row storage has to grow (at
  // least 1); growth is also geometric, so adding rows one at a time stays
  // linear overall.
  void SetAllocRowsBy(int rows);
  int AllocRowsBy() const { return FAllocRowsBy; }

  // Orders the displayed rows by column col, ties by column colSec (-1 or
  // any invalid column: none), both ascending or both descending. The sort
  // starts from the storage order and is stable. A column whose non-empty
  // texts all read as numbers (CellTextToNumber) sorts numerically, any
  // other column by CompareCellText; empty cells count as the smallest
  // value. OnBeforeSortExchange may replace each compared text first.
  // An invalid col is ignored.
  void Sort(int col, int colSec, bool ascending);
  // Shows first the rows whose attribute has no bit of mask, sorted as Sort
  // does (starting from their storage order; an invalid col keeps their
  // displayed order), then the other rows in their displayed order. Only
  // the first group is sorted, so its cost follows its size.
  void SortUnmarkedFirst(std::uint8_t mask, int col, int colSec, bool ascending);
  // Shows the rows in storage order again.
  void UnSort();
  // Makes the displayed order the storage order; what is shown stays.
  void CommitSorting();
  // Storage row of displayed row 0..NrOfRows(); 0 outside.
  int GetSortOrder(int row) const;
  // Displayed row of storage row 0..NrOfRows(); 0 outside. The first call
  // after the order changed costs one pass over the rows.
  int DisplayedRowOf(int storageRow) const;
  // Shows storage row storageRow (1..NrOfRows()) as displayed row row
  // (1..NrOfRows()); the displayed row that showed it takes over row's old
  // storage row, so the order stays a permutation. Setting every row in
  // turn reproduces any given order.
  void SetSortOrder(int row, int storageRow);

  void BeginUpdate() { ++FUpdateDepth; }
  void EndUpdate();

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender)> OnAttribChange;
  TBeforeSortExchgEvent OnBeforeSortExchange;
  TOnPercentDoneEvent OnPercentDone;

 private:
  int Columns() const { return FNrCols + 1; }
  bool ValidRow(int row) const { return row >= 0 && row <= NrOfRows(); }
  bool ValidCol(int col) const { return col >= 0 && col <= FNrCols; }
  TStringRow& DisplayedRow(int row) { return FRows[FOrder[row]]; }
  const TStringRow& DisplayedRow(int row) const { return FRows[FOrder[row]]; }
  void Changed();
  void AttribChanged();
  // The storage rows were renumbered or the columns remapped.
  void StructureChanged();
  void CountAttrib(std::uint8_t attrib, int delta);
  void EnsurePositions() const;
  void ReserveRows(std::size_t rows);
  // Every row laid out anew for sourceOf.size() columns (see
  // TStringRow::Remapped); all or nothing.
  void RemapColumns(const std::vector<int>& sourceOf);
  void ResetOrder();
  // Number sort keys of a column by storage row, kept for the next sort
  // while the column's version stays; Numeric is false (and Keys empty)
  // when some text of the column is not a number.
  struct TNumberKeys {
    std::uint64_t Version = 0;
    bool Numeric = false;
    std::vector<std::uint64_t> Keys;
  };
  const TNumberKeys& NumberKeys(int col);
  // Storage rows in the order of the sort key of column col.
  std::vector<std::int32_t> SortedByColumn(const std::vector<std::int32_t>& rows, int col, bool ascending,
                                           TPercentProgress& progress);

  // The distinct texts of a column as of Version (none when too many), or
  // only the version of the first request.
  struct TDistinctCache {
    std::uint64_t Version = 0;
    bool Gathered = false;
    std::optional<TDistinctTexts> Texts;
  };

  int FNrCols = 0;
  int FAllocRowsBy = kDefaultAllocRowsBy;
  std::vector<TStringRow> FRows;         // storage rows 0..NrOfRows()
  std::vector<std::uint8_t> FRowAttribs;  // by storage row
  std::vector<std::uint8_t> FColAttribs;
  std::vector<std::int32_t> FOrder;  // displayed row -> storage row
  mutable std::vector<std::int32_t> FPosition;  // storage row -> displayed row, built on demand
  mutable bool FPositionValid = false;
  bool FOrderIsIdentity = true;
  std::array<int, 8> FAttribBitCount{};  // over storage rows 1..NrOfRows()
  std::uint64_t FVersion = 1;
  std::uint64_t FStructureVersion = 1;
  std::vector<std::uint64_t> FColVersion;  // last write to a cell of the column
  std::vector<TNumberKeys> FNumberKeys;    // by column, of the columns sorted so far
  std::vector<TDistinctCache> FDistinct;   // by column, of the columns searched so far
  int FUpdateDepth = 0;
  bool FChangePending = false;
  bool FAttribChangePending = false;
};

// Holds a table's notifications back for its lifetime (BeginUpdate ..
// EndUpdate), also when the work in between throws, so that an owner can
// bring its own bookkeeping in step before anyone hears of the change.
class TStringArrayUpdate {
 public:
  explicit TStringArrayUpdate(TStringArray& strings) : FStrings(strings) { strings.BeginUpdate(); }
  ~TStringArrayUpdate() { FStrings.EndUpdate(); }
  TStringArrayUpdate(const TStringArrayUpdate&) = delete;
  TStringArrayUpdate& operator=(const TStringArrayUpdate&) = delete;

 private:
  TStringArray& FStrings;
};

}  // namespace vyr
