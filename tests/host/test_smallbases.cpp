// The general bases for small controls: speed button groups and looks,
// panel bevels, and the owner-drawn combo box's items and index rules.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>

#include "host/ComboBox.h"
#include "host/Panel.h"
#include "host/SpeedButton.h"

using namespace vyr;

TEST(SpeedButtonGroup, OneDownPerGroupAndParentAndAllowAllUp) {
  QWidget parent, other;
  TSpeedButton a(&parent), b(&parent), c(&parent), far(&other);
  for (auto* btn : {&a, &b, &c, &far}) btn->SetGroupIndex(1);
  far.SetDown(true);
  a.SetDown(true);
  EXPECT_TRUE(a.Down());
  b.MouseDown(mbLeft, ssLeft, 2, 2);
  b.MouseUp(mbLeft, 0, 2, 2);
  EXPECT_TRUE(b.Down());
  EXPECT_FALSE(a.Down());
  EXPECT_FALSE(c.Down());
  EXPECT_TRUE(far.Down()) << "another parent's group is left alone";
  b.MouseDown(mbLeft, ssLeft, 2, 2);
  b.MouseUp(mbLeft, 0, 2, 2);
  EXPECT_TRUE(b.Down()) << "without AllowAllUp the down button stays down";
  b.SetAllowAllUp(true);
  EXPECT_TRUE(c.AllowAllUp());
  b.MouseDown(mbLeft, ssLeft, 2, 2);
  b.MouseUp(mbLeft, 0, 2, 2);
  EXPECT_FALSE(b.Down());
  TSpeedButton loose;
  loose.SetDown(true);
  EXPECT_FALSE(loose.Down()) << "only grouped buttons stay down";
}

TEST(SpeedButtonLook, RaisedPressedFlatAndHovered) {
  TSpeedButton b;
  b.resize(30, 20);
  b.Paint();
  EXPECT_EQ(b.Canvas().Pixels(0, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(b.Canvas().Pixels(29, 19), ColorToRGB(cl3DDkShadow));
  b.MouseDown(mbLeft, ssLeft, 5, 5);
  EXPECT_EQ(b.State(), bsDown);
  EXPECT_EQ(b.Canvas().Pixels(0, 0), ColorToRGB(cl3DDkShadow));
  b.MouseMove(ssLeft, 50, 5);
  EXPECT_EQ(b.State(), bsUp) << "pressed shows only while the pointer is on it";
  int clicks = 0;
  b.OnClick = [&](TObject*) { ++clicks; };
  b.MouseUp(mbLeft, 0, 50, 5);
  EXPECT_EQ(clicks, 0);
  b.SetFlat(true);
  EXPECT_EQ(b.Canvas().Pixels(0, 0), ColorToRGB(clBtnFace)) << "a flat button shows no edge";
  b.MouseEnter();
  EXPECT_EQ(b.Canvas().Pixels(0, 0), ColorToRGB(clBtnHighlight));
  EXPECT_NE(b.Canvas().Pixels(15, 10), ColorToRGB(clBtnFace)) << "lighter while hovered";
  b.SetEnabled(false);
  EXPECT_FALSE(b.MouseInControl());
  b.MouseDown(mbLeft, ssLeft, 5, 5);
  EXPECT_EQ(b.State(), bsUp) << "a disabled button does not press";
}

TEST(PanelLook, BevelsBorderAndFace) {
  QWidget parent;
  TCustomPanel p(&parent);
  p.resize(20, 20);
  p.SetParentBackground(false);
  p.SetColor(clRed);
  EXPECT_EQ(p.Canvas().Pixels(0, 0), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(p.Canvas().Pixels(19, 19), ColorToRGB(clBtnShadow));
  EXPECT_EQ(p.Canvas().Pixels(1, 1), clRed);
  p.SetBevelBorderWidth(2);
  p.SetBevelInner(bvLowered);
  EXPECT_EQ(p.FaceRect(), (TRect{4, 4, 16, 16}));
  EXPECT_EQ(p.Canvas().Pixels(3, 3), ColorToRGB(clBtnShadow));
  EXPECT_EQ(p.Canvas().Pixels(15, 15), clRed);
  p.SetBevelWidth(1000);
  EXPECT_EQ(p.BevelWidth(), TCustomPanel::kMaxBevelWidth);
  EXPECT_TRUE(p.FaceRect().IsEmpty());
  p.SetParentBackground(true);
  EXPECT_EQ(p.FaceColor(), FromQColor(parent.palette().color(QPalette::Window)));
}

TEST(ComboBoxItems, IndexRulesUserChoiceAndDefaultDrawing) {
  TCustomComboBox box;
  box.SetItems({"one", "two", "three"});
  EXPECT_EQ(box.ItemIndex(), -1);
  box.SetItemIndex(5);
  EXPECT_EQ(box.ItemIndex(), -1);
  int clicks = 0, changes = 0;
  box.OnClick = [&](TObject*) { ++clicks; };
  box.OnChange = [&](TObject*) { ++changes; };
  box.SetItemIndex(1);
  EXPECT_EQ(changes, 0) << "writes from code raise nothing";
  emit box.ComboWidget().activated(2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(changes, 1);
  box.SetItemHeight(0);
  EXPECT_EQ(box.ItemHeight(), 1);
  box.SetDropDownCount(500);
  EXPECT_EQ(box.DropDownCount(), TCustomComboBox::kMaxDropDownCount);
  const QImage plain = box.ItemImage(0, QSize(60, 16), 0);
  const QImage hot = box.ItemImage(0, QSize(60, 16), odSelected);
  EXPECT_EQ(PixelToColor(plain.pixel(59, 0)), ColorToRGB(clWindow));
  EXPECT_EQ(PixelToColor(hot.pixel(59, 0)), ColorToRGB(clHighlight));
  EXPECT_EQ(box.AccessibleValue(), "two");
  auto* iface = QAccessible::queryAccessibleInterface(&box);
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::ComboBox);
}
