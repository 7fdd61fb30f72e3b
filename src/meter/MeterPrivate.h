#pragma once
// TMeter's state. It lives here, out of the installed header, so that a
// field added later leaves the layout of the public class unchanged.
#include <QString>
#include <array>

#include "foundation/CoreTypes.h"
#include "host/Bitmap.h"
#include "host/Font.h"
#include "meter/Vyr_Meter.h"

namespace vyr {

// What the dial layer was drawn with: the size and the resolved colours
// (system colours may change between paints).
struct TMeter::TDialLayerKey {
  int Width = 0;
  int Height = 0;
  std::array<TColor, 7> Colors{};
  friend bool operator==(const TDialLayerKey&, const TDialLayerKey&) = default;
};

struct TMeter::Private {
  // Values, range and thresholds
  double FValue = 0.0;
  double FValueSec = 0.0;
  double FMinValue = 0.0;
  double FMaxValue = 1.0;
  double FThresholdLow = 0.0;
  double FThresholdHigh = 1.0;
  bool FLogarithmic = false;

  // Scale
  TMeterLayout FMeterLayout = mlCirc90;
  int FMeterDecPlaces = 1;
  int FMeterNrTicks = 3;
  bool FMeterShortTicks = true;
  bool FMeterScaleLine = true;
  bool FScaleVisible = true;
  bool FScaleBkVisible = false;
  double FScaleBkWidth = 0.0;

  // Colours
  TColor FColorSclBkLow = 0x00FF00;
  TColor FColorSclBkNorm = 0x0080FF;
  TColor FColorSclBkHigh = 0x0000FF;
  TColor FColorScale = 0x800000;
  TColor FColorBakG = 0xFFFFFF;
  TColor FColorCover = clBtnFace;
  TColorScheme FColorScheme = csFixed;

  // Alarm lamps
  bool FLimWatchHighOn = true;
  bool FLimWatchLowOn = true;
  TColor FLimWatchActColor = 0x0000FF;
  TColor FLimWatchPsvColor = 0x808080;

  // Cover, pictures, caption and frame
  TMeterRims FRims;
  bool FAnchorCovered = true;
  int FAnchorSize = 24;
  QString FAnchorImage;
  QString FBackGroundImg;
  TBkgFill FBkgndFillMode = bfNatural;
  QString FCaption;
  TFont FFontCaption;
  TFrameStyle FFrameStyle = fsRaised;

  // Needles and alarms
  TNeedleLayout FNeedle;
  TNeedleLayout FNeedleSec;
  bool FOFL = false;
  bool FUFL = false;
  // The needle visibility the alarm flags were last decided with.
  bool FAlarmNeedleVisible = true;
  bool FAlarmNeedleSecVisible = false;

  // Pictures as read, and the dial layer with what it was drawn with
  TBitmap FBackground{10, 10};
  TBitmap FAnchorFace{10, 10};
  TBitmap FAnchorMask{10, 10};
  TBitmap FDialLayer;
  bool FDialLayerValid = false;
  TDialLayerKey FDialLayerKey;
};

}  // namespace vyr
