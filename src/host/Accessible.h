#pragma once
// What assistive technology sees of a control, through QAccessible: every
// TControl answers with a TControlAccessible built from the control's own
// answers (role, name, value text, and for controls that show one number
// its value and range as a value interface). Qt's own widget interface
// gives the state (focused, disabled, invisible, focusable) and the place.
#include <QAccessibleWidget>
#include <optional>

namespace vyr {

class TControl;

// A number a control shows, with the range it may take.
struct TAccessibleNumber {
  double Value = 0;
  double Minimum = 0;
  double Maximum = 0;
};

class TControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit TControlAccessible(TControl* control);

  QString text(QAccessible::Text t) const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QVariant currentValue() const override;
  void setCurrentValue(const QVariant& value) override;
  QVariant maximumValue() const override;
  QVariant minimumValue() const override;
  QVariant minimumStepSize() const override { return 0.0; }

 private:
  TControl* Control() const;
  std::optional<TAccessibleNumber> Number() const;
};

}  // namespace vyr
