// Bitmaps: sizes, pixel formats and scan lines, files and resources.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "host/Bitmap.h"
#include "host/Exception.h"

using namespace vyr;

TEST(Bitmap, NewAreasAreWhiteAndTheOldPictureStaysTopLeft) {
  TBitmap b(2, 2);
  EXPECT_EQ(b.Canvas().Pixels(1, 1), clWhite);
  b.Canvas().SetPixels(1, 1, clRed);
  b.SetSize(4, 3);
  EXPECT_EQ(b.Canvas().Pixels(1, 1), clRed);
  EXPECT_EQ(b.Canvas().Pixels(3, 2), clWhite);
  EXPECT_EQ(b.PixelFormat(), pf32bit);
}

TEST(Bitmap, ZeroNegativeAndHugeSizes) {
  TBitmap b(5, 5);
  b.SetSize(0, 5);
  EXPECT_TRUE(b.Empty());
  EXPECT_EQ(b.Canvas().Width(), 0);
  b.SetSize(-3, -3);
  EXPECT_TRUE(b.Empty());
  b.SetSize(1 << 30, 1);
  EXPECT_EQ(b.Width(), 32767);
  EXPECT_EQ(b.ScanLine(1), nullptr);
}

TEST(Bitmap, ScanLinesFollowThePixelFormat) {
  TBitmap b(3, 2);
  b.Canvas().SetPixels(0, 0, RGB(0x11, 0x22, 0x33));
  b.SetPixelFormat(pf24bit);
  EXPECT_EQ(b.PixelFormat(), pf24bit);
  const unsigned char* row = b.ScanLine(0);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row[0], 0x33);  // blue, green, red
  EXPECT_EQ(row[1], 0x22);
  EXPECT_EQ(row[2], 0x11);
  EXPECT_EQ(b.ScanLine(2), nullptr);
  EXPECT_EQ(b.ScanLine(-1), nullptr);
  b.Canvas();  // drawing needs 32 bits again
  EXPECT_EQ(b.PixelFormat(), pf32bit);
  EXPECT_EQ(b.Canvas().Pixels(0, 0), RGB(0x11, 0x22, 0x33));
}

TEST(Bitmap, LoadsBmpAndPngFilesInTheirPixelFormats) {
  QTemporaryDir dir;
  QImage mono(8, 2, QImage::Format_Mono);
  mono.fill(1);
  mono.setPixel(0, 0, 0);
  QImage rgb(3, 3, QImage::Format_RGB32);
  rgb.fill(QColor(0x40, 0x80, 0xC0));
  ASSERT_TRUE(mono.save(dir.filePath("mono.bmp")));
  ASSERT_TRUE(rgb.save(dir.filePath("rgb.png")));
  TBitmap b;
  b.LoadFromFile(dir.filePath("mono.bmp"));
  EXPECT_EQ(b.PixelFormat(), pf1bit);
  EXPECT_EQ(b.Width(), 8);
  b.LoadFromFile(dir.filePath("rgb.png"));
  EXPECT_EQ(b.Canvas().Pixels(2, 2), RGB(0x40, 0x80, 0xC0));
}

TEST(Bitmap, UnreadableFileRaisesNamingItAndKeepsThePicture) {
  QTemporaryDir dir;
  QFile junk(dir.filePath("junk.bmp"));
  ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
  junk.write("BM not really a bitmap");
  junk.close();
  TBitmap b(2, 2);
  b.Canvas().SetPixels(0, 0, clBlue);
  for (QString name : {dir.filePath("missing.png"), dir.filePath("junk.bmp")}) {
    try {
      b.LoadFromFile(name);
      ADD_FAILURE() << "no error for " << name.toStdString();
    } catch (const EInvalidGraphic& e) {
      EXPECT_TRUE(e.Message().contains(name)) << e.what();
    }
    EXPECT_EQ(b.Width(), 2);
    EXPECT_EQ(b.Canvas().Pixels(0, 0), clBlue);
  }
}

TEST(Bitmap, UnknownResourceRaisesNamingIt) {
  TBitmap b;
  try {
    b.LoadFromResourceName(QStringLiteral("NOSUCHPICTURE"));
    ADD_FAILURE();
  } catch (const EInvalidGraphic& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("NOSUCHPICTURE")));
  }
  EXPECT_TRUE(b.Empty());
}
