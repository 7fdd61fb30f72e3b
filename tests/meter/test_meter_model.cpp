// The meter's model: initial values, clamping, range events, alarm flags,
// logarithmic rules, loading and copying.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include <QImage>
#include <QTemporaryDir>
#include <tuple>

#include "MeterEvents.h"
#include "meter/Vyr_Meter.h"
#include "support/AssignWalk.h"

using namespace vyr;
using metertest::RangeEvents;
using Words = std::vector<std::string>;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

}  // namespace

TEST(MeterModel, InitialValues) {
  TMeter m;
  EXPECT_EQ(m.Width(), 297);
  EXPECT_EQ(m.Height(), 209);
  EXPECT_EQ(m.MeterMaxValue(), 1.0);
  EXPECT_EQ(m.ThresholdHigh(), 1.0);
  EXPECT_EQ(m.MeterLayout(), mlCirc90);
  EXPECT_EQ(m.ColorCover(), 0xFF00000Fu);
  EXPECT_EQ(m.FrameStyle(), fsRaised);
  EXPECT_EQ(m.FontCaption(), m.Font());
  EXPECT_TRUE(m.NeedleLayout().Visible());
  EXPECT_FALSE(m.NeedleLayoutSec().Visible());
  EXPECT_EQ(m.NeedleLayout().HeadAngle(), 30);
  EXPECT_EQ(m.NeedleLayoutSec().ShadowColor(), 0x808080u);
  EXPECT_FALSE(m.HighAlarm());
  EXPECT_FALSE(m.LowAlarm());
}

TEST(MeterModel, ClampedProperties) {
  TMeter m;
  m.SetMeterNrTicks(1);
  EXPECT_EQ(m.MeterNrTicks(), 2);
  m.SetMeterNrTicks(40);
  EXPECT_EQ(m.MeterNrTicks(), 21);
  m.SetMeterDecPlaces(-3);
  EXPECT_EQ(m.MeterDecPlaces(), 0);
  m.SetMeterDecPlaces(9);
  EXPECT_EQ(m.MeterDecPlaces(), 4);
  m.NeedleLayout().SetPercentNeedleLength(150);
  EXPECT_EQ(m.NeedleLayout().PercentNeedleLength(), 100);
  m.NeedleLayout().SetHeadAngle(-5);
  EXPECT_EQ(m.NeedleLayout().HeadAngle(), 0);
  m.SetScaleBkWidth(150);
  EXPECT_EQ(m.ScaleBkWidth(), 100);
  m.SetScaleBkWidth(kNaN);
  EXPECT_EQ(m.ScaleBkWidth(), 100);
  m.SetRimTop(-4);
  EXPECT_EQ(m.RimTop(), 0);
  m.SetAnchorSize(1 << 30);
  EXPECT_EQ(m.AnchorSize(), TMeter::kMaxRim);
}

TEST(MeterModel, RepaintOnlyWhenAPropertyChanges) {
  TMeter m;
  m.Paint();
  const int paints = m.PaintCount();
  m.SetColorScale(0x800000);
  m.SetMeterLayout(mlCirc90);
  EXPECT_EQ(m.PaintCount(), paints);
  m.SetColorScale(clRed);
  EXPECT_EQ(m.PaintCount(), paints + 1);
  m.SetCaption(QString());  // the caption repaints in any case
  EXPECT_EQ(m.PaintCount(), paints + 2);
}

TEST(MeterValueWrites, OverTheMaximumClampsAndOverflows) {
  TMeter m;
  RangeEvents events(m);
  m.SetValue(5);
  EXPECT_EQ(m.Value(), 1.0);
  EXPECT_EQ(events.Take(), Words{"over"});
  EXPECT_TRUE(m.HighAlarm());
  EXPECT_FALSE(m.LowAlarm());
}

