// The meter's pictures: the dial background and the pivot cover, read from
// BMP or PNG files.
#include <QFileInfo>

#include "meter/MeterImages.h"
#include "meter/MeterPrivate.h"

namespace vyr {

void TMeter::ReadBackground(const QString& fileName) {
  if (!QFileInfo(fileName).isFile()) {
    d->FBackGroundImg.clear();
    return;
  }
  d->FBackground.LoadFromFile(fileName);
  // Tiles are drawn many times; convert once.
  d->FBackground.SetPixelFormat(pf32bit);
  d->FBackGroundImg = fileName;
}

void TMeter::ReadAnchor(const QString& fileName) {
  if (!QFileInfo(fileName).isFile()) {
    d->FAnchorImage.clear();
    return;
  }
  try {
    TBitmap picture;
    picture.LoadFromFile(fileName);
    const TMaskedPicture split = SplitByTransparency(picture.Image());
    d->FAnchorMask.SetImage(split.Mask);
    d->FAnchorFace.SetImage(split.Face);
    d->FAnchorImage = fileName;
    ++d->FAnchorGeneration;
  } catch (const EInvalidGraphic&) {
    d->FAnchorImage.clear();
  }
}

QString TMeter::BackGroundImg() const { return d->FBackGroundImg; }
void TMeter::SetBackGroundImg(const QString& fileName) {
  if (IsLoading()) {
    d->FBackGroundImg = fileName;
    return;
  }
  try {
    ReadBackground(fileName);
  } catch (const EInvalidGraphic& e) {
    throw EVyrMeterError(ComponentMessage(Name(), e.Message()));
  }
  Repaint();
}

QString TMeter::AnchorImage() const { return d->FAnchorImage; }
void TMeter::SetAnchorImage(const QString& fileName) {
  if (IsLoading()) {
    d->FAnchorImage = fileName;
    return;
  }
  ReadAnchor(fileName);
  Repaint();
}

}  // namespace vyr
