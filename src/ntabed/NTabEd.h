#pragma once
// TNTabEd: a grid that shows and edits a TDataTable. Grid column 0 holds
// the row names, grid column 1 (while AttribRowVisible) the row attributes,
// grid row 0 the column names and grid row 1 (while AttribColVisible) the
// column attributes; data cell (c, r), counted from 1, is grid cell
// (c + ColOffset, r + RowOffset). The grid always has NrOfColumns +
// ColOffset + 1 columns and NrOfRows + RowOffset + 1 rows.
//
// Painting and notifications: setters repaint at once. Bulk operations set
// an internal suppression flag (restored however they end) so that each
// costs one paint; while it or SuppressPaint is set nothing is drawn and no
// change notification reaches the application (OnTopLeftChanged and
// OnPercentDone always do).
//
// Cell state bits (see foundation/DataTable.h): 0x01 invalid ("-nan-"),
// 0x02 empty, 0x10 protected, 0x40 mark A, 0x80 mark B.
//
// Choices where the behaviour is ours to fix:
//  - NrOfColumns and NrOfRows below 1 are refused (nothing changes).
//  - Precisions are kept by position: inserting or removing a column in the
//    middle leaves them where they are; the end of the list grows with the
//    precision of the former last column (3 for the first one).
//  - CellState writes the whole byte of a cell inside the table, repaints and
//    raises OnCellStateChanged. IsEmpty and the marks write single bits.
//  - SortCols/SortRows are the table's stable sorts (non-numbers last);
//    with IncludeHeaders names, attributes and precisions travel along.
//    The attribute and name sorts order the rows (columns) LowRow..HighRow
//    (LowCol..HighCol) by their attribute or name, stably, moving the
//    cells of LowCol..HighCol (LowRow..HighRow), names and attributes.
//  - FindColIndex/FindRowIndex give the first column (row) whose name
//    equals the text, case ignored, or 0.
//  - AssignAnotherDataMatrix shows a table owned by the caller instead of
//    the editor's own; the editor attaches its five hooks to it and takes
//    them all off again when another table is bound, when nullptr is passed
//    (back to the own table), when the editor is freed, and if the external
//    table is freed first the editor falls back to its own table.
//  - CopyContentsFrom copies size, values, states, names, attributes,
//    scale types, nominal identifiers, comment and precisions;
//    CopyCellStatesFrom copies the state bytes when both tables have the
//    same size and returns false (changing nothing) otherwise.
//  - Nominal columns show "<type>:<n>" for ordinals outside 1..150 and for
//    values that are not finite or beyond +-2^31 (never converted
//    unchecked).
//  - Typed numbers are decimal only (comma or point, optional exponent);
//    "inf", "nan", hexadecimal forms and exponents beyond the double range
//    set the invalid bit, leaving the value. An empty text sets the empty
//    bit. A number clears the invalid and the empty bit.
//  - Escape, or Enter on unchanged text, gives the cell back the exact value
//    and state it had when editing began. Each keystroke reaches the table
//    at once; closing the editor writes nothing more (and raises no
//    OnSetEditText). Any other change of the table (from code, a menu, a
//    sort, a structural operation) or of the attribute row and column
//    closes an open editor first, dropping a text not yet applied, so the
//    editor never writes over such a change.
//  - Options start with goTabs: the editor wants Tab while goTabs is set,
//    and Tab (Shift+Tab) moves to the next (previous) cell, also out of an
//    open in-place editor. Clearing goTabs gives Tab back to the focus
//    chain rather than swallowing it.
//  - OnSelectionChanged is raised whenever the selection rectangle differs
//    from the last one seen, after keys and the wheel as well, but not for
//    a key or wheel turn that leaves it where it was: a handler then does
//    no work for nothing.
//  - A size the table refuses (its cell limit, or no memory) raises
//    EVyrNTabedError "Component "<Name>": not enough memory on heap" and
//    leaves table and grid as they were.
//  - The pick list of a nominal cell opens with the in-place editor; Enter
//    takes the highlighted identifier, Escape closes the list.
//  - The names and captions cut at 50 UTF-16 units never keep half of a
//    surrogate pair.
//  - Protected cells (0x10) and DataReadOnly refuse every way of writing a
//    cell: in-place editing, Clear, Paste and Extract; cursor keys, Tab,
//    PgUp/PgDn, Home and End still move.
//  - Copy at full precision writes 17 significant digits (a double, also
//    -0, comes back bit for bit). Reading clipboard text: lines end at LF
//    (CR LF alike, a final line end adds no row); a line with tabs or
//    semicolons is split into fields, each one position, so "####" and
//    empty fields keep the columns after them; other lines are numbers
//    separated by anything else; a comma inside a number is its decimal
//    comma. GetClipMatrixSize counts with the same scanner.
//  - Keys as in Qt's own views: Copy (Ctrl+C, Ctrl+Insert) copies the
//    selection, Paste (Ctrl+V, Shift+Insert) pastes the last copy when the
//    clipboard still holds its text and otherwise reads the numbers of the
//    clipboard text (as Extract), Delete clears the selection, Ctrl+A
//    selects all data cells; the menu key and Shift+F10 open PopupMenu or,
//    without one and unless BlockInternalPopup, the data menu at the cursor
//    cell. The commands keep their rules (read-only data and protected
//    cells stay as they are). On a protected cursor cell these keys, like
//    every key but the moving ones, do nothing. Ctrl+Tab, Ctrl+PgUp and
//    Ctrl+PgDn go on to the parent (a tab widget's page keys).
//  - The data menu's mask holds when it opens (a masked Clear or Extract
//    stays disabled) and Paste is enabled only once a copy exists; the
//    menus never open from inside their own handlers.
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "foundation/CoreTypes.h"
#include "foundation/DataTable.h"
#include "foundation/Errors.h"
#include "host/Grid.h"
#include "host/PopupMenu.h"
#include "host/PropertyCopy.h"

