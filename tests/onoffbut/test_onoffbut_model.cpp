// The on/off button's model: initial values, the picture sheets of every
// style, layout and its clamps, user pictures, copying and what it tells
// layouts, assistive technology and forms.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QResizeEvent>
#include <QTemporaryDir>
#include <QWidget>

#include "OnOffTestKit.h"
#include "host/ControlRegistry.h"
#include "host/Exception.h"
#include "support/AssignWalk.h"

using namespace vyr;

TEST(OnOffButModel, InitialValues) {
  TOnOffBut b;
  EXPECT_EQ(b.Width(), 100);
  EXPECT_EQ(b.Height(), 50);
  EXPECT_TRUE(b.OnOff());
  EXPECT_EQ(b.ButtonStyle(), oobsColSlideLR);
  EXPECT_EQ(b.Mode(), oobmNormalBut);
  EXPECT_EQ(b.MouseAction(), oomaFocused);
  EXPECT_EQ(b.GroupIndex(), 0);
  EXPECT_TRUE(b.AllowAllOff());
  EXPECT_TRUE(b.AutoCenter());
  EXPECT_EQ(b.LeftSpace(), 35);
  EXPECT_EQ(b.TopSpace(), 18);
  EXPECT_EQ(b.LeftTextAlignment(), taRightJustify);
  EXPECT_EQ(b.RightTextAlignment(), taLeftJustify);
  EXPECT_EQ(b.TopTextAlignment(), taCenter);
  EXPECT_EQ(b.BottomTextAlignment(), taCenter);
  EXPECT_EQ(b.ColorText(), clBlack);
  EXPECT_EQ(b.ColorBackgnd(), clBtnFace);
  EXPECT_EQ(b.ColorScheme(), csFixed);
  EXPECT_EQ(b.FrameStyle(), fsLowered);
  EXPECT_FALSE(b.IsTransparent());
  EXPECT_EQ(b.GlyphWidth(), 30);
  EXPECT_EQ(b.GlyphHeight(), 18);
}

TEST(OnOffButPictures, EverySheetHasItsSizeAndFourDistinctPictures) {
  struct Sheet {
    TOnOffButStyle style;
    int w, h;
  };
  const Sheet sheets[] = {{oobsCheckbox, 16, 16},   {oobsRadioBut, 14, 14},       {oobsSlideTB, 18, 30},
                          {oobsSlideLR, 30, 18},    {oobsColSlideTB, 18, 30},     {oobsColSlideLR, 30, 18},
                          {oobsLedRedGreen, 14, 14}, {oobsArrowTopRgt, 25, 25},   {oobsArrowUpDown, 25, 25},
                          {oobsArrowLeftRight, 25, 25}, {oobsTrafficLPed, 31, 31}, {oobsBeveledLed, 17, 17},
                          {oobsSmileyYellow, 18, 18}, {oobsSmileyRedGrn, 18, 18}, {oobsBulb, 39, 49},
                          {oobsButLamp, 49, 24},    {oobsHDLeft, 48, 16},         {oobsHDRight, 48, 16},
                          {oobsUser1, 24, 24},      {oobsUser2, 24, 24},          {oobsUser3, 24, 24},
                          {oobsUser4, 24, 24},      {oobsUser5, 24, 24}};
  TOnOffBut b;
  for (const Sheet& s : sheets) {
    SCOPED_TRACE(int(s.style));
    b.SetButtonStyle(s.style);
    EXPECT_EQ(b.GlyphWidth(), s.w);
    EXPECT_EQ(b.GlyphHeight(), s.h);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(b.StatePicture(i)->Width(), s.w);
      for (int j = 0; j < i; ++j) EXPECT_NE(b.StatePicture(i)->Image(), b.StatePicture(j)->Image()) << i << " " << j;
    }
  }
}

TEST(OnOffButPictures, StatePicturesComeFromTheirQuadrants) {
  TOnOffBut b;
  b.SetButtonStyle(oobsBulb);
  const int column[4] = {1, 1, 0, 0}, row[4] = {1, 0, 1, 0};
  for (int i = 0; i < 4; ++i)
    EXPECT_EQ(b.StatePicture(i)->ToRgb32(), onofftest::Quadrant("BULB", column[i], row[i])) << i;
  EXPECT_EQ(b.StatePicture(4), nullptr);
  EXPECT_EQ(b.StatePicture(-1), nullptr);
}

