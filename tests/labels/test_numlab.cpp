// The numeric label: property rules, painting of the box, captions and
// overflow indicator, transparency, the disabled look, mouse areas, copying,
// size hints, accessibility and registration.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDate>
#include <QWidget>
#include <limits>
#include <memory>

#include "NumRotTestKit.h"
#include "host/ControlRegistry.h"
#include "labels/Vyr_NumLab.h"
#include "support/AssignWalk.h"
#include "support/LayoutTools.h"

using namespace vyr;
using numrot::InkBounds;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The inside of the default label's box (left space 35, width 80, height 28).
const TRect kInside{38, 2, 114, 25};

TColor Face() { return ColorToRGB(clBtnFace); }

// Glyphs without smoothed edges, so that every ink pixel has the text colour.
TFont Sharp() {
  TFont f;
  f.Quality = fqNonAntialiased;
  return f;
}

}  // namespace

TEST(NumLabModel, InitialValues) {
  TNumLab n;
  EXPECT_EQ(n.Width(), 160);
  EXPECT_EQ(n.Height(), 28);
  EXPECT_EQ(n.Value(), 0.0);
  EXPECT_EQ(n.DisplayType(), dtFixP);
  EXPECT_EQ(n.Precision(), 2);
  EXPECT_FALSE(n.Comma());
  EXPECT_FALSE(n.ForcePlusSign());
  EXPECT_FALSE(n.Empty());
  EXPECT_EQ(n.OverflowIndicator(), "*********");
  EXPECT_EQ(n.StateText(), "undefined");
  EXPECT_EQ(n.DTFormat(), "mmm-dd yyyy");
  EXPECT_EQ(n.LabelWidth(), 80);
  EXPECT_EQ(n.LeftSpace(), 35);
  EXPECT_EQ(n.Alignment(), taCenter);
  EXPECT_EQ(n.LeftTextAlignment(), taRightJustify);
  EXPECT_EQ(n.RightTextAlignment(), taLeftJustify);
  EXPECT_EQ(n.FrameStyle(), fsLowered);
  EXPECT_EQ(n.ColorScheme(), csFixed);
  EXPECT_EQ(n.ColorLabBakG(), clBtnFace);
  EXPECT_EQ(n.ColorLabText(), clBlack);
  EXPECT_EQ(n.ColorOutBakG(), clBtnFace);
  EXPECT_EQ(n.ColorOutText(), clBlack);
  EXPECT_FALSE(n.IsTransparent());
  EXPECT_TRUE(n.Enabled());
}

TEST(NumLabModel, ClampsAndIgnoredWrites) {
  TNumLab n;
  n.SetPrecision(-1);
  EXPECT_EQ(n.Precision(), 2);
  n.SetPrecision(40);
  EXPECT_EQ(n.Precision(), 15);
  n.SetLeftSpace(-1);
  EXPECT_EQ(n.LeftSpace(), 35);
  n.SetLeftSpace(500);
  EXPECT_EQ(n.LeftSpace(), 160);
  n.SetLabelWidth(-5);
  EXPECT_EQ(n.LabelWidth(), 0);
  n.SetLabelWidth(1 << 30);
  EXPECT_EQ(n.LabelWidth(), TNumLab::kMaxLabelWidth);
  n.setProperty("Alignment", 9);
  EXPECT_EQ(n.Alignment(), taCenter);
  n.setProperty("Alignment", -3);
  EXPECT_EQ(n.Alignment(), taLeftJustify);
}

TEST(NumLabModel, WritesPaintAtOnceAndEqualWritesNothing) {
  TNumLab n;
  n.SetValue(1.5);
  const int paints = n.PaintCount();
  EXPECT_EQ(n.ShownText(), "1.50");
  n.SetValue(1.5);
  n.SetPrecision(2);
  n.SetLeftText(QString());
  EXPECT_EQ(n.PaintCount(), paints);
  n.SetComma(true);
  EXPECT_EQ(n.PaintCount(), paints + 1);
  EXPECT_EQ(n.ShownText(), "1,50");
  n.SetValue(kNaN);
  const int afterNaN = n.PaintCount();
  n.SetValue(kNaN);  // the same NaN again
  EXPECT_EQ(n.PaintCount(), afterNaN);
}

