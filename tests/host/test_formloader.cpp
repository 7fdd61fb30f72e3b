// Loading a stored form: library controls are created by class name, stay
// in the loading state while their properties are written, then get one
// Loaded call each.
#include <gtest/gtest.h>

#include <QBuffer>

#include "host/Control.h"
#include "host/ControlRegistry.h"
#include "host/FormLoader.h"

namespace vyr {

class TLoadProbe : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(int Level READ Level WRITE SetLevel)
 public:
  explicit TLoadProbe(QWidget* owner = nullptr) : TCustomControl(owner) {}
  int Level() const { return FLevel; }
  void SetLevel(int v) {
    writesWhileLoading += IsLoading() ? 1 : 0;
    FLevel = v;
  }
  void Loaded() override {
    ++loadedCalls;
    levelAtLoaded = FLevel;
    TCustomControl::Loaded();
  }
  void SetWidth(int w) override { TCustomControl::SetWidth(std::min(w, 100)); }
  int writesWhileLoading = 0;
  int loadedCalls = 0;
  int levelAtLoaded = -1;

 private:
  int FLevel = 0;
};

}  // namespace vyr

VYR_REGISTER_CONTROL(TLoadProbe)

namespace {

const char* kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>400</width><height>300</height></rect></property>
  <widget class="vyr::TLoadProbe" name="first">
   <property name="geometry"><rect><x>10</x><y>10</y><width>250</width><height>30</height></rect></property>
   <property name="Level"><number>7</number></property>
  </widget>
  <widget class="TLoadProbe" name="second">
   <property name="Level"><number>3</number></property>
  </widget>
 </widget>
</ui>
)";

}  // namespace

TEST(FormLoader, CreatesControlsInTheLoadingStateAndCallsLoadedOnce) {
  QByteArray data(kForm);
  QBuffer buffer(&data);
  vyr::TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.LoadForm(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();
  auto* first = form->findChild<vyr::TLoadProbe*>(QStringLiteral("first"));
  auto* second = form->findChild<vyr::TLoadProbe*>(QStringLiteral("second"));
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->Level(), 7);
  EXPECT_EQ(first->writesWhileLoading, 1);
  EXPECT_EQ(first->loadedCalls, 1);
  EXPECT_EQ(first->levelAtLoaded, 7);
  EXPECT_FALSE(first->IsLoading());
  EXPECT_EQ(first->Width(), 100);  // the stored width passed the control's own limit
  EXPECT_EQ(first->Name(), QStringLiteral("first"));
  EXPECT_EQ(second->Level(), 3);
  EXPECT_EQ(second->loadedCalls, 1);
}

TEST(FormLoader, UnknownClassesFallBackToQtAndNamesAreListed) {
  EXPECT_TRUE(vyr::RegisteredControlClasses().contains(QStringLiteral("TLoadProbe")));
  EXPECT_EQ(vyr::RegisteredControlHeader(QStringLiteral("vyr::TMeter")), QStringLiteral("meter/Vyr_Meter.h"));
  EXPECT_EQ(vyr::CreateRegisteredControl(QStringLiteral("TNoSuchControl"), nullptr), nullptr);
}

TEST(FormLoader, AFormNamingAnUnknownClassFailsWithAMessage) {
  for (const char* cls : {"vyr::TNoSuchControl", "NoSuchWidget"}) {
    QByteArray data = QByteArray(kForm).replace("\"TLoadProbe\"", QByteArray("\"") + cls + "\"");
    QBuffer buffer(&data);
    vyr::TFormLoader loader;
    EXPECT_EQ(loader.LoadForm(&buffer), nullptr) << cls;
    EXPECT_TRUE(loader.errorString().contains(QLatin1String(cls))) << loader.errorString().toStdString();
    EXPECT_TRUE(loader.errorString().contains(QLatin1String("second")));
  }
}


#ifdef VYR_DESIGNER_PLUGIN
#include <QPluginLoader>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

TEST(DesignerPlugin, OffersEveryRegisteredControl) {
  QPluginLoader loader(QStringLiteral(VYR_DESIGNER_PLUGIN));
  QObject* instance = loader.instance();
  ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
  auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(instance);
  ASSERT_NE(collection, nullptr);
  QStringList names;
  for (QDesignerCustomWidgetInterface* w : collection->customWidgets()) names << w->name();
  EXPECT_TRUE(names.contains(QStringLiteral("vyr::TLoadProbe")));
  for (QDesignerCustomWidgetInterface* w : collection->customWidgets()) {
    if (w->name() != QStringLiteral("vyr::TLoadProbe")) continue;
    std::unique_ptr<QWidget> atRunTime(w->createWidget(nullptr));
    w->initialize(nullptr);  // as Designer does; a form loader does not
    std::unique_ptr<QWidget> created(w->createWidget(nullptr));
    auto* probe = dynamic_cast<vyr::TLoadProbe*>(created.get());
    ASSERT_NE(probe, nullptr);
    EXPECT_TRUE(probe->IsDesigning());
    EXPECT_FALSE(dynamic_cast<vyr::TLoadProbe*>(atRunTime.get())->IsDesigning());
  }
}
#endif

#include "test_formloader.moc"