TEST(OnOffButLayout, SpacesAreLimitedToTheSizeAndNegativeWritesIgnored) {
  TOnOffBut b;
  b.SetAutoCenter(false);
  b.SetTopSpace(1000);
  EXPECT_EQ(b.TopSpace(), 50);
  b.SetLeftSpace(1000);
  EXPECT_EQ(b.LeftSpace(), 100);
  b.SetLeftSpace(-3);
  EXPECT_EQ(b.LeftSpace(), 100);
  b.SetTopSpace(7);
  EXPECT_EQ(b.TopSpace(), 7);
}

TEST(OnOffButLayout, AutoCenterRecentresOnWritesStyleChangesAndResizesOnAParent) {
  QWidget parent;
  auto* b = new TOnOffBut(&parent);
  b->SetLeftSpace(3);
  EXPECT_EQ(b->LeftSpace(), 35);
  EXPECT_EQ(b->TopSpace(), 16);
  b->SetButtonStyle(oobsBulb);
  EXPECT_EQ(b->LeftSpace(), (100 - 39) / 2);
  EXPECT_EQ(b->TopSpace(), (50 - 49) / 2);
  b->resize(200, 120);
  QResizeEvent e(QSize(200, 120), QSize(100, 50));
  QApplication::sendEvent(b, &e);
  EXPECT_EQ(b->LeftSpace(), 80);
  EXPECT_EQ(b->TopSpace(), 35);
}

// A hidden parent holds Qt's resize event back; SetBounds re-centres at once.
TEST(OnOffButLayout, SetBoundsOnAHiddenParentRecentresAtOnce) {
  QWidget parent;
  auto* b = new TOnOffBut(&parent);
  b->SetBounds(0, 0, 200, 120);
  EXPECT_EQ(b->LeftSpace(), (200 - 30) / 2);
  EXPECT_EQ(b->TopSpace(), (120 - 18) / 2);
}

TEST(OnOffButUser, SwitchingToUserKeepsThePictureSizeAndShowsTheUserPictures) {
  TOnOffBut b;
  b.SetButtonStyle(oobsUser);
  EXPECT_EQ(b.GlyphWidth(), 30);
  EXPECT_EQ(b.GlyphHeight(), 18);
  EXPECT_EQ(b.StatePicture(3)->Width(), 20);
  EXPECT_EQ(b.StatePicture(3)->Height(), 20);
  // Index 1 holds a cross, 3 a circle, 0 and 2 are blank.
  TBitmap* cross = const_cast<TBitmap*>(b.UserPicture(1));
  EXPECT_EQ(cross->Canvas().Pixels(10, 10), clBlack);
  EXPECT_EQ(cross->Canvas().Pixels(10, 0), clWhite);
  TBitmap* circle = const_cast<TBitmap*>(b.UserPicture(3));
  EXPECT_EQ(circle->Canvas().Pixels(5, 10), clBlack);
  EXPECT_EQ(circle->Canvas().Pixels(10, 10), clWhite);
  TBitmap* blank = const_cast<TBitmap*>(b.UserPicture(0));
  EXPECT_EQ(blank->Canvas().Pixels(10, 10), clWhite);
}

TEST(OnOffButUser, SetUserGlyphSplitsASheetAndSizesTheUserStyle) {
  TOnOffBut b;
  TBitmap sheet(40, 20);
  sheet.Canvas().Brush.Color = clRed;
  sheet.Canvas().FillRect({0, 0, 20, 10});  // on and enabled
  sheet.Canvas().Brush.Color = clBlue;
  sheet.Canvas().FillRect({20, 10, 40, 20});  // off and disabled
  b.SetUserGlyph(sheet);
  EXPECT_EQ(b.GlyphWidth(), 30);  // not shown yet
  b.SetButtonStyle(oobsUser);
  b.SetUserGlyph(sheet);
  EXPECT_EQ(b.GlyphWidth(), 20);
  EXPECT_EQ(b.GlyphHeight(), 10);
  EXPECT_EQ(PixelToColor(b.StatePicture(3)->Image().pixel(5, 5)), clRed);
  EXPECT_EQ(PixelToColor(b.StatePicture(0)->Image().pixel(5, 5)), clBlue);
  EXPECT_EQ(b.LeftSpace(), 40);
  EXPECT_EQ(b.TopSpace(), 20);
  TBitmap tiny(1, 5);
  EXPECT_THROW(b.SetUserGlyph(tiny), EInvalidGraphic);
  EXPECT_EQ(b.GlyphWidth(), 20);
}