TEST(NumLabPaint, DefaultLabelShowsZeroCentredInALoweredBox) {
  TNumLab n;
  n.Paint();
  EXPECT_EQ(n.ShownText(), "0.00");
  const TCanvas& c = n.Canvas();
  const TRect ink = InkBounds(c, kInside, clBtnFace);
  ASSERT_FALSE(ink.IsEmpty());
  // Centred on L + B / 2 + 2 = 77 within a pixel of glyph bearing.
  EXPECT_NEAR(numrot::CentreX2(ink) / 2.0, 77, 1.5);
  EXPECT_NEAR(numrot::CentreY2(ink) / 2.0, 14, 3);
  // The lowered frame from (36, 0) to (115, 26): shadow and dark shadow on
  // the top and left, highlight and light on the bottom and right.
  EXPECT_EQ(c.Pixels(36, 10), clGray);
  EXPECT_EQ(c.Pixels(37, 10), clBlack);
  EXPECT_EQ(c.Pixels(115, 10), clWhite);
  EXPECT_EQ(c.Pixels(114, 10), clSilver);
  EXPECT_EQ(c.Pixels(60, 0), clGray);
  EXPECT_EQ(c.Pixels(60, 26), clWhite);
  // Outside the box the control background.
  EXPECT_EQ(c.Pixels(10, 10), Face());
  EXPECT_EQ(c.Pixels(140, 27), Face());
}

// Scheme 0 keeps the fixed grey and white whatever the system colours are;
// any other scheme takes the system's button shadow and highlight.
TEST(NumLabPaint, ColorSchemePicksTheFrameLines) {
  SetSystemColor(clBtnShadow & 0xFF, clNavy);
  SetSystemColor(clBtnHighlight & 0xFF, clYellow);
  TNumLab n;
  n.Paint();
  EXPECT_EQ(n.Canvas().Pixels(36, 10), clGray);
  EXPECT_EQ(n.Canvas().Pixels(115, 10), clWhite);
  n.SetColorScheme(csSystem);
  EXPECT_EQ(n.Canvas().Pixels(36, 10), clNavy);
  EXPECT_EQ(n.Canvas().Pixels(115, 10), clYellow);
  ResetSystemColors();
}

TEST(NumLabPaint, AlignmentsPlaceTheTextInTheBox) {
  TNumLab n;
  n.SetValue(12.5);
  n.SetAlignment(taLeftJustify);
  EXPECT_NEAR(InkBounds(n.Canvas(), kInside, clBtnFace).Left, 39, 1);
  n.SetAlignment(taRightJustify);
  EXPECT_NEAR(InkBounds(n.Canvas(), kInside, clBtnFace).Right, 113, 1);
}

TEST(NumLabPaint, TooWideATextShowsTheOverflowIndicatorInsideTheBox) {
  TNumLab n;
  n.SetValue(123456789012.0);  // "123456789012.00" is wider than 74 pixels
  EXPECT_EQ(n.ShownText(), "*********");
  // Placed by its own width, whatever the alignment: it stays in the box.
  for (TAlignment a : {taLeftJustify, taRightJustify, taCenter}) {
    n.SetAlignment(a);
    const TRect ink = InkBounds(n.Canvas(), {0, 0, 160, 28}, clBtnFace);
    const TRect stars = InkBounds(n.Canvas(), kInside, clBtnFace);
    EXPECT_GE(stars.Width(), 30) << a;
    EXPECT_GE(stars.Left, kInside.Left) << a;
    EXPECT_LE(stars.Right, kInside.Right) << a;
    EXPECT_EQ(ink.Left, 36) << a;  // nothing but the frame outside the box
  }
  n.SetValue(1.0);
  EXPECT_EQ(n.ShownText(), "1.00");
}

