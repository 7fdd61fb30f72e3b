// A 300 x 300 meter with zones, ticks, a caption and both needles, shown
// through QWidget::render into an image, against two peers rendered the same
// way into an image of the same size:
//  - the full redraw (a colour of the scale changes, so the dial is drawn
//    again) against a QDial taking the same values;
//  - the needle frame (only the value changes) against a QPainter gauge that
//    keeps its dial in an image and draws two needles, a pivot disc and the
//    rims on it each frame, aliased like the meter.
#include <QApplication>
#include <QDial>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QWidget>
#include <cmath>
#include <numbers>

#include "Alternate.h"
#include "meter/Vyr_Meter.h"

namespace {

constexpr int kSide = 300, kRepeats = 500;

// A value on the move, as in an animation.
int ValueOf(int i) { return (i * 7) % 101; }

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

// The gauge a Qt programmer would write for speed: the dial (face, zone
// band, ticks, labels, caption) painted once into an image, then per frame
// that image, both needles as arrow polygons, the pivot disc and the rims.
class CachedDialGauge : public QWidget {
 public:
  int value = 0;
  int valueSec = 35;

 protected:
  void paintEvent(QPaintEvent*) override {
    if (dial_.size() != size()) PaintDial();
    QPainter p(this);
    p.drawImage(0, 0, dial_);
    Needle(p, valueSec, QColor(0x80, 0x80, 0x80));
    Needle(p, value, Qt::red);
    const QPoint c = Center();
    p.setPen(Qt::black);
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    p.drawEllipse(c, 8, 8);
    p.setPen(Qt::white);
    p.drawArc(c.x() - 8, c.y() - 8, 16, 16, 45 * 16, 180 * 16);
    p.setPen(Qt::gray);
    p.drawArc(c.x() - 8, c.y() - 8, 16, 16, 225 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0xC0, 0xC0));
    const int w = width(), h = height();
    p.drawRect(0, 0, kRim, h);
    p.drawRect(0, 0, w, kRim);
    p.drawRect(w - kRim, 0, kRim, h);
    p.drawRect(0, h - kRim, w, kRim);
    p.setPen(Qt::white);
    p.drawLine(kRim, h - kRim, w - kRim, h - kRim);
    p.drawLine(w - kRim, h - kRim, w - kRim, kRim);
    p.setPen(Qt::gray);
    p.drawLine(w - kRim, kRim, kRim, kRim);
    p.drawLine(kRim, kRim, kRim, h - kRim);
  }

 private:
  static constexpr int kRim = 6;
  QImage dial_;

  QPoint Center() const { return {width() / 2, height() / 2 + 10}; }
  int Radius() const { return width() / 2 - 20; }
  // 0 at 225 degrees, 100 at -45 degrees, counter-clockwise positive.
  static double AngleOf(double v) { return (225 - v * 2.7) * std::numbers::pi / 180; }

  void PaintDial() {
    dial_ = QImage(size(), QImage::Format_RGB32);
    dial_.fill(QColor(0xF0, 0xF0, 0xF0));
    QPainter p(&dial_);
    const QPoint c = Center();
    const int r = Radius();
    const QRect band(c.x() - r, c.y() - r, 2 * r, 2 * r);
    const struct {
      int from, to;
      QColor color;
    } zones[] = {{0, 20, Qt::yellow}, {20, 80, Qt::green}, {80, 100, Qt::red}};
    for (const auto& z : zones) {
      p.setPen(QPen(z.color, 12, Qt::SolidLine, Qt::FlatCap));
      p.drawArc(band.adjusted(6, 6, -6, -6), int((225 - z.to * 2.7) * 16), int((z.to - z.from) * 2.7 * 16));
    }
    p.setPen(Qt::black);
    p.drawArc(band, -45 * 16, 270 * 16);
    for (int i = 0; i <= 100; i += 2) {
      const double a = AngleOf(i), inner = i % 10 == 0 ? r - 14 : r - 7;
      p.drawLine(QPointF(c.x() + inner * std::cos(a), c.y() - inner * std::sin(a)),
                 QPointF(c.x() + r * std::cos(a), c.y() - r * std::sin(a)));
      if (i % 10 == 0)
        p.drawText(QRectF(c.x() + (r - 30) * std::cos(a) - 15, c.y() - (r - 30) * std::sin(a) - 8, 30, 16),
                   Qt::AlignCenter, QString::number(i));
    }
    p.drawText(QRect(c.x() - 40, c.y() - r / 3 - 10, 80, 20), Qt::AlignCenter, QStringLiteral("kPa"));
  }

  // An arrow: shaft three pixels wide, a head of two barbs, outlined.
  void Needle(QPainter& p, int v, const QColor& body) {
    const double t = AngleOf(v), length = Radius() * 0.9, half = 1.5, barb = 12, back = 8;
    const double opening = 20 * std::numbers::pi / 180;
    const QPointF c = Center();
    const QPointF tip(c.x() + std::cos(t) * length, c.y() - std::sin(t) * length);
    const double hx = std::sin(t) * half, hy = std::cos(t) * half;
    const QPointF points[] = {
        {tip.x() - std::cos(t + opening) * barb, tip.y() + std::sin(t + opening) * barb},
        tip,
        {tip.x() - std::cos(t - opening) * barb, tip.y() + std::sin(t - opening) * barb},
        {tip.x() - hx - std::cos(t) * back, tip.y() - hy + std::sin(t) * back},
        {c.x() - hx, c.y() - hy},
        {c.x() + hx, c.y() + hy},
        {tip.x() + hx - std::cos(t) * back, tip.y() + hy + std::sin(t) * back},
    };
    p.setPen(Qt::black);
    p.setBrush(body);
    p.drawPolygon(points, 7);
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::TMeter meter;
  SetUp(meter);
  QImage oursImage(kSide, kSide, QImage::Format_RGB32);
  QImage peerImage(kSide, kSide, QImage::Format_RGB32);

  QDial dial;
  dial.resize(kSide, kSide);
  dial.setRange(0, 100);
  dial.setNotchesVisible(true);
  bool dark = false;
  const std::function<int()> oursFull = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      dark = !dark;
      meter.SetColorScale(dark ? vyr::clNavy : vyr::clBlack);
      meter.SetValue(ValueOf(i));
      meter.render(&oursImage);
    }
    return int(std::lround(meter.Value()));
  };
  const std::function<int()> peerFull = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      dial.setValue(ValueOf(i));
      dial.render(&peerImage);
    }
    return dial.value();
  };
  bool agreed =
      vyrbench::Alternate<int>({"TMeter 300x300 full redraw vs QDial render", 1.0, 9}, oursFull, peerFull);

  CachedDialGauge gauge;
  gauge.resize(kSide, kSide);
  const std::function<int()> oursNeedle = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      meter.SetValue(ValueOf(i));
      meter.render(&oursImage);
    }
    return int(std::lround(meter.Value()));
  };
  const std::function<int()> peerNeedle = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      gauge.value = ValueOf(i);
      gauge.update();
      gauge.render(&peerImage);
    }
    return gauge.value;
  };
  agreed = vyrbench::Alternate<int>({"TMeter 300x300 needle frame vs cached-dial QPainter gauge", 1.0, 9},
                                    oursNeedle, peerNeedle) &&
           agreed;
  return agreed ? 0 : 1;
}
