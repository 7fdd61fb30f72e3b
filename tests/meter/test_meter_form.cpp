// A meter stored in a form: properties arrive in the loading state, in the
// form's order, and Loaded puts the model right.
#include <gtest/gtest.h>

#include <QBuffer>
#include <memory>

#include "host/FormLoader.h"
#include "meter/Vyr_Meter.h"

namespace {

const char* kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="TMeter" name="gauge">
   <property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>300</height></rect></property>
   <property name="Value"><double>250</double></property>
   <property name="ThresholdHigh"><double>-4</double></property>
   <property name="MeterMinValue"><double>0</double></property>
   <property name="MeterMaxValue"><double>100</double></property>
   <property name="Logarithmic"><bool>true</bool></property>
   <property name="MeterLayout"><enum>mlCirc270</enum></property>
   <property name="FrameStyle"><number>5</number></property>
   <property name="ColorBakG"><number>65535</number></property>
   <property name="Caption"><string>bar</string></property>
  </widget>
 </widget>
</ui>
)";

}  // namespace

TEST(MeterForm, LoadsAndNormalisesStoredProperties) {
  QByteArray data(kForm);
  QBuffer buffer(&data);
  vyr::TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.LoadForm(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();
  auto* m = form->findChild<vyr::TMeter*>(QStringLiteral("gauge"));
  ASSERT_TRUE(m);
  EXPECT_FALSE(m->IsLoading());
  EXPECT_EQ(m->MeterLayout(), vyr::mlCirc270);
  EXPECT_EQ(m->FrameStyle(), vyr::fsEtched);
  EXPECT_EQ(m->ColorBakG(), vyr::clYellow);
  EXPECT_EQ(m->Caption(), QStringLiteral("bar"));
  EXPECT_EQ(m->Value(), 100);           // clamped to the maximum
  EXPECT_EQ(m->ThresholdHigh(), 0);     // clamped to the minimum
  EXPECT_FALSE(m->Logarithmic());       // a minimum of 0 cannot be logarithmic
  EXPECT_TRUE(m->HighAlarm());
  EXPECT_EQ(m->MeterAngle(), 270);
  EXPECT_GT(m->PaintCount(), 0);
}