TEST(MeterValueWrites, EveryAcceptedWriteRaisesItsZone) {
  TMeter m;
  m.SetThresholdLow(0.2);
  m.SetThresholdHigh(0.8);
  RangeEvents events(m);
  m.SetValue(0.5);
  m.SetValue(0.5);
  EXPECT_EQ(events.Take(), Words{"normal"});
  m.SetValue(0.6);
  EXPECT_EQ(events.Take(), Words{"normal"});
  m.SetValue(0.2);
  EXPECT_EQ(events.Take(), Words{"under"});
  EXPECT_TRUE(m.LowAlarm());
  m.SetValue(-3);
  EXPECT_EQ(m.Value(), 0.0);
  EXPECT_EQ(events.Take(), Words{"under"});
  m.SetValue(0.8);
  EXPECT_EQ(events.Take(), Words{"over"});
  EXPECT_TRUE(m.HighAlarm());
  EXPECT_FALSE(m.LowAlarm());
}

TEST(MeterValueWrites, InvisibleNeedleRaisesNothing) {
  TMeter m;
  RangeEvents events(m);
  m.Paint();
  const int paints = m.PaintCount();
  m.SetValueSec(5);  // the secondary needle is hidden
  EXPECT_EQ(m.ValueSec(), 1.0);
  EXPECT_TRUE(events.Take().empty());
  EXPECT_FALSE(m.HighAlarm());
  EXPECT_EQ(m.PaintCount(), paints);
  m.NeedleLayout().SetVisible(false);
  m.SetValue(5);
  EXPECT_TRUE(events.Take().empty());
}

TEST(MeterValueWrites, NotANumberAndInfinityAreIgnored) {
  TMeter m;
  RangeEvents events(m);
  m.SetValue(0.5);
  events.Take();
  for (double bad : {kNaN, kInf, -kInf}) {
    m.SetValue(bad);
    m.SetValueSec(bad);
    m.SetMeterMinValue(bad);
    m.SetMeterMaxValue(bad);
    m.SetThresholdLow(bad);
    m.SetThresholdHigh(bad);
  }
  EXPECT_EQ(m.Value(), 0.5);
  EXPECT_EQ(m.ValueSec(), 0.0);
  EXPECT_EQ(m.MeterMinValue(), 0.0);
  EXPECT_EQ(m.MeterMaxValue(), 1.0);
  EXPECT_EQ(m.ThresholdLow(), 0.0);
  EXPECT_EQ(m.ThresholdHigh(), 1.0);
  EXPECT_TRUE(events.Take().empty());
}

TEST(MeterAlarms, BothNeedlesShareTheLampsWithoutErasingEachOther) {
  TMeter m;
  m.NeedleLayoutSec().SetVisible(true);
  m.SetValue(5);
  m.SetValueSec(-5);
  EXPECT_TRUE(m.HighAlarm());  // the primary needle still stands at the maximum
  EXPECT_TRUE(m.LowAlarm());
  m.SetValueSec(0.5);
  EXPECT_TRUE(m.HighAlarm());
  EXPECT_FALSE(m.LowAlarm());
  m.NeedleLayout().SetVisible(false);  // hiding a needle takes back its alarm
  EXPECT_FALSE(m.HighAlarm());
}

TEST(MeterAlarms, LooksOfANeedleDecideNothing) {
  TMeter m;
  m.NeedleLayout().SetColorBody(clRed);
  m.NeedleLayoutSec().SetThickness(4);
  EXPECT_FALSE(m.LowAlarm());
  m.NeedleLayoutSec().SetVisible(true);  // showing a needle does: both stand at the low threshold
  EXPECT_TRUE(m.LowAlarm());
}

TEST(MeterAlarms, ThresholdWritesDecideBothFlags) {
  TMeter m;
  RangeEvents events(m);
  m.SetValue(0.5);
  events.Take();
  m.SetThresholdHigh(0.4);
  EXPECT_EQ(events.Take(), Words{"over"});
  EXPECT_TRUE(m.HighAlarm());
  m.SetThresholdHigh(0.9);
  EXPECT_TRUE(events.Take().empty());
  EXPECT_FALSE(m.HighAlarm());
  m.SetThresholdLow(0.6);
  EXPECT_EQ(events.Take(), Words{"under"});
  EXPECT_TRUE(m.LowAlarm());
  // A low threshold above the high one lifts it; the value now lies at or
  // above both, which counts as overflow.
  m.SetThresholdLow(0.95);
  EXPECT_EQ(m.ThresholdHigh(), 0.95);
  m.SetThresholdHigh(0.5);
  EXPECT_EQ(m.ThresholdLow(), 0.5);
  EXPECT_TRUE(m.HighAlarm());
  EXPECT_FALSE(m.LowAlarm());
}