TEST(NumLabPaint, TheDefaultDateFitsTheDefaultBox) {
  TNumLab n;
  n.SetDisplayType(dtDateTime);
  EXPECT_EQ(n.ShownText(), "Dec-30 1899");
  n.SetValue(double(QDate(1899, 12, 30).daysTo(QDate(2888, 5, 28))));  // the widest month
  EXPECT_EQ(n.ShownText(), "May-28 2888");
}

TEST(NumLabPaint, NaNAndInfiniteValuesShowTheOverflowIndicator) {
  TNumLab n;
  n.SetOverflowIndicator(QStringLiteral("##"));
  for (TDisplay t : {dtFloat, dtFixP, dtExp, dtInt, dtHex, dtDateTime, dtDegMinSec, dtEEng}) {
    n.SetDisplayType(t);
    n.SetValue(kNaN);
    EXPECT_EQ(n.ShownText(), "##") << t;
    n.SetValue(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(n.ShownText(), "##") << t;
    n.SetValue(0);
  }
}

TEST(NumLabPaint, StateTextIsNeverReplaced) {
  TNumLab n;
  n.SetDisplayType(dtState);
  n.SetStateText(QStringLiteral("a state text far too wide for the box"));
  EXPECT_EQ(n.ShownText(), "a state text far too wide for the box");
}

TEST(NumLabPaint, BeforeDisplayRewritesTheTextAndEmptySkipsIt) {
  TNumLab n;
  int calls = 0;
  n.OnBeforeDisplay = [&](TObject* sender, QString& text) {
    EXPECT_EQ(sender, &n);
    ++calls;
    text = u'<' + text + u'>';
  };
  n.SetValue(2);
  EXPECT_EQ(n.ShownText(), "<2.00>");
  const int before = calls;
  n.SetColorLabBakG(clYellow);
  n.SetEmpty(true);
  EXPECT_EQ(calls, before + 1);  // the colour write only
  EXPECT_EQ(n.ShownText(), "");
  // The empty box keeps its colour and shows no ink.
  EXPECT_TRUE(InkBounds(n.Canvas(), kInside, clYellow).IsEmpty());
}

TEST(NumLabPaint, CaptionsBesideTheBox) {
  TNumLab n;
  n.SetLeftText(QStringLiteral("U"));
  n.SetRightText(QStringLiteral("V"));
  const TRect left = InkBounds(n.Canvas(), {0, 0, 35, 28}, clBtnFace);
  const TRect right = InkBounds(n.Canvas(), {117, 0, 160, 28}, clBtnFace);
  // Left caption right-justified to L - 5, right caption at L + B + 7.
  EXPECT_NEAR(left.Right, 30, 2);
  EXPECT_NEAR(right.Left, 122, 2);
  n.SetLeftTextAlignment(taLeftJustify);
  EXPECT_NEAR(InkBounds(n.Canvas(), {0, 0, 35, 28}, clBtnFace).Left, 7, 2);
}

TEST(NumLabPaint, DisabledLabelEmbossesCaptionsAndGreysTheText) {
  TNumLab n;
  n.SetLeftText(QStringLiteral("I"));
  n.SetFont(Sharp());
  n.SetEnabled(false);
  const TCanvas& c = n.Canvas();
  // The caption twice: white one pixel right and down under the grey.
  const TRect grey = numrot::ColorBounds(c, {0, 0, 35, 28}, clGray);
  ASSERT_FALSE(grey.IsEmpty());
  EXPECT_EQ(c.Pixels(grey.Right, grey.Bottom), clWhite);
  EXPECT_EQ(numrot::ColorBounds(c, {0, 0, 35, 28}, clWhite), (TRect{grey.Left + 1, grey.Top + 1, grey.Right + 1,
                                                                       grey.Bottom + 1}));
  // The box text in the button shadow colour, no black left.
  EXPECT_GT(numrot::CountIn(c, kInside, ColorToRGB(clBtnShadow)), 0);
  EXPECT_EQ(numrot::CountIn(c, kInside, clBlack), 0);
  n.SetEnabled(true);
  EXPECT_GT(numrot::CountIn(c, kInside, clBlack), 0);
}

TEST(NumLabPaint, TransparentLabelShowsTheParentAroundTheBox) {
  TCustomControl parent;
  parent.resize(200, 40);
  parent.SetColor(clLime);
  auto* n = new TNumLab(&parent);
  n->SetFont(Sharp());
  n->SetColorLabText(clRed);
  n->SetTransparent(true);
  parent.Paint();
  n->Paint();
  const TCanvas& c = n->Canvas();
  EXPECT_EQ(c.Pixels(5, 5), clLime);
  EXPECT_EQ(c.Pixels(150, 20), clLime);
  EXPECT_EQ(c.Pixels(40, 5), Face());  // the box keeps its colour
  EXPECT_GT(numrot::CountIn(c, kInside, clRed), 0);
  // A black text keeps its colour too, over the box colour.
  n->SetColorLabText(clBlack);
  n->Paint();
  EXPECT_GT(numrot::CountIn(c, kInside, clBlack), 0);
  EXPECT_EQ(c.Pixels(40, 5), Face());
  n->SetTransparent(false);
  EXPECT_EQ(c.Pixels(5, 5), Face());
}

TEST(NumLabInput, MouseAreaCodeFollowsTheParts) {
  TNumLab n;
  int moves = 0;
  n.OnMouseMove = [&](TObject*, TShiftState, int, int) { ++moves; };
  const std::pair<int, int> cases[] = {{0, 0}, {35, 0}, {36, 1}, {115, 1}, {116, 2}, {159, 2}};
  for (auto [x, code] : cases) {
    n.MouseMove(0, x, 5);
    EXPECT_EQ(n.MouseAreaCode(), code) << x;
  }
  EXPECT_EQ(moves, 6);
}

TEST(NumLabAssign, CopiesEveryListedProperty) {
  static constexpr const char* notCopied[] = {"Font"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TNumLab>(); }, TNumLab::CopiedProperties(), notCopied);
}

