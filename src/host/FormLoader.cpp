#include "host/FormLoader.h"

#include <QFile>
#include <QPointer>

#include "host/Application.h"
#include "host/Component.h"
#include "host/ControlRegistry.h"

namespace vyr {

QWidget* TFormLoader::createWidget(const QString& className, QWidget* parent, const QString& name) {
  QWidget* w = CreateRegisteredControl(className, parent);
  if (!w) return QUiLoader::createWidget(className, parent, name);
  w->setObjectName(name);
  if (auto* component = dynamic_cast<TComponentBase*>(w)) component->BeginLoading();
  FCreated.push_back(w);
  return w;
}

QWidget* TFormLoader::LoadForm(QIODevice* device, QWidget* parent) {
  FCreated.clear();
  QWidget* form = load(device, parent);
  std::vector<QPointer<QWidget>> created(FCreated.begin(), FCreated.end());
  FCreated.clear();
  for (const QPointer<QWidget>& w : created) {
    if (!w) continue;
    if (auto* component = dynamic_cast<TComponentBase*>(w.data())) Guarded([&] { component->Loaded(); });
  }
  return form;
}

QWidget* TFormLoader::LoadForm(const QString& fileName, QWidget* parent) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return nullptr;
  return LoadForm(&file, parent);
}

}  // namespace vyr
