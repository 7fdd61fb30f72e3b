#pragma once
// TNumIO2's state. It lives here, out of the installed header, so that a
// field added later leaves the layout of the public class unchanged.
#include <QString>

#include "foundation/CoreTypes.h"
#include "foundation/Frames.h"
#include "host/Bitmap.h"
#include "host/TimerWindow.h"
#include "numio/Vyr_NumIO.h"

namespace vyr {

// What typing, the mouse and the caret blink change, apart from the
// properties. Assign takes it whole from the source.
struct TNumIO2EditState {
  QString FInBuffer;
  // The last value written and the text it gave.
  double FWrittenValue = 0.0;
  QString FWrittenText;
  int FCaretPos = 0;
  bool FCaretVisib = true;
  int FSelBegin = 0;
  int FSelEnd = 0;
  bool FKeyShifted = false;
  bool FKeyCntrl = false;
  int FMouseAreaCode = 0;
};

struct TNumIO2::Private : TNumIO2EditState {
  bool FSuppressPaint = true;
  // A gauge action changed the value; OnChange is owed at mouse release.
  bool FValueChanged = false;
  bool FEnabled = true;
  TTimerWindow FCaretTimer;
  // Each paint draws here first and copies the result once; kept between
  // paints so that neither the image nor the font metrics are made anew.
  TBitmap FPaintBitmap;

  // Value model
  TInFormat FInputFormat = itFloat;
  TDecPSep FDecPSep = dsBoth;
  int FDecP = 2;
  int FSigDig = 6;
  double FMinimum = 0.0;
  double FMaximum = 1000.0;

  // Layout and colours
  int FLeftSpace = 35;
  int FTextBoxWidth = 80;
  QString FLeftText;
  QString FRightText;
  TAlignment FAlignment = taCenter;
  TAlignment FLTAlignment = taRightJustify;
  TAlignment FRTAlignment = taLeftJustify;
  TFrameStyle FFrameStyle = fsLowered;
  TColorScheme FColorScheme = csFixed;
  // The frame line colours of the colour scheme.
  TLineColors FLines{clBlack, clGray, clWhite};
  TColor FColorBoxBG = clWhite;
  TColor FColorBoxText = clBlack;
  TColor FColorOutBG = clBtnFace;
  TColor FColorOutText = clBlack;
  TColor FColorWarnBG = 0x6088FFF0;
  TColor FColorWarnTxt = clRed;

  // Spin buttons
  bool FButVisible = false;
  bool FBut3D = true;
  int FButWidth = 18;
  int FButHeight = 28;
  int FButSpace = 3;
  TColor FButColor = clSilver;
  double FButIncrem = 1.0;

  // Gauge
  bool FGaugeVisib = false;
  int FGaugeHeight = 8;
  int FGaugeWidth = 82;
  int FGaugeLeftMarg = 35;
  int FGaugeTopMarg = 3;
  TColor FGaugeColor = 0x800000;
  TColor FGaugeColorBg = clSilver;
  TColor FGaugeColorFrm = clGray;
  TFrameStyle FGaugeFrameSt = fsLowered;

  // Behaviour
  bool FHideSel = true;
  bool FReadOnly = false;
  bool FAutoSize = false;
  bool FBeep = false;
};

}  // namespace vyr
