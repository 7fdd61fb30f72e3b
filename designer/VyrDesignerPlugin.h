#pragma once
// Offers each registered control of the library to Qt Designer, so that
// forms holding them can be drawn and their published properties set.
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class VyrControlWidget : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)
 public:
  VyrControlWidget(const QString& className, QObject* parent) : QObject(parent), FClassName(className) {}
  QString name() const override { return FClassName; }
  QString group() const override { return QStringLiteral("Vyr Controls"); }
  QIcon icon() const override { return {}; }
  QString toolTip() const override { return FClassName; }
  QString whatsThis() const override { return FClassName; }
  QString includeFile() const override;
  bool isContainer() const override { return false; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  QString FClassName;
};

class VyrDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
  Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)
 public:
  explicit VyrDesignerPlugin(QObject* parent = nullptr);
  QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return FWidgets; }

 private:
  QList<QDesignerCustomWidgetInterface*> FWidgets;
};
