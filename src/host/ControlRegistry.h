#pragma once
// The library's control classes by name, so that stored forms (.ui files)
// can create them. Each control registers itself with VYR_REGISTER_CONTROL.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

namespace vyr {

using TControlFactory = std::function<QWidget*(QWidget* parent)>;

void RegisterControlClass(const QString& className, TControlFactory factory);
// A new control of the class, or nullptr when the name is unknown.
QWidget* CreateRegisteredControl(const QString& className, QWidget* parent);
QStringList RegisteredControlClasses();

}  // namespace vyr

#define VYR_REGISTER_CONTROL(ClassName)                                                                         \
  namespace {                                                                                                   \
  const bool registered_##ClassName = (::vyr::RegisterControlClass(QStringLiteral(#ClassName),                 \
                                                                   [](QWidget* parent) -> QWidget* {           \
                                                                     return new ::vyr::ClassName(parent);      \
                                                                   }),                                          \
                                       true);                                                                   \
  }