TEST(OnOffButUser, LoadUserGlyphReadsPngAndBmpAndRefusesMissingFiles) {
  QTemporaryDir dir;
  TBitmap sheet(24, 24);
  sheet.Canvas().Brush.Color = clLime;
  sheet.Canvas().FillRect({0, 0, 12, 12});
  for (const char* ext : {"png", "bmp"}) {
    const QString path = dir.filePath(QStringLiteral("sheet.") + ext);
    sheet.SaveToFile(path);
    TOnOffBut b;
    b.SetButtonStyle(oobsUser);
    b.LoadUserGlyph(path);
    EXPECT_EQ(b.GlyphWidth(), 12) << ext;
    EXPECT_EQ(PixelToColor(b.StatePicture(3)->Image().pixel(3, 3)), clLime) << ext;
  }
  TOnOffBut b;
  EXPECT_THROW(b.LoadUserGlyph(dir.filePath("none.png")), EInvalidGraphic);
  EXPECT_EQ(b.UserPicture(1)->Width(), 20);
}

TEST(OnOffButAssign, CopiesEveryListedProperty) {
  static constexpr const char* notCopied[] = {"Mode", "GroupIndex", "AllowAllOff", "Font"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TOnOffBut>(); }, TOnOffBut::CopiedProperties(),
                                  notCopied);
}

TEST(OnOffButAssign, CopiesPicturesAndPictureSize) {
  TOnOffBut source, copy;
  TBitmap sheet(10, 10);
  sheet.Canvas().Brush.Color = clRed;
  sheet.Canvas().FillRect({0, 0, 5, 5});
  source.SetButtonStyle(oobsUser);
  source.SetUserGlyph(sheet);
  copy.Assign(&source);
  EXPECT_EQ(copy.ButtonStyle(), oobsUser);
  EXPECT_EQ(copy.GlyphWidth(), 5);
  EXPECT_EQ(copy.StatePicture(3)->Image(), source.StatePicture(3)->Image());
  EXPECT_EQ(copy.UserPicture(3)->Image(), source.UserPicture(3)->Image());
}

TEST(OnOffButCitizen, RegisteredAndAccessibleAsACheckBoxOrRadioButton) {
  EXPECT_EQ(RegisteredControlHeader("TOnOffBut"), "onoffbut/Vyr_onoffbut.h");
  TOnOffBut b;
  b.SetRightText(QStringLiteral("Pump"));
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(&b);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::CheckBox);
  EXPECT_EQ(a->text(QAccessible::Name), "Pump");
  EXPECT_EQ(a->text(QAccessible::Value), "on");
  b.SetOnOff(false);
  EXPECT_EQ(a->text(QAccessible::Value), "off");
  // Qt keeps the role the interface was made with: a group member set up
  // before it is first asked for reads as a radio button.
  TOnOffBut member;
  member.SetGroupIndex(2);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&member)->role(), QAccessible::RadioButton);
}

TEST(OnOffButCitizen, SizeHintHoldsPictureAndCaptions) {
  TOnOffBut b;
  const QSize bare = b.sizeHint();
  EXPECT_GE(bare.width(), 34);
  b.SetLeftText(QStringLiteral("Heater"));
  b.SetTopText(QStringLiteral("Mode"));
  EXPECT_GT(b.sizeHint().width(), bare.width() + 20);
  EXPECT_GT(b.sizeHint().height(), bare.height() + 10);
  EXPECT_EQ(b.minimumSizeHint(), QSize(34, 22));
}
