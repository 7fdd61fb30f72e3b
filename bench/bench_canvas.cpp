// TCanvas against a QPainter on an image of the same size, one ratio per
// family of primitives: axis lines, diagonal lines, rectangles, arcs and
// pies, polygons and text. The painter is aliased like the canvas, opened
// once per scene, and draws the same figures in its own conventions (end
// points included, rectangles one pixel short); the two pictures must agree
// but for a few pixels where the two rasterisers round differently.
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "Alternate.h"
#include "host/Canvas.h"

namespace {

constexpr int kSide = 400;
constexpr QRgb kWhite = 0xFFFFFFFF;

// Two pictures agree when nearly every inked pixel of each has a pixel of
// the same colour at most one pixel away in the other: the rasterisers
// round line, arc and edge steps differently, which moves pixels by one,
// while a missing or extra figure leaves whole runs without a partner.
constexpr int kTolerance = 100;  // at most one inked pixel in this many unmatched

// Inked pixels of a (not white) without a pixel of their colour near them in b.
std::pair<qsizetype, qsizetype> Unmatched(const QImage& a, const QImage& b) {
  qsizetype unmatched = 0, inked = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb colour = a.pixel(x, y) | 0xFF000000;
      if (colour == kWhite) continue;
      ++inked;
      bool near = false;
      for (int ny = std::max(y - 1, 0); ny <= std::min(y + 1, b.height() - 1) && !near; ++ny)
        for (int nx = std::max(x - 1, 0); nx <= std::min(x + 1, b.width() - 1) && !near; ++nx)
          near = (b.pixel(nx, ny) | 0xFF000000) == colour;
      unmatched += !near;
    }
  return {unmatched, inked};
}

struct Picture {
  QImage image;
  bool operator==(const Picture& other) const {
    if (image.size() != other.image.size()) return false;
    const auto [missing, inked] = Unmatched(image, other.image);
    const auto [extra, otherInked] = Unmatched(other.image, image);
    const bool same = inked > 0 && missing * kTolerance <= inked && extra * kTolerance <= otherInked;
    if (!same)
      std::fprintf(stderr, "pictures differ: %lld of %lld inked pixels unmatched, %lld of %lld the other way\n",
                   (long long)missing, (long long)inked, (long long)extra, (long long)otherInked);
    return same;
  }
};

struct Family {
  const char* subject;
  double goal;
  int repeats;  // scenes per round
  void (*ours)(vyr::TCanvas&);
  void (*peer)(QPainter&);
};

void AxisLinesCanvas(vyr::TCanvas& c) {
  c.Pen.Color = vyr::clBlue;
  for (int i = 0; i < 200; i += 2) {
    c.MoveTo(0, i * 2);
    c.LineTo(kSide - 1, i * 2);
    c.MoveTo(i * 2 + 1, 0);
    c.LineTo(i * 2 + 1, kSide - 1);
  }
}

void AxisLinesPainter(QPainter& p) {
  p.setPen(Qt::blue);
  for (int i = 0; i < 200; i += 2) {
    p.drawLine(0, i * 2, kSide - 2, i * 2);
    p.drawLine(i * 2 + 1, 0, i * 2 + 1, kSide - 2);
  }
}

void DiagonalLinesCanvas(vyr::TCanvas& c) {
  c.Pen.Color = vyr::clBlue;
  for (int i = 0; i < 100; ++i) {
    c.MoveTo(0, i * 4);
    c.LineTo(kSide - 1, kSide - 1 - i * 4);
  }
}

void DiagonalLinesPainter(QPainter& p) {
  p.setPen(Qt::blue);
  for (int i = 0; i < 100; ++i) p.drawLine(0, i * 4, kSide - 1, kSide - 1 - i * 4);
}

void RectanglesCanvas(vyr::TCanvas& c) {
  c.Brush.Color = 0xF0E0D0;
  c.Pen.Color = vyr::clBlack;
  for (int i = 0; i < 40; ++i) c.Rectangle(i * 5, i * 3, i * 5 + 120, i * 3 + 80);
}

void RectanglesPainter(QPainter& p) {
  p.setBrush(QColor(0xD0, 0xE0, 0xF0));
  p.setPen(Qt::black);
  for (int i = 0; i < 40; ++i) p.drawRect(i * 5, i * 3, 119, 79);
}

// Upper half arcs from 3 o'clock to 9 o'clock, then three-quarter pies from
// 3 o'clock counter-clockwise to 6 o'clock.
void ArcsPiesCanvas(vyr::TCanvas& c) {
  c.Pen.Color = vyr::clBlue;
  for (int i = 0; i < 20; ++i) c.Arc(100 + i, 100 + i, 300 - i, 300 - i, 400, 200, 0, 200);
  c.Brush.Color = 0x00C0FF;
  c.Pen.Color = vyr::clBlack;
  for (int i = 0; i < 5; ++i) c.Pie(i * 20, i * 20, kSide - i * 20, kSide - i * 20, kSide, 200, 200, kSide);
}

