// Background and pivot-cover pictures read from BMP files of 1, 4, 8 and 24
// bits per pixel and from PNG files, all made by the tests.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "BmpFiles.h"
#include "meter/MeterImages.h"
#include "meter/Vyr_Meter.h"

using namespace vyr;
using metertest::BmpPicture;
using metertest::HalvesPicture;
using metertest::WriteBmp;

namespace {

constexpr TColor kBody = 0xC0C0C0;

class MeterPictures : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir.filePath(name); }
  QString Bmp(const QString& name, const BmpPicture& picture) {
    const QString path = Path(name);
    EXPECT_TRUE(WriteBmp(path, picture));
    return path;
  }
  // A file that claims to be a bitmap and is not.
  QString Broken() {
    QFile file(Path(QStringLiteral("broken.bmp")));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM not really a picture");
    return file.fileName();
  }
  TColor At(int x, int y) { return meter.Canvas().Pixels(x, y); }

  QTemporaryDir dir;
  TMeter meter;
};

struct AnchorCase {
  const char* name;
  BmpPicture picture;
};

}  // namespace

// 6 x 6 pictures, left half opaque red, right half transparent: placed at
// (145, 188)..(150, 193) around the pivot (148, 191).
TEST_F(MeterPictures, AnchorTransparencyInEveryBitDepth) {
  const AnchorCase cases[] = {
      {"one.bmp", HalvesPicture(6, 6, 1, {clBlack, clRed}, 1, 0)},
      {"four.bmp", HalvesPicture(6, 6, 4, {clFuchsia, clBlue, clGreen, clRed}, 3, 0)},
      {"eight.bmp", HalvesPicture(6, 6, 8, {clLime, clRed}, 1, 0)},
      {"rgb.bmp", HalvesPicture(6, 6, 24, {}, clRed, clBlack)},
  };
  meter.SetValue(0);
  for (const AnchorCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = Bmp(QString::fromLatin1(c.name), c.picture);
    meter.SetAnchorImage(path);
    EXPECT_EQ(meter.AnchorImage(), path);
    EXPECT_EQ(At(146, 190), clRed);
    EXPECT_EQ(At(145, 193), clRed);
    EXPECT_EQ(At(150, 192), clWhite);  // transparent: the dial shows
    EXPECT_EQ(At(150, 188), clWhite);
    EXPECT_EQ(At(148, 196), clWhite);  // no post below the picture
  }
}

TEST_F(MeterPictures, AnchorFromPngWithAlpha) {
  QImage png(6, 6, QImage::Format_ARGB32);
  png.fill(Qt::transparent);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 3; ++x) png.setPixel(x, y, qRgb(0, 0, 255));
  const QString path = Path(QStringLiteral("anchor.png"));
  ASSERT_TRUE(png.save(path));
  meter.SetValue(0);
  meter.SetAnchorImage(path);
  EXPECT_EQ(At(146, 190), clBlue);
  EXPECT_EQ(At(150, 192), clWhite);
}

TEST_F(MeterPictures, MissingOrBrokenAnchorClearsTheName) {
  const QString good = Bmp(QStringLiteral("good.bmp"), HalvesPicture(6, 6, 24, {}, clRed, clBlack));
  meter.SetAnchorImage(good);
  meter.SetAnchorImage(Path(QStringLiteral("nothing.bmp")));
  EXPECT_TRUE(meter.AnchorImage().isEmpty());
  EXPECT_EQ(At(140, 180), kBody);  // back to the drawn half disc
  meter.SetAnchorImage(Broken());
  EXPECT_TRUE(meter.AnchorImage().isEmpty());
}

TEST(MeterPictureMask, WorksOnEveryPixelFormatWithinTheImage) {
  QImage mono(9, 2, QImage::Format_Mono);
  mono.setColorCount(2);
  mono.setColor(0, qRgb(255, 0, 255));
  mono.setColor(1, qRgb(0, 0, 0));
  mono.fill(0);
  mono.setPixel(8, 1, 1);
  const TMaskedPicture split = SplitByTransparency(mono);
  EXPECT_EQ(split.Mask.size(), mono.size());
  EXPECT_EQ(split.Mask.pixel(8, 1), qRgb(255, 255, 255));  // black: transparent
  EXPECT_EQ(split.Face.pixel(8, 1), qRgb(0, 0, 0));
  EXPECT_EQ(split.Mask.pixel(7, 1), qRgb(0, 0, 0));
  EXPECT_EQ(split.Face.pixel(7, 1), qRgb(255, 0, 255));
  EXPECT_FALSE(IsTransparentPixel(mono, 9, 0));  // outside the picture
  QImage indexed(3, 1, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(0, 255, 0), qRgb(0, 0, 0)});
  indexed.fill(1);
  indexed.setPixel(2, 0, 0);
  EXPECT_FALSE(IsTransparentPixel(indexed, 0, 0));  // black, but not index 0
  EXPECT_TRUE(IsTransparentPixel(indexed, 2, 0));
  QImage rgb16(3, 1, QImage::Format_RGB16);
  rgb16.fill(Qt::black);
  rgb16.setPixel(1, 0, qRgb(0, 255, 0));
  EXPECT_TRUE(IsTransparentPixel(rgb16, 0, 0));
  EXPECT_FALSE(IsTransparentPixel(rgb16, 1, 0));
}

