#pragma once
// The grid base of the table controls: TCustomGrid lays out fixed and
// scrollable rows and columns, keeps the current cell and the selection,
// scrolls, navigates by keyboard, mouse and wheel, sizes columns by
// dragging, and runs an in-place editor. TCustomDrawGrid raises OnDrawCell
// for every cell it paints.
//
// Every cost of painting and hit-testing depends on the visible cells only:
// layout walks from the top row and left column down and right until the
// client area is full, never over all rows. Row heights set one by one are
// kept in a vector that exists only once a height differs from the default.
//
// Indices are 0-based grid numbers. Out-of-range writes are ignored and
// out-of-range reads give 0 (widths, heights) or an empty rectangle.
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <functional>
#include <vector>

#include "host/Control.h"

namespace vyr {

struct TGridCoord {
  int X = 0;  // column
  int Y = 0;  // row
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A block of cells, inclusive on all four sides.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  bool Contains(int col, int row) const { return col >= Left && col <= Right && row >= Top && row <= Bottom; }
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption : unsigned {
  goFixedVertLine = 1u << 0,
  goFixedHorzLine = 1u << 1,
  goVertLine = 1u << 2,
  goHorzLine = 1u << 3,
  goRangeSelect = 1u << 4,
  goDrawFocusSelected = 1u << 5,
  goRowSizing = 1u << 6,
  goColSizing = 1u << 7,
  goRowMoving = 1u << 8,
  goColMoving = 1u << 9,
  goEditing = 1u << 10,
  goTabs = 1u << 11,
  goRowSelect = 1u << 12,
  goAlwaysShowEditor = 1u << 13,
  goThumbTracking = 1u << 14,
};
using TGridOptions = unsigned;
constexpr TGridOptions kDefaultGridOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;

enum TGridDrawStateFlag : unsigned { gdSelected = 1u << 0, gdFocused = 1u << 1, gdFixed = 1u << 2 };
using TGridDrawState = unsigned;

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TEditStyle { esSimple, esEllipsis, esPickList };

class TCustomGrid;

// The in-place editor: a line edit placed over the current cell.
class TInplaceEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TInplaceEdit(TCustomGrid* grid);

 protected:
  void keyPressEvent(QKeyEvent* e) override;

 private:
  TCustomGrid* FGrid;
};

class TCustomGrid : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
  Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
  Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
  Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(int DefaultRowHeight READ DefaultRowHeight WRITE SetDefaultRowHeight)
  Q_PROPERTY(int GridLineWidth READ GridLineWidth WRITE SetGridLineWidth)
  Q_PROPERTY(uint FixedColor READ FixedColor WRITE SetFixedColor)
  Q_PROPERTY(uint Options READ Options WRITE SetOptions)
  Q_PROPERTY(bool DefaultDrawing READ DefaultDrawing WRITE SetDefaultDrawing)

 public:
  explicit TCustomGrid(QWidget* AOwner = nullptr);

  int ColCount() const { return FColCount; }
  int RowCount() const { return FRowCount; }
  // Counts below 1 become 1; fixed counts are limited to the counts.
  void SetColCount(int value);
  void SetRowCount(int value);
  int FixedCols() const { return FFixedCols; }
  int FixedRows() const { return FFixedRows; }
  void SetFixedCols(int value);
  void SetFixedRows(int value);

