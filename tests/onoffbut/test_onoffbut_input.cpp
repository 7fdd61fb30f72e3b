// The on/off button's input: where a press counts, the speed-button mode,
// Space, radio groups per parent, and handlers that raise or free the
// button.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QWidget>
#include <stdexcept>

#include "OnOffTestKit.h"
#include "host/KeyCodes.h"
#include "support/ManualClock.h"

using namespace vyr;

namespace {

// A click in the middle of the default picture box (36, 19, 30 x 18).
void ClickPicture(TOnOffBut& b) {
  const int x = b.LeftSpace() + b.GlyphWidth() / 2, y = b.TopSpace() + b.GlyphHeight() / 2;
  b.MouseDown(mbLeft, 0, x, y);
  b.MouseUp(mbLeft, 0, x, y);
}

struct Group {
  QWidget parent;
  TOnOffBut* buttons[3];
  explicit Group(bool allowAllOff) {
    for (TOnOffBut*& b : buttons) {
      b = new TOnOffBut(&parent);
      b->SetOnOff(false);
    }
    for (TOnOffBut* b : buttons) b->SetGroupIndex(1);
    buttons[0]->SetOnOff(true);
    buttons[0]->SetAllowAllOff(allowAllOff);
  }
  QString Lit() const {
    QString s;
    for (TOnOffBut* b : buttons) s += b->OnOff() ? '1' : '0';
    return s;
  }
};

}  // namespace

TEST(OnOffButMouse, ClickOnThePictureTogglesAndRaisesOnClick) {
  TOnOffBut b;
  int clicks = 0;
  b.OnClick = [&](TObject*) { ++clicks; };
  ClickPicture(b);
  EXPECT_FALSE(b.OnOff());
  ClickPicture(b);
  EXPECT_TRUE(b.OnOff());
  EXPECT_EQ(clicks, 2);
  b.MouseDown(mbRight, 0, 50, 27);
  b.MouseUp(mbRight, 0, 50, 27);
  EXPECT_TRUE(b.OnOff());
  EXPECT_EQ(clicks, 2);
}

TEST(OnOffButMouse, FocusedActionCountsOnlyStrictlyInsideThePicture) {
  TOnOffBut b;
  int clicks = 0;
  b.OnClick = [&](TObject*) { ++clicks; };
  for (QPoint p : {QPoint(5, 5), QPoint(35, 27), QPoint(65, 27), QPoint(50, 18), QPoint(50, 36)}) {
    b.MouseDown(mbLeft, 0, p.x(), p.y());
    b.MouseUp(mbLeft, 0, p.x(), p.y());
  }
  EXPECT_TRUE(b.OnOff());
  EXPECT_EQ(clicks, 0);
  b.MouseDown(mbLeft, 0, 36, 19);
  EXPECT_FALSE(b.OnOff());
}

TEST(OnOffButMouse, PlainActionCountsAnywhereAndNoneNowhere) {
  TOnOffBut b;
  b.SetMouseAction(oomaPlain);
  b.MouseDown(mbLeft, 0, 2, 2);
  EXPECT_FALSE(b.OnOff());
  b.SetMouseAction(oomaNone);
  ClickPicture(b);
  EXPECT_FALSE(b.OnOff());
  EXPECT_EQ(b.focusPolicy(), Qt::NoFocus);
}

TEST(OnOffButSpeed, PressLightsAndReleaseSwitchesOffWithOnClick) {
  TOnOffBut b;
  b.SetMode(oobmSpeedBut);
  EXPECT_FALSE(b.OnOff());
  int clicks = 0;
  b.OnClick = [&](TObject*) { ++clicks; };
  b.MouseDown(mbLeft, 0, 50, 27);
  EXPECT_TRUE(b.OnOff());
  EXPECT_EQ(clicks, 0);
  b.MouseUp(mbLeft, 0, 50, 27);
  EXPECT_FALSE(b.OnOff());
  EXPECT_EQ(clicks, 1);
}

TEST(OnOffButSpeed, ReleaseOutsideThePictureStillEndsThePressWithoutOnClick) {
  TOnOffBut b;
  b.SetMode(oobmSpeedBut);
  int clicks = 0;
  b.OnClick = [&](TObject*) { ++clicks; };
  b.MouseDown(mbLeft, 0, 50, 27);
  b.MouseUp(mbLeft, 0, 99, 49);
  EXPECT_FALSE(b.OnOff());
  EXPECT_EQ(clicks, 0);
}

TEST(OnOffButSpeed, RaisingMouseUpHandlerLeavesTheButtonOff) {
  TOnOffBut b;
  b.SetMode(oobmSpeedBut);
  b.OnMouseUp = [](TObject*, TMouseButton, TShiftState, int, int) { throw std::runtime_error("handler"); };
  b.MouseDown(mbLeft, 0, 50, 27);
  EXPECT_THROW(b.MouseUp(mbLeft, 0, 50, 27), std::runtime_error);
  EXPECT_FALSE(b.OnOff());
  b.OnMouseUp = nullptr;
  b.MouseDown(mbLeft, 0, 50, 27);
  EXPECT_TRUE(b.OnOff());
}

TEST(OnOffButSpeed, LosingTheFocusOrBeingDisabledEndsAPress) {
  TOnOffBut b;
  b.SetMode(oobmSpeedBut);
  b.MouseDown(mbLeft, 0, 50, 27);
  b.SetEnabled(false);
  EXPECT_FALSE(b.OnOff());
}