TEST_F(MeterPictures, BackgroundAtNaturalSize) {
  const QString path = Bmp(QStringLiteral("natural.bmp"), HalvesPicture(20, 12, 8, {clWhite, clRed}, 1, 1));
  meter.SetBackGroundImg(path);
  EXPECT_EQ(meter.BackGroundImg(), path);
  EXPECT_EQ(At(15, 10), clRed);    // inside the window, inside the picture
  EXPECT_EQ(At(25, 10), clWhite);  // beyond the picture
}

TEST_F(MeterPictures, BackgroundStretched) {
  BmpPicture quads{2, 2, 24, {}, {clRed, clLime, clBlue, clYellow}};
  meter.SetBackGroundImg(Bmp(QStringLiteral("quads.bmp"), quads));
  meter.SetBkgndFillMode(bfStretch);
  EXPECT_EQ(At(140, 60), clRed);
  EXPECT_EQ(At(160, 60), clLime);
  EXPECT_EQ(At(20, 180), clBlue);
  EXPECT_EQ(At(270, 180), clYellow);
}

TEST_F(MeterPictures, BackgroundTiled) {
  BmpPicture dot = HalvesPicture(10, 10, 4, {clWhite, clRed}, 0, 0);
  dot.pixels[0] = 1;  // top-left pixel red
  meter.SetBackGroundImg(Bmp(QStringLiteral("dot.bmp"), dot));
  meter.SetBkgndFillMode(bfTile);
  EXPECT_EQ(At(20, 30), clRed);
  EXPECT_EQ(At(21, 30), clWhite);
  EXPECT_EQ(At(150, 100), clRed);
  EXPECT_EQ(At(250, 150), clRed);
}

// The dial layer as the needle handler sees it, with the scale hidden, is
// the background alone: tile pixel (x mod width, y mod height) everywhere,
// the last column and row of tiles cut by the edges.
TEST_F(MeterPictures, TilesRepeatThePictureOverTheWholeDial) {
  const BmpPicture one{1, 1, 24, {}, {0x123456}};
  const BmpPicture six{3, 2, 24, {}, {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0x808000}};
  meter.SetBounds(0, 0, 298, 209);
  meter.SetScaleVisible(false);
  meter.SetBkgndFillMode(bfTile);
  // One handler for the whole test: the background writes repaint too,
  // while no tile is being checked.
  const BmpPicture* tile = nullptr;
  int checked = 0, wrong = 0;
  meter.OnBeforeDrawNeedle = [&](TObject*, TCanvas& c, bool& drawn) {
    drawn = true;
    if (!tile) return;
    for (int y = 0; y < c.Height(); ++y)
      for (int x = 0; x < c.Width(); ++x, ++checked)
        if (c.Pixels(x, y) != tile->pixels[size_t((y % tile->height) * tile->width + x % tile->width)]) ++wrong;
  };
  for (const BmpPicture* picture : {&one, &six}) {
    SCOPED_TRACE(picture->width);
    tile = nullptr;
    meter.SetBackGroundImg(Bmp(QStringLiteral("tile%1.bmp").arg(picture->width), *picture));
    tile = picture;
    checked = wrong = 0;
    meter.Paint();
    EXPECT_EQ(checked, 298 * 209);
    EXPECT_EQ(wrong, 0);
  }
}

TEST_F(MeterPictures, UnreadableBackgroundKeepsThePreviousOneAndNamesTheFile) {
  const QString good = Bmp(QStringLiteral("good.bmp"), HalvesPicture(20, 12, 24, {}, clRed, clRed));
  meter.SetName(QStringLiteral("Gauge1"));
  meter.SetBackGroundImg(good);
  const QString broken = Broken();
  try {
    meter.SetBackGroundImg(broken);
    FAIL() << "no error";
  } catch (const EVyrMeterError& e) {
    EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Component \"Gauge1\": ")));
    EXPECT_TRUE(e.Message().contains(broken));
  }
  EXPECT_EQ(meter.BackGroundImg(), good);
  meter.Paint();
  EXPECT_EQ(At(15, 10), clRed);
  meter.SetBackGroundImg(Path(QStringLiteral("missing.bmp")));  // a missing file clears the name
  EXPECT_TRUE(meter.BackGroundImg().isEmpty());
  EXPECT_EQ(At(15, 10), clWhite);
}

TEST_F(MeterPictures, LoadedReadsStoredNamesAndDropsUnreadableOnes) {
  const QString good = Bmp(QStringLiteral("good.bmp"), HalvesPicture(6, 6, 24, {}, clRed, clBlack));
  meter.BeginLoading();
  meter.SetBackGroundImg(Broken());
  meter.SetAnchorImage(good);
  meter.Loaded();
  EXPECT_TRUE(meter.BackGroundImg().isEmpty());
  EXPECT_EQ(meter.AnchorImage(), good);
  EXPECT_EQ(At(146, 190), clRed);
}
