#pragma once
// TRLData: the non-visual store behind the report list. A table of
// NrOfColumns x NrOfRows text cells (data columns 1..NrOfColumns, data rows
// 1..NrOfRows, plus an undisplayed column 0) with a header name, a format
// string and a check mode per column and an attribute byte per row and
// column. The cells live in a TStringArray that the store owns.
//
// In a check column (cmBox, cmRadio) the first stored character of a cell
// is its check mark ("X" checked, " " unchecked) and the value is the rest.
// Row attribute bit 0x80 means selected, 0x40 disabled; column attribute
// bit 0x80 means selected.
//
// Bulk operations (Fill, Clear, whole-column marks, structure changes)
// raise the string array's OnChange once.
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "foundation/CoreEvents.h"
#include "foundation/CoreTypes.h"
#include "foundation/Errors.h"
#include "foundation/StringArray.h"
#include "host/Component.h"
#include "host/PropertyCopy.h"

class QFile;
class QIODevice;

namespace vyr {

struct TRLFileImage;

enum TCheckMode : std::uint8_t { cmNone, cmBox, cmRadio };

class EVyrRLDataError : public EVyrError {
 public:
  using EVyrError::EVyrError;
};

using TBeforeHTMLExportEvent = std::function<void(QObject* Sender, QString& Text, int Col, int Row)>;

constexpr int kRowSelectedBitNr = 7;
constexpr int kRowDisabledBitNr = 6;
constexpr std::uint8_t kRowSelectedBit = 1u << kRowSelectedBitNr;
constexpr std::uint8_t kRowDisabledBit = 1u << kRowDisabledBitNr;
constexpr std::uint8_t kColSelectedBit = 0x80;
// Longest value of a cell; a check column's mark comes on top.
constexpr int kMaxCellValueLength = 255;
constexpr int kMaxColNameLength = 50;
constexpr int kMaxColFormatLength = 80;

class TRLData : public TComponent {
  Q_OBJECT
  Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrCols)
  Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrRows)
  Q_PROPERTY(QString CommonHeader READ CommonHeader WRITE SetCommonHeader)

 public:
  explicit TRLData(QObject* AOwner = nullptr);
  ~TRLData() override;

  int NrOfColumns() const { return FNrOfCols; }
  int NrOfRows() const { return FNrOfRows; }
  // Below 1 (0) become 1 (0).
  void SetNrCols(int n);
  void SetNrRows(int n);
  QString CommonHeader() const { return FCommonHeader; }
  void SetCommonHeader(const QString& value);

  QString Comment;
  QString DataID;
  int LastSortColumn() const { return FSortColumn; }
  int LastSortColumnSec() const { return FSortColumnSec; }
  bool LastSortOrder() const { return FSortOrder; }
  void SetLastSortColumnSec(int value) { FSortColumnSec = value; }
  // Direction of the next sort by header click; starts true.
  bool SortToggle() const { return FSortToggle; }
  void SetSortToggle(bool value) { FSortToggle = value; }

  QString GetElem(int ACol, int ARow) const;
  void SetElem(int ACol, int ARow, const QString& Value);
  bool GetElemChecked(int ACol, int ARow) const;
  void SetElemChecked(int ACol, int ARow, bool Value);
  // The cell read as a number (blanks around it ignored, ',' as '.', empty
  // is 0); raises EVyrDStructError when it holds no number.
  double GetAsNumber(int ACol, int ARow) const;
  // What the column format proposes for an empty cell of row ARow.
  QString GetCellDefaultValue(int ACol, int ARow) const;

  QString GetColName(int ColNr) const;
  void SetColName(int ColNr, const QString& Value);
  QString GetColumnFormat(int ColNr) const;
  void SetColumnFormat(int ColNr, const QString& Value);
  TCheckMode GetColCheckMode(int ColNr) const;
  void SetColCheckMode(int ColNr, TCheckMode Value);
  bool GetCheckedCol(int ColNr) const { return GetColCheckMode(ColNr) == cmBox; }
  void SetCheckedCol(int ColNr, bool Value) { SetColCheckMode(ColNr, Value ? cmBox : cmNone); }

  // Number of the last column whose name equals Head (or contains it, with
  // PartialMatch), ignoring case; -1 if none.
  int ColumnIndex(const QString& Head, bool PartialMatch) const;

  void Fill(const QString& s);
  // Empties every cell and attribute; names, formats and modes go back to
  // their defaults; the counts stay.
  void Clear();

  int FirstCheckedElemInCol(int ColNr) const;
  int FirstCheckedElemInRow(int RowNr) const;
  int CountCheckedElemsInCol(int Column) const;
  int CountCheckedElemsInRow(int Row) const;
  // Checked or not for every row; a radio column only accepts clearing.
  // With enabledRowsOnly, disabled rows keep their marks.
  void SetAllCheckmarksOfCol(int Column, bool Checked, bool enabledRowsOnly = false);
  void InvertAllCheckmarksOfCol(int Column, bool enabledRowsOnly = false);

  // Insert before an existing column or row (no appending); remove one.
  void InsertColumn(int c);
  void RemoveColumn(int c);
  void InsertRow(int r);
  void RemoveRow(int r);
  // Removes displayed row r without committing a sort first: the other rows
  // keep their stored order, so UnSort still restores it.
  void RemoveRowKeepingOrder(int r);
  void RemoveEmptyRows();
  void CopyRow(int Source, int Target);

  void Sort(int Col, int ColSec, bool Ascending);
  // Sort, with the rows whose attribute has a bit of Mask after the others,
  // in their displayed order and unsorted (TStringArray::SortUnmarkedFirst).
  void SortUnmarkedFirst(std::uint8_t Mask, int Col, int ColSec, bool Ascending);
  void UnSort();
  // Forgets the last sort column without changing the order shown.
  void ForgetSortColumns() { FSortColumn = FSortColumnSec = -1; }

  // --- Clipboard and files (RLClipboard.cpp, RLDataXml.cpp, RLDataCsv.cpp,
  // RLDataHtml.cpp). docs/replist.md describes the formats. A reader that
  // meets a malformed or truncated file raises EVyrRLDataError naming the
  // file and line and leaves the store as it was; a file that cannot be
  // opened, read or written raises EInOutError naming it.

  // Puts the range on the clipboard as text: fields separated by tabs or,
  // without UseTabs, padded with blanks to the column's widest stored
  // string + 1; with AddHeader the column names, then an empty line. Each
  // line ends with LF; cells outside the table read as empty.
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, bool UseTabs) const;
  // The same with Separator (any text) between the fields.
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       const QString& Separator) const;
  // The text the two forms put on the clipboard (Separator null: padded).
  QString ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                        const QString* Separator) const;

  // The list as an XML report list, rows in displayed order, marks kept.
  void SaveAsXMLFile(const QString& FName, const QString& DataID) const;
  void WriteToXMLStream(QIODevice& OutStream, bool CreateHeader, const QString& DataID) const;
  void WriteToOpenXMLFile(QFile& F, bool CreateHeader, const QString& DataID) const;
  // Reads the first list (from the current position) whose identifier
  // equals DataID, ignoring case and blanks around it (an empty DataID
  // takes the first list). False, with the store unchanged, when none
  // follows. The streams are left after the list's closing line.
  bool LoadFromXMLFile(const QString& FName, const QString& DataID);
  bool ReadFromXMLString(const QString& InString, const QString& DataID);
  bool ReadFromXMLStream(QIODevice& InStream, const QString& DataID);
  bool ReadFromOpenXMLFile(QFile& F, const QString& DataID);

  // CSV (RFC 4180, UTF-8) of the values of a range, clamped to the table;
  // returns the number of data rows written.
  int ExportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders, bool IncludeCommonHeader,
                int FirstCol, int FirstRow, int LastCol, int LastRow) const;
  // Replaces the cells by the file's records; returns the number of data
  // rows. IncludeCommonHeader reads a common header record first, as
  // ExportCSV writes it.
  int ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders,
                bool IncludeCommonHeader = false);
  // The file's lines into column Column from row FirstRow on (clamped to
  // 1..NrOfRows + 1), adding rows as needed; returns the number of lines.
  // A column outside 0..NrOfColumns reads nothing and returns 0.
  int LoadLinesFromFile(int Column, int FirstRow, const QString& FName);

  // An HTML page holding the range as a table. ColumnSelection, when not
  // empty, picks and orders the columns (those outside LoC..HiC are
  // skipped). OnBeforeHTMLExport may change each text before it is escaped.
  void ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR, const std::vector<int>& ColumnSelection,
                       int Border, int CellSpacing, int Cellpadding, bool IncludeHeader, const QString& HeadClass,
                       const QString& CellClass, const QString& TableClass);

  // Takes over a list read from a file in one step: counts, names,
  // formats, modes, cells, common header, comment and identifier.
  void TakeFileImage(TRLFileImage&& image);

  // The published properties Assign copies; the counts come with the
  // copied cells instead.
  static TPropertyList CopiedProperties();
  // Copies another store. The source is read completely before anything of
  // this store is replaced, so a store may be assigned from itself.
  void Assign(const TComponentBase* Source) override;
  void AssignTo(TComponentBase* Dest) const override;

  TStringArray& Strings() { return *FStrings; }
  const TStringArray& Strings() const { return *FStrings; }

  TBeforeSortExchgEvent OnBeforeSortExchange;
  TBeforeHTMLExportEvent OnBeforeHTMLExport;
  TOnPercentDoneEvent OnPercentDone;

  // Hooks called by the string array and by exports.
  void BeforeSortExchange(QObject* Sender, const QString& s, QString& t);
  void BeforeHTMLExport(QString& Text, int Col, int Row);

  int FeedbackNumCells() const { return FFeedbkNumCells; }
  int FeedbackStep() const { return FFeedbkStep; }

 private:
  bool ValidCell(int ACol, int ARow) const { return ACol >= 0 && ACol <= FNrOfCols && ARow >= 1 && ARow <= FNrOfRows; }
  bool ValidColumn(int c) const { return c >= 1 && c <= FNrOfCols; }
  bool IsCheckColumn(int c) const { return GetColCheckMode(c) != cmNone; }
  // The storage rows of the marked cells of radio column c, trusted while
  // the column's version stays; rebuilt by one pass otherwise.
  struct TRadioMarks {
    std::uint64_t Version = 0;
    std::vector<std::int32_t> StorageRows;
  };
  TRadioMarks& RadioMarks(int c) const;
  // Clears the marks of radio column c (with enabledRowsOnly, not those of
  // disabled rows) at the cost of the marks it finds; returns the column's
  // record, up to date.
  TRadioMarks& ClearRadioMarks(int c, bool enabledRowsOnly);
  void SetFeedback(qint64 cells);
  void ResizeColumnArrays(int n);
  void ResetColumnMetadata();
  QString ComponentName() const;

  // A column's name, format and check mode.
  struct TColumnMeta {
    QString Name;
    QString Format;
    TCheckMode CheckMode = cmNone;
  };
  // Puts a table built aside in place of the present one, with its counts
  // and column records; the table takes over this store's handlers.
  void AdoptTable(std::unique_ptr<TStringArray> cells, int cols, int rows, std::vector<TColumnMeta> columns);

  QString FCommonHeader;
  std::vector<TColumnMeta> FColumns;  // data column c at c - 1
  int FNrOfCols = 1;
  int FNrOfRows = 0;
  int FSortColumn = -1;
  int FSortColumnSec = -1;
  bool FSortOrder = true;
  bool FSortToggle = true;
  int FFeedbkNumCells = 1;
  int FFeedbkStep = 1;
  std::unique_ptr<TStringArray> FStrings;
  mutable std::vector<TRadioMarks> FRadioMarks;  // by column
};

}  // namespace vyr
