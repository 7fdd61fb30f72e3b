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

// Forms name a class as Qt's meta-object does ("vyr::TMeter"); the registry
// keeps the short name, which older forms use.
const Entry* Find(const QString& className) {
  static const QString scope = QStringLiteral("vyr::");
  auto it = Registry().constFind(className.startsWith(scope) ? className.mid(scope.size()) : className);
  return it == Registry().constEnd() ? nullptr : &*it;
}

}  // namespace

void RegisterControlClass(const QString& className, TControlFactory factory, const QString& header) {
  Registry().insert(className, Entry{std::move(factory), header});
}

QWidget* CreateRegisteredControl(const QString& className, QWidget* parent) {
  const Entry* entry = Find(className);
  return entry ? entry->factory(parent) : nullptr;
}

QStringList RegisteredControlClasses() {
  QStringList names = Registry().keys();
  names.sort();
  return names;
}

QString RegisteredControlHeader(const QString& className) {
  const Entry* entry = Find(className);
  return entry ? entry->header : QString();
}

}  // namespace vyr