void ArcsPiesPainter(QPainter& p) {
  p.setPen(Qt::blue);
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 20; ++i) p.drawArc(100 + i, 100 + i, 199 - 2 * i, 199 - 2 * i, 0, 180 * 16);
  p.setPen(Qt::black);
  p.setBrush(QColor(0xFF, 0xC0, 0x00));
  for (int i = 0; i < 5; ++i) p.drawPie(i * 20, i * 20, kSide - 1 - i * 40, kSide - 1 - i * 40, 0, 270 * 16);
}

// Five-pointed stars, whose middles the even-odd rule leaves open.
std::vector<std::array<QPoint, 5>> Stars() {
  std::vector<std::array<QPoint, 5>> stars;
  for (int i = 0; i < 30; ++i) {
    const double cx = 60 + (i % 6) * 56, cy = 60 + (i / 6) * 70, r = 50;
    std::array<QPoint, 5> star;
    for (int k = 0; k < 5; ++k) {
      const double a = -M_PI / 2 + k * 4 * M_PI / 5;
      star[std::size_t(k)] = QPoint(int(std::lround(cx + r * std::cos(a))), int(std::lround(cy + r * std::sin(a))));
    }
    stars.push_back(star);
  }
  return stars;
}

void PolygonsCanvas(vyr::TCanvas& c) {
  static const auto stars = Stars();
  c.Brush.Color = 0x80FF80;
  c.Pen.Color = vyr::clBlack;
  for (const auto& star : stars) {
    std::array<vyr::TPoint, 5> points;
    for (std::size_t k = 0; k < 5; ++k) points[k] = {star[k].x(), star[k].y()};
    c.Polygon(points);
  }
}

void PolygonsPainter(QPainter& p) {
  static const auto stars = Stars();
  p.setBrush(QColor(0x80, 0xFF, 0x80));
  p.setPen(Qt::black);
  for (const auto& star : stars) p.drawPolygon(star.data(), 5, Qt::OddEvenFill);
}

const QString kText = QStringLiteral("Measured value 12.345 V");

void TextCanvas(vyr::TCanvas& c) {
  c.Brush.Style = vyr::bsClear;
  c.Font.Color = vyr::clBlack;
  for (int i = 0; i < 20; ++i) c.TextOut(10, i * 18, kText);
  c.Brush.Style = vyr::bsSolid;
}

// The canvas's default font, as the canvas sets it up.
const QFont& TextFont() {
  static const QFont font = vyr::TFont().ToQFont();
  return font;
}

void TextPainter(QPainter& p) {
  static const int ascent = QFontMetrics(TextFont()).ascent();
  p.setRenderHint(QPainter::TextAntialiasing, vyr::TFont().Antialiased());
  p.setFont(TextFont());
  p.setPen(Qt::black);
  for (int i = 0; i < 20; ++i) p.drawText(10, i * 18 + ascent, kText);
}

bool Compare(const Family& f) {
  QImage oursImage(kSide, kSide, QImage::Format_RGB32);
  QImage peerImage(kSide, kSide, QImage::Format_RGB32);
  vyr::TCanvas canvas(&oursImage);
  const std::function<Picture()> ours = [&] {
    oursImage.fill(kWhite);
    for (int i = 0; i < f.repeats; ++i) f.ours(canvas);
    return Picture{oursImage};
  };
  const std::function<Picture()> peer = [&] {
    peerImage.fill(kWhite);
    for (int i = 0; i < f.repeats; ++i) {
      QPainter p(&peerImage);
      f.peer(p);
    }
    return Picture{peerImage};
  };
  return vyrbench::Alternate<Picture>({f.subject, f.goal, 9}, ours, peer);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const Family families[] = {
      {"TCanvas axis lines vs QPainter", 1.0, 200, AxisLinesCanvas, AxisLinesPainter},
      {"TCanvas diagonal lines vs QPainter", 1.0, 200, DiagonalLinesCanvas, DiagonalLinesPainter},
      {"TCanvas rectangles vs QPainter", 1.0, 100, RectanglesCanvas, RectanglesPainter},
      {"TCanvas arcs and pies vs QPainter", 1.0, 50, ArcsPiesCanvas, ArcsPiesPainter},
      {"TCanvas polygons vs QPainter", 1.0, 100, PolygonsCanvas, PolygonsPainter},
      {"TCanvas text vs QPainter::drawText", 0.8, 200, TextCanvas, TextPainter},
  };
  bool agreed = true;
  for (const Family& f : families) agreed = Compare(f) && agreed;
  return agreed ? 0 : 1;
}