TEST(MeterAlarms, RangeWritesMoveValuesAndDecideTheFlags) {
  TMeter m;
  RangeEvents events(m);
  m.SetThresholdHigh(0.9);
  m.SetValue(0.7);
  events.Take();
  m.SetMeterMaxValue(0.5);  // value and high threshold come down to 0.5
  EXPECT_EQ(m.Value(), 0.5);
  EXPECT_EQ(m.ThresholdHigh(), 0.5);
  EXPECT_TRUE(m.HighAlarm());
  EXPECT_TRUE(events.Take().empty());  // range writes raise no events
  m.SetMeterMinValue(0.6);  // everything goes up to 0.6, the maximum to 1.6
  EXPECT_DOUBLE_EQ(m.MeterMaxValue(), 1.6);
  EXPECT_TRUE(m.HighAlarm());
  EXPECT_FALSE(m.LowAlarm());
}

TEST(MeterRange, MinimumAboveTheMaximumPushesItUp) {
  TMeter m;
  m.SetValue(0.5);
  m.SetMeterMinValue(5);
  EXPECT_EQ(m.MeterMinValue(), 5);
  EXPECT_EQ(m.MeterMaxValue(), 6);
  EXPECT_EQ(m.Value(), 5);
  EXPECT_EQ(m.ThresholdLow(), 5);
  EXPECT_EQ(m.ThresholdHigh(), 5);
  m.SetMeterMaxValue(-2);
  EXPECT_EQ(m.MeterMinValue(), -3);
  EXPECT_EQ(m.Value(), -2);
}

TEST(MeterRange, NeverCollapsesWhereOneIsLostToRounding) {
  TMeter m;
  m.SetMeterMinValue(1e17);  // 1e17 + 1 == 1e17
  EXPECT_LT(m.MeterMinValue(), m.MeterMaxValue());
  m.SetMeterMaxValue(-1e300);
  EXPECT_LT(m.MeterMinValue(), m.MeterMaxValue());
  EXPECT_EQ(m.MeterMaxValue(), -1e300);
  m.SetMeterMinValue(std::numeric_limits<double>::max());
  EXPECT_EQ(m.MeterMinValue(), kMeterRangeLimit);
  EXPECT_LT(m.MeterMinValue(), m.MeterMaxValue());
  EXPECT_TRUE(std::isfinite(m.MeterMaxValue()));
  m.SetMeterMinValue(-std::numeric_limits<double>::max());
  EXPECT_EQ(m.MeterMinValue(), -kMeterRangeLimit);
  EXPECT_TRUE(std::isfinite(m.MeterMaxValue() - m.MeterMinValue()));
  m.Paint();  // a scale too narrow to divide draws without ticks
}

TEST(MeterLogarithmic, NeedsPositiveLimits) {
  TMeter m;
  m.SetLogarithmic(true);
  EXPECT_FALSE(m.Logarithmic());
  m.SetMeterMinValue(1);
  m.SetMeterMaxValue(1000);
  m.SetLogarithmic(true);
  EXPECT_TRUE(m.Logarithmic());
  m.SetMeterMinValue(1e-101);  // below the logarithmic limit: ignored
  m.SetThresholdLow(0);
  EXPECT_EQ(m.MeterMinValue(), 1);
  EXPECT_EQ(m.ThresholdLow(), 1);
  m.SetMeterMaxValue(0.5);  // 0.5 - 1 is not positive: a tenth of the maximum
  EXPECT_DOUBLE_EQ(m.MeterMinValue(), 0.05);
  EXPECT_EQ(m.MeterMaxValue(), 0.5);
}

