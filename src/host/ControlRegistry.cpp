#include "host/ControlRegistry.h"

#include <QHash>

namespace vyr {
namespace {

struct Entry {
  TControlFactory factory;
  QString header;
};

QHash<QString, Entry>& Registry() {
  static QHash<QString, Entry> registry;
  return registry;
}

}  // namespace

void RegisterControlClass(const QString& className, TControlFactory factory, const QString& header) {
  Registry().insert(className, Entry{std::move(factory), header});
}

QWidget* CreateRegisteredControl(const QString& className, QWidget* parent) {
  auto it = Registry().constFind(className);
  if (it == Registry().constEnd()) return nullptr;
  return it->factory(parent);
}

QStringList RegisteredControlClasses() {
  QStringList names = Registry().keys();
  names.sort();
  return names;
}

}  // namespace vyr

namespace vyr {

QString RegisteredControlHeader(const QString& className) { return Registry().value(className).header; }

}  // namespace vyr
