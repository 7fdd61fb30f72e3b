// Numeric and rotated labels stored in a form: the properties arrive in the
// loading state in the form's order, and Loaded applies the rules that
// depend on other properties.
#include <gtest/gtest.h>

#include <QBuffer>
#include <memory>

#include "host/FormLoader.h"
#include "labels/Vyr_NumLab.h"
#include "labels/Vyr_RotLab.h"

namespace {

// LeftSpace comes before the size that caps it; PosX and PosY come before
// the AutoCenter that would otherwise recentre them.
const char* kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="TNumLab" name="reading">
   <property name="LeftSpace"><number>250</number></property>
   <property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>30</height></rect></property>
   <property name="DisplayType"><enum>dtHex</enum></property>
   <property name="Precision"><number>4</number></property>
   <property name="Value"><double>255</double></property>
  </widget>
  <widget class="TRotLab" name="title">
   <property name="geometry"><rect><x>0</x><y>40</y><width>120</width><height>80</height></rect></property>
   <property name="Caption"><string>Axis</string></property>
   <property name="TextAngle"><number>90</number></property>
   <property name="PosX"><number>20</number></property>
   <property name="PosY"><number>70</number></property>
   <property name="AutoCenter"><bool>false</bool></property>
  </widget>
  <widget class="TRotLab" name="centred">
   <property name="geometry"><rect><x>0</x><y>40</y><width>120</width><height>80</height></rect></property>
   <property name="PosX"><number>20</number></property>
  </widget>
 </widget>
</ui>
)";

}  // namespace

TEST(NumRotForm, LoadsStoredPropertiesInAnyOrder) {
  QByteArray data(kForm);
  QBuffer buffer(&data);
  vyr::TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.LoadForm(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();

  auto* n = form->findChild<vyr::TNumLab*>(QStringLiteral("reading"));
  ASSERT_TRUE(n);
  EXPECT_FALSE(n->IsLoading());
  EXPECT_EQ(n->LeftSpace(), 250);
  EXPECT_EQ(n->DisplayType(), vyr::dtHex);
  EXPECT_EQ(n->ShownText(), "00FF");

  auto* title = form->findChild<vyr::TRotLab*>(QStringLiteral("title"));
  ASSERT_TRUE(title);
  EXPECT_FALSE(title->AutoCenter());
  EXPECT_EQ(title->PosX(), 20);
  EXPECT_EQ(title->PosY(), 70);
  EXPECT_EQ(title->TextAngle(), 90);

  auto* centred = form->findChild<vyr::TRotLab*>(QStringLiteral("centred"));
  ASSERT_TRUE(centred);
  EXPECT_EQ(centred->PosX(), 60);
  EXPECT_EQ(centred->PosY(), 40);
}
