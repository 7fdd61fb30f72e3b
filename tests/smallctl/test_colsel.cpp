// The colour selector: palette and selection rules, the colour dialog on
// the bar of editable entries, the keyboard, and how an item is drawn.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QComboBox>
#include <QTest>
#include <limits>

#include "foundation/NameTables.h"
#include "host/Modal.h"
#include "smallctl/Vyr_Colsel.h"
#include "support/AssignWalk.h"
#include "support/PixelTools.h"

using namespace vyr;

namespace {

// Answers colour dialogs with a colour, counting them.
struct DialogAnswer {
  explicit DialogAnswer(QColor answer) {
    previous = SetDialogInterceptor([this, answer](QDialog& d) {
      ++runs;
      static_cast<QColorDialog&>(d).setCurrentColor(answer);
      return int(QDialog::Accepted);
    });
  }
  ~DialogAnswer() { SetDialogInterceptor(previous); }
  TDialogInterceptor previous;
  int runs = 0;
};

// A canvas over an item picture, for pixel reads.
struct Item {
  Item(TColSel& s, int index, TOwnerDrawState state) : image(s.ItemImage(index, QSize(140, 16), state)) {
    canvas.SetImage(&image);
  }
  QImage image;
  TCanvas canvas;
};

}  // namespace

TEST(ColSelModel, DefaultsShowTwentyColoursWithTheFirstSelected) {
  TColSel s;
  EXPECT_EQ(s.NumColors(), 20);
  EXPECT_EQ(s.ItemCount(), 20) << "a selector made in code fills its list";
  EXPECT_EQ(s.ItemIndex(), 0);
  EXPECT_EQ(s.SelColor(), PredefinedColors()[0].Color);
  EXPECT_EQ(s.GetSelColorID(), "Black");
  EXPECT_EQ(s.ColorBarWidth(), 30);
  EXPECT_EQ(s.DropDownCount(), 8);
  EXPECT_EQ(s.GetArrayColor(20), PredefinedColors()[19].Color);
  EXPECT_EQ(s.GetArrayColor(0), 0u);
  EXPECT_EQ(s.GetArrayColor(21), 0u);
  EXPECT_EQ(s.GetArrayColorName(99), "");
  EXPECT_FALSE(s.GetArrayAllowEdit(1));
}

TEST(ColSelModel, NumColorsOutsideOneToFortySevenIsIgnored) {
  TColSel s;
  s.SetSelColor(clRed);
  s.SetNumColors(48);
  s.SetNumColors(0);
  EXPECT_EQ(s.NumColors(), 20);
  EXPECT_EQ(s.SelColorIndex(), 10);
  s.SetNumColors(47);
  EXPECT_EQ(s.ItemCount(), 47);
  EXPECT_EQ(s.SelColorIndex(), 1);
  s.SetColorBarWidth(-1);
  EXPECT_EQ(s.ColorBarWidth(), 30);
}

