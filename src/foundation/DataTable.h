#pragma once
// TDataTable: a table of doubles addressed (column, row), both counted from
// 1, with a state byte per cell, a name (at most 50 characters) and an
// attribute byte per row and per column, a measurement-scale type and up to
// 150 nominal identifiers (at most 10 characters each) per column, and a
// comment. Names, attributes and column setup travel with their rows and
// columns through insertion, removal, mirroring and sorting.
//
// Out-of-range indices are ignored by setters and read as 0, empty or false.
//
// Handlers, called synchronously when assigned:
//  - OnDataChanged: values or state bytes changed (once per operation);
//  - OnSetupChanged: names, attributes, scale types or nominal identifiers
//    changed (once per operation);
//  - OnResize: after every change of size (resize, insertion, removal);
//  - OnSortExchange: each exchange of two rows or columns while sorting;
//  - OnPercentDone: progress of a sort.
#include <QObject>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "foundation/CoreEvents.h"
#include "foundation/DataTableRow.h"

namespace vyr {

// Bits of a cell's state byte; bits 2, 3 and 5 are carried without meaning.
// A cell holds a number when neither csbInvalid nor csbEmpty is set.
enum TCellStateBit : std::uint8_t {
  csbInvalid = 0x01,   // the value is not a valid number
  csbEmpty = 0x02,     // the cell holds no value
  csbReadOnly = 0x10,  // the cell may not be edited
  csbMarkA = 0x40,
  csbMarkB = 0x80,
};

// Measurement-scale types of a column; nominal and binary columns hold the
// ordinals of nominal identifiers.
enum TMScaleType : std::uint8_t {
  mstUndefined = 0,
  mstNominal = 1,
  mstBinary = 2,
  mstOrdinal = 3,
  mstInterval = 4,
  mstRatio = 5,
};
inline constexpr int kMScaleTypeCount = 6;
inline constexpr std::array<const char*, kMScaleTypeCount> MScaleTypeNames = {"undefined", "nominal",  "binary",
                                                                              "ordinal",   "interval", "ratio"};

// What a sort exchanged: two columns or two rows.
enum TSortExchangeKind { sekColumns = 1, sekRows = 2 };

using TDataResizedEvent = std::function<void(QObject* Sender, int OldCols, int OldRows, int NewCols, int NewRows)>;
// Kind is a TSortExchangeKind; I and J are the exchanged column or row numbers.
using TSortExchangeEvent = std::function<void(QObject* Sender, int Kind, int I, int J)>;

class TDataTable : public QObject {
 public:
  static constexpr int kMaxNameLength = 50;
  static constexpr int kMaxNominalIDLength = 10;
  static constexpr int kMaxNominalIDs = 150;
  // Largest number of cells; Resize and insertions refuse more.
  static constexpr qint64 kMaxCells = qint64{1} << 28;

  explicit TDataTable(int cols = 0, int rows = 0, QObject* owner = nullptr);

  int NrOfColumns() const { return FNrCols; }
  int NrOfRows() const { return FNrRows; }

  // New size (negative counts as 0), keeping what stays inside it; new
  // cells hold 0 with state 0, new names are empty and attributes 0.
  // Raises EVyrDStructError, leaving the table as it was, above kMaxCells
  // or when memory runs out.
  void Resize(int cols, int rows);
  // Every value and state 0; names, attributes, scale types, nominal
  // identifiers and the comment emptied; the size stays.
  void Clear();

  double GetElem(int col, int row) const;
  // Stores value; the cell's csbEmpty bit is cleared and csbInvalid set
  // exactly when value is NaN or infinite; other bits stay.
  void SetElem(int col, int row, double value);
  std::uint8_t GetCellState(int col, int row) const;
  void SetCellState(int col, int row, std::uint8_t state);
  bool GetIsNumber(int col, int row) const;
  // The values and state bytes of row 1..NrOfRows(), NrOfColumns() each;
  // empty for other rows. Bulk readers use them instead of a call per cell.
  std::span<const double> RowValues(int row) const;
  std::span<const std::uint8_t> RowStates(int row) const;
  // This table becomes a copy of the values and states of the block
  // c1..c2 x r1..r2 of source (clamped to it; empty when nothing is left);
  // names, setup and comment stay. One data-changed notification.
  void CopyBlockFrom(const TDataTable& source, int c1, int r1, int c2, int r2);

  // SetElem on every cell.
  void Fill(double value);
  // SetElem on every cell whose state shares a bit with mask; returns how
  // many cells that were.
  int FillMarkedCells(double value, std::uint8_t mask);
  // Flips the bits of mask in every state byte.
  void InvertCellStates(std::uint8_t mask);
  // Swaps marks A and B in every state byte.
  void ExchangeMarkings();
  // Clears marks A and B in every state byte.
  void UnmarkAllCells();

