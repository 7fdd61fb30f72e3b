// Painting of the meter, checked on pixels of the back canvas: needle tip
// and body, zones, lamps, cover, frame and the painting events.
#include <gtest/gtest.h>

#include <limits>

#include "meter/Vyr_Meter.h"
#include "support/PixelTools.h"

using namespace vyr;

namespace {

constexpr TColor kNavy = 0x800000;
constexpr TColor kBody = 0xC0C0C0;
constexpr TColor kOrange = 0x0080FF;

TColor At(TMeter& m, int x, int y) { return m.Canvas().Pixels(x, y); }

}  // namespace

TEST(MeterPaint, NeedleStraightUpHasItsTipUnderTheScale) {
  TMeter m;
  m.SetValue(0.5);
  EXPECT_EQ(At(m, 148, 20), clBlack);  // the outlined tip, 4 pixels inside the scale
  EXPECT_EQ(At(m, 148, 30), kBody);    // inside the arrow head
  EXPECT_EQ(At(m, 148, 19), kNavy);    // the minor tick at 0.5 above the tip
  EXPECT_EQ(At(m, 148, 15), clWhite);  // above the scale arc
  EXPECT_EQ(At(m, 148, 16), kNavy);    // the scale arc
}

TEST(MeterPaint, NeedleFollowsTheValue) {
  TMeter m;
  m.Paint();
  // Pointing up-left at 135 degrees: the tip lies 171 * 0.7071 pixels up and left.
  EXPECT_EQ(At(m, 148, 30), clWhite);
  EXPECT_EQ(At(m, 27, 70), clBlack);
}

TEST(MeterPaint, ZoneBandShowsTheThreeColours) {
  TMeter m;
  m.SetScaleBkVisible(true);
  m.SetScaleBkWidth(10);
  m.SetThresholdLow(0.3);
  m.SetThresholdHigh(0.7);
  // 168 pixels out from the pivot, towards 0.1, 0.5 and 0.9.
  EXPECT_EQ(At(m, 49, 55), clLime);
  EXPECT_EQ(At(m, 148, 23), kOrange);
  EXPECT_EQ(At(m, 247, 55), clRed);
  // Inside the band the dial is plain again.
  EXPECT_EQ(At(m, 148, 60), clWhite);
}

TEST(MeterPaint, LowThresholdAtTheMinimumDrawsNoLowZone) {
  TMeter m;
  m.SetScaleBkVisible(true);
  m.SetScaleBkWidth(10);
  EXPECT_EQ(At(m, 49, 55), kOrange);
  EXPECT_EQ(vyrtest::CountColor(m.Canvas(), clLime), 0);
  EXPECT_EQ(vyrtest::CountColor(m.Canvas(), clRed), 0);
}

TEST(MeterPaint, LampsShowTheAlarmFlags) {
  TMeter m;
  m.Paint();
  EXPECT_EQ(At(m, 273, 20), clGray);  // no write has raised an alarm yet
  EXPECT_EQ(At(m, 22, 20), clGray);
  m.SetValue(5);
  EXPECT_EQ(At(m, 273, 20), clRed);    // high lamp lit
  EXPECT_EQ(At(m, 22, 20), clGray);    // low lamp passive
  EXPECT_EQ(At(m, 269, 20), clBlack);  // the lamp's outline
  EXPECT_EQ(At(m, 275, 25), clWhite);  // its lower bevel
  EXPECT_EQ(At(m, 271, 24), clSilver);
  EXPECT_EQ(At(m, 270, 20), clGray);
}

TEST(MeterPaint, LampsFollowEveryKindOfWrite) {
  TMeter m;
  m.SetThresholdLow(0.3);
  m.SetThresholdHigh(0.9);
  m.SetValue(0.5);
  EXPECT_EQ(At(m, 273, 20), clGray);
  EXPECT_EQ(At(m, 22, 20), clGray);
  m.SetMeterMinValue(0.6);  // value and low threshold rise to 0.6
  EXPECT_EQ(At(m, 22, 20), clRed);
  m.SetThresholdHigh(0.6);  // the value now sits on both thresholds: overflow wins
  EXPECT_EQ(At(m, 273, 20), clRed);
  EXPECT_EQ(At(m, 22, 20), clGray);
  m.NeedleLayoutSec().SetVisible(true);  // its value was raised to 0.6 too
  m.SetThresholdHigh(0.8);
  m.SetValueSec(0.7);
  EXPECT_EQ(At(m, 273, 20), clGray);
  EXPECT_EQ(At(m, 22, 20), clRed);  // the primary needle still sits on the low threshold
  m.SetLimWatchLowOn(false);
  EXPECT_EQ(At(m, 22, 20), clWhite);
}

