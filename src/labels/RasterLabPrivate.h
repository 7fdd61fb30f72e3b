#pragma once
// TRasterLab's state, out of the installed header.
#include <QString>
#include <cstdint>
#include <vector>

#include "foundation/Frames.h"
#include "host/TimerWindow.h"
#include "labels/Vyr_RasterLab.h"

namespace vyr {

struct TRasterLab::Private {
  TRDCharMatrix FCMat;
  TFrameStyle FFrameStyle = fsLowered;
  TRDScrollMode FScrollMode = rdsmOff;
  int FScrollPosX = 0;
  int FScrollPosY = 0;
  bool FScrollLoop = true;
  TTimerWindow FScrTimer;
  bool FScrTimerEnabled = false;
  bool FAutoCenter = false;
  TNotifyEvent FOnScrollTimer;
  int FScrollIv = 100;
  int FScrollInc = 1;
  QString FLabText = QStringLiteral("Text");
  // FLabText as glyph codes, made once per text.
  std::vector<std::uint8_t> FCodes;
  TColor FColorLabBakG = 0x000000;
  TColor FColorDotOn = 0x00FF00;
  TColor FColorDotOff = 0x404040;
  TLineColors FLines = LineColorsOf(csFixed);
  bool FAutoHeight = false;
  TRDBlockMode FCharBlockMode = rdbmOn;
  TColorScheme FColorScheme = csFixed;
  bool FProportional = true;
  int FDotSize = 3;
  int FDotSpacing = 1;
  int FXPos = 1;
  int FYPos = 1;
  // The width the text was last centred for.
  int FCenteredWidth = 0;
};

}  // namespace vyr
