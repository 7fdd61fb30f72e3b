#pragma once
// TReportListView: the visible report list, a draw grid over its own
// TRLData. Data row r (1-based) is grid row r + H - 1, where H is the number
// of visible header rows (a common header above all columns and a row of
// column headers); grid column i shows data column ColumnOrder[i + 1].
//
// Painting: every setter repaints at once; SuppressPaint holds painting off
// so that a batch of changes paints once when it is cleared. Changes of the
// cells arrive through the string array's change notification, which
// raises OnChange and repaints; changes of the selected and disabled bits
// repaint and raise OnSelectedChange, not OnChange.
//
// Selection lives in the store's attribute bytes (row bit 0x80 selected,
// 0x40 disabled; column bit 0x80 selected) and travels with the rows when
// they are sorted. RowSelectMode: 0 none, 1 single, 2 multiple with anchor,
// Shift and (UseCtrlForMultiSel) Ctrl.
#include <QString>
#include <climits>
#include <functional>
#include <memory>
#include <vector>

#include "foundation/CoreEvents.h"
#include "foundation/CoreTypes.h"
#include "host/Grid.h"
#include "host/PropertyCopy.h"
#include "replist/RLData.h"

class QDialog;

namespace vyr {

class EVyrRepListError : public EVyrError {
 public:
  using EVyrError::EVyrError;
};

using TCheckedChangeEvent = std::function<void(TObject* Sender, bool& State, int Col, int Row)>;
using TCursorKeyActionEvent = std::function<void(TObject* Sender, quint16 Key)>;
using TBeforeRenderCellEvent =
    std::function<void(TObject* Sender, int Col, int Row, TColor& PenColor, TColor& BrushColor, TColor& FontColor,
                       TFontStyles& FontStyles, QString& Text)>;
using TReadCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Text)>;
using TViewPercentDoneEvent = std::function<void(TObject* Sender, int Percent)>;
using TRequestEditFormatEvent = std::function<void(TObject* Sender, int Col, int Row, QString& Format)>;

// How FilterAndSort reads its expression: a plain substring, terms with
// AND, OR, NOT and parentheses, or a regular expression.
enum TFilterMode : std::uint8_t { fmSimple, fmBoolean, fmGrep };
using TBeforeFilterEvent =
    std::function<void(TObject* Sender, int Row, bool& Found, TLogicOp& CombineWithInternalSearch)>;

