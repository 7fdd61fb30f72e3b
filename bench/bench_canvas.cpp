// The same scene of rectangles, lines, arcs and text drawn through TCanvas
// and through a raw QPainter on an image of the same size; and one large
// filled pie drawn both ways.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "BenchRatio.h"
#include "host/Canvas.h"

namespace {

constexpr int kSide = 400;

void SceneCanvas(vyr::TCanvas& c) {
  c.Brush.Color = 0xF0F0F0;
  c.Pen.Color = 0x000000;
  for (int i = 0; i < 40; ++i) c.Rectangle(i * 5, i * 3, i * 5 + 120, i * 3 + 80);
  c.Pen.Color = 0x0000FF;
  for (int i = 0; i < 100; ++i) {
    c.MoveTo(0, i * 4);
    c.LineTo(kSide - 1, kSide - 1 - i * 4);
  }
  c.Pen.Color = 0xFF0000;
  for (int i = 0; i < 20; ++i) c.Arc(100 + i, 100 + i, 300 - i, 300 - i, 300, 200, 100, 200);
  c.Brush.Style = vyr::bsClear;
  c.Font.Color = 0x000000;
  for (int i = 0; i < 20; ++i) c.TextOut(10, i * 18, QStringLiteral("Measured value 12.345 V"));
  c.Brush.Style = vyr::bsSolid;
}

void ScenePainter(QPainter& p) {
  p.setBrush(QColor(0xF0, 0xF0, 0xF0));
  p.setPen(Qt::black);
  for (int i = 0; i < 40; ++i) p.drawRect(i * 5, i * 3, 119, 79);
  p.setPen(Qt::red);
  for (int i = 0; i < 100; ++i) p.drawLine(0, i * 4, kSide - 1, kSide - 1 - i * 4);
  p.setPen(Qt::blue);
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 20; ++i) p.drawArc(100 + i, 100 + i, 199 - 2 * i, 199 - 2 * i, 0, 180 * 16);
  p.setPen(Qt::black);
  for (int i = 0; i < 20; ++i) p.drawText(10, i * 18 + 11, QStringLiteral("Measured value 12.345 V"));
}

void BM_TCanvasScene(benchmark::State& state) {
  QImage image(kSide, kSide, QImage::Format_RGB32);
  vyr::TCanvas canvas(&image);
  for (auto _ : state) {
    SceneCanvas(canvas);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_TCanvasScene);

void BM_QPainterScene(benchmark::State& state) {
  QImage image(kSide, kSide, QImage::Format_RGB32);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  for (auto _ : state) {
    QPainter p(&image);
    p.setFont(font);
    ScenePainter(p);
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_QPainterScene);

// A three-quarter pie filling a 300 x 300 image, outlined, from 3 o'clock
// counter-clockwise to 6 o'clock.
constexpr int kPieSide = 300;

void BM_TCanvasPie(benchmark::State& state) {
  QImage image(kPieSide, kPieSide, QImage::Format_RGB32);
  vyr::TCanvas canvas(&image);
  canvas.Brush.Color = 0x00C0FF;
  for (auto _ : state) {
    canvas.Pie(0, 0, kPieSide, kPieSide, kPieSide, kPieSide / 2, kPieSide / 2, kPieSide);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_TCanvasPie);

void BM_QPainterPie(benchmark::State& state) {
  QImage image(kPieSide, kPieSide, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter p(&image);
    p.setPen(Qt::black);
    p.setBrush(QColor(0xFF, 0xC0, 0x00));
    p.drawPie(0, 0, kPieSide - 1, kPieSide - 1, 0, 270 * 16);
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_QPainterPie);

}  // namespace

int main(int argc, char** argv) {
  return vyrbench::RunWithRatios(argc, argv, {{"TCanvas scene vs QPainter", "BM_TCanvasScene", "BM_QPainterScene", 1.5},
                                               {"canvas pie 300x300", "BM_TCanvasPie", "BM_QPainterPie", 1.5}});
}
