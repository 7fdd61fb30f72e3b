// The meter keeps its dial, scale and cover between paints and redraws only
// the needles' area when a value moves. Whatever changes after a paint, the
// picture must be the one a meter given the same state at once draws.
#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>
#include <functional>

#include "BmpFiles.h"
#include "meter/Vyr_Meter.h"

using namespace vyr;

namespace {

using Change = std::function<void(TMeter&)>;

// A meter with every layer in use: zones, both needles, a caption.
void Busy(TMeter& m) {
  m.SetBounds(0, 0, 300, 300);
  m.SetMeterLayout(mlCirc270);
  m.SetMeterMaxValue(100);
  m.SetMeterNrTicks(10);
  m.SetScaleBkVisible(true);
  m.SetScaleBkWidth(12);
  m.SetThresholdLow(20);
  m.SetThresholdHigh(80);
  m.SetCaption(QStringLiteral("kPa"));
  m.NeedleLayoutSec().SetVisible(true);
  m.SetValueSec(35);
}

QImage Picture(TMeter& m) { return m.Canvas().Image()->copy(); }

// The picture of a meter that first paints when it already holds source's
// state: no earlier paint can linger in it.
QImage FreshPicture(const TMeter& source) {
  TMeter fresh;
  fresh.SetBounds(0, 0, source.width(), source.height());
  fresh.Assign(&source);
  return Picture(fresh);
}

// Paints, moves the needles, changes one thing, moves them again, and
// compares with a fresh meter after each step.
void ExpectLikeFresh(const char* name, const Change& change) {
  SCOPED_TRACE(name);
  TMeter m;
  Busy(m);
  m.SetValue(10);
  m.SetValue(55);
  change(m);
  m.Paint();
  EXPECT_EQ(Picture(m), FreshPicture(m));
  m.SetValue(90);  // past the high threshold: the high lamp lights
  EXPECT_EQ(Picture(m), FreshPicture(m));
  m.SetValue(45);
  EXPECT_EQ(Picture(m), FreshPicture(m));
}

}  // namespace

TEST(MeterLayers, NeedleFramesMatchAFreshMeter) {
  TMeter m;
  Busy(m);
  for (double v : {0.0, 12.5, 50.0, 81.0, 100.0, 33.0, 19.0, 66.0}) {
    m.SetValue(v);
    m.SetValueSec(100 - v);
    ASSERT_EQ(Picture(m), FreshPicture(m)) << v;
  }
}

TEST(MeterLayers, EveryPropertyWrittenAfterAPaintRepaintsWhatItAffects) {
  const std::pair<const char*, Change> changes[] = {
      {"MeterMinValue", [](TMeter& m) { m.SetMeterMinValue(-50); }},
      {"MeterMaxValue", [](TMeter& m) { m.SetMeterMaxValue(250); }},
      {"ThresholdLow", [](TMeter& m) { m.SetThresholdLow(40); }},
      {"ThresholdHigh", [](TMeter& m) { m.SetThresholdHigh(60); }},
      {"Logarithmic",
       [](TMeter& m) {
         m.SetMeterMinValue(1);
         m.SetLogarithmic(true);
       }},
      {"MeterLayout", [](TMeter& m) { m.SetMeterLayout(mlCirc120); }},
      {"MeterDecPlaces", [](TMeter& m) { m.SetMeterDecPlaces(3); }},
      {"MeterNrTicks", [](TMeter& m) { m.SetMeterNrTicks(4); }},
      {"MeterShortTicks", [](TMeter& m) { m.SetMeterShortTicks(false); }},
      {"MeterScaleLine", [](TMeter& m) { m.SetMeterScaleLine(false); }},
      {"ScaleVisible", [](TMeter& m) { m.SetScaleVisible(false); }},
      {"ScaleBkVisible", [](TMeter& m) { m.SetScaleBkVisible(false); }},
      {"ScaleBkWidth", [](TMeter& m) { m.SetScaleBkWidth(40); }},
      {"ColorSclBkLow", [](TMeter& m) { m.SetColorSclBkLow(clTeal); }},
      {"ColorSclBkNorm", [](TMeter& m) { m.SetColorSclBkNorm(clPurple); }},
      {"ColorSclBkHigh", [](TMeter& m) { m.SetColorSclBkHigh(clOlive); }},
      {"ColorScale", [](TMeter& m) { m.SetColorScale(clRed); }},
      {"ColorBakG", [](TMeter& m) { m.SetColorBakG(clYellow); }},
      {"ColorCover", [](TMeter& m) { m.SetColorCover(clNavy); }},
      {"ColorScheme", [](TMeter& m) { m.SetColorScheme(TColorScheme(1)); }},
      {"LimWatchHighOn", [](TMeter& m) { m.SetLimWatchHighOn(false); }},
      {"LimWatchLowOn", [](TMeter& m) { m.SetLimWatchLowOn(false); }},
      {"LimWatchActColor", [](TMeter& m) { m.SetLimWatchActColor(clLime); }},
      {"LimWatchPsvColor", [](TMeter& m) { m.SetLimWatchPsvColor(clFuchsia); }},
      {"RimTop", [](TMeter& m) { m.SetRimTop(30); }},
      {"RimBottom", [](TMeter& m) { m.SetRimBottom(2); }},
      {"RimSide", [](TMeter& m) { m.SetRimSide(40); }},
      {"AnchorCovered", [](TMeter& m) { m.SetAnchorCovered(false); }},
      {"AnchorSize", [](TMeter& m) { m.SetAnchorSize(50); }},
      {"Caption", [](TMeter& m) { m.SetCaption(QStringLiteral("bar")); }},
      {"FontCaption",
       [](TMeter& m) {
         TFont f = m.FontCaption();
         f.Size = 16;
         f.Color = clBlue;
         m.SetFontCaption(f);
       }},
      {"Font",
       [](TMeter& m) {
         TFont f = m.Font();
         f.Size = 12;
         m.SetFont(f);
       }},
      {"Font.Color",
       [](TMeter& m) {
         TFont f = m.Font();
         f.Color = clRed;
         m.SetFont(f);
       }},
      {"FrameStyle", [](TMeter& m) { m.SetFrameStyle(fsBump); }},
      {"NeedleLayout", [](TMeter& m) { m.NeedleLayout().SetHeadSize(40); }},
      {"NeedleLayout shadow",
       [](TMeter& m) {
         m.NeedleLayout().SetShadowDx(-30);
         m.NeedleLayout().SetShadowDy(25);
       }},
      {"NeedleLayoutSec", [](TMeter& m) { m.NeedleLayoutSec().SetThickness(12); }},
      {"NeedleLayoutSec.Visible", [](TMeter& m) { m.NeedleLayoutSec().SetVisible(false); }},
      {"size", [](TMeter& m) { m.SetBounds(0, 0, 340, 260); }},
  };
  for (const auto& [name, change] : changes) ExpectLikeFresh(name, change);
}

