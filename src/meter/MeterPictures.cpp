// The meter's pictures: the dial background and the pivot cover, read from
// BMP or PNG files.
#include <QFileInfo>

#include "meter/MeterImages.h"
#include "meter/Vyr_Meter.h"

namespace vyr {

void TMeter::ReadBackground(const QString& fileName) {
  if (!QFileInfo(fileName).isFile()) {
    FBackGroundImg.clear();
    return;
  }
  FBackground.LoadFromFile(fileName);
  // Tiles are drawn many times; convert once.
  FBackground.SetPixelFormat(pf32bit);
  FBackGroundImg = fileName;
}

void TMeter::ReadAnchor(const QString& fileName) {
  if (!QFileInfo(fileName).isFile()) {
    FAnchorImage.clear();
    return;
  }
  try {
    TBitmap picture;
    picture.LoadFromFile(fileName);
    const TMaskedPicture split = SplitByTransparency(picture.Image());
    FAnchorMask.SetImage(split.Mask);
    FAnchorFace.SetImage(split.Face);
    FAnchorImage = fileName;
  } catch (const EInvalidGraphic&) {
    FAnchorImage.clear();
  }
}

void TMeter::SetBackGroundImg(const QString& fileName) {
  if (IsLoading()) {
    FBackGroundImg = fileName;
    return;
  }
  try {
    ReadBackground(fileName);
  } catch (const EInvalidGraphic& e) {
    throw EVyrMeterError(ComponentMessage(Name(), e.Message()));
  }
  Repaint();
}

void TMeter::SetAnchorImage(const QString& fileName) {
  if (IsLoading()) {
    FAnchorImage = fileName;
    return;
  }
  ReadAnchor(fileName);
  Repaint();
}

}  // namespace vyr