  int DefaultColWidth() const { return FDefaultColWidth; }
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  // Setting a default resets every per-index width (or height).
  void SetDefaultColWidth(int value);
  void SetDefaultRowHeight(int value);
  int ColWidths(int col) const;
  int RowHeights(int row) const;
  // Widths and heights below 0 become 0 (a hidden column or row).
  void SetColWidths(int col, int width);
  void SetRowHeights(int row, int height);
  int GridLineWidth() const { return FGridLineWidth; }
  void SetGridLineWidth(int value);
  TColor FixedColor() const { return FFixedColor; }
  virtual void SetFixedColor(TColor value);
  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions value);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle value);

  // First visible scrollable row and column.
  int TopRow() const { return FTopRow; }
  int LeftCol() const { return FLeftCol; }
  // Limited so that the last row (column) can be reached but no further.
  void SetTopRow(int value);
  void SetLeftCol(int value);
  // Rows (columns) from TopRow (LeftCol) that are fully visible.
  int VisibleRowCount() const;
  int VisibleColCount() const;

  // The current cell. Writes outside the scrollable cells are ignored.
  int Row() const { return FCurrent.Y; }
  int Col() const { return FCurrent.X; }
  void SetRow(int value);
  void SetCol(int value);
  // The selected block. Any block is accepted, also one outside the grid
  // (no cell then shows as selected); the current cell moves to its
  // top-left corner.
  TGridRect Selection() const;
  void SetSelection(const TGridRect& value);

  // The cell's rectangle in the client area, clipped to it; empty when the
  // cell is not visible.
  TRect CellRect(int col, int row) const;
  // The cell under a client point; -1, -1 outside the cells.
  TGridCoord MouseCoord(int X, int Y) const;
  void MouseToCell(int X, int Y, int& col, int& row) const;
  // The area of the client that cells may cover (without the scroll bars).
  int ClientWidth() const;
  int ClientHeight() const;

  // Natural size: every column up to 800 pixels and the fixed rows plus ten
  // rows; the minimum holds the fixed cells, one scrollable cell (up to 40
  // pixels wide) and the scroll bars.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

  bool EditorMode() const { return FEditor && !FEditor->isHidden(); }
  void SetEditorMode(bool value);
  void ShowEditor();
  void HideEditor();
  TInplaceEdit* InplaceEditor() const { return FEditor; }

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void KeyDown(quint16& Key, TShiftState Shift) override;
  void KeyPress(QChar& Key) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

  // Called by the in-place editor for keys it does not keep for itself.
  void EditorKey(QKeyEvent* e);

 protected:
  virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
  // Whether the current cell may move to (ACol, ARow); true by default.
  virtual bool SelectCell(int ACol, int ARow);
  virtual void TopLeftChanged() {}
  virtual void ColWidthsChanged() {}
  // Once when a drag of column col's right border ends with a new width.
  virtual void ColumnSized(int /*col*/) {}
  virtual void RowHeightsChanged() {}
  virtual TInplaceEdit* CreateEditor();
  virtual TEditStyle GetEditStyle(int ACol, int ARow);
  virtual QString GetEditText(int ACol, int ARow);
  virtual void SetEditText(int ACol, int ARow, const QString& Value);
  virtual bool CanEditShow() const;

  void DoPaint() override;
  void Resize() override;
  void BorderStyleChanged() override { Changed(); }
  bool WantsTabKey() const override { return FOptions & goTabs; }
  // The current cell (the current row with goRowSelect) while it is in
  // view, otherwise the whole grid.
  TRect FocusFrame() const override;

  // Moves the current cell (asking SelectCell first) and scrolls it into
  // view; with moveAnchor false the selection grows from the anchor.
  void FocusCell(int col, int row, bool moveAnchor);
  bool IsFixedCell(int col, int row) const { return col < FFixedCols || row < FFixedRows; }
  // Makes row the top row, also past the point where the last row reaches
  // the bottom (the rows below it then stay empty); limited to the
  // scrollable rows. The next change of the grid's size or rows brings the
  // view back to the usual limit.
  void PlaceTopRow(int row);
  int ColLine(int col) const;
  int RowLine(int row) const;

 private:
  void ClampScrollPosition();
  void ShowFirstScrollableCol();
  void ScrollIntoView(int col, int row);
  int MaxTopRow() const;
  int MaxLeftCol() const;
  int FixedWidth() const;
  int FixedHeight() const;
  void UpdateScrollBars();
  void PlaceEditor();
  void Changed();
  int ColumnBorderAt(int X, int Y) const;
  void DrawGridLines(int col, int row, const TRect& cell);

  int FColCount = 5, FRowCount = 5, FFixedCols = 1, FFixedRows = 1;
  int FDefaultColWidth = 64, FDefaultRowHeight = 24, FGridLineWidth = 1;
  std::vector<int> FColWidths, FRowHeights;  // empty while every size is the default
  TColor FFixedColor = clBtnFace;
  TGridOptions FOptions = kDefaultGridOptions;
  bool FDefaultDrawing = true;
  TScrollStyle FScrollBars = ssBoth;
  int FTopRow = 1, FLeftCol = 1;
  TGridCoord FCurrent{1, 1}, FAnchor{1, 1};
  QScrollBar* FVertBar;
  QScrollBar* FHorzBar;
  TInplaceEdit* FEditor = nullptr;
  QString FEditOriginal;
  int FSizingCol = -1, FSizingStartX = 0, FSizingStartWidth = 0;
  bool FSelecting = false;
  bool FSyncingBars = false;
  bool FVertBarShown = false, FHorzBarShown = false;
};

using TDrawCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;

class TCustomDrawGrid : public TCustomGrid {
  Q_OBJECT
 public:
  explicit TCustomDrawGrid(QWidget* AOwner = nullptr) : TCustomGrid(AOwner) {}

  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;
  TGetEditEvent OnGetEditText;
  TSetEditEvent OnSetEditText;
  TNotifyEvent OnTopLeftChanged;

 protected:
  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  bool SelectCell(int ACol, int ARow) override;
  QString GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const QString& Value) override;
  void TopLeftChanged() override { Raise(OnTopLeftChanged, this); }
};

}  // namespace vyr