namespace vyr {

class EVyrNTabedError : public EVyrError {
 public:
  using EVyrError::EVyrError;
};

using TNTabRenderCellEvent = std::function<void(TObject* Sender, int ColIx, int RowIx, QString& Text,
                                                TColor& ColorText, TColor& ColorBakg, TFontStyles& FontStyles)>;
using TNTabBeforePopupEvent = std::function<void(TObject* Sender, TPopupMenu* PMenu)>;
using TNTabPercentDoneEvent = std::function<void(TObject* Sender, int Percent)>;

class TNTabEd : public TCustomGrid {
  Q_OBJECT
  Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns)
  Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows)
  Q_PROPERTY(bool AttribRowVisible READ AttribRowVisible WRITE SetAttribRowVisible)
  Q_PROPERTY(bool AttribColVisible READ AttribColVisible WRITE SetAttribColVisible)
  Q_PROPERTY(int NumWidth READ NumWidth WRITE SetNumWidth)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
  Q_PROPERTY(QString Comment READ Comment WRITE SetComment)
  Q_PROPERTY(bool DataReadOnly READ DataReadOnly WRITE SetDataReadOnly)
  Q_PROPERTY(bool AutoAdvance READ AutoAdvance WRITE SetAutoAdvance)
  Q_PROPERTY(int AutoAdvanceDir READ AutoAdvanceDir WRITE SetAutoAdvanceDir)
  Q_PROPERTY(bool BlockInternalPopup READ BlockInternalPopup WRITE SetBlockInternalPopup)
  Q_PROPERTY(bool CommentEditingAllowed READ CommentEditingAllowed WRITE SetCommentEditingAllowed)
  Q_PROPERTY(bool ClipboardUseFullPrec READ ClipboardUseFullPrec WRITE SetClipboardUseFullPrec)
  Q_PROPERTY(int NomEditDropDownCount READ NomEditDropDownCount WRITE SetNomEditDropDownCount)
  Q_PROPERTY(bool ShowCellCursor READ ShowCellCursor WRITE SetShowCellCursor)
  Q_PROPERTY(bool OptimizeRowHeight READ OptimizeRowHeight WRITE SetOptimizeRowHeight)
  Q_PROPERTY(bool BoldMarks READ BoldMarks WRITE SetBoldMarks)
  Q_PROPERTY(bool BoldSelHeads READ BoldSelHeads WRITE SetBoldSelHeads)
  Q_PROPERTY(uint ColorBackground READ ColorBackground WRITE SetColorBackground)
  Q_PROPERTY(uint ColorFixed READ ColorFixed WRITE SetColorFixed)
  Q_PROPERTY(uint ColorNormal READ ColorNormal WRITE SetColorNormal)
  Q_PROPERTY(uint ColorSelected READ ColorSelected WRITE SetColorSelected)
  Q_PROPERTY(uint ColorMarkedA READ ColorMarkedA WRITE SetColorMarkedA)
  Q_PROPERTY(uint ColorMarkedB READ ColorMarkedB WRITE SetColorMarkedB)
  Q_PROPERTY(uint ColorMarkedBoth READ ColorMarkedBoth WRITE SetColorMarkedBoth)
  Q_PROPERTY(uint ColorRangeSelFG READ ColorRangeSelFG WRITE SetColorRangeSelFG)
  Q_PROPERTY(uint ColorRangeSelBG READ ColorRangeSelBG WRITE SetColorRangeSelBG)
  Q_PROPERTY(bool SuppressPaint READ SuppressPaint WRITE SetSuppressPaint)
  Q_PROPERTY(uint PopupDMask READ PopupDMask WRITE SetPopupDMask)
  Q_PROPERTY(uint PopupHMask READ PopupHMask WRITE SetPopupHMask)

 public:
  static constexpr int kMaxNumWidth = 20;
  static constexpr std::uint32_t kAllMenuItems = 2147483647u;

  explicit TNTabEd(QWidget* AOwner = nullptr);
  ~TNTabEd() override;

  // The table shown: the editor's own, or one bound by AssignAnotherDataMatrix.
  TDataTable& Data();
  const TDataTable& Data() const;

  // --- Binding and structure (NTabEdModel.cpp)
  int NrOfColumns() const { return Data().NrOfColumns(); }
  int NrOfRows() const { return Data().NrOfRows(); }
  void SetNrOfColumns(int n);
  void SetNrOfRows(int n);
  void Redimension(int NrCols, int NrRows);
  int ColOffset() const;
  int RowOffset() const;
  bool AttribRowVisible() const;
  void SetAttribRowVisible(bool v);
  bool AttribColVisible() const;
  void SetAttribColVisible(bool v);
  void InsertRow(int ix);
  void InsertColumn(int ix);
  void RemoveRow(int ix);
  void RemoveColumn(int ix);
  void MirrorRows();
  void MirrorColumns();
  void Fill(double value);
  int FillMarkedCells(double value, std::uint8_t Statemask);
  void Clear();
  void AssignAnotherDataMatrix(TDataTable* NewDTab);
  bool ExternalMatrixAssigned() const;
  void CopyContentsFrom(const TNTabEd& ExtTab);
  bool CopyCellStatesFrom(const TNTabEd& ExtTab);

  // --- Cells, names, attributes, precisions (NTabEdCells.cpp)
  double Elem(int ACol, int ARow) const { return Data().GetElem(ACol, ARow); }
  void SetElem(int ACol, int ARow, double v) { Data().SetElem(ACol, ARow, v); }
  std::uint8_t CellState(int ACol, int ARow) const { return Data().GetCellState(ACol, ARow); }
  void SetCellState(int ACol, int ARow, std::uint8_t state);
  bool IsEmpty(int ACol, int ARow) const { return Data().GetCellState(ACol, ARow) & csbEmpty; }
  void SetIsEmpty(int ACol, int ARow, bool v);
  bool IsNumber(int ACol, int ARow) const { return Data().GetIsNumber(ACol, ARow); }
  bool ElemMarkedA(int ACol, int ARow) const { return Data().GetCellState(ACol, ARow) & csbMarkA; }
  bool ElemMarkedB(int ACol, int ARow) const { return Data().GetCellState(ACol, ARow) & csbMarkB; }
  void SetElemMarkedA(int ACol, int ARow, bool v);
  void SetElemMarkedB(int ACol, int ARow, bool v);
  QString ColName(int ColNr) const { return Data().GetColName(ColNr); }
  void SetColName(int ColNr, const QString& v);
  QString RowName(int RowNr) const { return Data().GetRowName(RowNr); }
  void SetRowName(int RowNr, const QString& v);
  int ColAttrib(int ColNr) const { return Data().GetColAttrib(ColNr); }
  void SetColAttrib(int ColNr, std::uint8_t v);
  int RowAttrib(int RowNr) const { return Data().GetRowAttrib(RowNr); }
  void SetRowAttrib(int RowNr, std::uint8_t v);
  // Decimal places of a column: -1..10 (-1, 9 and 10 show exponent form).
  int Precision(int ColNr) const;
  void SetPrecision(int ColNr, int v);
  // Index > 0 data column, 0 the row names, < 0 the attribute column.
  int ColWidths(int Index) const;
  void SetColWidths(int Index, int Width);
  void UnMarkAllElems();
  void MarkAllElemsA();
  void MarkAllElemsB();
  void InvertCellStates(std::uint8_t StateMask);
  void ExchangeMarkings();
  bool IfRowMarked(int row) const;
  bool IfColumnMarked(int col) const;
  bool IfAnyMarked() const;
  int NrOfMarkedDataA() const;
  int NrOfMarkedDataB() const;
  void SortCols(int SortRowIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow, bool IncludeHeaders);
  void SortRows(int SortColIx, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow, bool IncludeHeaders);
  void SortRowAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortColAttributes(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortColNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    SortColNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
  }
  void SortColNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
  void SortRowNames(bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow) {
    SortRowNames(Ascending, false, LowCol, LowRow, HighCol, HighRow);
  }
  void SortRowNames(bool Ascending, bool IgnoreCase, int LowCol, int LowRow, int HighCol, int HighRow);
  int FindColIndex(const QString& ColID) const;
  int FindRowIndex(const QString& RowID) const;

  // --- Properties (NTabEdProperties.cpp)
  int NumWidth() const;
  void SetNumWidth(int v);
  // Data numbering: 1 is the first data column (row).
  int LeftCol() const { return TCustomGrid::LeftCol() - ColOffset(); }
  void SetLeftCol(int v);
  int TopRow() const { return TCustomGrid::TopRow() - RowOffset(); }
  void SetTopRow(int v);
  int DefaultColWidth() const { return TCustomGrid::DefaultColWidth(); }
  void SetDefaultColWidth(int v);
  int DefaultRowHeight() const { return TCustomGrid::DefaultRowHeight(); }
  void SetDefaultRowHeight(int v) { TCustomGrid::SetDefaultRowHeight(v); }
  QString Comment() const { return Data().Comment(); }
  void SetComment(const QString& v);
  bool DataReadOnly() const;
  void SetDataReadOnly(bool v);
  bool AutoAdvance() const;
  void SetAutoAdvance(bool v);
  // 0 down, 1 right; other values are stored and advance down.
  int AutoAdvanceDir() const;
  void SetAutoAdvanceDir(int v);
  bool BlockInternalPopup() const;
  void SetBlockInternalPopup(bool v);
  bool CommentEditingAllowed() const;
  void SetCommentEditingAllowed(bool v);
  bool ClipboardUseFullPrec() const;
  void SetClipboardUseFullPrec(bool v);
  // Rows of the nominal pick list, at least 1.
  int NomEditDropDownCount() const;
  void SetNomEditDropDownCount(int v);
  bool ShowCellCursor() const;
  void SetShowCellCursor(bool v);
  bool OptimizeRowHeight() const;
  void SetOptimizeRowHeight(bool v);
  bool BoldMarks() const;
  void SetBoldMarks(bool v);
  bool BoldSelHeads() const;
  void SetBoldSelHeads(bool v);
  TColor ColorBackground() const;
  void SetColorBackground(TColor v);
  TColor ColorFixed() const;
  void SetColorFixed(TColor v);
  void SetFixedColor(TColor v) override { SetColorFixed(v); }
  TColor ColorNormal() const;
  void SetColorNormal(TColor v);
  TColor ColorSelected() const;
  void SetColorSelected(TColor v);
  TColor ColorMarkedA() const;
  void SetColorMarkedA(TColor v);
  TColor ColorMarkedB() const;
  void SetColorMarkedB(TColor v);
  TColor ColorMarkedBoth() const;
  void SetColorMarkedBoth(TColor v);
  TColor ColorRangeSelFG() const;
  void SetColorRangeSelFG(TColor v);
  TColor ColorRangeSelBG() const;
  void SetColorRangeSelBG(TColor v);
  bool SuppressPaint() const;
  // Clearing it repaints at once.
  void SetSuppressPaint(bool v);

  // The published properties Assign copies, in write order; beside them it
  // copies the event handlers, the table (values, states, names,
  // attributes, setup, comment), the precisions and the widths.
  static TPropertyList CopiedProperties();
  void Assign(const TComponentBase* Source) override;
  void AssignTo(TComponentBase* Dest) const override;

  // --- Painting (NTabEdPaint.cpp)
  void DisplayCellCursor(int ACol, int ARow);
  int AutoColWidth(int ColNr, bool IncludeHeader, int Addon);
  int AutoRowHeight(int RowNr, int Addon);
  void SetRowHeight(int index, int height);
  // The text data cell (ACol, ARow) shows (before OnBeforeRenderCell).
  QString CellText(int ACol, int ARow) const;

  // --- Editing (NTabEdEdit.cpp)
  void KeyDown(quint16& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  bool HeadingEditorActive() const;
  bool CommentEditorActive() const;
  // The identifiers of a nominal data column's pick list, in ordinal order.
  QStringList ColumnsGetPickListItems(int ACol) const;

  // --- Menus and clipboard (NTabEdMenus.cpp, NTabEdClipboard.cpp)
  std::uint32_t PopupDMask() const;
  void SetPopupDMask(std::uint32_t v);
  std::uint32_t PopupHMask() const;
  void SetPopupHMask(std::uint32_t v);
  std::uint32_t PopupMMask() const;
  void SetPopupMMask(std::uint32_t v);
  std::uint32_t PopupUMask() const;
  void SetPopupUMask(std::uint32_t v);
  QString PopupDCaptions(int ix) const;
  void SetPopupDCaptions(int ix, const QString& v);
  QString PopupHCaptions(int ix) const;
  void SetPopupHCaptions(int ix, const QString& v);
  QString PopupMCaptions(int ix) const;
  void SetPopupMCaptions(int ix, const QString& v);
  QString PopupUCaptions(int ix) const;
  void SetPopupUCaptions(int ix, const QString& v);
  TPopupMenu* DataMenu() const;
  TPopupMenu* HeadingMenu() const;
  // The size of the number matrix in the clipboard text; false without a
  // number (NCols and NRows then 1).
  bool GetClipMatrixSize(int& NCols, int& NRows) const;
  // Marks (Mark true) or unmarks cells: Mask 0x40 (A) or 0x80 (B); Scope
  // 1 range, 2 columns of the selection, 3 its rows, 4 all cells.
  void MarkCells(std::uint8_t Mask, bool Mark, int Scope);
  // The sixteen mark and unmark menu items.
  void PopupMenuClickMarkARange(TObject* = nullptr) { MarkCells(csbMarkA, true, 1); }
  void PopupMenuClickMarkACol(TObject* = nullptr) { MarkCells(csbMarkA, true, 2); }
  void PopupMenuClickMarkARow(TObject* = nullptr) { MarkCells(csbMarkA, true, 3); }
  void PopupMenuClickMarkAAll(TObject* = nullptr) { MarkCells(csbMarkA, true, 4); }
  void PopupMenuClickMarkBRange(TObject* = nullptr) { MarkCells(csbMarkB, true, 1); }
  void PopupMenuClickMarkBCol(TObject* = nullptr) { MarkCells(csbMarkB, true, 2); }
  void PopupMenuClickMarkBRow(TObject* = nullptr) { MarkCells(csbMarkB, true, 3); }
  void PopupMenuClickMarkBAll(TObject* = nullptr) { MarkCells(csbMarkB, true, 4); }
  void PopupMenuClickUnMarkARange(TObject* = nullptr) { MarkCells(csbMarkA, false, 1); }
  void PopupMenuClickUnMarkACol(TObject* = nullptr) { MarkCells(csbMarkA, false, 2); }
  void PopupMenuClickUnMarkARow(TObject* = nullptr) { MarkCells(csbMarkA, false, 3); }
  void PopupMenuClickUnMarkAAll(TObject* = nullptr) { MarkCells(csbMarkA, false, 4); }
  void PopupMenuClickUnMarkBRange(TObject* = nullptr) { MarkCells(csbMarkB, false, 1); }
  void PopupMenuClickUnMarkBCol(TObject* = nullptr) { MarkCells(csbMarkB, false, 2); }
  void PopupMenuClickUnMarkBRow(TObject* = nullptr) { MarkCells(csbMarkB, false, 3); }
  void PopupMenuClickUnMarkBAll(TObject* = nullptr) { MarkCells(csbMarkB, false, 4); }
  void PopupMenuClickUnMarkAll(TObject* Sender = nullptr);
  void PopupMenuClickClear(TObject* Sender = nullptr);
  void PopupMenuClickCopy(TObject* Sender = nullptr);
  void PopupMenuClickPaste(TObject* Sender = nullptr);
  void PopupMenuClickEdit(TObject* Sender = nullptr);
  void PopupMenuClickExtClip(TObject* Sender = nullptr);
  void PopupMenuClickSelAll(TObject* Sender = nullptr);
  void PopupMenuClickEmptyCells(TObject* Sender = nullptr);
  void PopupMenuClickChangeID(TObject* Sender = nullptr);
  void PopupMenuClickPrecision(TObject* Sender = nullptr);
  void PopupMenuClickSelectCol(TObject* Sender = nullptr);
  void PopupMenuClickSelectRow(TObject* Sender = nullptr);
  void PopupMenuClickInsertCol(TObject* Sender = nullptr);
  void PopupMenuClickInsertRow(TObject* Sender = nullptr);
  void PopupMenuClickDeleteCol(TObject* Sender = nullptr);
  void PopupMenuClickDeleteRow(TObject* Sender = nullptr);
  void PopupMenuDLoadPopup(TObject* Sender = nullptr);
  // The grid cell the menus act on (the last press).
  TGridCoord PressedCell() const;
  void SetPressedCell(TGridCoord cell);
  bool CopyAvailable() const;

  // --- Accessibility (NTabEdAccessible.cpp)
  QAccessible::Role AccessibleRole() const override { return QAccessible::Table; }
  QString AccessibleValue() const override;
  QAccessibleInterface* CreateAccessible() override;

  TNotifyEvent OnChange, OnHeadingChanged, OnAttributeChanged, OnLayoutChanged, OnCellStateChanged,
      OnChangeSetup, OnTopLeftChanged, OnSelectionChanged, OnPaste, OnClear;
  TNTabBeforePopupEvent OnBeforePopup;
  TNTabRenderCellEvent OnBeforeRenderCell;
  TNTabPercentDoneEvent OnPercentDone;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;

  struct Private;

 protected:
  void DoPaint() override;
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  void TopLeftChanged() override;
  TInplaceEdit* CreateEditor() override;
  TEditStyle GetEditStyle(int ACol, int ARow) override;
  QString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const QString& Value) override;
  bool CanEditShow() const override;
  // Enter and Escape in the heading editor and the comment memo.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The menu key and Shift+F10 open the data menu at the cursor cell.
  TPoint KeyPopupPoint() const override;
  bool ShowBuiltInPopup(TPoint at) override;

 private:
  friend class TNTabInplaceEdit;
  friend class TNTabEdTest;
  void AttachHooks(TDataTable& t);
  void DetachHooks(TDataTable& t);
  void TableResized(int OldCols, int OldRows, int NewCols, int NewRows);
  void Repaint();
  bool Suppressed() const;
  void Notify(const TNotifyEvent& e);
  void StateChanged();
  void LayoutChanged() { Notify(OnLayoutChanged); }
  void SetEditing(bool on);
  void CloseEditor();
  void Reshape(const std::function<void()>& change);
  bool CellEditable(int ACol, int ARow) const;
  bool CursorProtected() const;
  void CheckSelectionChanged();
  void AdvanceCursor();
  void EditorEnter();
  void EditorEscape();
  void OpenHeadingEditor();
  void CloseHeadingEditor(bool store);
  void OpenCommentEditor();
  void CloseCommentEditor(bool store);
  void BuildMenus();
  void ShowDataMenu(int X, int Y);
  void ShowHeadingMenu();
  bool RunStandardKey(quint16 Key, TShiftState Shift);
  void PasteByKey();
  void InvertCellFrame(TGridCoord cell);
  // Data rectangle of the selection, clamped to the table; false when empty.
  bool SelectedData(int& c1, int& r1, int& c2, int& r2) const;
  void SelectData(int c1, int r1, int c2, int r2);
  template <typename T>
  void SetLook(T& field, T value);
  void SortLines(bool rows, bool Ascending, int LowCol, int LowRow, int HighCol, int HighRow,
                 const std::function<bool(int, int)>& less);

  std::unique_ptr<Private> d;
};

}  // namespace vyr
