// The rotated label: the anchor and its three alignments at several angles,
// AutoCenter, the repaint rule, the embossed disabled look, transparency,
// copying, size hints, accessibility and registration.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>
#include <cmath>
#include <memory>

#include "NumRotTestKit.h"
#include "host/ControlRegistry.h"
#include "labels/Vyr_RotLab.h"
#include "support/AssignWalk.h"
#include "support/LayoutTools.h"

using namespace vyr;
using numrot::InkBounds;

namespace {

// An opaque white label without frame, so that every non-white pixel is ink.
std::unique_ptr<TRotLab> PlainLabel(const char* caption, int angle, TAlignment alignment) {
  auto r = std::make_unique<TRotLab>();
  r->SetTransparent(false);
  r->SetColor(clWhite);
  r->SetFrameStyle(fsNone);
  r->SetCaption(QString::fromLatin1(caption));
  r->SetTextAngle(angle);
  r->SetAlignment(alignment);
  r->Paint();
  return r;
}

TRect Ink(TRotLab& r) { return InkBounds(r.Canvas(), {0, 0, r.Width(), r.Height()}, clWhite); }

}  // namespace

TEST(RotLabModel, InitialValues) {
  TRotLab r;
  EXPECT_EQ(r.Width(), 200);
  EXPECT_EQ(r.Height(), 200);
  EXPECT_EQ(r.TextAngle(), 0);
  EXPECT_TRUE(r.AutoCenter());
  EXPECT_EQ(r.PosX(), 100);
  EXPECT_EQ(r.PosY(), 100);
  EXPECT_EQ(r.Alignment(), taCenter);
  EXPECT_TRUE(r.AntiAlias());
  EXPECT_TRUE(r.IsTransparent());
  EXPECT_EQ(r.Color(), clBtnFace);
  EXPECT_EQ(r.FrameStyle(), fsLowered);
  EXPECT_EQ(r.Font().Size, 11);
}

TEST(RotLabModel, AnglesAreStoredAsWritten) {
  TRotLab r;
  r.SetTextAngle(-450);
  EXPECT_EQ(r.TextAngle(), -450);
  r.SetTextAngle(2000000000);
  EXPECT_EQ(r.TextAngle(), 2000000000);
  r.Paint();  // drawn modulo 360, no overflow
}

TEST(RotLabModel, PositionWritesRecentreWhileAutoCenterIsOn) {
  TRotLab r;
  r.resize(120, 60);
  r.SetPosX(30);
  EXPECT_EQ(r.PosX(), 60);
  EXPECT_EQ(r.PosY(), 30);
  r.SetAutoCenter(false);
  r.SetPosX(30);
  r.SetPosY(7);
  EXPECT_EQ(r.PosX(), 30);
  EXPECT_EQ(r.PosY(), 7);
  r.SetAutoCenter(true);
  EXPECT_EQ(r.PosX(), 60);
  EXPECT_EQ(r.PosY(), 30);
}

TEST(RotLabModel, ResizeOnAParentRecentresTheCaption) {
  QWidget window;
  window.resize(400, 300);
  auto* r = new TRotLab(&window);
  r->SetTransparent(false);
  r->SetColor(clWhite);
  r->SetFrameStyle(fsNone);
  r->SetCaption(QStringLiteral("Centre"));
  window.show();
  r->resize(300, 120);
  QApplication::processEvents();
  EXPECT_EQ(r->PosX(), 150);
  EXPECT_EQ(r->PosY(), 60);
  r->Paint();
  const TRect ink = Ink(*r);
  EXPECT_NEAR(numrot::CentreX2(ink) / 2.0, 150, 2);
  EXPECT_NEAR(numrot::CentreY2(ink) / 2.0, 60, 3);
}

// A hidden parent holds Qt's resize event back; SetBounds recentres at once.
TEST(RotLabModel, SetBoundsOnAHiddenParentRecentresAtOnce) {
  QWidget window;
  auto* r = new TRotLab(&window);
  r->SetBounds(0, 0, 300, 120);
  EXPECT_EQ(r->PosX(), 150);
  EXPECT_EQ(r->PosY(), 60);
}

