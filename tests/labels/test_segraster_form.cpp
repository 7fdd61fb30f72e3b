// Seven-segment displays and dot-matrix labels stored in a form: the
// properties arrive in the loading state in the form's order, and Loaded
// applies the rules that depend on other properties.
#include <gtest/gtest.h>

#include <QBuffer>
#include <memory>

#include "host/FormLoader.h"
#include "labels/Vyr_RasterLab.h"
#include "labels/Vyr_sevenseg.h"
#include "support/ManualClock.h"

namespace {

// The margin comes before the height that allows it; AutoHeight before the
// height it sets.
const char* kForm = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <widget class="TSevenSeg" name="readout">
   <property name="Margin"><number>50</number></property>
   <property name="geometry"><rect><x>0</x><y>0</y><width>400</width><height>120</height></rect></property>
   <property name="NumDigits"><number>3</number></property>
   <property name="ColorText"><number>65280</number></property>
   <property name="Caption"><string>4.2</string></property>
   <property name="FrameStyle"><number>3</number></property>
  </widget>
  <widget class="TRasterLab" name="banner">
   <property name="geometry"><rect><x>0</x><y>130</y><width>300</width><height>50</height></rect></property>
   <property name="Text"><string>Stored</string></property>
   <property name="DotSize"><number>2</number></property>
   <property name="CharBlockMode"><enum>rdbmRaster</enum></property>
   <property name="ScrollInterval"><number>40</number></property>
   <property name="ScrollMode"><enum>rdsmLeft</enum></property>
  </widget>
  <widget class="TRasterLab" name="fitted">
   <property name="AutoHeight"><bool>true</bool></property>
   <property name="geometry"><rect><x>0</x><y>190</y><width>300</width><height>90</height></rect></property>
  </widget>
 </widget>
</ui>
)";

}  // namespace

TEST(SegRasterForm, LoadsStoredPropertiesInAnyOrder) {
  vyrtest::ManualClockScope clock;
  QByteArray data(kForm);
  QBuffer buffer(&data);
  vyr::TFormLoader loader;
  std::unique_ptr<QWidget> form(loader.LoadForm(&buffer));
  ASSERT_TRUE(form) << loader.errorString().toStdString();

  auto* readout = form->findChild<vyr::TSevenSeg*>(QStringLiteral("readout"));
  ASSERT_TRUE(readout);
  EXPECT_FALSE(readout->IsLoading());
  EXPECT_EQ(readout->Margin(), 50);
  EXPECT_EQ(readout->NumDigits(), 3);
  EXPECT_EQ(readout->ColorText(), 0x00FF00u);
  EXPECT_EQ(readout->FrameStyle(), vyr::fsRaised);
  EXPECT_EQ(readout->ShownText(), "4.2");
  // One cache, for the loaded settings.
  EXPECT_EQ(readout->ImageCacheBuilds(), 1);
  readout->Paint();
  EXPECT_EQ(readout->ImageCacheBuilds(), 1);

  auto* banner = form->findChild<vyr::TRasterLab*>(QStringLiteral("banner"));
  ASSERT_TRUE(banner);
  EXPECT_EQ(banner->Text(), "Stored");
  EXPECT_EQ(banner->DotSize(), 2);
  EXPECT_EQ(banner->CharBlockMode(), vyr::rdbmRaster);
  EXPECT_EQ(banner->ScrollMode(), vyr::rdsmLeft);
  clock->Advance(80);
  EXPECT_EQ(banner->ScrollPosX(), -2);

  // AutoHeight comes before the size, which must not undo it.
  EXPECT_EQ(form->findChild<vyr::TRasterLab*>(QStringLiteral("fitted"))->Height(), 1 + 4 * 12);
}
