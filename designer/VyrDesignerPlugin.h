#pragma once
// Offers each registered control of the library to Qt Designer, so that
// forms holding them can be drawn and their published properties set.
#include <QIcon>
#include <QSize>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

class VyrControlWidget : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)
 public:
  // registeredName: the short name the control is registered under ("TMeter").
  VyrControlWidget(const QString& registeredName, QObject* parent);
  // The class as Qt's meta-object names it ("vyr::TMeter"), so that Designer
  // matches the widgets it creates and saves them with a <customwidgets> entry.
  QString name() const override { return FClassName; }
  QString group() const override { return QStringLiteral("Vyr Controls"); }
  QIcon icon() const override { return FIcon; }
  QString toolTip() const override;
  QString whatsThis() const override;
  QString includeFile() const override { return FHeader; }
  QString domXml() const override;
  bool isContainer() const override { return false; }
  bool isInitialized() const override { return FInitialized; }
  // Designer initialises its plugins; a form loader at run time does not, so
  // only controls created in Designer are put in design mode.
  void initialize(QDesignerFormEditorInterface*) override { FInitialized = true; }
  QWidget* createWidget(QWidget* parent) override;

 private:
  QString FRegisteredName;
  QString FClassName;
  QString FExtends;  // the nearest Qt class the control derives from
  QString FHeader;
  QIcon FIcon;
  QSize FDefaultSize;
  bool FInitialized = false;
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