TEST(NumLabAssign, PaintsOnceAndTakesNoEvents) {
  TNumLab source;
  source.SetValue(3.25);
  source.SetPrecision(1);
  source.OnBeforeDisplay = [](TObject*, QString& t) { t = QStringLiteral("x"); };
  TNumLab dest;
  const int paints = dest.PaintCount();
  source.AssignTo(&dest);
  EXPECT_EQ(dest.PaintCount(), paints + 1);
  EXPECT_EQ(dest.ShownText(), "3.2");
  EXPECT_FALSE(dest.OnBeforeDisplay);
}

TEST(NumLabCitizen, SizeHintsHoldTheBoxAndTheRightCaption) {
  TNumLab n;
  EXPECT_EQ(n.sizeHint(), QSize(160, 28));
  EXPECT_EQ(n.minimumSizeHint().width(), 116);
  n.SetRightText(QStringLiteral("a long unit caption"));
  EXPECT_GT(n.sizeHint().width(), 160);
}

TEST(NumLabCitizen, AccessibleAsStaticTextWithTheShownText) {
  QWidget window;
  auto* n = new TNumLab;
  n->SetLeftText(QStringLiteral("Voltage"));
  n->SetRightText(QStringLiteral("V"));
  n->SetValue(12);
  vyrtest::ShowInLayout(window, n, {200, 30});
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(n);
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->role(), QAccessible::StaticText);
  EXPECT_EQ(a->text(QAccessible::Name), "Voltage 12.00 V");
  EXPECT_EQ(a->text(QAccessible::Value), "12.00");
}

TEST(NumLabCitizen, RegisteredForForms) {
  std::unique_ptr<QWidget> w(CreateRegisteredControl(QStringLiteral("TNumLab"), nullptr));
  EXPECT_NE(dynamic_cast<TNumLab*>(w.get()), nullptr);
  EXPECT_EQ(RegisteredControlHeader(QStringLiteral("TNumLab")), "labels/Vyr_NumLab.h");
}