TEST(RotLabModel, OpaqueWritesPaintAtOnceTransparentOnesWait) {
  TRotLab r;
  r.SetTransparent(false);
  r.Paint();
  int paints = r.PaintCount();
  r.SetTextAngle(30);
  EXPECT_EQ(r.PaintCount(), paints + 1);
  r.SetTextAngle(30);
  EXPECT_EQ(r.PaintCount(), paints + 1);
  r.SetTransparent(true);
  paints = r.PaintCount();
  r.SetTextAngle(60);
  r.SetCaption(QStringLiteral("x"));
  EXPECT_EQ(r.PaintCount(), paints);
}

TEST(RotLabOffset, TheThreeAnchorsAlongTheText) {
  // 100 x 20 text: half width 50, half height 10.
  EXPECT_EQ(TRotLab::TextOffset(taCenter, 100, 20, 0), (TPoint{-50, -10}));
  EXPECT_EQ(TRotLab::TextOffset(taLeftJustify, 100, 20, 0), (TPoint{0, -10}));
  EXPECT_EQ(TRotLab::TextOffset(taRightJustify, 100, 20, 0), (TPoint{-100, -10}));
  EXPECT_EQ(TRotLab::TextOffset(taCenter, 100, 20, 90), (TPoint{-10, 50}));
  EXPECT_EQ(TRotLab::TextOffset(taLeftJustify, 100, 20, 90), (TPoint{-10, 0}));
  EXPECT_EQ(TRotLab::TextOffset(taRightJustify, 100, 20, 90), (TPoint{-10, 100}));
  EXPECT_EQ(TRotLab::TextOffset(taCenter, 100, 20, 450), TRotLab::TextOffset(taCenter, 100, 20, 90));
  EXPECT_EQ(TRotLab::TextOffset(taCenter, 100, 20, -270), TRotLab::TextOffset(taCenter, 100, 20, 90));
}

TEST(RotLabPaint, CentredTextSitsOnTheAnchorAtEveryAngle) {
  for (int angle : {0, 45, 90, 135, 180, 270, -30}) {
    auto r = PlainLabel("Axis title", angle, taCenter);
    const TRect ink = Ink(*r);
    ASSERT_FALSE(ink.IsEmpty()) << angle;
    EXPECT_NEAR(numrot::CentreX2(ink) / 2.0, 100, 3) << angle;
    EXPECT_NEAR(numrot::CentreY2(ink) / 2.0, 100, 3) << angle;
  }
}

TEST(RotLabPaint, NinetyDegreesRunsUpwards) {
  auto centred = PlainLabel("Upwards text", 90, taCenter);
  const TRect c = Ink(*centred);
  EXPECT_GT(c.Height(), 3 * c.Width());  // a tall, narrow run of text
  // Left-justified it starts at the anchor and runs up from it.
  auto left = PlainLabel("Upwards text", 90, taLeftJustify);
  const TRect l = Ink(*left);
  EXPECT_NEAR(l.Bottom, 100, 3);
  EXPECT_NEAR(numrot::CentreX2(l) / 2.0, 100, 3);
  // Right-justified it ends at the anchor.
  auto right = PlainLabel("Upwards text", 90, taRightJustify);
  EXPECT_NEAR(Ink(*right).Top, 100, 3);
}

TEST(RotLabPaint, FortyFiveDegreesRisesToTheRight) {
  auto r = PlainLabel("Diagonal", 45, taLeftJustify);
  const TRect ink = Ink(*r);
  EXPECT_NEAR(ink.Left, 100, 6);
  EXPECT_LT(ink.Top, 80);
  EXPECT_NEAR(ink.Bottom, 100, 10);
  EXPECT_GT(ink.Right, 130);
}