TEST(ColSelModel, SelColorFindsTheFirstEqualRgbOrReplacesTheSelectedEntry) {
  TColSel s;
  s.SetSelColor(clWindow);  // a system colour, white in RGB
  EXPECT_EQ(s.SelColorIndex(), 16);
  EXPECT_EQ(s.ItemIndex(), 15);
  EXPECT_EQ(s.GetSelColorID(), "White");
  s.SetSelColor(RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(s.SelColorIndex(), 16);
  EXPECT_EQ(s.GetArrayColor(16), RGB(0x12, 0x34, 0x56));
  EXPECT_EQ(s.GetSelColorID(), "#123456");
  EXPECT_EQ(s.Item(15), "#123456");
}

TEST(ColSelModel, PalettesOfferEveryNameToTheHandler) {
  TColSel s;
  int offered = 0;
  s.OnColorNameChange = [&](TObject*, QString& name) {
    ++offered;
    name = name.toLower();
  };
  s.SetSelColor(clRed);
  s.LoadWindowsSystemPalette();
  EXPECT_EQ(offered, 27);
  EXPECT_EQ(s.NumColors(), 27);
  EXPECT_EQ(s.SelColorIndex(), 1);
  EXPECT_EQ(s.GetArrayColor(1), clScrollBar);
  EXPECT_EQ(s.GetArrayColorName(1), "scroll bar");
  s.LoadBasicVGAPalette();
  EXPECT_EQ(s.NumColors(), 16);
  EXPECT_EQ(s.Item(15), "white");
  s.SetArrayColorName(2, "Deep Red");
  EXPECT_EQ(s.Item(1), "Deep Red");
  EXPECT_EQ(offered, 43) << "a written name is not offered";
  s.SetArrayColor(2, clPurple);
  EXPECT_EQ(s.GetArrayColorName(2), "purple");
}

TEST(ColSelEdit, APressOnTheBarOfAnEditableEntryOpensTheDialog) {
  TColSel s;
  s.SetArrayAllowEdit(1, true);
  int changes = 0, dropDowns = 0;
  s.OnChange = [&](TObject*) { ++changes; };
  s.OnDropDown = [&](TObject*) { ++dropDowns; };
  DialogAnswer answer(QColor(0x20, 0x40, 0x60));
  s.MouseMove(0, 60, 5);  // over the name
  EXPECT_EQ(s.MouseAreaCode(), 0);
  s.DropDown();
  EXPECT_EQ(answer.runs, 0);
  s.MouseMove(0, 10, 5);  // over the bar
  EXPECT_EQ(s.MouseAreaCode(), 1);
  s.DropDown();
  EXPECT_EQ(answer.runs, 1);
  EXPECT_EQ(s.SelColor(), RGB(0x20, 0x40, 0x60));
  EXPECT_EQ(s.GetSelColorID(), "#204060");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(dropDowns, 2);
  s.SetArrayAllowEdit(1, false);
  s.DropDown();
  EXPECT_EQ(answer.runs, 1);
}

TEST(ColSelKeys, AnOrdinaryComboBoxForTheKeyboard) {
  TColSel s;
  s.SetAllColorEditFlags();
  s.show();
  int clicks = 0, changes = 0;
  s.OnClick = [&](TObject*) { ++clicks; };
  s.OnChange = [&](TObject*) { ++changes; };
  QTest::keyClick(&s.ComboWidget(), Qt::Key_Down);
  EXPECT_EQ(s.SelColorIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(changes, 1);
  QTest::keyClick(&s.ComboWidget(), Qt::Key_End);
  EXPECT_EQ(s.SelColorIndex(), 20);
  DialogAnswer answer(QColor(1, 2, 3));
  s.MouseMove(0, 10, 5);
  QTest::keyClick(&s.ComboWidget(), Qt::Key_F4);
  EXPECT_TRUE(s.DroppedDown());
  EXPECT_EQ(answer.runs, 0) << "a list opened by key never edits";
  s.SetDroppedDown(false);
}

TEST(ColSelPaint, BarOutlineFillAndNameArea) {
  TColSel s;
  s.SetSelColor(clRed);
  Item item(s, 9, 0);  // entry 10, red
  const TRect bar = vyrtest::BoundsOf(item.canvas, clRed);
  EXPECT_EQ(bar, (TRect{4, 3, 32, 13}));  // inside the black outline 3..33 x 2..14
  EXPECT_EQ(item.canvas.Pixels(3, 2), clBlack);
  EXPECT_EQ(item.canvas.Pixels(32, 13), clBlack);
  EXPECT_EQ(item.canvas.Pixels(34, 1), clWhite) << "name area in the list colour";
  const TRect text = vyrtest::BoundsOf(item.canvas, clBlack);
  EXPECT_EQ(text.Left, 3);
  s.SetColorBarWidth(0);
  Item plain(s, 9, 0);
  // The name begins 6 pixels in: nothing but background left of it.
  int firstInk = -1;
  for (int x = 0; x < 140 && firstInk < 0; ++x)
    for (int y = 0; y < 16; ++y)
      if (plain.canvas.Pixels(x, y) != clWhite) {
        firstInk = x;
        break;
      }
  EXPECT_GE(firstInk, 6);
  EXPECT_LE(firstInk, 8);
  EXPECT_EQ(vyrtest::CountColor(plain.canvas, clRed), 0);
}

TEST(ColSelPaint, ABarWiderThanTheItemFillsIt) {
  TColSel s;
  s.SetSelColor(clRed);
  s.SetColorBarWidth(std::numeric_limits<int>::max());
  Item item(s, 9, 0);
  EXPECT_EQ(vyrtest::BoundsOf(item.canvas, clRed), (TRect{4, 3, 140, 13}));
}

TEST(ColSelPaint, EditMarkerContrastsWithTheBar) {
  TColSel s;
  s.SetAllColorEditFlags();
  Item white(s, 15, 0);
  EXPECT_EQ(white.canvas.Pixels(5, 4), clBlack);
  EXPECT_EQ(white.canvas.Pixels(5, 10), clBlack);
  EXPECT_EQ(white.canvas.Pixels(11, 8), clBlack);
  Item black(s, 0, 0);
  EXPECT_EQ(black.canvas.Pixels(5, 4), clWhite);
  s.SetColorBarWidth(11);
  Item narrow(s, 0, 0);
  EXPECT_EQ(narrow.canvas.Pixels(5, 4), clBlack) << "no marker in a narrow bar";
}

TEST(ColSelPaint, HighlightedAndDisabledItems) {
  TColSel s;
  Item hot(s, 9, odSelected);
  EXPECT_EQ(hot.canvas.Pixels(1, 1), ColorToRGB(clHighlight));
  EXPECT_EQ(hot.canvas.Pixels(139, 1), ColorToRGB(clHighlight));
  EXPECT_GT(vyrtest::CountColor(hot.canvas, ColorToRGB(clHighlightText)), 5) << "the name in highlight text";
  s.SetEnabled(false);
  Item off(s, 9, 0);
  EXPECT_EQ(off.canvas.Pixels(3, 2), 0x808080u);
  EXPECT_EQ(off.canvas.Pixels(10, 8), 0xC0C0C0u);
  EXPECT_EQ(off.canvas.Pixels(139, 1), 0xC0C0C0u);
  EXPECT_EQ(vyrtest::CountColor(off.canvas, clRed), 0);
}

TEST(ColSelAssign, CopiesEveryListedPropertyAndThePalette) {
  static constexpr const char* notCopied[] = {"SelColor"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TColSel>(); }, TColSel::CopiedProperties(), notCopied);
  TColSel source, dest;
  source.LoadStandardPalette();
  source.SetArrayAllowEdit(30, true);
  source.SetSelColor(clTeal);
  dest.Assign(&source);
  EXPECT_EQ(dest.NumColors(), 47);
  EXPECT_TRUE(dest.GetArrayAllowEdit(30));
  EXPECT_EQ(dest.SelColor(), clTeal);
  EXPECT_EQ(dest.ItemIndex(), 6);
}
