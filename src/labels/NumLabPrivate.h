#pragma once
// The state behind TNumLab.
#include <QString>

#include "host/Bitmap.h"
#include "labels/Vyr_NumLab.h"

namespace vyr {

struct TNumLab::Private {
  int LeftSpace = 35;
  bool Empty = false;
  int LabWidth = 80;
  int DecP = 2;
  bool Comma = false;
  bool PlusSign = false;
  bool Transparent = false;
  QString LeftText;
  QString RightText;
  TFrameStyle FrameStyle = fsLowered;
  QString StateText = QStringLiteral("undefined");
  TAlignment Alignment = taCenter;
  TAlignment LTAlignment = taRightJustify;
  TAlignment RTAlignment = taLeftJustify;
  int MouseAreaCode = 0;
  QString OverFlowIndi = QStringLiteral("*********");
  double LabValue = 0.0;
  TColor ColorLabBakG = clBtnFace;
  TColor ColorLabText = clBlack;
  TColor ColorOutBakG = clBtnFace;
  TColor ColorOutText = clBlack;
  TColorScheme ColorScheme = csFixed;
  TDisplay DisplayType = dtFixP;
  // Without the comma every date fits the default box (74 pixels of text).
  QString DtFormat = QStringLiteral("mmm-dd yyyy");
  // Set while Assign writes the properties.
  bool Copying = false;
  // What the last paint showed in the box.
  QString Shown;
  // The picture of a transparent label before it is combined with the
  // parent's picture; kept between paints.
  TBitmap Picture;
};

}  // namespace vyr