// A limit written at the logarithmic floor, or pushed below it by a maximum
// write, leaves limits no logarithmic scale accepts: the scale turns linear.
TEST(MeterLogarithmic, ALimitAtTheFloorEndsTheLogarithmicScale) {
  TMeter m;
  m.SetMeterMaxValue(1000);
  m.SetMeterMinValue(1);
  m.SetLogarithmic(true);
  m.Paint();
  const int paints = m.PaintCount();
  m.SetMeterMinValue(kLogMinimum);
  EXPECT_EQ(m.MeterMinValue(), kLogMinimum);
  EXPECT_FALSE(m.Logarithmic());
  EXPECT_EQ(m.PaintCount(), paints + 1);
  m.SetLogarithmic(true);  // and cannot be turned back on
  EXPECT_FALSE(m.Logarithmic());

  m.SetMeterMinValue(1e-99);
  m.SetLogarithmic(true);
  ASSERT_TRUE(m.Logarithmic());
  m.SetMeterMaxValue(5e-100);  // the minimum becomes a tenth of it, below the floor
  EXPECT_DOUBLE_EQ(m.MeterMinValue(), 5e-101);
  EXPECT_FALSE(m.Logarithmic());
}

TEST(MeterGeometryFollowsTheControl, SizeLayoutAndRims) {
  TMeter m;
  m.SetMeterLayout(mlCirc300);
  EXPECT_EQ(m.MeterAngle(), 300);
  EXPECT_EQ(m.MeterCenterY(), 110);
  m.SetBounds(0, 0, 400, 500);
  EXPECT_EQ(m.MeterRadius(), 182);  // 200 - 18
  m.SetRimSide(30);
  EXPECT_EQ(m.MeterRadius(), 162);
}

TEST(MeterLoading, SettersOnlyStoreAndLoadedRestoresTheRules) {
  TMeter m;
  RangeEvents events(m);
  m.BeginLoading();
  m.SetMeterMinValue(5);
  m.SetMeterMaxValue(2);
  m.SetValue(9);
  m.SetValueSec(-3);
  m.SetThresholdLow(7);
  m.SetThresholdHigh(1);
  m.SetLogarithmic(true);
  EXPECT_EQ(m.Value(), 9);  // stored as written
  EXPECT_EQ(m.MeterMaxValue(), 2);
  m.Loaded();
  EXPECT_FALSE(m.IsLoading());
  EXPECT_EQ(m.MeterMinValue(), 5);
  EXPECT_EQ(m.MeterMaxValue(), 6);
  EXPECT_EQ(m.Value(), 6);
  EXPECT_EQ(m.ValueSec(), 5);
  EXPECT_EQ(m.ThresholdLow(), 6);
  EXPECT_EQ(m.ThresholdHigh(), 6);
  EXPECT_TRUE(m.Logarithmic());
  EXPECT_TRUE(m.HighAlarm());
  EXPECT_TRUE(events.Take().empty());
}

TEST(MeterLoading, StoredLimitsAreClampedAndOrdered) {
  TMeter m;
  m.BeginLoading();
  m.SetMeterMinValue(std::numeric_limits<double>::max());
  m.SetMeterMaxValue(-std::numeric_limits<double>::max());
  m.SetValue(std::numeric_limits<double>::lowest());
  m.Loaded();
  EXPECT_EQ(m.MeterMinValue(), kMeterRangeLimit);
  EXPECT_GT(m.MeterMaxValue(), m.MeterMinValue());
  EXPECT_TRUE(std::isfinite(m.MeterMaxValue()));
  EXPECT_EQ(m.Value(), kMeterRangeLimit);
}

TEST(MeterLoading, LogarithmicWithANonPositiveMinimumIsDropped) {
  TMeter m;
  m.BeginLoading();
  m.SetLogarithmic(true);
  m.SetMeterMaxValue(100);
  m.Loaded();
  EXPECT_FALSE(m.Logarithmic());
  EXPECT_GT(m.PaintCount(), 0);
}

