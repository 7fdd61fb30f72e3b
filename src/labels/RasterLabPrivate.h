#pragma once
// TRasterLab's state, out of the installed header.
#include <QString>
#include <cstdint>
#include <vector>

#include "foundation/Frames.h"
#include "host/Bitmap.h"
#include "host/TimerWindow.h"
#include "labels/Vyr_RasterLab.h"

namespace vyr {

// What the face rows (the dark dots and their gaps) depend on.
struct TFaceKey {
  int Width = 0, DotSize = 0, Pitch = 0;
  TColor Dot = 0, Background = 0;
  friend bool operator==(const TFaceKey&, const TFaceKey&) = default;
};

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
  // A row across dark dots and a row in a gap, kept while FFaceKey holds.
  TBitmap FFace;
  TFaceKey FFaceKey;
  // The row across dots of the last paint, with block mode's separators.
  std::vector<std::uint32_t> FDotRow;
  // The width the text was last centred for.
  int FCenteredWidth = 0;
};

}  // namespace vyr
