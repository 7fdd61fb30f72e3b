#pragma once
// TCustomComboBox: a drop-down list whose items the control draws itself,
// all of one height (ItemHeight). It is a Qt combo box inside, so the
// keyboard works as in any combo box: the arrows, Home, End and the first
// letter pick an item of the closed list, Alt+Down or F4 opens it, Enter
// takes the highlighted item, Escape closes it. In the open list the item
// under the pointer is highlighted (drawn with odSelected).
//
// DrawItem draws one item on a canvas already set up for it: the brush in
// the background colour (the highlight colour for a highlighted item, the
// control's Color otherwise) and the font in the matching text colour. The
// closed box shows the current item drawn with odComboBoxEdit, highlighted
// while the control has the keyboard focus.
//
// A choice by the user (mouse, keyboard or wheel) calls Select, which calls
// Click (OnClick) and Change (OnChange); writes of ItemIndex from code raise
// nothing. DropDown runs (OnDropDown) just before the list opens, CloseUp
// (OnCloseUp) after it closed.
#include <QImage>
#include <QStringList>
#include <memory>

#include "host/Control.h"

class QComboBox;

namespace vyr {

enum TOwnerDrawStateFlag : unsigned {
  odSelected = 1u << 0,
  odFocused = 1u << 1,
  odDisabled = 1u << 2,
  odComboBoxEdit = 1u << 3,
};
using TOwnerDrawState = unsigned;

class TCustomComboBox : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
  Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
  Q_PROPERTY(int ItemHeight READ ItemHeight WRITE SetItemHeight)
  Q_PROPERTY(int DropDownCount READ DropDownCount WRITE SetDropDownCount)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  static constexpr int kMaxItemHeight = 255;
  static constexpr int kMaxDropDownCount = 100;

  explicit TCustomComboBox(QWidget* AOwner = nullptr);
  ~TCustomComboBox() override;

  QStringList Items() const;
  void SetItems(const QStringList& items);
  int ItemCount() const;
  // The text of item index, empty outside the list.
  QString Item(int index) const;
  void Clear();
  void AddItem(const QString& text);
  // Ignored outside the list.
  void SetItemText(int index, const QString& text);
  // Draws the closed box and the open list again.
  void RepaintItems();
  // -1 when no item is current. Writes outside -1..ItemCount-1 are ignored.
  int ItemIndex() const;
  void SetItemIndex(int value);
  // 1..255 pixels; writes outside are clamped.
  int ItemHeight() const;
  void SetItemHeight(int value);
  // Rows the open list shows before it scrolls, 1..100; clamped.
  int DropDownCount() const;
  void SetDropDownCount(int value);
  void SetColor(TColor color) override;
  void SetFont(const TFont& font) override;

  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  // True while a drop-down started by a mouse press, or by a key, runs
  // DropDown.
  bool DropDownByMouse() const;
  bool DropDownByKeyboard() const;

  // The picture of item index at the given size in the given state, drawn
  // by DrawItem (a fill of the background colour for no item).
  QImage ItemImage(int index, QSize size, TOwnerDrawState state);
  // The Qt combo box inside, for tests and layouts.
  QComboBox& ComboWidget() const;

  virtual void DropDown();
  virtual void CloseUp();
  virtual void Change();
  // A choice by the user: Click, then Change.
  virtual void Select();

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  QAccessible::Role AccessibleRole() const override { return QAccessible::ComboBox; }
  QString AccessibleValue() const override { return Item(ItemIndex()); }

  TNotifyEvent OnChange, OnDropDown, OnCloseUp;

 protected:
  // Draws item Index (0-based) into Rect; the default fills the rectangle
  // and writes the item's text 2 pixels in, centred vertically.
  virtual void DrawItem(TCanvas& Canvas, int Index, const TRect& Rect, TOwnerDrawState State);
  void Resize() override;
  void EnabledChanged() override;

 private:
  class Widget;
  class Delegate;
  struct Private;
  std::unique_ptr<Private> d;

};

}  // namespace vyr
