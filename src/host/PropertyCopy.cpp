#include "host/PropertyCopy.h"

#include <QMetaProperty>
#include <stdexcept>
#include <string>

namespace vyr {

namespace {

QMetaProperty PropertyOf(const QObject& object, const char* name) {
  const QMetaObject* meta = object.metaObject();
  const int index = meta->indexOfProperty(name);
  if (index < 0)
    throw std::logic_error(std::string("no property ") + name + " in " + meta->className());
  return meta->property(index);
}

}  // namespace

void CopyProperties(QObject& dest, const QObject& source, TPropertyList names) {
  for (const char* name : names) {
    const QMetaProperty from = PropertyOf(source, name);
    const QMetaProperty to = PropertyOf(dest, name);
    if (!from.isReadable() || !to.isWritable())
      throw std::logic_error(std::string("property ") + name + " cannot be copied");
    to.write(&dest, from.read(&source));
  }
}

}  // namespace vyr