TEST(MeterPaint, RaisedFrameByDefault) {
  TMeter m;
  m.Paint();
  EXPECT_EQ(At(m, 0, 100), clWhite);
  EXPECT_EQ(At(m, 100, 0), clWhite);
  EXPECT_EQ(At(m, 296, 100), clGray);
  EXPECT_EQ(At(m, 100, 208), clGray);
  EXPECT_EQ(At(m, 1, 100), kBody);  // cover band
  m.SetFrameStyle(fsLowered);
  EXPECT_EQ(At(m, 0, 100), clGray);
  EXPECT_EQ(At(m, 296, 100), clWhite);
  m.SetFrameStyle(fsBump);
  EXPECT_EQ(At(m, 0, 100), clWhite);
  EXPECT_EQ(At(m, 1, 100), clGray);
  EXPECT_EQ(At(m, 295, 100), clWhite);
  EXPECT_EQ(At(m, 296, 100), clGray);
  m.SetFrameStyle(fsNone);
  EXPECT_EQ(At(m, 0, 100), kBody);
}

TEST(MeterPaint, PivotCoverDependsOnTheLayout) {
  TMeter m;
  m.SetValue(0.5);
  // 90 degrees: a half disc on a post down to the bottom band.
  EXPECT_EQ(At(m, 140, 180), kBody);
  EXPECT_EQ(At(m, 140, 195), kBody);
  EXPECT_EQ(At(m, 185, 195), clWhite);
  // 300 degrees: a full disc around the pivot at (148, 110).
  m.SetMeterLayout(mlCirc300);
  EXPECT_EQ(At(m, 140, 120), kBody);
  EXPECT_EQ(At(m, 140, 140), clWhite);
  m.SetAnchorCovered(false);
  EXPECT_EQ(At(m, 140, 120), clWhite);
}

TEST(MeterPaint, ShadowLiesLeftOfTheNeedle) {
  TMeter m;
  m.SetValue(0.5);
  EXPECT_EQ(At(m, 141, 37), clWhite);
  m.NeedleLayout().SetShadowDx(3);
  EXPECT_EQ(At(m, 141, 37), clGray);
  EXPECT_EQ(At(m, 148, 30), kBody);  // the needle lies over its shadow
}

TEST(MeterPaint, PrimaryNeedleIsDrawnWhateverItsVisibleSays) {
  TMeter m;
  m.SetValue(0.5);
  m.NeedleLayout().SetVisible(false);
  EXPECT_EQ(At(m, 148, 20), clBlack);
  EXPECT_EQ(At(m, 148, 30), kBody);
  m.SetValue(1);
  EXPECT_EQ(At(m, 148, 30), clWhite);
  EXPECT_EQ(At(m, 262, 77), kBody);  // inside its head, pointing at the maximum
  EXPECT_FALSE(m.HighAlarm());        // but a hidden needle raises no alarm
}

// Limits one double apart whose logarithms coincide: the needle still
// points along the scale, here at the maximum.
TEST(MeterPaint, NeedleOnTheNarrowestLogarithmicRange) {
  TMeter m;
  m.SetMeterMaxValue(1e15 + 0.125);
  m.SetMeterMinValue(1e15);
  m.SetLogarithmic(true);
  ASSERT_TRUE(m.Logarithmic());
  m.SetValue(2e15);
  EXPECT_EQ(m.Value(), 1e15 + 0.125);
  EXPECT_EQ(m.CalcNeedleAngle(m.Value()), 225);
  EXPECT_EQ(At(m, 262, 77), kBody);
  m.SetValue(1e15);
  EXPECT_EQ(m.CalcNeedleAngle(m.Value()), 135);
  EXPECT_EQ(At(m, 262, 77), clWhite);
  EXPECT_EQ(At(m, 34, 77), kBody);  // the mirror image at the minimum
}