TEST(MeterAssign, CopiesThePublishedPropertiesNotTheEvents) {
  TMeter source;
  source.SetMeterMaxValue(200);
  source.SetMeterMinValue(2);
  source.SetLogarithmic(true);
  source.SetValue(50);
  source.SetThresholdHigh(40);
  source.SetMeterLayout(mlCirc270);
  source.SetCaption(QStringLiteral("kPa"));
  source.SetColorBakG(clYellow);
  source.SetFrameStyle(fsEtched);
  source.SetColorScheme(csSystem);
  source.NeedleLayoutSec().SetVisible(true);
  source.NeedleLayout().SetThickness(5);
  TFont font = source.FontCaption();
  font.Color = clRed;
  font.Size = 14;
  source.SetFontCaption(font);
  int calls = 0;
  source.OnOverFlow = [&](TObject*) { ++calls; };

  TMeter copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.MeterMinValue(), 2);
  EXPECT_EQ(copy.MeterMaxValue(), 200);
  EXPECT_TRUE(copy.Logarithmic());
  EXPECT_EQ(copy.Value(), 50);
  EXPECT_EQ(copy.ThresholdHigh(), 40);
  EXPECT_EQ(copy.MeterLayout(), mlCirc270);
  EXPECT_EQ(copy.Caption(), QStringLiteral("kPa"));
  EXPECT_EQ(copy.ColorBakG(), clYellow);
  EXPECT_EQ(copy.FrameStyle(), fsEtched);
  EXPECT_EQ(copy.ColorScheme(), csSystem);
  EXPECT_EQ(copy.FontCaption(), font);
  EXPECT_TRUE(copy.NeedleLayoutSec().Visible());
  EXPECT_EQ(copy.NeedleLayout().Thickness(), 5);
  EXPECT_TRUE(copy.HighAlarm());
  EXPECT_FALSE(copy.OnOverFlow);
  EXPECT_EQ(calls, 0);

  // Handing over works the other way round too; other classes are refused.
  TMeter third;
  source.AssignTo(&third);
  EXPECT_EQ(third.Caption(), QStringLiteral("kPa"));
  TControl plain;
  EXPECT_THROW(plain.Assign(&source), EConvertError);
}

TEST(MeterAssign, CopiesEveryListedProperty) {
  QTemporaryDir dir;
  const QString picture = dir.filePath(QStringLiteral("dial.png"));
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::darkCyan);
  ASSERT_TRUE(image.save(picture));
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TMeter>(); }, TMeter::CopiedProperties(), {},
                                  {{QStringLiteral("AnchorImage"), picture}, {QStringLiteral("BackGroundImg"), picture}});
}

// The copy takes the source's scale kind before its limits, so that the
// limits a logarithmic copy would refuse arrive unchanged.
TEST(MeterAssign, CopiesTheRangeBetweenLinearAndLogarithmicMeters) {
  auto state = [](const TMeter& m) {
    return std::tuple(m.Logarithmic(), m.MeterMinValue(), m.MeterMaxValue(), m.Value(), m.ThresholdLow(),
                      m.ThresholdHigh());
  };
  TMeter linear;
  linear.SetValue(0.25);
  linear.SetThresholdHigh(0.75);
  TMeter logarithmic;
  logarithmic.SetMeterMaxValue(1000);
  logarithmic.SetMeterMinValue(2);
  logarithmic.SetLogarithmic(true);
  logarithmic.SetValue(20);
  logarithmic.SetThresholdHigh(500);

  TMeter copy;
  copy.Assign(&logarithmic);
  ASSERT_TRUE(copy.Logarithmic());
  copy.Assign(&linear);  // linear into logarithmic
  EXPECT_EQ(state(copy), std::tuple(false, 0.0, 1.0, 0.25, 0.0, 0.75));
  copy.Assign(&logarithmic);  // logarithmic into linear
  EXPECT_EQ(state(copy), std::tuple(true, 2.0, 1000.0, 20.0, 2.0, 500.0));
}

TEST(MeterNeedleLayouts, WritingALayoutCopiesItIntoTheMetersOwn) {
  TMeter m;
  TNeedleLayout look;
  look.SetColorBody(clRed);
  look.SetHeadSize(9);
  look.SetVisible(true);
  m.Paint();
  const int paints = m.PaintCount();
  m.SetNeedleLayoutSec(look);
  EXPECT_EQ(m.NeedleLayoutSec().ColorBody(), clRed);
  EXPECT_EQ(m.NeedleLayoutSec().HeadSize(), 9);
  EXPECT_TRUE(m.NeedleLayoutSec().Visible());
  EXPECT_NE(&m.NeedleLayoutSec(), &look);
  EXPECT_EQ(m.PaintCount(), paints + 1);
  look.SetColorBody(clBlue);  // the meter keeps its own copy
  EXPECT_EQ(m.NeedleLayoutSec().ColorBody(), clRed);
}
