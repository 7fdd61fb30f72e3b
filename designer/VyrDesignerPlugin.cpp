#include "VyrDesignerPlugin.h"

#include "host/Component.h"
#include "host/ControlRegistry.h"

QString VyrControlWidget::includeFile() const { return vyr::RegisteredControlHeader(FClassName); }

QWidget* VyrControlWidget::createWidget(QWidget* parent) {
  QWidget* w = vyr::CreateRegisteredControl(FClassName, parent);
  if (auto* component = dynamic_cast<vyr::TComponentBase*>(w)) component->SetDesigning(true);
  return w;
}

VyrDesignerPlugin::VyrDesignerPlugin(QObject* parent) : QObject(parent) {
  for (const QString& name : vyr::RegisteredControlClasses())
    if (name.startsWith(QLatin1Char('T'))) FWidgets.append(new VyrControlWidget(name, this));
}
