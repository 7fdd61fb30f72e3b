#pragma once
// TMarkSel: the 52 plot marks (0..51) in a grid for picking one, e.g. the
// marker of a data series. The mark nearest the mouse is highlighted while
// the mouse moves; a click selects the nearest mark and reports it.
//
// Choices made for this control:
// - Keyboard: the control takes the focus (by click or Tab) and shows a
//   focus frame. The arrow keys move the highlight among the shown marks
//   (left and right by one, up and down by a row) and Enter or Space
//   selects the highlighted mark as a click would, reporting the mark's own
//   position in OnMarkClick.
// - The highlight is kept as state: a repaint (a resize, a property write)
//   draws it again, and it goes when the mouse leaves the control.
// - Marks are drawn centred on their cell (see DrawMarkOnCanvas).
#include <QString>
#include <functional>
#include <memory>

#include "foundation/CoreTypes.h"
#include "host/Control.h"

namespace vyr {

using TMarkClickEvent = std::function<void(TObject* Sender, int X, int Y, int Mark)>;

class TMarkSel : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns)
  Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows)
  Q_PROPERTY(int Selected READ Selected WRITE SetSelected)
  Q_PROPERTY(bool ShowZeroAsCross READ ShowZeroAsCross WRITE SetShowZeroAsCross)
  Q_PROPERTY(uint ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
  Q_PROPERTY(uint ColorMarks READ ColorMarks WRITE SetColorMarks)
  Q_PROPERTY(uint ColorSelFG READ ColorSelFG WRITE SetColorSelFG)
  Q_PROPERTY(uint ColorSelBG READ ColorSelBG WRITE SetColorSelBG)
  Q_PROPERTY(uint ColorHiLiteBG READ ColorHiLiteBG WRITE SetColorHiLiteBG)
  Q_PROPERTY(uint ColorHiLiteSymbol READ ColorHiLiteSymbol WRITE SetColorHiLiteSymbol)
  Q_PROPERTY(int FrameStyle READ FrameStyleOrdinal WRITE SetFrameStyleOrdinal)

 public:
  static constexpr int kMarks = 52;

  // 236 x 178, 8 columns by 6 rows, nothing selected.
  explicit TMarkSel(QWidget* AOwner = nullptr);
  ~TMarkSel() override;

  // 1..51; other writes are ignored.
  int NrOfColumns() const;
  void SetNrOfColumns(int value);
  int NrOfRows() const;
  void SetNrOfRows(int value);
  // -1 (none) .. 51; other writes are ignored.
  int Selected() const;
  void SetSelected(int value);
  bool ShowZeroAsCross() const;
  void SetShowZeroAsCross(bool value);
  TColor ColorBackGnd() const;
  void SetColorBackGnd(TColor value);
  TColor ColorMarks() const;
  void SetColorMarks(TColor value);
  TColor ColorSelFG() const;
  void SetColorSelFG(TColor value);
  TColor ColorSelBG() const;
  void SetColorSelBG(TColor value);
  TColor ColorHiLiteBG() const;
  void SetColorHiLiteBG(TColor value);
  TColor ColorHiLiteSymbol() const;
  void SetColorHiLiteSymbol(TColor value);
  TFrameStyle FrameStyle() const;
  void SetFrameStyle(TFrameStyle value);

  // Whether a mark is offered; indexes outside 0..51 read mark 0's flag.
  bool GetVis(int index) const;
  // Marks 1..51 only (mark 0 is always shown); repaints.
  void SetVis(int index, bool visible);
  void ShowAllMarks();
  void HideAllMarks();

  // The centre of the cell of a shown mark, as laid out for the current
  // size; marks not shown lie at (-1, -1).
  TPoint MarkPosition(int mark) const;
  // The shown mark nearest to (x, y); the lower number wins a tie.
  int MarkAt(int x, int y) const;
  // The highlighted mark (-1 when none is highlighted).
  int HiLitMark() const;

  TMarkClickEvent OnMarkClick, OnMarkDblClick;
  TNotifyEvent OnPaint;

  QSize sizeHint() const override { return {236, 178}; }
  QSize minimumSizeHint() const override;
  QAccessible::Role AccessibleRole() const override { return QAccessible::List; }
  QString AccessibleValue() const override;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void KeyDown(quint16& Key, TShiftState Shift) override;
  void MouseLeave() override;

 protected:
  void DoPaint() override;
  bool Transparent() const override { return false; }
  void EnabledChanged() override { Invalidate(); }

 private:
  struct Private;
  std::unique_ptr<Private> d;

  template <typename T>
  void Store(T& field, T value);
  // The symbol of mark i in the canvas's pen and brush, at its place.
  void DrawSymbol(TCanvas& c, int mark, TPoint at) const;
  // The highlight on mark m (recorded), and the previous one taken off.
  void HiLite(int mark);
  void ResetLastHiLite();
  // Selected := mark, the event, a repaint and the highlight on it.
  void PickMark(int mark, int x, int y, const TMarkClickEvent& event);
  // The box of a mark's cell from its centre, inset by the given pixels.
  TRect CellBox(TPoint at, int inset) const;

  int FrameStyleOrdinal() const { return FrameStyle(); }
  void SetFrameStyleOrdinal(int value);
};

}  // namespace vyr
