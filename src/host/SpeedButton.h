#pragma once
// TSpeedButton: a light-weight push button for tool bars and spin arrows.
// It never takes the keyboard focus. A press shows it sunken while the
// pointer stays on it; releasing it there raises OnClick. Buttons with the
// same non-zero GroupIndex under one parent form a group in which at most
// one is Down; AllowAllUp lets a click release the down button of a group.
// A flat button shows its edge only while the pointer is over it or while
// it is down; any enabled button lightens while the pointer is over it.
//
// The glyph is drawn beside the caption (Layout), Margin pixels from the
// edge (centred with -1) and Spacing pixels from the caption; its bottom-left
// pixel's colour is transparent. A disabled button draws its caption and
// glyph embossed.
#include <QImage>
#include <QString>
#include <memory>

#include "host/Control.h"

namespace vyr {

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// Up, pressed (sunken while held), exclusive (down in a group).
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool Flat READ Flat WRITE SetFlat)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
  Q_PROPERTY(bool AllowAllUp READ AllowAllUp WRITE SetAllowAllUp)
  Q_PROPERTY(bool Down READ Down WRITE SetDown)
  Q_PROPERTY(int Layout READ LayoutOrdinal WRITE SetLayoutOrdinal)
  Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
  Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
  Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  // A 23 x 22 button.
  explicit TSpeedButton(QWidget* AOwner = nullptr);
  ~TSpeedButton() override;

  QString Caption() const;
  void SetCaption(const QString& value);
  bool Flat() const;
  void SetFlat(bool value);
  int GroupIndex() const;
  void SetGroupIndex(int value);
  bool AllowAllUp() const;
  void SetAllowAllUp(bool value);
  // Only a grouped button can be down; setting one down releases the
  // others of its group. Without AllowAllUp a down button stays down
  // until another of its group goes down.
  bool Down() const;
  void SetDown(bool value);
  TButtonLayout Layout() const;
  void SetLayout(TButtonLayout value);
  // -1 centres glyph and caption; larger values are pixels from the edge.
  int Margin() const;
  void SetMargin(int value);
  // Pixels between glyph and caption; values below 0 count as 0.
  int Spacing() const;
  void SetSpacing(int value);
  QImage Glyph() const;
  void SetGlyph(const QImage& value);
  void SetFont(const TFont& font) override;
  void SetColor(TColor color) override;

  TButtonState State() const;
  bool MouseInControl() const;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // Raises OnMouseUp, settles the state and, when the press ended on the
  // button, raises OnClick as the very last step, so a handler may destroy
  // the button.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
  QString AccessibleName() const override { return Caption().isEmpty() ? Name() : Caption(); }

 protected:
  void DoPaint() override;
  bool Transparent() const override { return false; }
  void EnabledChanged() override;
  // Ends a press without a click: the button shows up again.
  void CancelPress();
  bool Pressing() const;
  // Qt's press and release go straight to MouseDown and MouseUp (which
  // clicks), guarded against the button being destroyed by a handler.
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  struct Private;
  std::unique_ptr<Private> d;

  void SetState(TButtonState state);
  void ReleaseGroup();
  void DrawEdge(TCanvas& c, bool sunken, bool thin);
  void DrawContents(TCanvas& c, int offset);
  int LayoutOrdinal() const { return Layout(); }
  void SetLayoutOrdinal(int value);
};

}  // namespace vyr