TEST(MeterPaint, SecondaryNeedleWhenVisible) {
  constexpr TColor kMint = 0x80FF00;
  TMeter m;
  m.SetValueSec(1);
  m.NeedleLayoutSec().SetColorBody(kMint);
  EXPECT_EQ(vyrtest::CountColor(m.Canvas(), kMint), 0);
  m.NeedleLayoutSec().SetVisible(true);
  EXPECT_GT(vyrtest::CountColor(m.Canvas(), kMint), 20);
  EXPECT_EQ(At(m, 262, 77), kMint);  // inside its head, pointing at the maximum
}

TEST(MeterPaint, EventsComeInOrderWithTheLabels) {
  TMeter m;
  std::vector<QString> seen;
  m.OnBeforeDrawScaleLabel = [&](TObject*, TCanvas&, QString& label, int, int) { seen.push_back(label); };
  m.OnBeforeDrawNeedle = [&](TObject*, TCanvas&, bool&) { seen.push_back(QStringLiteral("needle")); };
  m.OnMeterRendered = [&](TObject*, TCanvas&) { seen.push_back(QStringLiteral("rendered")); };
  m.Paint();
  const std::vector<QString> expected{"0.0", "0.2", "0.4", "0.6", "0.8", "1.0", "needle", "rendered"};
  EXPECT_EQ(seen, expected);
}

TEST(MeterPaint, LogarithmicLabelsByDecades) {
  TMeter m;
  m.SetMeterMaxValue(1000);
  m.SetMeterMinValue(1);
  m.SetLogarithmic(true);
  m.SetMeterDecPlaces(0);
  std::vector<QString> seen;
  m.OnBeforeDrawScaleLabel = [&](TObject*, TCanvas&, QString& label, int, int) { seen.push_back(label); };
  m.Paint();
  const std::vector<QString> expected{"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"};
  EXPECT_EQ(seen, expected);
}

