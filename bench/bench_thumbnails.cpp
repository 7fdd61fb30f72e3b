// A 300 x 420 thumbnail strip scrolled to its end and painted (Paint, then
// shown through QWidget::render): with 100,000 slides against the same
// strip with 100, to show that a screen costs the same however many slides
// there are; and against a plain QPainter widget drawing the same visible
// slides (background, bevelled slide frames, the image scaled into the same
// rectangles without smoothing, a ring for each mark, margins, frame).
// The program fails when a paint asks for a slide that does not show.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <tuple>
#include <vector>

#include "Alternate.h"
#include "host/Bitmap.h"
#include "thumbnails/Vyr_Thumbnails.h"

namespace {

using namespace vyr;

constexpr int kWidth = 300, kHeight = 420, kScreens = 200;

struct Placed {
  int id, x, y;
};

// Each slide gets the application's picture, every seventh a mark.
TImageRequestEvent Supplier(TBitmap& picture, int& requests) {
  return [&picture, &requests](TObject*, int id, TImageRequestProcessing& how, int& mark, TBitmap*& image) {
    ++requests;
    how = irpShowSlide;
    image = &picture;
    if (id % 7 == 0) mark = 21;
  };
}

// The slides from the top row on whose squares reach between the top and
// bottom margins.
std::vector<Placed> VisibleSlides(const TThumbnails& strip) {
  std::vector<Placed> shown;
  const int side = strip.SlideSize() + 2 * strip.SlideMargin();
  for (int id = int(strip.FirstThumbIdx()); id <= strip.Max(); ++id) {
    int x = 0, y = 0;
    strip.CalcSlidePos(id, x, y);
    if (y < kHeight - TThumbnails::kMargin && y + side >= TThumbnails::kMargin) shown.push_back({id, x, y});
  }
  return shown;
}

// The peer: the same slides drawn with QPainter.
class PlainStrip : public QWidget {
 public:
  PlainStrip(std::vector<Placed> slides, QImage picture, int size, int margin)
      : slides(std::move(slides)), picture(std::move(picture)), size(size), margin(margin) {
    resize(kWidth, kHeight);
  }
  int drawn = 0;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    const QColor face(0xF0, 0xF0, 0xF0), cover(0xC0, 0xC0, 0xC0);
    p.fillRect(rect(), face);
    drawn = 0;
    const int side = size + 2 * margin;
    for (const Placed& s : slides) {
      p.fillRect(s.x, s.y, side + 1, side + 1, cover);
      Bevel(p, s.x, s.y, side, side);
      const int h = picture.height() * size / picture.width();
      const QRect target(s.x + margin, s.y + margin + (size - h) / 2, size, h);
      p.drawImage(target, picture);
      Bevel(p, target.left(), target.top(), target.width() - 1, target.height() - 1);
      if (s.id % 7 == 0) {
        p.setPen(Qt::black);
        p.drawEllipse(QPoint(s.x + 24, s.y + 26), 8, 8);
      }
      ++drawn;
    }
    p.fillRect(0, 0, kWidth, 10, face);
    p.fillRect(0, kHeight - 10, kWidth, 10, face);
    Bevel(p, 0, 0, kWidth - 2, kHeight - 2);
  }

 private:
  // Two rings of lines, light over dark, as a raised frame.
  static void Bevel(QPainter& p, int l, int t, int w, int h) {
    const QColor colours[4] = {QColor(0xC0, 0xC0, 0xC0), Qt::black, Qt::white, QColor(0x80, 0x80, 0x80)};
    for (int ring = 0; ring < 2; ++ring) {
      const int a = l + ring, b = t + ring, r = l + w - ring, u = t + h - ring;
      p.setPen(colours[2 * ring]);
      p.drawLine(a, u, a, b);
      p.drawLine(a, b, r, b);
      p.setPen(colours[2 * ring + 1]);
      p.drawLine(r, b, r, u);
      p.drawLine(r, u, a, u);
    }
  }

  std::vector<Placed> slides;
  QImage picture;
  int size, margin;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TBitmap picture;
  picture.SetSize(160, 100);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 160; ++x) picture.Canvas().SetPixels(x, y, RGB(x, y * 2, (x * y) % 256));

  int requestsSmall = 0, requestsLarge = 0;
  TThumbnails small, large;
  for (auto [strip, count, requests] : {std::tuple{&small, 100, &requestsSmall}, std::tuple{&large, 100000, &requestsLarge}}) {
    strip->resize(kWidth, kHeight);
    strip->SetMax(count);
    strip->Paint();
    strip->ScrollToSlide(count);
    strip->OnImageRequest = Supplier(picture, *requests);
  }
  QImage oursImage(kWidth, kHeight, QImage::Format_RGB32), peerImage(kWidth, kHeight, QImage::Format_RGB32);

  // Only the slides that show are asked for, each once.
  const std::vector<Placed> shown = VisibleSlides(large);
  requestsLarge = 0;
  large.Paint();
  std::printf("TThumbnails: %d requests for %zu visible slides of 100000\n", requestsLarge, shown.size());
  bool ok = requestsLarge == int(shown.size()) && !shown.empty();
  if (!ok) std::printf("TThumbnails: a paint asked for slides that do not show\n");

  auto screens = [&](TThumbnails& strip, int& requests) {
    requests = 0;
    for (int i = 0; i < kScreens; ++i) {
      strip.Paint();
      strip.render(&oursImage);
    }
    return requests / kScreens;
  };
  const std::function<int()> many = [&] { return screens(large, requestsLarge); };
  const std::function<int()> few = [&] { return screens(small, requestsSmall); };
  ok &= vyrbench::Alternate<int>({"TThumbnails screen at 100000 slides vs at 100", 1.2, 9}, many, few);

  PlainStrip plain(shown, picture.ToRgb32(), large.SlideSize(), large.SlideMargin());
  const std::function<int()> peer = [&] {
    int drawn = 0;
    for (int i = 0; i < kScreens; ++i) {
      plain.render(&peerImage);
      drawn = plain.drawn;
    }
    return drawn;
  };
  ok &= vyrbench::Alternate<int>({"TThumbnails screen vs QPainter drawing the same slides", 1.5, 9}, many, peer);

  const double start = vyrbench::CpuSeconds();
  many();
  std::printf("TThumbnails: %.0f us per screen of %zu slides\n", (vyrbench::CpuSeconds() - start) / kScreens * 1e6,
              shown.size());
  return ok ? 0 : 1;
}
