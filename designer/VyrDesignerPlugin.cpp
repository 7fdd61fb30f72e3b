#include "VyrDesignerPlugin.h"

#include <QPixmap>
#include <memory>

#include "ControlTexts.h"
#include "host/Component.h"
#include "host/ControlRegistry.h"

namespace {

// The control's own picture at its default size, scaled to a tool icon.
QIcon RenderIcon(QWidget& sample, QSize size) {
  sample.resize(size);
  QPixmap picture(size);
  picture.fill(Qt::transparent);
  sample.render(&picture);
  return QIcon(picture.scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

VyrControlWidget::VyrControlWidget(const QString& registeredName, QObject* parent)
    : QObject(parent), FRegisteredName(registeredName), FHeader(vyr::RegisteredControlHeader(registeredName)) {
  std::unique_ptr<QWidget> sample(vyr::CreateRegisteredControl(registeredName, nullptr));
  const QMetaObject* meta = sample->metaObject();
  FClassName = QString::fromLatin1(meta->className());
  while (QByteArrayView(meta->className()).startsWith("vyr::")) meta = meta->superClass();
  FExtends = QString::fromLatin1(meta->className());
  // A control sized by its constructor may be larger than its hint; show it whole.
  FDefaultSize = sample->sizeHint().expandedTo(sample->size());
  FIcon = RenderIcon(*sample, FDefaultSize);
}

QString VyrControlWidget::toolTip() const { return ControlTextsFor(FRegisteredName).toolTip; }

QString VyrControlWidget::whatsThis() const { return ControlTextsFor(FRegisteredName).whatsThis; }

QString VyrControlWidget::domXml() const {
  QString objectName = FRegisteredName.mid(1);
  objectName[0] = objectName[0].toLower();
  return QStringLiteral(
             "<ui language=\"c++\">\n"
             " <widget class=\"%1\" name=\"%2\">\n"
             "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect></property>\n"
             " </widget>\n"
             " <customwidgets>\n"
             "  <customwidget><class>%1</class><extends>%5</extends><header>%6</header></customwidget>\n"
             " </customwidgets>\n"
             "</ui>\n")
      .arg(FClassName, objectName)
      .arg(FDefaultSize.width())
      .arg(FDefaultSize.height())
      .arg(FExtends, FHeader);
}

QWidget* VyrControlWidget::createWidget(QWidget* parent) {
  QWidget* w = vyr::CreateRegisteredControl(FRegisteredName, parent);
  if (auto* component = dynamic_cast<vyr::TComponentBase*>(w); component && FInitialized) component->SetDesigning(true);
  return w;
}

VyrDesignerPlugin::VyrDesignerPlugin(QObject* parent) : QObject(parent) {
  for (const QString& name : vyr::RegisteredControlClasses())
    if (name.startsWith(QLatin1Char('T'))) FWidgets.append(new VyrControlWidget(name, this));
}