TEST(MeterPaint, FullCircleLabelsTheMinimumOnly) {
  TMeter m;
  m.SetMeterLayout(mlCirc360);
  m.SetMeterMaxValue(12);
  m.SetMeterNrTicks(12);
  m.SetMeterDecPlaces(0);
  std::vector<QString> seen;
  m.OnBeforeDrawScaleLabel = [&](TObject*, TCanvas&, QString& label, int, int) { seen.push_back(label); };
  m.Paint();
  const std::vector<QString> expected{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
  EXPECT_EQ(seen, expected);
}

TEST(MeterPaint, HandlersReplaceTheNeedleAndSuppressLabels) {
  TMeter m;
  m.SetValue(0.5);
  const int withLabels = vyrtest::CountColor(m.Canvas(), clBlack);
  m.OnBeforeDrawScaleLabel = [](TObject*, TCanvas&, QString& label, int, int) { label.clear(); };
  m.OnBeforeDrawNeedle = [](TObject*, TCanvas&, bool& drawn) { drawn = true; };
  m.Paint();
  EXPECT_EQ(At(m, 148, 30), clWhite);
  EXPECT_LT(vyrtest::CountColor(m.Canvas(), clBlack), withLabels - 50);
  EXPECT_EQ(At(m, 0, 100), clWhite);  // the frame is still drawn
  EXPECT_EQ(At(m, 5, 100), kBody);    // and the cover band
  m.OnBeforeDrawScaleLabel = nullptr;
  m.OnBeforeDrawNeedle = nullptr;
  m.SetValue(0.6);  // the labels come back
  EXPECT_GT(vyrtest::CountColor(m.Canvas(), clBlack), withLabels - 50);
}

TEST(MeterPaint, RenderedEventDrawsBeforeTheFrame) {
  TMeter m;
  m.OnMeterRendered = [](TObject*, TCanvas& c) {
    c.Brush.Color = clFuchsia;
    c.Brush.Style = bsSolid;
    c.FillRect({0, 0, 297, 209});
  };
  m.Paint();
  EXPECT_EQ(At(m, 100, 100), clFuchsia);
  EXPECT_EQ(At(m, 0, 100), clWhite);
}

TEST(MeterPaint, CaptionIsDrawnAThirdOfTheRadiusAboveThePivot) {
  TMeter m;
  m.SetValue(0);
  TFont font = m.FontCaption();
  font.Color = clRed;
  font.Size = 12;
  m.SetFontCaption(font);
  m.SetCaption(QStringLiteral("VOLT"));
  const TRect box = vyrtest::BoundsOf(m.Canvas(), clRed);
  ASSERT_FALSE(box.IsEmpty());
  // Centred on x = 148 and on y = 191 - 58 = 133 (within the glyphs' own margins).
  EXPECT_NEAR((box.Left + box.Right) / 2.0, 148, 2);
  EXPECT_NEAR((box.Top + box.Bottom) / 2.0, 133, 4);
}

TEST(MeterPaint, MovingNeedleLeavesNoTrail) {
  TMeter m;
  m.SetValue(0.5);
  m.SetValue(0.1);
  EXPECT_EQ(At(m, 148, 30), clWhite);
  m.SetValue(0.5);
  EXPECT_EQ(At(m, 148, 30), kBody);
}

TEST(MeterPaint, DialFollowsSizeFontAndSystemColours) {
  TMeter m;
  m.SetColorBakG(clWindow);
  m.SetValue(0.5);
  EXPECT_EQ(At(m, 100, 120), clWhite);
  SetSystemColor(5, clYellow);  // the window colour
  m.SetValue(0.6);
  EXPECT_EQ(At(m, 100, 120), clYellow);
  ResetSystemColors();
  EXPECT_EQ(vyrtest::CountColor(m.Canvas(), clFuchsia), 0);
  TFont font = m.Font();
  font.Color = clFuchsia;
  m.SetFont(font);
  m.SetValue(0.7);
  EXPECT_GT(vyrtest::CountColor(m.Canvas(), clFuchsia), 10);  // the scale labels
  m.SetBounds(0, 0, 400, 300);
  m.SetValue(0.8);
  EXPECT_EQ(m.Canvas().Width(), 400);
  EXPECT_EQ(At(m, 399, 100), clGray);  // the frame moved with the right edge
}

TEST(MeterPaint, TooSmallForItsRimsDrawsNothing) {
  TMeter m;
  m.SetBounds(0, 0, 297, 30);
  const int paints = m.PaintCount();
  m.Paint();
  EXPECT_EQ(m.PaintCount(), paints);
}

TEST(MeterPaint, EveryLayoutAndExtremeRangesPaint) {
  TMeter m;
  m.SetScaleBkVisible(true);
  m.SetScaleBkWidth(20);
  m.NeedleLayoutSec().SetVisible(true);
  for (TMeterLayout layout : {mlCirc90, mlCirc120, mlCirc180, mlCirc270, mlCirc300, mlCirc360}) {
    m.SetMeterLayout(layout);
    EXPECT_EQ(At(m, m.MeterCenterX(), m.MeterCenterY() + 2), kBody) << int(layout);
  }
  m.SetMeterMinValue(-kMeterRangeLimit);
  m.SetMeterMaxValue(kMeterRangeLimit);
  m.Paint();
  m.SetMeterMinValue(1e-99);
  m.SetLogarithmic(true);
  EXPECT_TRUE(m.Logarithmic());
  m.SetMeterMaxValue(1e-99);  // 1e-99 - 1 is not positive: the minimum becomes 1e-100
  EXPECT_DOUBLE_EQ(m.MeterMinValue(), 1e-100);
  EXPECT_FALSE(m.Logarithmic());  // which ends the logarithmic scale
  m.SetMeterMaxValue(kMeterRangeLimit);
  m.SetMeterMinValue(1e-99);
  m.SetLogarithmic(true);  // more than 400 decades
  EXPECT_TRUE(m.Logarithmic());
  m.SetLogarithmic(false);
  m.SetMeterMinValue(0);
  m.SetMeterMaxValue(std::numeric_limits<double>::denorm_min());  // too narrow to divide
  EXPECT_LT(m.MeterMinValue(), m.MeterMaxValue());
  EXPECT_EQ(At(m, 0, 100), clWhite);
}
