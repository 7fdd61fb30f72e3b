// A form as Qt Designer saves it with the library's plugin: the plugin
// describes each control as Designer needs it, and the form loads back with
// every control and its properties, through QUiLoader and TFormLoader.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QUiLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <memory>

#include "host/FormLoader.h"

namespace {

const QString kForm = QStringLiteral(VYR_TEST_DATA_DIR "/EveryControl.ui");

QList<QDesignerCustomWidgetInterface*> PluginWidgets() {
  QPluginLoader loader(QStringLiteral(VYR_DESIGNER_PLUGIN));
  auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
  return collection ? collection->customWidgets() : QList<QDesignerCustomWidgetInterface*>{};
}

struct StoredProperty {
  const char* object;
  const char* className;
  const char* property;
  const char* value;  // as QVariant::toString gives it
};

const StoredProperty kStored[] = {
    {"numIO2", "vyr::TNumIO2", "Value", "255"},           {"numIO2", "vyr::TNumIO2", "LeftText", "Flow"},
    {"numIO", "vyr::TNumIO", "InputFormat", "itFloat"},    {"numLab", "vyr::TNumLab", "Value", "12.5"},
    {"rotLab", "vyr::TRotLab", "TextAngle", "90"},         {"sevenSeg", "vyr::TSevenSeg", "Caption", "12.5"},
    {"rasterLab", "vyr::TRasterLab", "Text", "Hello"},     {"meter", "vyr::TMeter", "MeterLayout", "mlCirc270"},
    {"meter", "vyr::TMeter", "Value", "42"},               {"progBar", "vyr::TProgBar", "Value", "25"},
    {"onOffBut", "vyr::TOnOffBut", "ButtonStyle", "oobsBulb"},
    {"onOffBut", "vyr::TOnOffBut", "RightText", "Pump"},   {"reportListView", "vyr::TReportListView", "NrOfRows", "5"},
    {"nTabEd", "vyr::TNTabEd", "Comment", "calibration"},  {"miniCal", "vyr::TMiniCal", "Day", "29"},
    {"thumbnails", "vyr::TThumbnails", "SlideSelectMode", "ssmMultiple"},
    {"folderTree", "vyr::TFolderTree", "OldTreeStyle", "true"},
    {"markSel", "vyr::TMarkSel", "Selected", "12"},        {"colSel", "vyr::TColSel", "SelColor", "255"},
    {"colorButton", "vyr::TColorButton", "Color", "128"},  {"repSpeedButton", "vyr::TRepSpeedButton", "StartClickInterval", "400"},
    {"gradFill", "vyr::TGradFill", "ColorLast", "16777215"},
};

void ExpectEveryStoredProperty(QWidget* form) {
  for (const StoredProperty& p : kStored) {
    auto* w = form->findChild<QWidget*>(QLatin1String(p.object));
    ASSERT_NE(w, nullptr) << p.object;
    EXPECT_STREQ(w->metaObject()->className(), p.className);
    EXPECT_EQ(w->property(p.property).toString(), QLatin1String(p.value)) << p.object << "." << p.property;
  }
}

}  // namespace

TEST(DesignerPlugin, DescribesEachControlAsDesignerSavesIt) {
  const auto widgets = PluginWidgets();
  ASSERT_GE(widgets.size(), 19);
  QSet<QString> tips;
  for (QDesignerCustomWidgetInterface* w : widgets) {
    if (w->name() == QStringLiteral("vyr::TLoadProbe")) continue;  // the test's own control
    SCOPED_TRACE(w->name().toStdString());
    std::unique_ptr<QWidget> created(w->createWidget(nullptr));
    EXPECT_EQ(w->name(), QLatin1String(created->metaObject()->className()));
    EXPECT_TRUE(QFileInfo(QStringLiteral(VYR_TEST_DATA_DIR "/../../../src/") + w->includeFile()).isFile());
    EXPECT_FALSE(w->icon().isNull());
    tips << w->toolTip();
    EXPECT_GT(w->whatsThis().size(), w->toolTip().size());
    const QString xml = w->domXml();
    EXPECT_TRUE(xml.contains(QStringLiteral("<customwidget><class>%1</class>").arg(w->name()))) << xml.toStdString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<header>%1</header>").arg(w->includeFile())));
    const auto size = QRegularExpression(QStringLiteral("<width>(\\d+)</width><height>(\\d+)</height>")).match(xml);
    ASSERT_TRUE(size.hasMatch());
    EXPECT_GE(size.captured(1).toInt(), created->sizeHint().width());
    EXPECT_GE(size.captured(2).toInt(), created->sizeHint().height());
  }
  EXPECT_EQ(tips.size(), widgets.size() - 1);  // one line each, none the class name alone
}

TEST(DesignerForm, LoadsWithEveryControlThroughQUiLoaderAndTheFormLoader) {
  QUiLoader plain;
  plain.addPluginPath(QFileInfo(QStringLiteral(VYR_DESIGNER_PLUGIN)).absolutePath());
  QFile file(kForm);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  std::unique_ptr<QWidget> viaQt(plain.load(&file));
  vyr::TFormLoader loader;
  std::unique_ptr<QWidget> viaHost(loader.LoadForm(kForm));
  ASSERT_TRUE(viaQt && viaHost) << loader.errorString().toStdString();
  ExpectEveryStoredProperty(viaQt.get());
  ExpectEveryStoredProperty(viaHost.get());
}
