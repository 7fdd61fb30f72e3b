#include "support/AssignWalk.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFont>
#include <QMetaProperty>
#include <QSet>
#include <vector>

namespace vyrtest {

namespace {

QMetaProperty Property(const QObject& object, const char* name) {
  const int index = object.metaObject()->indexOfProperty(name);
  return index < 0 ? QMetaProperty() : object.metaObject()->property(index);
}

// Candidate values near current, tried in order until one is taken.
QList<QVariant> Neighbours(const QMetaProperty& property, const QVariant& current) {
  if (property.isEnumType()) {
    const QMetaEnum e = property.enumerator();
    QList<QVariant> values;
    for (int i = 0; i < e.keyCount(); ++i)
      if (e.value(i) != current.toInt()) values << e.value(i);
    return values;
  }
  switch (current.typeId()) {
    case QMetaType::Bool: return {!current.toBool()};
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar: {
      const qlonglong v = current.toLongLong();
      return {v + 1, v - 1, v + 7, v - 7, 1, 0};
    }
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::UChar: {
      const qulonglong v = current.toULongLong();
      return {v ^ 0x2A5Cu, v + 1, v - 1, 1u, 0u};
    }
    case QMetaType::Double:
    case QMetaType::Float: {
      const double v = current.toDouble();
      return {v + 0.5, v - 0.5, v * 2 + 1, v / 2, 1.0, 0.0};
    }
    case QMetaType::QString: return {current.toString() + QStringLiteral("x"), QStringLiteral("y")};
    case QMetaType::QColor: return {QColor(0x12, 0x34, 0x56), QColor(0x65, 0x43, 0x21)};
    case QMetaType::QFont: {
      QFont font = current.value<QFont>();
      font.setPointSize(font.pointSize() + 3);
      font.setBold(!font.bold());
      return {font};
    }
    default: return {};
  }
}

}  // namespace

QStringList MoveOffInitialValues(QObject& object, std::span<const char* const> names) {
  QStringList stuck;
  for (const char* name : names) {
    const QMetaProperty property = Property(object, name);
    if (!property.isValid()) {
      stuck << QString::fromLatin1(name);
      continue;
    }
    const QVariant before = property.read(&object);
    bool moved = false;
    for (const QVariant& candidate : Neighbours(property, before)) {
      property.write(&object, candidate);
      if (property.read(&object) != before) {
        moved = true;
        break;
      }
    }
    if (!moved) stuck << QString::fromLatin1(name);
  }
  return stuck;
}

void ExpectAssignCopiesList(const MakeComponent& make, std::span<const char* const> copied,
                            std::span<const char* const> notCopied, const QVariantMap& given) {
  std::unique_ptr<QObject> source = make();
  std::unique_ptr<QObject> dest = make();
  const std::unique_ptr<QObject> fresh = make();

  // Every property the class itself declares is on one list or the other.
  QSet<QString> listed;
  for (const char* name : copied) listed << QString::fromLatin1(name);
  for (const char* name : notCopied) listed << QString::fromLatin1(name);
  const QMetaObject* meta = source->metaObject();
  for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
    EXPECT_TRUE(listed.contains(QString::fromLatin1(meta->property(i).name())))
        << meta->className() << "::" << meta->property(i).name() << " is on neither list";

  std::vector<const char*> toMove;
  for (const char* name : copied)
    if (!given.contains(QString::fromLatin1(name))) toMove.push_back(name);
  EXPECT_EQ(MoveOffInitialValues(*source, toMove), QStringList()) << "properties that would not move";
  for (auto [name, value] : given.asKeyValueRange()) source->setProperty(name.toLatin1(), value);
  for (const char* name : copied)
    EXPECT_NE(source->property(name), fresh->property(name))
        << name << " is back at its initial value " << source->property(name).toString().toStdString();

  auto* target = dynamic_cast<vyr::TComponentBase*>(dest.get());
  ASSERT_NE(target, nullptr);
  target->Assign(dynamic_cast<const vyr::TComponentBase*>(source.get()));
  for (const char* name : copied)
    EXPECT_EQ(dest->property(name), source->property(name))
        << name << " was not copied: " << dest->property(name).toString().toStdString();
}

}  // namespace vyrtest
