#include "host/FormLoader.h"

#include <QFile>
#include <QPointer>
#include <memory>

#include "host/Application.h"
#include "host/Component.h"
#include "host/ControlRegistry.h"

namespace vyr {

QWidget* TFormLoader::createWidget(const QString& className, QWidget* parent, const QString& name) {
  if (QWidget* w = CreateRegisteredControl(className, parent)) {
    w->setObjectName(name);
    if (auto* component = dynamic_cast<TComponentBase*>(w)) component->BeginLoading();
    FCreated.push_back(w);
    return w;
  }
  // Qt would skip an unknown widget, or put a bare QWidget in place of one
  // the form lists under <customwidgets>, and report nothing.
  QWidget* w = className.startsWith(QStringLiteral("vyr::")) ? nullptr : QUiLoader::createWidget(className, parent, name);
  if (!w && FError.isEmpty()) FError = tr("The form's widget \"%1\" has the unknown class %2.").arg(name, className);
  return w;
}

QWidget* TFormLoader::LoadForm(QIODevice* device, QWidget* parent) {
  FCreated.clear();
  FError.clear();
  std::unique_ptr<QWidget> form(load(device, parent));
  std::vector<QPointer<QWidget>> created(FCreated.begin(), FCreated.end());
  FCreated.clear();
  if (!FError.isEmpty()) return nullptr;
  for (const QPointer<QWidget>& w : created) {
    if (!w) continue;
    if (auto* component = dynamic_cast<TComponentBase*>(w.data())) Guarded([&] { component->Loaded(); });
  }
  return form.release();
}

QWidget* TFormLoader::LoadForm(const QString& fileName, QWidget* parent) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    FError = tr("Cannot open the form %1: %2").arg(fileName, file.errorString());
    return nullptr;
  }
  return LoadForm(&file, parent);
}

QString TFormLoader::errorString() const { return FError.isEmpty() ? QUiLoader::errorString() : FError; }

}  // namespace vyr