class TReportListView : public TCustomDrawGrid {
  Q_OBJECT
  Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns)
  Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows)
  Q_PROPERTY(bool AutoAdvance READ AutoAdvance WRITE SetAutoAdvance)
  Q_PROPERTY(bool SortEnabled READ SortEnabled WRITE SetSortEnabled)
  Q_PROPERTY(bool UseCtrlForMultiSel READ UseCtrlForMultiSel WRITE SetUseCtrlForMultiSel)
  Q_PROPERTY(uint ColorText READ ColorText WRITE SetColorText)
  Q_PROPERTY(uint ColorBkgdNormal READ ColorBkgdNormal WRITE SetColorBkgdNormal)
  Q_PROPERTY(uint ColorBkgdShaded READ ColorBkgdShaded WRITE SetColorBkgdShaded)
  Q_PROPERTY(uint ColorHigh READ ColorHigh WRITE SetColorHigh)
  Q_PROPERTY(uint ColorHighText READ ColorHighText WRITE SetColorHighText)
  Q_PROPERTY(uint ColorSelectedRow READ ColorSelectedRow WRITE SetColorSelectedRow)
  Q_PROPERTY(uint ColorSelectedRowText READ ColorSelectedRowText WRITE SetColorSelectedRowText)
  Q_PROPERTY(uint ColorSelectedCol READ ColorSelectedCol WRITE SetColorSelectedCol)
  Q_PROPERTY(uint ColorSelectedColText READ ColorSelectedColText WRITE SetColorSelectedColText)
  Q_PROPERTY(uint ColorSelectedBoth READ ColorSelectedBoth WRITE SetColorSelectedBoth)
  Q_PROPERTY(uint ColorSelectedBothText READ ColorSelectedBothText WRITE SetColorSelectedBothText)
  Q_PROPERTY(uint ColorDisabledBkgd READ ColorDisabledBkgd WRITE SetColorDisabledBkgd)
  Q_PROPERTY(uint ColorDisabledText READ ColorDisabledText WRITE SetColorDisabledText)
  Q_PROPERTY(uint ColorColumnHd READ ColorColumnHd WRITE SetColorColumnHd)
  Q_PROPERTY(uint ColorColumnHdText READ ColorColumnHdText WRITE SetColorColumnHdText)
  Q_PROPERTY(uint ColorCommonHd READ ColorCommonHd WRITE SetColorCommonHd)
  Q_PROPERTY(uint ColorCommonHdText READ ColorCommonHdText WRITE SetColorCommonHdText)
  Q_PROPERTY(uint InterRowIndicatorColor READ InterRowIndicatorColor WRITE SetInterRowIndicatorColor)
  Q_PROPERTY(uint ColorEmptyMsg READ ColorEmptyMsg WRITE SetColorEmptyMsg)
  Q_PROPERTY(QString EmptyMessage READ EmptyMessage WRITE SetEmptyMessage)
  Q_PROPERTY(bool HighLightBold READ HighLightBold WRITE SetHighLightBold)
  Q_PROPERTY(int HighLightRow READ HighLightRow WRITE SetHighLightRow)
  Q_PROPERTY(int HighLightColumn READ HighLightColumn WRITE SetHighLightColumn)
  Q_PROPERTY(int RowColPattern READ RowColPattern WRITE SetRowColPattern)
  Q_PROPERTY(int InterRowIndicatorWidth READ InterRowIndicatorWidth WRITE SetInterRowIndicatorWidth)
  Q_PROPERTY(QString CommonHeader READ CommonHeader WRITE SetCommonHeader)
  Q_PROPERTY(TAlignmentValue CommonHeaderAlignment READ CommonHeaderAlignment WRITE SetCommonHeaderAlignment)
  Q_PROPERTY(bool CommonHeaderVisible READ CommonHeaderVisible WRITE SetCommonHeaderVisible)
  Q_PROPERTY(bool ColumnHeadersVisible READ ColumnHeadersVisible WRITE SetColumnHeadersVisible)
  Q_PROPERTY(int CommonHeaderHeight READ CommonHeaderHeight WRITE SetCommonHeaderHeight)
  Q_PROPERTY(int ColumnHeadersHeight READ ColumnHeadersHeight WRITE SetColumnHeadersHeight)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
  Q_PROPERTY(bool ShowEmptyCheckBoxes READ ShowEmptyCheckBoxes WRITE SetShowEmptyCheckBoxes)
  Q_PROPERTY(bool FixedFirstColumn READ FixedFirstColumn WRITE SetFixedFirstColumn)
  Q_PROPERTY(int RowSelectMode READ RowSelectMode WRITE SetRowSelectMode)

 public:
  // The alignment values a stored form may name.
  enum TAlignmentValue : std::uint8_t {
    taLeftJustifyValue = taLeftJustify,
    taRightJustifyValue = taRightJustify,
    taCenterValue = taCenter
  };
  Q_ENUM(TAlignmentValue)

  explicit TReportListView(QWidget* AOwner = nullptr);
  ~TReportListView() override;

  TRLData& Data();
  const TRLData& Data() const;

  // Number of visible header rows, 0..2.
  int CountHeadRows() const;

  // --- Structure (RepListStructure.cpp)
  int NrOfColumns() const { return Data().NrOfColumns(); }
  int NrOfRows() const { return Data().NrOfRows(); }
  void SetNrOfColumns(int n);
  void SetNrOfRows(int n);
  int AddRow();
  int InsertRow(int r);
  int InsertColumn(int c);
  void RemoveRow(int r);
  void RemoveColumn(int c);
  void RemoveEmptyRows();
  void Fill(const QString& s);
  void Clear();

  // --- Cells and columns, forwarded to the store (RepListColumns.cpp)
  QString Elem(int ACol, int ARow) const;
  void SetElem(int ACol, int ARow, const QString& Value) { Data().SetElem(ACol, ARow, Value); }
  bool ElemChecked(int ACol, int ARow) const { return Data().GetElemChecked(ACol, ARow); }
  void SetElemChecked(int ACol, int ARow, bool Value) { Data().SetElemChecked(ACol, ARow, Value); }
  // The cell as a number; raises EVyrDStructError naming this class.
  double AsNumber(int ACol, int ARow) const;
  QString DefaultValue(int ACol, int ARow) const { return Data().GetCellDefaultValue(ACol, ARow); }
  QString ColumnFormat(int ColNr) const { return Data().GetColumnFormat(ColNr); }
  void SetColumnFormat(int ColNr, const QString& Value);
  TCheckMode ColumnCheckMode(int ColNr) const { return Data().GetColCheckMode(ColNr); }
  void SetColumnCheckMode(int ColNr, TCheckMode Value);
  QString Header(int ColNr) const { return Data().GetColName(ColNr); }
  void SetHeader(int ColNr, const QString& Value);
  bool IsCheckedColumn(int ColNr) const { return Data().GetCheckedCol(ColNr); }
  void SetIsCheckedColumn(int ColNr, bool Value) { SetColumnCheckMode(ColNr, Value ? cmBox : cmNone); }
  TAlignment ColumnAlignment(int ColNr) const;
  void SetColumnAlignment(int ColNr, TAlignment Value);
  bool ColumnEditable(int ColNr) const;
  void SetColumnEditable(int ColNr, bool Value);
  bool ColumnIsPwd(int ColNr) const;
  void SetColumnIsPwd(int ColNr, bool Value);
  // Data column (1-based) shown at grid column ColNr - 1; 0 outside.
  int ColumnOrder(int ColNr) const;
  // Width of data column Index (wherever the order shows it).
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Width);
  int ColumnIndex(const QString& Head, bool PartialMatch) const { return Data().ColumnIndex(Head, PartialMatch); }
  int FirstCheckedElemInCol(int ColNr) const { return Data().FirstCheckedElemInCol(ColNr); }
  int FirstCheckedElemInRow(int RowNr) const { return Data().FirstCheckedElemInRow(RowNr); }
  int CountCheckedElemsInRow(int Row) const { return Data().CountCheckedElemsInRow(Row); }
  // Checked cells of enabled rows.
  int CountCheckedElemsInCol(int Column) const;
  void SetAllCheckmarksOfCol(int Column, bool Checked, bool AffectEnabledRowsOnly = false);
  void InvertAllCheckmarksOfCol(int Column, bool AffectEnabledRowsOnly = false);
  QString Comment() const { return Data().Comment; }
  void SetComment(const QString& v) { Data().Comment = v; }
  QString DataID() const { return Data().DataID; }
  void SetDataID(const QString& v) { Data().DataID = v; }

  // --- Sorting (RepListStructure.cpp)
  int LastSortColumn() const { return Data().LastSortColumn(); }
  bool LastSortOrder() const { return Data().LastSortOrder(); }
  int SecondarySortColumn() const { return Data().LastSortColumnSec(); }
  void SetSecondarySortColumn(int v);
  void Sort(int Col, int ColSec, bool Ascending);
  void UnSort();
  // Entry i is the data column shown at grid column i; false unless there
  // are exactly NrOfColumns entries, all in 1..NrOfColumns and each once.
  bool SetColumnOrder(const std::vector<int>& ColList);

  // --- Filtering (RepListFilter.cpp)
  // Shows the enabled rows first, sorted by SortColumn1 (0..NrOfColumns),
  // ties by SortColumn2 (-1 or any other invalid number: none), with the
  // rules of Sort (numeric columns by value, others as text, stable, from
  // the stored order); the disabled rows follow in the order they were
  // shown in, unsorted, so the cost follows the enabled rows. The sort is
  // recorded like a header-click sort, so the arrow shows. An invalid
  // SortColumn1 keeps the present order within each group and the recorded
  // sort as it was. Closes the in-place editor first. One OnChange and one
  // paint.
  void SortEnabledState(int SortColumn1, int SortColumn2, bool Ascending);
  // Enables every row that matches FilterExp and disables every other row,
  // then SortEnabledState(SortColumn, -1, Ascending). A row is tested on the
  // visible values (check marks left out) of FilterColumns (data column
  // numbers; an empty list means all columns; numbers outside
  // 1..NrOfColumns are skipped) with the syntax of TTextFilter:
  //  - fmSimple: some column contains FilterExp;
  //  - fmBoolean: terms with AND, OR, NOT, parentheses and "quoted terms";
  //  - fmGrep: the regular expression matches in some column.
  // IgnoreCase applies to all three; an empty FilterExp matches every row.
  // OnBeforeFilter is raised for every row first, with Found true and
  // CombineWithInternalSearch loAnd: the row's result is Found combined
  // with the internal test by loAnd, loOr or loXor, or Found alone with
  // loNone (the internal test is then skipped). Selection bits stay as
  // they are. One OnChange, one paint, then OnSelectedChange. A malformed
  // expression or an unknown mode raises EVyrRepListError ("invalid filter
  // expression: ..." / "invalid filter mode ...") and changes nothing.
  void FilterAndSort(const QString& FilterExp, const std::vector<int>& FilterColumns, bool IgnoreCase,
                     TFilterMode FilterMode, int SortColumn, bool Ascending);
  TBeforeFilterEvent OnBeforeFilter;

  // --- Look (RepListProperties.cpp)
  bool AutoAdvance() const;
  void SetAutoAdvance(bool v);
  bool SortEnabled() const;
  void SetSortEnabled(bool v);
  bool UseCtrlForMultiSel() const;
  void SetUseCtrlForMultiSel(bool v);
  TColor ColorText() const;
  void SetColorText(TColor v);
  TColor ColorBkgdNormal() const;
  void SetColorBkgdNormal(TColor v);
  TColor ColorBkgdShaded() const;
  void SetColorBkgdShaded(TColor v);
  TColor ColorHigh() const;
  void SetColorHigh(TColor v);
  TColor ColorHighText() const;
  void SetColorHighText(TColor v);
  TColor ColorSelectedRow() const;
  void SetColorSelectedRow(TColor v);
  TColor ColorSelectedRowText() const;
  void SetColorSelectedRowText(TColor v);
  TColor ColorSelectedCol() const;
  void SetColorSelectedCol(TColor v);
  TColor ColorSelectedColText() const;
  void SetColorSelectedColText(TColor v);
  TColor ColorSelectedBoth() const;
  void SetColorSelectedBoth(TColor v);
  TColor ColorSelectedBothText() const;
  void SetColorSelectedBothText(TColor v);
  TColor ColorDisabledBkgd() const;
  void SetColorDisabledBkgd(TColor v);
  TColor ColorDisabledText() const;
  void SetColorDisabledText(TColor v);
  TColor ColorColumnHd() const;
  void SetColorColumnHd(TColor v);
  // The fixed colour is the column header's colour.
  void SetFixedColor(TColor v) override { SetColorColumnHd(v); }
  TColor ColorColumnHdText() const;
  void SetColorColumnHdText(TColor v);
  TColor ColorCommonHd() const;
  void SetColorCommonHd(TColor v);
  TColor ColorCommonHdText() const;
  void SetColorCommonHdText(TColor v);
  TColor InterRowIndicatorColor() const;
  void SetInterRowIndicatorColor(TColor v);
  TColor ColorEmptyMsg() const;
  void SetColorEmptyMsg(TColor v);
  QString EmptyMessage() const;
  void SetEmptyMessage(const QString& v);
  bool HighLightBold() const;
  void SetHighLightBold(bool v);
  int HighLightRow() const;
  void SetHighLightRow(int v);
  int HighLightColumn() const;
  void SetHighLightColumn(int v);
  int RowColPattern() const;
  void SetRowColPattern(int v);
  int InterRowIndicatorWidth() const;
  void SetInterRowIndicatorWidth(int v);
  int InterRowIndicatorPos() const;
  void SetInterRowIndicatorPos(int v);
  QString CommonHeader() const { return Data().CommonHeader(); }
  void SetCommonHeader(const QString& v);
  TAlignmentValue CommonHeaderAlignment() const;
  void SetCommonHeaderAlignment(TAlignmentValue v);
  bool CommonHeaderVisible() const;
  void SetCommonHeaderVisible(bool v);
  bool ColumnHeadersVisible() const;
  void SetColumnHeadersVisible(bool v);
  int CommonHeaderHeight() const;
  // Clamped to 8..127.
  void SetCommonHeaderHeight(int v);
  int ColumnHeadersHeight() const;
  void SetColumnHeadersHeight(int v);
  int DefaultColWidth() const { return TCustomGrid::DefaultColWidth(); }
  void SetDefaultColWidth(int v);
  int DefaultRowHeight() const { return TCustomGrid::DefaultRowHeight(); }
  void SetDefaultRowHeight(int v);
  bool ShowEmptyCheckBoxes() const;
  void SetShowEmptyCheckBoxes(bool v);
  bool CheckMarksReadOnly() const;
  void SetCheckMarksReadOnly(bool v);
  bool FixedFirstColumn() const;
  void SetFixedFirstColumn(bool v);
  void SetEnabled(bool value) override;

  // --- Batches (RepListView.cpp)
  // Collects the changes of a batch (cell writes, row insertions) into one
  // OnChange and one paint at the final EndUpdate; calls nest.
  void BeginUpdate();
  void EndUpdate();
  bool SuppressPaint() const;
  // Clearing it repaints at once.
  void SetSuppressPaint(bool v);

  // --- Column widths (RepListColumns.cpp)
  int DetermineMaxColWidth(int ColNr, bool IncludeHeader);
  void AutoColWidth(int ColNr, bool IncludeHeader, int Addon, int MaxWidth = INT_MAX);
  void ExpandColWidth(int ColIx, int RightMargin);
  void FitAllColWidths(int ExpandColumn, bool IncludeHeader, int Addon, int MaxWidth, int RightMargin);

  // --- Selection and navigation (RepListSelection.cpp, RepListInput.cpp)
  int RowSelectMode() const;
  void SetRowSelectMode(int v);
  bool RowSelected(int r) const;
  void SetRowSelected(int r, bool v);
  bool RowEnabled(int r) const;
  void SetRowEnabled(int r, bool v);
  bool ColumnSelected(int c) const;
  void SetColumnSelected(int c, bool v);
  void SelectRow(int RowNr);
  void SelectColumn(int ColNr);
  void SelectAllRows();
  void SelectAllColumns();
  void DeselectAllRows();
  void DeselectAllColumns();
  void EnableAllRows();
  void DisableAllRows();
  int FirstSelectedRow() const;
  int FirstSelectedColumn() const;
  int NumSelectedRows() const;
  int NumSelectedColumns() const;
  int NumEnabledRows() const;
  // Data numbering: TopRow 1 is the first data row.
  int TopRow() const { return TCustomGrid::TopRow() - CountHeadRows() + 1; }
  void SetTopRow(int v);
  int LeftCol() const { return TCustomGrid::LeftCol() + 1; }
  void SetLeftCol(int v);
  void CenterScrollAndSelect(int Row);
  // Column (1-based, 0 outside) and data row (-1 column header, -2 common
  // header, 0 outside) at a client point.
  TGridCoord MouseCell(int X, int Y) const;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void KeyDown(quint16& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

  void Changed() { Raise(OnChange, this); }
  void ChangedSetup() { Raise(OnChangeSetup, this); }
  void ChangedSelection() { Raise(OnSelectedChange, this); }
  void CursorKeyAction(quint16 Key) { Raise(OnCursorKeyAction, this, Key); }

  // --- Row editor (RepListRowEditor*.cpp)
  // A dialog with one labelled field per column, chosen by the column
  // format: an edit box (s), a combo box with free text (c) or a fixed list
  // (l), a date and time picker (d), a numeric field (e any notation, f
  // floating point, h hexadecimal, i integer); "#" makes a field read-only
  // (disabled, grey). Fields stand 25 pixels apart; labels are right-aligned
  // to the widest column name + 8. Enter in a field is OK, Escape Cancel.
  // OnRequestEditFormat may change a column's format for one dialog.
  //
  // OK writes back only what the user could change and changed: read-only
  // fields, untouched fields (whatever OnReadCell showed, a list value
  // that is not in the list, a date the picker could not read) leave their
  // cells as they were. An editable field whose cell was empty and that
  // shows its format's proposal (a default text, "rix" row number, invented
  // password or default date) writes it. The writes come as one OnChange
  // and one paint. A date format without codes reads and writes yyyy-MM-dd.
  // Row is not checked: a row outside 1..NrOfRows shows empty fields and
  // writes nothing. Returns the modal result: 1 OK, 2 Cancel.
  //
  // At screen position (PosLeft, PosTop), caption "Editing Row <Row>":
  int EditRowEntries(int Row, int PosLeft, int PosTop);
  int EditRowEntries(int Row, int PosLeft, int PosTop, const QString& FormCaption, const QString& ButOKCaption,
                     const QString& ButCancelCaption);
  // On the application's dialog, offset by (PosLeft, PosTop), without
  // buttons; the dialog grows to hold the fields, its caption is emptied,
  // and the fields are removed again before the call returns. Returns what
  // the dialog returns (2 at once for a null dialog).
  int EditRowEntries(int Row, QDialog* ContainerForm, int PosLeft, int PosTop);
  TRequestEditFormatEvent OnRequestEditFormat;
  // The dialog's handlers, acting on the last dialog the row editor ran
  // while it exists: OK closes it with 1, Cancel with 2, and a carriage
  // return (Enter) pressed in a field does what OK does.
  void EdRowOKClick(TObject* Sender);
  void EdRowCancelClick(TObject* Sender);
  void EdRowKeyPress(TObject* Sender, QChar& Key);

  // --- Clipboard and files, done by the store (RepListFiles.cpp); the
  // store's errors come as EVyrRepListError naming this list. Reading
  // closes the in-place editor, clears the grid selection and paints once.
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader, bool UseTabs) const;
  void CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                       const QString& Separator) const;
  void SaveAsXMLFile(const QString& FName, const QString& DataID) const;
  void WriteToXMLStream(QIODevice& OutStream, bool CreateHeader, const QString& DataID) const;
  void WriteToOpenXMLFile(QFile& F, bool CreateHeader, const QString& DataID) const;
  bool LoadFromXMLFile(const QString& FName, const QString& DataID);
  bool ReadFromXMLString(const QString& InString, const QString& DataID);
  bool ReadFromXMLStream(QIODevice& InStream, const QString& DataID);
  bool ReadFromOpenXMLFile(QFile& F, const QString& DataID);
  int ExportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders, bool IncludeCommonHeader,
                int FirstCol, int FirstRow, int LastCol, int LastRow) const;
  int ImportCSV(const QString& FName, TCSVDelimiters Delimiter, bool IncludeColHeaders,
                bool IncludeCommonHeader = false);
  int LoadLinesFromFile(int Column, int FirstRow, const QString& FName);
  void ExportHTMLTable(const QString& FName, int LoC, int LoR, int HiC, int HiR, const std::vector<int>& ColumnSelection,
                       int Border, int CellSpacing, int CellPadding, bool IncludeHeader, const QString& HeadClass,
                       const QString& CellClass, const QString& TableClass);

  // --- Copying (RepListCopy.cpp)
  // The published properties Assign copies, in the order it writes them.
  // Beside them it copies the event handlers, the selection anchor, the
  // last mouse position, the row marker's place, the store (cells, counts,
  // common header) and the per-column settings and order.
  static TPropertyList CopiedProperties();
  void Assign(const TComponentBase* Source) override;
  void AssignTo(TComponentBase* Dest) const override;

  void Loaded() override;
  // A table to assistive technology, one cell for each shown cell, the
  // column names as descriptions; its value the current row's cells.
  QAccessible::Role AccessibleRole() const override { return QAccessible::Table; }
  QString AccessibleValue() const override;
  QAccessibleInterface* CreateAccessible() override;
  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnChange, OnChangeSetup, OnSelectedChange;
  TCursorKeyActionEvent OnCursorKeyAction;
  TCheckedChangeEvent OnBeforeCheckedChange, OnCheckedChange;
  TBeforeRenderCellEvent OnBeforeRenderCell;
  TReadCellEvent OnReadCell;
  TViewPercentDoneEvent OnPercentDone;
  std::function<void(TObject* Sender, const QString& s, QString& t)> OnBeforeSortExchange;
  std::function<void(TObject* Sender, QString& Text, int Col, int Row)> OnBeforeHTMLExport;

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  void TopLeftChanged() override;
  void ColumnSized(int) override { ChangedSetup(); }
  // In-place editing (RepListCellEdit.cpp): the editor shows a cell's value
  // (without its check mark; masked in a password column) as
  // OnGetEditText(Sender, data column, data row, Value) leaves it, and each
  // edit stores the text (keeping the mark, cut at 255 characters) and
  // raises OnSetEditText with the data column and row. Closing the editor
  // without an edit, or with Escape, puts back the cell as it was stored.
  QString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const QString& Value) override;
  void DoPaint() override;

 private:
  // Runs a store operation, its errors renamed to this list's.
  template <typename Op>
  auto ForwardToStore(Op op) const -> decltype(op());
  // The same for a read that replaces rows: the grid follows, paints once.
  template <typename Op>
  auto ReadRows(Op op) -> decltype(op());
  // Stores a look setting, repaints and raises OnChangeSetup.
  template <typename T>
  void SetLook(T& field, T value);
  void Repaint();
  // Sort, with the rows whose attribute has a bit of unsortedMask put after
  // the others in their displayed order.
  void SortRows(int Col, int ColSec, bool Ascending, std::uint8_t unsortedMask);
  void CopyHandlers(const TReportListView& source);
  void ConnectStore();
  void StringsHasChanged();
  void UpdateGridRows();
  // Shows or hides a header row, keeping the first data row shown.
  void SetHeaderVisible(bool& field, bool v);
  void SetHeaderHeights();
  void ResetColumnOrder();
  void ResizeColumnArrays(int n);
  // After the store's column count changed behind the view's back (through
  // Data()), the per-column settings and the order take its count.
  void FollowStoreColumns();
  // Data column (1-based) of grid column col.
  int DataColumnOf(int col) const;
  // Grid column that shows data column dataCol (1-based); -1 if none.
  int GridColumnOf(int dataCol) const;
  int DataRowOfGrid(int gridRow) const { return gridRow - CountHeadRows() + 1; }
  int GridRowOfData(int r) const { return r + CountHeadRows() - 1; }
  int SelectionTopDataRow() const { return DataRowOfGrid(Selection().Top); }
  // Grid row of the column headers; -1 when they are hidden.
  int ColumnHeaderGridRow() const;
  static std::uint8_t WithBit(std::uint8_t value, std::uint8_t bit, bool on) { return on ? value | bit : value & ~bit; }
  // Sets or clears bit in every row (column) as wanted(number) says, as
  // one change and one paint.
  template <typename Wanted>
  void ApplyRowBit(std::uint8_t bit, Wanted wanted);
  template <typename Wanted>
  void ApplyColumnBit(std::uint8_t bit, Wanted wanted);
  void SetRowBits(std::uint8_t bit, bool on);
  void SetOneRowBit(int r, std::uint8_t bit, bool on);
  void SelectOnlyRow(int r);
  void SortByHeaderClick(int dataCol);
  void ClickCheckMark(int dataCol, int r);
  void SelectByClick(TShiftState Shift);
  void DrawDataCell(int ACol, int ARow, const TRect& ARect);
  void DrawCheckBox(int dataCol, const TRect& ARect, bool checked, TColor boxPen, TColor markPen);
  void DrawHeaderCell(int ACol, int ARow, const TRect& ARect);
  void DrawSortArrow(int x0, int y0, bool ascending);
  void DrawRaisedFrame(int L, int T, int R, int B);
  int VisibleColumnsRight() const;
  // Right and bottom edge of the cells, at most the client size.
  int GridWidth() const;
  int GridHeight() const;
  void PaintEmptyMessage(int headerHeight);
  void PaintRowMarker(int headerHeight);

  struct Private;
  std::unique_ptr<Private> d;
};

// Holds painting off for its lifetime and restores the previous state,
// which repaints once when painting was on before.
class TRepListSuppress {
 public:
  explicit TRepListSuppress(TReportListView& view) : FView(view), FSaved(view.SuppressPaint()) {
    view.SetSuppressPaint(true);
  }
  ~TRepListSuppress() { FView.SetSuppressPaint(FSaved); }
  TRepListSuppress(const TRepListSuppress&) = delete;
  TRepListSuppress& operator=(const TRepListSuppress&) = delete;

 private:
  TReportListView& FView;
  bool FSaved;
};

}  // namespace vyr
