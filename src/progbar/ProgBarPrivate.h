#pragma once
// TProgBar's state, out of the installed header.
#include <QString>
#include <array>

#include "host/Bitmap.h"
#include "host/TimerWindow.h"
#include "progbar/Vyr_ProgBar.h"

namespace vyr {

using TProgBarColorTable = std::array<TColor, kProgBarColorCount>;

// The colour of a and b blended at t (clamped into 0..1), channel by
// channel truncated towards a; system colours are resolved first.
TColor BlendColor(TColor a, TColor b, double t);

// The table index of the bar's pixel k (counted from the bar's start) for a
// bar of length n in a box of length m, clamped into the table.
int BarColorIndex(TColorMapping mode, long long k, long long n, long long m);

struct TProgBar::Private {
  double Value = 10.0;
  double Min = 0.0;
  double Max = 100.0;
  TDirection Direction = diLeftToRight;
  TColor ColorMargin = 0xC0C0C0;
  TColor ColorBackGnd = 0xC0C0C0;
  TProgBarColorTable Colors{};
  bool ShowColorGradient = false;
  TColorMapping ColorMapMode = cgmStretch;
  TColor ColorGrid = 0x000000;
  int GridDist = 0;
  int MarginLeft = 4, MarginRight = 4, MarginTop = 4, MarginBottom = 4;
  TFrameStyle FrameStyleOuter = fsRaised;
  TFrameStyle FrameStyleInner = fsLowered;
  TColorScheme ColorScheme = csFixed;
  QString BackGroundImg;
  TBitmap Background{10, 10};
  bool TextVisible = true;
  int TextPosX = 14, TextPosY = 14;
  int TextDecPlaces = 0;
  TAlignment TextAlignment = taCenter;
  int TextAngle = 0;
  bool AutoInc = false;
  double AutoIncStep = 1.0;
  int StartInterval = 1500;
  int RepeatInterval = 700;
  bool FirstTick = false;
  TNotifyEvent OnAutoInc;
  TTimerWindow Timer;
};

}  // namespace vyr
