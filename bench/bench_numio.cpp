// Painting a numeric field with gauge and spin buttons against rendering a
// QDoubleSpinBox of the same size into an image, in the same run.
#include <benchmark/benchmark.h>

#include <QDoubleSpinBox>
#include <QImage>

#include "BenchRatio.h"
#include "numio/Vyr_NumIO.h"

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 28;

void BM_TNumIO2Paint(benchmark::State& state) {
  vyr::TNumIO2 field;
  field.SetGaugeVisible(true);
  field.SetButVisible(true);
  field.SetValue(123.45);
  for (auto _ : state) {
    field.Paint();
    benchmark::DoNotOptimize(field.Canvas().Image()->constBits());
  }
}
BENCHMARK(BM_TNumIO2Paint);

void BM_QDoubleSpinBoxRender(benchmark::State& state) {
  QDoubleSpinBox box;
  box.resize(kWidth, kHeight);
  box.setRange(0, 1000);
  box.setValue(123.45);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    box.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_QDoubleSpinBoxRender);

}  // namespace

int main(int argc, char** argv) {
  return vyrbench::RunWithRatios(
      argc, argv, {{"TNumIO2 paint vs QDoubleSpinBox render", "BM_TNumIO2Paint", "BM_QDoubleSpinBoxRender", 1.0}});
}
