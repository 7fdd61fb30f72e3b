#pragma once
// TBitmap: an image with a canvas. New pixels are white. The pixel format
// tells how ScanLine rows are laid out (pf1bit packed, pf8bit indices,
// pf24bit B,G,R, pf32bit B,G,R,x). Asking for the Canvas turns the bitmap
// into pf32bit, since drawing needs 32-bit pixels.
#include <QImage>
#include <QString>

#include "host/Canvas.h"

namespace vyr {

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

class TBitmap {
 public:
  TBitmap() { FCanvas.SetImage(&FImage); }
  TBitmap(int width, int height);
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FImage.width(); }
  int Height() const { return FImage.height(); }
  // Zero or negative sizes give an empty bitmap. The kept part of the old
  // picture stays at the top left; new areas are white.
  void SetWidth(int w) { SetSize(w, Height()); }
  void SetHeight(int h) { SetSize(Width(), h); }
  void SetSize(int w, int h);
  bool Empty() const { return FImage.isNull(); }

  TPixelFormat PixelFormat() const;
  void SetPixelFormat(TPixelFormat format);
  // Row y in the current pixel format, or nullptr outside 0..Height-1.
  unsigned char* ScanLine(int y);
  const unsigned char* ScanLine(int y) const;
  int BytesPerLine() const { return int(FImage.bytesPerLine()); }

  TCanvas& Canvas();

  // Reads a BMP or PNG file. On failure raises EInvalidGraphic naming the
  // file and leaves the bitmap as it was.
  void LoadFromFile(const QString& fileName);
  // Reads one of the library's built-in pictures by name ("SEGVERT", ...).
  void LoadFromResourceName(const QString& name);
  void SaveToFile(const QString& fileName) const;
  void Assign(const TBitmap& source);
  void SetImage(const QImage& image);

  const QImage& Image() const { return FImage; }
  // The picture in 32-bit form for combining with a canvas.
  QImage ToRgb32() const;

 private:
  void Adopt(QImage image);
  QImage FImage;
  TCanvas FCanvas;
};

}  // namespace vyr
