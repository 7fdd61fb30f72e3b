// The "Canvas" tab: a test card of the canvas primitives, drawn by a small
// control of the gallery's own, with live settings for pen width and colour
// mode.
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>
#include <vector>

#include "GalleryPage.h"
#include "host/Bitmap.h"
#include "host/Control.h"

namespace gallery {
namespace {

class TestCard : public vyr::TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int penWidth = 1;
  bool inverted = false;

 protected:
  void DoPaint() override {
    using namespace vyr;
    TCanvas& c = Canvas();
    c.Brush = {clWhite, bsSolid};
    c.Pen = {clBlack, 1, psSolid, pmCopy};
    c.FillRect({0, 0, Width(), Height()});
    auto caption = [&](int x, int y, const char* text) {
      c.Brush.Style = bsClear;
      c.Font.Color = clBlack;
      c.TextOut(x, y, QString::fromLatin1(text));
      c.Brush.Style = bsSolid;
    };
    c.Pen.Width = penWidth;

    caption(10, 8, "Rectangle");
    c.Brush.Color = 0xFFE0C0;
    c.Rectangle(10, 28, 110, 88);
    c.Brush.Color = clBtnFace;
    c.Rectangle(30, 48, 90, 108);

    caption(130, 8, "Lines and pen styles");
    const TPenStyle styles[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};
    for (int i = 0; i < 5; ++i) {
      c.Pen.Style = styles[i];
      c.MoveTo(130, 32 + i * 14);
      c.LineTo(260, 32 + i * 14);
    }
    c.Pen.Style = psSolid;
    for (int i = 0; i < 12; ++i) {
      double a = i * 3.14159265 / 12;
      c.MoveTo(330, 100);
      c.LineTo(330 + int(std::lround(60 * std::cos(a))), 100 - int(std::lround(60 * std::sin(a))));
    }

    caption(10, 120, "Ellipse, Arc, Pie");
    c.Brush.Color = 0xC0FFC0;
    c.Ellipse(10, 140, 90, 200);
    c.Pen.Color = clRed;
    c.Arc(100, 140, 170, 210, 170, 175, 135, 140);
    c.Pen.Color = clBlack;
    c.Brush.Color = 0x80C0FF;
    c.Pie(180, 140, 250, 210, 250, 175, 215, 140);
    c.Brush.Color = 0xFFC080;
    c.Pie(180, 140, 250, 210, 215, 140, 180, 175);

    caption(270, 120, "Polygon (even-odd)");
    std::vector<TPoint> star;
    for (int i = 0; i < 5; ++i) {
      double a = 3.14159265 / 2 + i * 4 * 3.14159265 / 5;
      star.push_back({330 + int(std::lround(45 * std::cos(a))), 190 - int(std::lround(45 * std::sin(a)))});
    }
    c.Brush.Color = 0x40C0FF;
    c.Polygon(star);

    caption(10, 230, "TextOut with solid brush, TextRect clipped");
    c.Brush.Color = clYellow;
    c.Font.Color = clNavy;
    c.TextOut(10, 250, QStringLiteral("Measured 12.345 V"));
    c.Brush.Color = 0xE0E0E0;
    c.TextRect({10, 275, 110, 292}, 14, 276, QStringLiteral("Clipped text that runs on"));
    TFont rotated = c.Font;
    c.Font.Escapement = 450;
    c.Brush.Style = bsClear;
    c.TextOut(160, 300, QStringLiteral("45 degrees"));
    c.Font = rotated;

    caption(270, 230, "Flood fill, copy modes");
    c.Brush = {clWhite, bsSolid};
    c.Pen.Width = 1;
    c.Rectangle(270, 250, 330, 300);
    c.MoveTo(270, 250);
    c.LineTo(330, 300);
    c.Brush.Color = 0x00A5FF;
    c.FloodFill(310, 260, clWhite, fsSurface);
    TBitmap chip(40, 40);
    chip.Canvas().Brush.Color = 0x00FFFF;
    chip.Canvas().Ellipse(0, 0, 40, 40);
    c.CopyMode = cmSrcAnd;
    c.Draw(340, 255, chip);
    c.CopyMode = inverted ? cmNotSrcCopy : cmSrcCopy;
    c.CopyRect({0, 0, Width(), Height()}, c, {0, 0, Width(), Height()});
    c.CopyMode = cmSrcCopy;
  }
};

class CanvasPage : public GalleryPage {
 public:
  CanvasPage() {
    auto* layout = new QVBoxLayout(this);
    auto* settings = new QHBoxLayout;
    auto* width = new QSpinBox;
    width->setRange(1, 6);
    auto* invert = new QCheckBox(QStringLiteral("Invert (NOT-source copy)"));
    settings->addWidget(new QLabel(QStringLiteral("Pen width")));
    settings->addWidget(width);
    settings->addWidget(invert);
    settings->addStretch();
    layout->addLayout(settings);
    card = new TestCard;
    card->setFixedSize(420, 320);
    layout->addWidget(card);
    layout->addStretch();
    connect(width, &QSpinBox::valueChanged, this, [this](int w) {
      card->penWidth = w;
      card->Paint();
    });
    connect(invert, &QCheckBox::toggled, this, [this](bool on) {
      card->inverted = on;
      card->Paint();
    });
  }
  std::vector<Shot> Shots() override { return {{QStringLiteral("TCanvas-testcard"), card}}; }

 private:
  TestCard* card;
};

PageRegistration registration(0, QStringLiteral("Canvas"), [] { return new CanvasPage; });

}  // namespace
}  // namespace gallery