TEST(OnOffButMouse, ARaisingOnClickGoesToTheApplicationAndTheGroupStaysWhole) {
  vyrtest::ExceptionCatcher caught;
  Group g(false);
  TOnOffBut& second = *g.buttons[1];
  second.OnClick = [](TObject*) { throw std::runtime_error("click failed"); };
  const QPoint middle(second.LeftSpace() + 15, second.TopSpace() + 9);
  QTest::mouseClick(&second, Qt::LeftButton, {}, middle);
  EXPECT_EQ(caught.messages.size(), 1u);
  EXPECT_EQ(g.Lit(), "010");
  second.OnClick = nullptr;
  g.buttons[2]->SetMode(oobmSpeedBut);
  g.buttons[2]->OnClick = [](TObject*) { throw std::runtime_error("speed failed"); };
  QTest::mouseClick(g.buttons[2], Qt::LeftButton, {}, middle);
  EXPECT_EQ(caught.messages.size(), 2u);
  EXPECT_EQ(g.Lit(), "000");
  QTest::mouseClick(g.buttons[0], Qt::LeftButton, {}, middle);
  EXPECT_EQ(g.Lit(), "100");
}

TEST(OnOffButMouse, OnClickMayFreeTheButton) {
  QWidget parent;
  QPointer<TOnOffBut> b = new TOnOffBut(&parent);
  b->OnClick = [&](TObject*) { delete b.data(); };
  ClickPicture(*b);
  EXPECT_TRUE(b.isNull());
}

TEST(OnOffButKeys, SpaceTogglesOnceWhileHeldAndRaisesOnClickOnRelease) {
  TOnOffBut b;
  int clicks = 0;
  b.OnClick = [&](TObject*) { ++clicks; };
  quint16 key = VK_SPACE;
  b.KeyDown(key, 0);
  b.KeyDown(key, 0);  // auto-repeat
  EXPECT_FALSE(b.OnOff());
  b.KeyUp(key, 0);
  EXPECT_EQ(clicks, 1);
  b.KeyDown(key, 0);
  b.KeyUp(key, 0);
  EXPECT_TRUE(b.OnOff());
  quint16 enter = VK_RETURN;
  b.KeyDown(enter, 0);
  EXPECT_TRUE(b.OnOff());
  EXPECT_EQ(b.focusPolicy(), Qt::StrongFocus);
}

TEST(OnOffButKeys, SpaceActsAsASpeedButtonPress) {
  TOnOffBut b;
  b.SetMode(oobmSpeedBut);
  quint16 key = VK_SPACE;
  b.KeyDown(key, 0);
  EXPECT_TRUE(b.OnOff());
  b.KeyUp(key, 0);
  EXPECT_FALSE(b.OnOff());
}

TEST(OnOffButGroup, ClickingAnotherButtonMovesTheLightAndTheLitOneStays) {
  Group g(false);
  EXPECT_EQ(g.Lit(), "100");
  ClickPicture(*g.buttons[1]);
  EXPECT_EQ(g.Lit(), "010");
  ClickPicture(*g.buttons[1]);
  EXPECT_EQ(g.Lit(), "010");
  g.buttons[1]->SetOnOff(false);
  EXPECT_EQ(g.Lit(), "010");
  g.buttons[2]->SetOnOff(true);
  EXPECT_EQ(g.Lit(), "001");
}

TEST(OnOffButGroup, AllowAllOffLetsTheLitButtonGoOffAndSpreadsToTheGroup) {
  Group g(true);
  EXPECT_TRUE(g.buttons[2]->AllowAllOff());
  ClickPicture(*g.buttons[0]);
  EXPECT_EQ(g.Lit(), "000");
  g.buttons[1]->SetAllowAllOff(false);
  EXPECT_FALSE(g.buttons[0]->AllowAllOff());
  EXPECT_FALSE(g.buttons[2]->AllowAllOff());
}

TEST(OnOffButGroup, ButtonsOfAnotherParentAreLeftAlone) {
  Group g(false), other(false);
  ClickPicture(*g.buttons[2]);
  EXPECT_EQ(g.Lit(), "001");
  EXPECT_EQ(other.Lit(), "100");
  g.buttons[0]->SetAllowAllOff(true);
  EXPECT_FALSE(other.buttons[1]->AllowAllOff());
}

TEST(OnOffButGroup, AButtonLeavingItsParentLeavesItsGroup) {
  Group g(false), other(false);
  TOnOffBut* moved = g.buttons[0];
  moved->setParent(&other.parent);
  // It arrived lit: the lit one of its new group goes off.
  EXPECT_EQ(other.Lit(), "000");
  EXPECT_TRUE(moved->OnOff());
  ClickPicture(*g.buttons[1]);
  EXPECT_TRUE(moved->OnOff());
  ClickPicture(*other.buttons[2]);
  EXPECT_FALSE(moved->OnOff());
}

TEST(OnOffButGroup, NegativeGroupIndexHearsNothing) {
  Group g(false);
  g.buttons[1]->SetGroupIndex(-1);
  g.buttons[2]->SetGroupIndex(-1);
  g.buttons[1]->SetOnOff(true);
  g.buttons[2]->SetOnOff(true);
  EXPECT_EQ(g.Lit(), "111");
}
