// The canvas keeps a painter and the shaped glyphs of its texts between text
// calls. Text drawn from the kept glyphs must give drawText's pixels, and
// the kept painter must never stand in the way of another painter on the
// same image, nor paint into pixels the image no longer owns.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPainter>

#include "host/Bitmap.h"
#include "host/Canvas.h"
#include "support/PixelTools.h"

using namespace vyr;
using vyrtest::Surface;

namespace {

// What a fresh painter's drawText gives for TextOut(x, y, text) with a clear brush.
QImage Reference(const QSize& size, const TFont& font, int x, int y, const QString& text) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  const QFont f = font.ToQFont();
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing, font.Antialiased());
  p.setFont(f);
  p.setPen(ToQColor(font.Color));
  p.translate(x, y);
  p.drawText(0, QFontMetrics(f).ascent(), text);
  return image;
}

// Draws text three times, so that the last two come from the kept glyphs,
// and returns the picture of the last.
QImage ThirdDraw(const QSize& size, const TFont& font, int x, int y, const QString& text) {
  QImage image(size, QImage::Format_RGB32);
  TCanvas c(&image);
  c.Brush.Style = bsClear;
  c.Font = font;
  for (int i = 0; i < 3; ++i) {
    image.fill(Qt::white);
    c.TextOut(x, y, text);
  }
  return image;
}

bool HasInk(const QImage& image) {
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) return true;
  return false;
}

}  // namespace

TEST(CanvasKeptPainter, RepeatedTextGivesTheSamePixelsAsDrawText) {
  const QString texts[] = {QStringLiteral("Measured 12.345 V"), QStringLiteral("Wg|j ÄÖü ßé ±°µ"),
                           QStringLiteral("Ωμ Привет"), QStringLiteral("tab\there"), QStringLiteral("שלום 12")};
  for (int size : {6, 8, 13, 27})
    for (TFontStyles style : {TFontStyles(0), TFontStyles(fsBold), TFontStyles(fsItalic), TFontStyles(fsUnderline), TFontStyles(fsStrikeOut | fsBold)})
      for (TFontQuality quality : {fqDefault, fqNonAntialiased})
        for (const QString& text : texts) {
          TFont font;
          font.Size = size;
          font.Style = style;
          font.Quality = quality;
          font.Color = clBlack;
          const QSize area(320, 60);
          EXPECT_EQ(ThirdDraw(area, font, 7, 5, text), Reference(area, font, 7, 5, text))
              << size << " pt, style " << style << ", quality " << quality << ": " << text.toStdString();
        }
}

TEST(CanvasKeptPainter, KeptGlyphsFollowAFontChange) {
  QImage image(200, 60, QImage::Format_RGB32);
  TCanvas c(&image);
  c.Brush.Style = bsClear;
  c.Font.Color = clBlack;
  const QString text = QStringLiteral("HHHH 42");
  for (int i = 0; i < 3; ++i) c.TextOut(4, 4, text);
  c.Font.Size = 20;
  c.Font.Color = clRed;
  c.TextOut(4, 4, text);
  image.fill(Qt::white);
  c.TextOut(4, 4, text);
  EXPECT_EQ(image, Reference(image.size(), c.Font, 4, 4, text));
}

TEST(CanvasKeptPainter, AnotherPainterMayOpenOnTheImageBetweenTextCalls) {
  Surface s(120, 40);
  s.canvas.Brush.Style = bsClear;
  s.canvas.Font.Color = clBlack;
  s.canvas.TextOut(2, 2, QStringLiteral("Text"));
  {
    // A control or a user's paint event painting on the canvas's image.
    QPainter p(s.canvas.Image());
    ASSERT_TRUE(p.isActive());
    p.fillRect(QRect(0, 0, 120, 40), Qt::green);
  }
  EXPECT_EQ(s.image.pixel(1, 1) & 0xFFFFFF, 0x00FF00u);
  s.canvas.TextOut(60, 2, QStringLiteral("Text"));
  EXPECT_EQ(vyrtest::BoundsOf(s.canvas, clBlack).Left >= 60, true);
}

TEST(CanvasKeptPainter, ACopyOfTheImageBetweenTextCallsIsShallow) {
  Surface s(120, 40);
  s.canvas.Brush.Style = bsClear;
  s.canvas.TextOut(2, 2, QStringLiteral("Text"));
  const QImage copy = s.image;
  // An image with an active painter is deep-copied; the canvas's is not.
  EXPECT_EQ(copy.constBits(), s.image.constBits());
}

TEST(CanvasKeptPainter, TextAfterTheBitmapWasResizedLandsInTheNewPixels) {
  TBitmap bitmap(40, 20);
  TCanvas& c = bitmap.Canvas();
  c.Brush.Style = bsClear;
  c.Font.Color = clBlack;
  for (int i = 0; i < 3; ++i) c.TextOut(1, 1, QStringLiteral("Ab"));
  bitmap.SetSize(300, 60);
  c.Brush.Style = bsSolid;
  c.FillRect({0, 0, 300, 60});
  c.Brush.Style = bsClear;
  c.TextOut(200, 30, QStringLiteral("Ab"));
  const TRect ink = vyrtest::BoundsOf(c, clBlack);
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 200);
  EXPECT_GE(ink.Top, 30);
  // The same again after the bitmap took a picture of another format.
  QImage other(80, 30, QImage::Format_ARGB32);
  other.fill(Qt::white);
  bitmap.SetImage(other);
  bitmap.Canvas().TextOut(40, 5, QStringLiteral("Ab"));
  EXPECT_TRUE(HasInk(bitmap.Image().copy(40, 0, 40, 30)));
  EXPECT_FALSE(HasInk(bitmap.Image().copy(0, 0, 40, 30)));
}

TEST(CanvasKeptPainter, TwoCanvasesOnOneImageBothDraw) {
  QImage image(160, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas a(&image), b(&image);
  for (TCanvas* c : {&a, &b}) {
    c->Brush.Style = bsClear;
    c->Font.Color = clBlack;
  }
  a.TextOut(2, 2, QStringLiteral("One"));
  b.TextOut(60, 2, QStringLiteral("Two"));
  a.TextOut(110, 2, QStringLiteral("One"));
  EXPECT_TRUE(HasInk(image.copy(0, 0, 50, 40)));
  EXPECT_TRUE(HasInk(image.copy(60, 0, 45, 40)));
  EXPECT_TRUE(HasInk(image.copy(110, 0, 50, 40)));
}
