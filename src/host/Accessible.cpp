#include "host/Accessible.h"

#include "host/Control.h"

namespace vyr {

namespace {

// Qt asks every installed factory for each object it makes accessible.
QAccessibleInterface* ControlAccessibleFactory(const QString&, QObject* object) {
  auto* control = qobject_cast<TControl*>(object);
  return control ? control->CreateAccessible() : nullptr;
}

[[maybe_unused]] const bool kFactoryInstalled = (QAccessible::installFactory(&ControlAccessibleFactory), true);

}  // namespace

QAccessibleInterface* TControl::CreateAccessible() { return new TControlAccessible(this); }

TControlAccessible::TControlAccessible(TControl* control)
    : QAccessibleWidget(control, control->AccessibleRole()) {}

TControl* TControlAccessible::Control() const { return static_cast<TControl*>(widget()); }

std::optional<TAccessibleNumber> TControlAccessible::Number() const { return Control()->AccessibleNumber(); }

QString TControlAccessible::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name:
      return widget()->accessibleName().isEmpty() ? Control()->AccessibleName() : widget()->accessibleName();
    case QAccessible::Value:
      return Control()->AccessibleValue();
    case QAccessible::Description:
      return widget()->accessibleDescription().isEmpty() ? Control()->Hint() : widget()->accessibleDescription();
    default:
      return QAccessibleWidget::text(t);
  }
}

void* TControlAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ValueInterface && Number()) return static_cast<QAccessibleValueInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QVariant TControlAccessible::currentValue() const {
  const auto n = Number();
  return n ? QVariant(n->Value) : QVariant();
}

void TControlAccessible::setCurrentValue(const QVariant& value) {
  bool ok = false;
  const double v = value.toDouble(&ok);
  if (ok) Control()->SetAccessibleNumber(v);
}

QVariant TControlAccessible::maximumValue() const {
  const auto n = Number();
  return n ? QVariant(n->Maximum) : QVariant();
}

QVariant TControlAccessible::minimumValue() const {
  const auto n = Number();
  return n ? QVariant(n->Minimum) : QVariant();
}

}  // namespace vyr
