#include "host/ControlRegistry.h"

#include <QHash>

namespace vyr {
namespace {

QHash<QString, TControlFactory>& Registry() {
  static QHash<QString, TControlFactory> registry;
  return registry;
}

}  // namespace

void RegisterControlClass(const QString& className, TControlFactory factory) {
  Registry().insert(className, std::move(factory));
}

QWidget* CreateRegisteredControl(const QString& className, QWidget* parent) {
  auto it = Registry().constFind(className);
  if (it == Registry().constEnd()) return nullptr;
  return (*it)(parent);
}

QStringList RegisteredControlClasses() {
  QStringList names = Registry().keys();
  names.sort();
  return names;
}

}  // namespace vyr
