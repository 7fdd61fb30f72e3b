// The colour button: the lighter look while hovered, choosing a colour
// through the dialog, the caption's contrast, the dialog reference.
#include <gtest/gtest.h>

#include <QColorDialog>

#include "foundation/ColorUtils.h"
#include "host/KeyCodes.h"
#include "host/Modal.h"
#include "smallctl/Vyr_Colbut.h"
#include "support/AssignWalk.h"

using namespace vyr;

namespace {

double Lightness(TColor c) {
  double h = 0, s = 0, l = 0;
  ColorToHSL(c, h, s, l);
  return l;
}

// Answers every colour dialog with `answer` (or cancels when it is
// invalid) and records the colour each one started at.
struct DialogAnswer {
  explicit DialogAnswer(QColor answer) {
    previous = SetDialogInterceptor([this, answer](QDialog& d) {
      auto& dialog = static_cast<QColorDialog&>(d);
      started.push_back(FromQColor(dialog.currentColor()));
      if (!answer.isValid()) return int(QDialog::Rejected);
      dialog.setCurrentColor(answer);
      return int(QDialog::Accepted);
    });
  }
  ~DialogAnswer() { SetDialogInterceptor(previous); }
  TDialogInterceptor previous;
  std::vector<TColor> started;
};

}  // namespace

TEST(ColorButtonHover, LightnessRule) {
  EXPECT_DOUBLE_EQ(TColorButton::HoverLightness(0), 0.2);
  EXPECT_DOUBLE_EQ(TColorButton::HoverLightness(0.3), 0.5);
  EXPECT_DOUBLE_EQ(TColorButton::HoverLightness(0.31), 0.655);
  EXPECT_DOUBLE_EQ(TColorButton::HoverLightness(1), 1);
}

TEST(ColorButtonHover, BlackShowsLighterWhileHoveredAndKeepsItsValue) {
  TColorButton b;
  b.SetColor(clBlack);
  b.MouseEnter();
  EXPECT_NEAR(Lightness(b.ShownColor()), 0.2, 0.01);
  EXPECT_EQ(b.Color(), clBlack);
  EXPECT_EQ(b.Canvas().Pixels(b.Width() / 2, 4), b.ShownColor());
  b.MouseLeave();
  EXPECT_EQ(b.ShownColor(), clBlack);
  EXPECT_EQ(b.Canvas().Pixels(b.Width() / 2, 4), clBlack);
}

TEST(ColorButtonHover, WhiteStaysWhiteAndAWriteWhileHoveredIsKept) {
  TColorButton b;
  b.SetColor(clWhite);
  b.MouseEnter();
  EXPECT_EQ(b.ShownColor(), clWhite);
  b.SetColor(clNavy);
  EXPECT_NE(b.Canvas().Pixels(b.Width() / 2, 4), ColorToRGB(clNavy)) << "still hovered";
  b.MouseLeave();
  EXPECT_EQ(b.Color(), clNavy);
  EXPECT_EQ(b.Canvas().Pixels(b.Width() / 2, 4), clNavy);
}

TEST(ColorButtonDialog, ChoosingDarkBlueTurnsTheCaptionWhiteAndYellowBlack) {
  TColorButton b;
  TColorDialog dialog;
  b.SetColorDialog(&dialog);
  b.SetCaption("Trace");
  int changes = 0, clicks = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  b.OnClick = [&](TObject*) { ++clicks; };
  {
    DialogAnswer answer(QColor(0, 0, 128));
    b.MouseEnter();
    b.Click();
    ASSERT_EQ(answer.started.size(), 1u);
    EXPECT_EQ(answer.started[0], ColorToRGB(clBtnFace)) << "the dialog starts at the value, not the hover look";
  }
  EXPECT_EQ(b.Color(), clNavy);
  EXPECT_EQ(b.Font().Color, clWhite);
  b.MouseLeave();
  EXPECT_EQ(b.Color(), clNavy) << "a colour chosen while hovered stays";
  {
    DialogAnswer answer(QColor(255, 255, 0));
    b.Click();
  }
  EXPECT_EQ(b.Color(), clYellow);
  EXPECT_EQ(b.Font().Color, clBlack);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(clicks, 2);
}

TEST(ColorButtonDialog, CancelWithParentBackgroundAndWithoutDialog) {
  TColorButton b;
  b.SetColor(clRed);
  int changes = 0;
  b.OnChange = [&](TObject*) { ++changes; };
  {
    DialogAnswer answer{QColor()};
    b.Click();  // no dialog attached: nothing to ask
    EXPECT_TRUE(answer.started.empty());
  }
  auto* dialog = new TColorDialog;
  b.SetColorDialog(dialog);
  {
    DialogAnswer answer{QColor()};
    b.Click();
    EXPECT_EQ(answer.started.size(), 1u);
  }
  EXPECT_EQ(b.Color(), clRed);
  EXPECT_EQ(changes, 0);
  b.SetParentBackground(true);
  {
    DialogAnswer answer(QColor(0, 0, 0));
    b.Click();
  }
  EXPECT_EQ(b.Font().Color, clWindowText);
  delete dialog;
  EXPECT_EQ(b.ColorDialog(), nullptr);
  b.Click();  // the forgotten dialog is not touched
  EXPECT_EQ(changes, 1);
}

TEST(ColorButtonKeys, SpaceAndEnterClick) {
  TColorButton b;
  int clicks = 0;
  b.OnClick = [&](TObject*) { ++clicks; };
  quint16 key = VK_SPACE;
  b.KeyDown(key, 0);
  key = VK_RETURN;
  b.KeyDown(key, 0);
  key = 'A';
  b.KeyDown(key, 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(b.focusPolicy() & Qt::TabFocus);
}

TEST(ColorButtonAssign, CopiesEveryListedProperty) {
  static constexpr const char* notCopied[] = {"ColorDialog"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TColorButton>(); }, TColorButton::CopiedProperties(),
                                  notCopied);
}
