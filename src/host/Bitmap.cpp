#include "host/Bitmap.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include "host/Exception.h"

namespace vyr {
namespace {

// Largest side accepted for a bitmap; larger requests are clamped so that a
// stray size cannot allocate gigabytes.
constexpr int kMaxSide = 32767;

QImage::Format QtFormatOf(TPixelFormat f) {
  switch (f) {
    case pf1bit: return QImage::Format_Mono;
    case pf4bit:
    case pf8bit: return QImage::Format_Indexed8;
    case pf15bit: return QImage::Format_RGB555;
    case pf16bit: return QImage::Format_RGB16;
    case pf24bit: return QImage::Format_BGR888;
    default: return QImage::Format_RGB32;
  }
}

}  // namespace

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

void TBitmap::Adopt(QImage image) {
  FImage = std::move(image);
  FCanvas.SetImage(&FImage);
}

void TBitmap::SetSize(int w, int h) {
  w = std::clamp(w, 0, kMaxSide);
  h = std::clamp(h, 0, kMaxSide);
  if (w == Width() && h == Height()) return;
  if (w == 0 || h == 0) {
    Adopt(QImage());
    return;
  }
  QImage::Format format = FImage.isNull() ? QImage::Format_RGB32 : FImage.format();
  QImage grown(w, h, format == QImage::Format_Indexed8 || format == QImage::Format_Mono ? QImage::Format_RGB32
                                                                                        : format);
  grown.fill(Qt::white);
  if (!FImage.isNull()) {
    QPainter p(&grown);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, FImage);
  }
  Adopt(std::move(grown));
}

TPixelFormat TBitmap::PixelFormat() const {
  switch (FImage.format()) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return pf1bit;
    case QImage::Format_Indexed8: return pf8bit;
    case QImage::Format_RGB555: return pf15bit;
    case QImage::Format_RGB16: return pf16bit;
    case QImage::Format_BGR888: return pf24bit;
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied: return pf32bit;
    case QImage::Format_Invalid: return pfDevice;
    default: return pfCustom;
  }
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == PixelFormat() || FImage.isNull()) return;
  Adopt(FImage.convertToFormat(QtFormatOf(format)));
}

unsigned char* TBitmap::ScanLine(int y) {
  if (y < 0 || y >= Height()) return nullptr;
  return FImage.scanLine(y);
}

const unsigned char* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= Height()) return nullptr;
  return FImage.constScanLine(y);
}

TCanvas& TBitmap::Canvas() {
  if (!FImage.isNull() && PixelFormat() != pf32bit) Adopt(FImage.convertToFormat(QImage::Format_RGB32));
  return FCanvas;
}

QImage TBitmap::ToRgb32() const {
  if (FImage.format() == QImage::Format_RGB32 || FImage.format() == QImage::Format_ARGB32) return FImage;
  return FImage.convertToFormat(QImage::Format_RGB32);
}

void TBitmap::LoadFromFile(const QString& fileName) {
  QImageReader reader(fileName);
  reader.setAutoTransform(false);
  QImage image = reader.read();
  if (image.isNull())
    throw EInvalidGraphic(QStringLiteral("Cannot load picture \"%1\": %2").arg(fileName, reader.errorString()));
  if (image.width() > kMaxSide || image.height() > kMaxSide)
    throw EInvalidGraphic(QStringLiteral("Cannot load picture \"%1\": it is larger than %2 pixels on a side")
                              .arg(fileName)
                              .arg(kMaxSide));
  if (image.format() == QImage::Format_MonoLSB) image = image.convertToFormat(QImage::Format_Mono);
  if (image.format() == QImage::Format_RGB888) image = image.convertToFormat(QImage::Format_BGR888);
  if (image.format() == QImage::Format_ARGB32_Premultiplied) image = image.convertToFormat(QImage::Format_ARGB32);
  Adopt(std::move(image));
}

void TBitmap::LoadFromResourceName(const QString& name) {
  QString path = QStringLiteral(":/vyr/%1.png").arg(name.toUpper());
  if (!QFileInfo::exists(path))
    throw EInvalidGraphic(QStringLiteral("Picture resource \"%1\" not found").arg(name));
  LoadFromFile(path);
}

void TBitmap::SaveToFile(const QString& fileName) const {
  if (!FImage.save(fileName)) throw EInvalidGraphic(QStringLiteral("Cannot write picture \"%1\"").arg(fileName));
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source != this) Adopt(source.FImage.copy());
}

void TBitmap::SetImage(const QImage& image) { Adopt(image.copy()); }

}  // namespace vyr
