#include "host/Component.h"

#include "host/Exception.h"

namespace vyr {

QString TComponentBase::Name() const { return AsObject()->objectName(); }

void TComponentBase::SetName(const QString& name) { AsObject()->setObjectName(name); }

QString TComponentBase::ClassName() const {
  QString name = QString::fromLatin1(AsObject()->metaObject()->className());
  int colon = name.lastIndexOf(QLatin1Char(':'));
  return colon >= 0 ? name.mid(colon + 1) : name;
}

QObject* TComponentBase::Owner() const { return AsObject()->parent(); }

void TComponentBase::SetDesigning(bool on) {
  if (on)
    FComponentState |= csDesigning;
  else
    FComponentState &= ~unsigned(csDesigning);
}

void TComponentBase::Loaded() { EndLoading(); }

void TComponentBase::Assign(const TComponentBase* Source) {
  if (Source == nullptr)
    throw EConvertError(QStringLiteral("Cannot assign nothing to a %1").arg(ClassName()));
  Source->AssignTo(this);
}

void TComponentBase::AssignTo(TComponentBase* Dest) const {
  throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2")
                          .arg(ClassName(), Dest ? Dest->ClassName() : QStringLiteral("nothing")));
}

}  // namespace vyr
