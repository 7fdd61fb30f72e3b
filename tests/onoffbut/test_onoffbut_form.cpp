// On/off buttons stored in a form: styles by name, spaces kept when
// AutoCenter comes off after them or the size comes after them, and a radio group whose states arrive
// after the group index.
#include <gtest/gtest.h>

#include <QBuffer>
#include <memory>

#include "host/FormLoader.h"
#include "onoffbut/Vyr_onoffbut.h"

namespace {

const char* kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="TOnOffBut" name="lamp">
   <property name="geometry"><rect><x>0</x><y>0</y><width>120</width><height>80</height></rect></property>
   <property name="LeftSpace"><number>5</number></property>
   <property name="TopSpace"><number>6</number></property>
   <property name="ButtonStyle"><enum>vyr::onoffbut::oobsBulb</enum></property>
   <property name="AutoCenter"><bool>false</bool></property>
  </widget>
  <widget class="TOnOffBut" name="wide">
   <property name="AutoCenter"><bool>false</bool></property>
   <property name="LeftSpace"><number>150</number></property>
   <property name="TopSpace"><number>500</number></property>
   <property name="geometry"><rect><x>0</x><y>90</y><width>200</width><height>90</height></rect></property>
  </widget>
  <widget class="TOnOffBut" name="first">
   <property name="GroupIndex"><number>1</number></property>
   <property name="AllowAllOff"><bool>false</bool></property>
  </widget>
  <widget class="TOnOffBut" name="second">
   <property name="GroupIndex"><number>1</number></property>
   <property name="OnOff"><bool>false</bool></property>
  </widget>
  <widget class="TOnOffBut" name="third">
   <property name="GroupIndex"><number>1</number></property>
   <property name="OnOff"><bool>false</bool></property>
  </widget>
 </widget>
</ui>
)";

}  // namespace

TEST(OnOffButForm, LoadsStyleSpacesAndAGroupInAnyOrder) {
  QByteArray data(kForm);
  QBuffer buffer(&data);
  vyr::TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.LoadForm(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();

  auto* lamp = form->findChild<vyr::TOnOffBut*>(QStringLiteral("lamp"));
  ASSERT_TRUE(lamp);
  EXPECT_EQ(lamp->ButtonStyle(), vyr::oobsBulb);
  EXPECT_EQ(lamp->GlyphWidth(), 39);
  EXPECT_EQ(lamp->LeftSpace(), 5);
  EXPECT_EQ(lamp->TopSpace(), 6);
  // Spaces before the size: kept as written, then limited to the loaded size.
  auto* wide = form->findChild<vyr::TOnOffBut*>(QStringLiteral("wide"));
  EXPECT_EQ(wide->LeftSpace(), 150);
  EXPECT_EQ(wide->TopSpace(), 90);

  QString lit;
  for (const char* name : {"first", "second", "third"})
    lit += form->findChild<vyr::TOnOffBut*>(QString::fromLatin1(name))->OnOff() ? '1' : '0';
  EXPECT_EQ(lit, "100");
  auto* third = form->findChild<vyr::TOnOffBut*>(QStringLiteral("third"));
  EXPECT_FALSE(third->AllowAllOff());
  third->SetOnOff(true);
  EXPECT_FALSE(form->findChild<vyr::TOnOffBut*>(QStringLiteral("first"))->OnOff());
}
