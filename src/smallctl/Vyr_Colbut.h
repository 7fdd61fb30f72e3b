#pragma once
// TColorButton: a colour swatch that is a button. Its Color is the value;
// while the pointer is over it the swatch shows lighter, and a click (or
// Space or Enter while it has the focus) lets the user choose a new colour
// with the attached ColorDialog.
//
// Hover: the shown colour has the lightness l of Color raised to l + 0.2
// when l <= 0.3, else to (l + 1) / 2, at most 1; hue and saturation stay.
// After a colour was chosen the caption turns white on dark colours (grey
// level 96 or less) and black on light ones, or the window text colour
// while ParentBackground is on; then OnChange is raised.
//
// Choices where the description is open or unsound:
//  - The lightening is a way of showing the button, not a change of its
//    value: Color reads the same while hovered, the dialog starts at it,
//    and a colour written or chosen while hovered is kept when the pointer
//    leaves.
//  - ColorDialog is a guarded reference: when the dialog is destroyed the
//    button forgets it and clicks choose nothing.
//  - The button takes the keyboard focus (Tab), shows it with a dotted
//    frame, and Space or Enter click it.
#include <QPointer>
#include <memory>

#include "host/ColorDialog.h"
#include "host/Panel.h"
#include "host/PropertyCopy.h"

namespace vyr {

class TColorButton : public TCustomPanel {
  Q_OBJECT
  Q_PROPERTY(QObject* ColorDialog READ ColorDialogObject WRITE SetColorDialogObject STORED false)

 public:
  explicit TColorButton(QWidget* AOwner = nullptr);
  ~TColorButton() override;

  TColorDialog* ColorDialog() const;
  void SetColorDialog(TColorDialog* dialog);
  // The colour the swatch shows: Color, lightened while hovered.
  TColor ShownColor() const;
  bool Hovered() const;
  // Lightness of the hovered look for a lightness l in 0..1.
  static double HoverLightness(double l);

  void MouseEnter() override;
  void MouseLeave() override;
  // OnClick first; then, with a dialog attached, the choice of a colour.
  void Click() override;
  void KeyDown(quint16& Key, TShiftState Shift) override;

  // From another TColorButton: the properties of CopiedProperties, the
  // dialog reference and the handlers.
  void Assign(const TComponentBase* Source) override;
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

  QAccessible::Role AccessibleRole() const override { return QAccessible::Button; }
  QString AccessibleValue() const override;

  TNotifyEvent OnChange;

 protected:
  void DoPaint() override;
  void EnabledChanged() override;

 private:
  struct Private;
  std::unique_ptr<Private> d;

  QObject* ColorDialogObject() const { return ColorDialog(); }
  void SetColorDialogObject(QObject* dialog) { SetColorDialog(qobject_cast<TColorDialog*>(dialog)); }
};

}  // namespace vyr
