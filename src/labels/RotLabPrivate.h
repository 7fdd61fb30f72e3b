#pragma once
// The state behind TRotLab.
#include <QString>

#include "labels/Vyr_RotLab.h"

namespace vyr {

struct TRotLab::Private {
  QString Caption;
  int TextAngle = 0;
  int TextPosX = 10;
  int TextPosY = 10;
  bool AntiAlias = true;
  bool AutoCenter = true;
  bool Transparent = true;
  TAlignment Alignment = taCenter;
  TFrameStyle FrameStyle = fsLowered;
};

}  // namespace vyr