TEST(MeterLayers, PicturesReadAfterAPaint) {
  QTemporaryDir dir;
  const QString anchor = dir.filePath(QStringLiteral("anchor.bmp"));
  const QString background = dir.filePath(QStringLiteral("background.bmp"));
  ASSERT_TRUE(metertest::WriteBmp(anchor, metertest::HalvesPicture(20, 20, 8, {clBlack, clRed}, 1, 0)));
  ASSERT_TRUE(metertest::WriteBmp(background, metertest::HalvesPicture(23, 17, 24, {}, clAqua, clSilver)));
  ExpectLikeFresh("AnchorImage", [&](TMeter& m) { m.SetAnchorImage(anchor); });
  ExpectLikeFresh("BackGroundImg", [&](TMeter& m) { m.SetBackGroundImg(background); });
  ExpectLikeFresh("BkgndFillMode", [&](TMeter& m) {
    m.SetBackGroundImg(background);
    m.SetBkgndFillMode(TBkgFill(2));
  });
  // The same file name read again after the file changed.
  TMeter m;
  Busy(m);
  m.SetAnchorImage(anchor);
  ASSERT_TRUE(metertest::WriteBmp(anchor, metertest::HalvesPicture(20, 20, 8, {clBlack, clBlue}, 0, 1)));
  m.SetAnchorImage(anchor);
  EXPECT_EQ(Picture(m), FreshPicture(m));
}

TEST(MeterLayers, SystemColoursChangedBetweenPaints) {
  TMeter m;
  Busy(m);
  m.SetColorBakG(clWindow);
  m.SetLimWatchPsvColor(clBtnShadow);
  m.SetColorScheme(TColorScheme(1));
  const QImage before = Picture(m);
  SetSystemColor(5, clYellow);    // window: the dial
  SetSystemColor(15, clMaroon);   // button face: the cover
  SetSystemColor(16, clGreen);    // button shadow: a lamp and the frame
  m.SetValue(70);
  const QImage changed = Picture(m);
  const QImage fresh = FreshPicture(m);
  ResetSystemColors();
  EXPECT_NE(changed, before);
  EXPECT_EQ(changed, fresh);
}

// Drawing on the back canvas between paints, through the canvas or by hand:
// the next needle frame must not build on it.
TEST(MeterLayers, ForeignDrawingIsPaintedOver) {
  TMeter m;
  Busy(m);
  m.Canvas().Brush.Color = clLime;
  m.Canvas().FillRect({0, 0, 300, 300});
  m.SetValue(30);
  EXPECT_EQ(Picture(m), FreshPicture(m));
  m.Canvas().Image()->fill(Qt::green);
  m.SetValue(31);
  EXPECT_EQ(Picture(m), FreshPicture(m));
}

// Handlers draw between the needles and the cover; removing one goes back
// to the kept layers with nothing of its drawing left.
TEST(MeterLayers, HandlersAssignedAndRemoved) {
  TMeter m;
  Busy(m);
  m.OnMeterRendered = [](TObject*, TCanvas& c) {
    c.Brush.Color = clLime;
    c.Rectangle(100, 100, 200, 200);
  };
  m.SetValue(30);
  EXPECT_EQ(m.Canvas().Pixels(150, 150), clLime);
  m.OnMeterRendered = nullptr;
  m.SetValue(31);
  EXPECT_EQ(Picture(m), FreshPicture(m));
  m.OnBeforeDrawScaleLabel = [](TObject*, TCanvas&, QString& text, int, int) { text.clear(); };
  m.SetValue(32);
  EXPECT_NE(Picture(m), FreshPicture(m));  // no labels
  m.OnBeforeDrawScaleLabel = nullptr;
  m.SetValue(33);
  EXPECT_EQ(Picture(m), FreshPicture(m));
}
