// Painting a 300 x 300 meter with zones, ticks and both needles while its
// needle moves, against rendering a QDial of the same size into an image, in
// the same run. The full redraw of the dial is measured for reference.
#include <benchmark/benchmark.h>

#include <QDial>
#include <QImage>

#include "BenchRatio.h"
#include "meter/Vyr_Meter.h"

namespace {

constexpr int kSide = 300;

void SetUp(vyr::TMeter& meter) {
  meter.SetBounds(0, 0, kSide, kSide);
  meter.SetMeterLayout(vyr::mlCirc270);
  meter.SetMeterMaxValue(100);
  meter.SetMeterNrTicks(10);
  meter.SetScaleBkVisible(true);
  meter.SetScaleBkWidth(12);
  meter.SetThresholdLow(20);
  meter.SetThresholdHigh(80);
  meter.SetCaption(QStringLiteral("kPa"));
  meter.NeedleLayoutSec().SetVisible(true);
  meter.SetValueSec(35);
}

void BM_TMeterPaint(benchmark::State& state) {
  vyr::TMeter meter;
  SetUp(meter);
  double value = 0;
  for (auto _ : state) {
    // A needle on the move, as in an animation.
    value = value >= 100 ? 0 : value + 0.7;
    meter.SetValue(value);
    benchmark::DoNotOptimize(meter.Canvas().Image()->constBits());
  }
}
BENCHMARK(BM_TMeterPaint);

// Every paint redraws the whole dial (a property other than a value changes).
void BM_TMeterFullPaint(benchmark::State& state) {
  vyr::TMeter meter;
  SetUp(meter);
  bool dark = false;
  for (auto _ : state) {
    dark = !dark;
    meter.SetColorScale(dark ? vyr::clNavy : vyr::clBlack);
    benchmark::DoNotOptimize(meter.Canvas().Image()->constBits());
  }
}
BENCHMARK(BM_TMeterFullPaint);

void BM_QDialRender(benchmark::State& state) {
  QDial dial;
  dial.resize(kSide, kSide);
  dial.setRange(0, 100);
  dial.setNotchesVisible(true);
  QImage image(kSide, kSide, QImage::Format_RGB32);
  int value = 0;
  for (auto _ : state) {
    value = value >= 100 ? 0 : value + 1;
    dial.setValue(value);
    dial.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_QDialRender);

}  // namespace

int main(int argc, char** argv) {
  return vyrbench::RunWithRatios(argc, argv, {{"TMeter paint vs QDial", "BM_TMeterPaint", "BM_QDialRender", 1.5}});
}
