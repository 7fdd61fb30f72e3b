// The colour selector, colour button and repeating button as Qt citizens:
// registered for forms, sized for layouts, and readable by assistive
// technology.
#include <gtest/gtest.h>

#include <QAccessible>
#include <memory>

#include "host/ControlRegistry.h"
#include "smallctl/Vyr_Colbut.h"
#include "smallctl/Vyr_Colsel.h"
#include "smallctl/Vyr_repsbut.h"

using namespace vyr;

TEST(ColourCitizens, RegisteredWithTheirHeaders) {
  for (const char* name : {"TColSel", "TColorButton", "TRepSpeedButton"}) {
    std::unique_ptr<QWidget> w(CreateRegisteredControl(QString::fromLatin1(name), nullptr));
    ASSERT_NE(w, nullptr) << name;
    EXPECT_EQ(w->metaObject()->className(), "vyr::" + QByteArray(name));
    EXPECT_TRUE(RegisteredControlHeader(QString::fromLatin1(name)).startsWith("smallctl/Vyr_")) << name;
    EXPECT_FALSE(w->sizeHint().isEmpty()) << name;
    EXPECT_LE(w->minimumSizeHint().width(), w->sizeHint().width()) << name;
  }
}

TEST(ColourCitizens, AccessibleRolesAndValues) {
  TColSel sel;
  sel.SetSelColor(clRed);
  auto* iface = QAccessible::queryAccessibleInterface(&sel);
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::ComboBox);
  EXPECT_EQ(iface->text(QAccessible::Value), "Red");

  TColorButton swatch;
  swatch.SetCaption("Trace");
  swatch.SetColor(clNavy);
  iface = QAccessible::queryAccessibleInterface(&swatch);
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::Button);
  EXPECT_EQ(iface->text(QAccessible::Name), "Trace");
  EXPECT_EQ(iface->text(QAccessible::Value), "Navy");

  TRepSpeedButton arrow;
  arrow.SetCaption("+");
  iface = QAccessible::queryAccessibleInterface(&arrow);
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::Button);
  EXPECT_EQ(iface->text(QAccessible::Name), "+");
}

TEST(ColourCitizens, AStoredSelectorFillsItsListWhenLoaded) {
  TColSel sel;
  sel.BeginLoading();
  sel.setProperty("NumColors", 16);
  sel.setProperty("ColorBarWidth", 20);
  sel.Loaded();
  EXPECT_EQ(sel.ItemCount(), 16);
  EXPECT_EQ(sel.ItemIndex(), 0);
  EXPECT_EQ(sel.ColorBarWidth(), 20);
}