  // Names are cut to kMaxNameLength characters.
  QString GetColName(int col) const;
  void SetColName(int col, const QString& name);
  QString GetRowName(int row) const;
  void SetRowName(int row, const QString& name);
  std::uint8_t GetColAttrib(int col) const;
  void SetColAttrib(int col, std::uint8_t value);
  std::uint8_t GetRowAttrib(int row) const;
  void SetRowAttrib(int row, std::uint8_t value);

  // A TMScaleType ordinal; types outside 0..kMScaleTypeCount-1 are ignored.
  int GetMScaleType(int col) const;
  void SetMScaleType(int col, int type);
  // Identifier index 1..kMaxNominalIDs of a column; empty when none. Ids
  // are cut to kMaxNominalIDLength characters.
  QString GetNominalID(int col, int index) const;
  void SetNominalID(int col, int index, const QString& id);
  // The lowest index whose identifier equals id (case ignored when
  // ignoreCase); 0 when none does or id is empty.
  int OrdinalOfNominalID(int col, const QString& id, bool ignoreCase) const;

  const QString& Comment() const { return FComment; }
  void SetFComment(const QString& comment) { FComment = comment; }

  // A row (column) of zeros before row 1..NrOfRows(), or appended with
  // NrOfRows() + 1; other positions are ignored.
  void InsertRow(int row);
  void InsertColumn(int col);
  void RemoveRow(int row);
  void RemoveColumn(int col);
  // Reverses the order of the rows (columns).
  void MirrorRows();
  void MirrorColumns();

  // Orders the rows lowRow..highRow by their values in column sortCol,
  // stably; cells that hold no number go last in either direction. Only the
  // columns lowCol..highCol move; with includeHeaders the row names and
  // attributes move along. Ranges are clamped to the table; an invalid
  // sortCol is ignored.
  void SortRows(int sortCol, bool ascending, int lowCol, int lowRow, int highCol, int highRow, bool includeHeaders);
  // The same for the columns lowCol..highCol by their values in row
  // sortRow; with includeHeaders the column's name, attribute, scale type
  // and nominal identifiers move along.
  void SortCols(int sortRow, bool ascending, int lowCol, int lowRow, int highCol, int highRow, bool includeHeaders);

  std::function<void(QObject* Sender)> OnDataChanged;
  std::function<void(QObject* Sender)> OnSetupChanged;
  TOnPercentDoneEvent OnPercentDone;
  TDataResizedEvent OnResize;
  TSortExchangeEvent OnSortExchange;

 private:
  struct TColumnInfo {
    QString Name;
    std::uint8_t Attrib = 0;
    std::uint8_t ScaleType = mstUndefined;
    std::vector<QString> NominalIDs;  // kMaxNominalIDs entries once one is set
  };

  bool ValidCol(int col) const { return col >= 1 && col <= FNrCols; }
  bool ValidRow(int row) const { return row >= 1 && row <= FNrRows; }
  double& Value(int col, int row) { return FRows[row - 1].Values()[col - 1]; }
  std::uint8_t& State(int col, int row) { return FRows[row - 1].States(FColCap)[col - 1]; }
  // Applies f(value, state) to every cell; true when any cell changed.
  template <class F>
  bool ForEachCell(F f);
  void DataChanged();
  void SetupChanged();
  void Resized(int oldCols, int oldRows);
  // Every row laid out anew for sourceOf.size() columns with room for
  // capacity (TDataRow::Remapped); all or nothing. The column setup is the
  // caller's.
  void RemapColumns(const std::vector<int>& sourceOf, int capacity);
  // Orders the places low..high (rows or columns) stably by keyOf(place)
  // with exchange(i, j), reporting each exchange to OnSortExchange and
  // progress to OnPercentDone; then the data-changed (and, with
  // includeHeaders, the setup-changed) notification when anything moved.
  void SortLine(TSortExchangeKind kind, int low, int high, const std::function<std::uint64_t(int)>& keyOf,
                bool includeHeaders, const std::function<void(int, int)>& exchange);

  int FNrCols = 0;
  int FNrRows = 0;
  int FColCap = 0;  // columns each row has room for, at least FNrCols
  std::vector<TDataRow> FRows;  // row r at index r - 1
  std::vector<QString> FRowNames;
  std::vector<std::uint8_t> FRowAttribs;
  std::vector<TColumnInfo> FCols;
  QString FComment;
};

}  // namespace vyr