TEST(RotLabPaint, DisabledLabelIsEmbossed) {
  auto r = PlainLabel("Off", 0, taCenter);
  r->SetAntiAlias(false);
  r->SetEnabled(false);
  const TColor shadow = ColorToRGB(clBtnShadow);
  const TColor highlight = ColorToRGB(clBtnHighlight);
  r->SetColor(clYellow);  // so that the highlight shows
  const TRect ink = InkBounds(r->Canvas(), {0, 0, 200, 200}, clYellow);
  EXPECT_GT(numrot::CountIn(r->Canvas(), ink, highlight), 0);
  EXPECT_GT(numrot::CountIn(r->Canvas(), ink, shadow), 0);
  EXPECT_EQ(numrot::CountIn(r->Canvas(), ink, clBlack), 0);
  // Each shadow pixel has the highlight one pixel right and down, or shadow there.
  int shadowPixels = 0, lit = 0;
  for (int y = ink.Top; y < ink.Bottom; ++y)
    for (int x = ink.Left; x < ink.Right; ++x)
      if (r->Canvas().Pixels(x, y) == shadow) {
        ++shadowPixels;
        const TColor below = r->Canvas().Pixels(x + 1, y + 1);
        lit += below == highlight || below == shadow;
      }
  EXPECT_EQ(lit, shadowPixels);
}

TEST(RotLabPaint, FrameAroundTheLabel) {
  TRotLab r;
  r.SetTransparent(false);
  r.SetColor(clWhite);
  r.Paint();
  EXPECT_EQ(r.Canvas().Pixels(0, 50), clGray);
  EXPECT_EQ(r.Canvas().Pixels(1, 50), clBlack);
  EXPECT_EQ(r.Canvas().Pixels(199, 50), clWhite);
  EXPECT_EQ(r.Canvas().Pixels(198, 50), clSilver);
}

TEST(RotLabPaint, TransparentLabelShowsTheParentBehindTheText) {
  TCustomControl parent;
  parent.resize(240, 220);
  parent.SetColor(clLime);
  auto* r = new TRotLab(&parent);
  r->SetCaption(QStringLiteral("Over"));
  r->SetFrameStyle(fsNone);
  parent.Paint();
  r->Paint();
  EXPECT_EQ(r->Canvas().Pixels(10, 10), clLime);
  EXPECT_FALSE(InkBounds(r->Canvas(), {0, 0, 200, 200}, clLime).IsEmpty());
  // A caption cleared leaves only the parent.
  r->SetCaption(QString());
  r->Paint();
  EXPECT_TRUE(InkBounds(r->Canvas(), {0, 0, 200, 200}, clLime).IsEmpty());
}

TEST(RotLabAssign, CopiesEveryListedProperty) {
  static constexpr const char* notCopied[] = {"Caption", "Alignment", "Transparent", "Font"};
  vyrtest::ExpectAssignCopiesList(
      // AutoCenter comes first and is switched off, so PosX and PosY move.
      [] { return std::make_unique<TRotLab>(); },
      TRotLab::CopiedProperties(), notCopied);
}

TEST(RotLabCitizen, SizeHintHoldsTheRotatedCaption) {
  TRotLab r;
  r.SetCaption(QStringLiteral("A rather long caption"));
  const QSize flat = r.sizeHint();
  r.SetTextAngle(90);
  const QSize upright = r.sizeHint();
  EXPECT_GT(flat.width(), flat.height());
  EXPECT_EQ(upright.width(), flat.height());
  EXPECT_EQ(upright.height(), flat.width());
}

TEST(RotLabCitizen, AccessibleAsStaticTextWithTheCaption) {
  QWidget window;
  auto* r = new TRotLab;
  r->SetCaption(QStringLiteral("Pressure / kPa"));
  vyrtest::ShowInLayout(window, r, {200, 200});
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(r);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::StaticText);
  EXPECT_EQ(a->text(QAccessible::Name), "Pressure / kPa");
  EXPECT_EQ(a->text(QAccessible::Value), "Pressure / kPa");
}

TEST(RotLabCitizen, RegisteredForForms) {
  std::unique_ptr<QWidget> w(CreateRegisteredControl(QStringLiteral("TRotLab"), nullptr));
  EXPECT_NE(dynamic_cast<TRotLab*>(w.get()), nullptr);
}
