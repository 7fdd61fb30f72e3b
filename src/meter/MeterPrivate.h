#pragma once
// TMeter's state. It lives here, out of the installed header, so that a
// field added later leaves the layout of the public class unchanged.
#include <QImage>
#include <QString>
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

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

// What the scale's ticks and labels were placed with.
struct TMeter::TScaleKey {
  TScaleRange Range;
  int NrTicks = 0;
  int DecPlaces = 0;
  bool ShortTicks = false;
  TDialGeometry Dial;
  TFont Font;
  friend bool operator==(const TScaleKey&, const TScaleKey&) = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
inline TRect Spanning(const TRect& a, const TRect& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  return {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
}

// A tick of the scale in pixels, from the scale circle inwards.
struct TScaleTick {
  TPoint Outer, Inner;
  int Label = -1;  // the tick's label in TScaleLayout::Labels, or -1
};

struct TScaleLabel {
  QString Text;
  TPoint At;  // the label's centre
  int Width = 0;
  int Height = 0;
};

// The scale in pixels: the arc's end points, the ticks and the labels with
// their texts and sizes, worked out once per scale.
struct TMeter::TScaleLayout {
  TScaleKey Key;
  bool Valid = false;
  TPoint ArcFrom, ArcTo;
  std::vector<TScaleTick> Minor;
  std::vector<TScaleTick> Major;
  std::vector<TScaleLabel> Labels;
};

// What the cover (rims, window edge, pivot cover, lamps and frame) was
// drawn with, but for which lamps are lit: that changes colours only.
struct TMeter::TCoverKey {
  int Width = 0;
  int Height = 0;
  TMeterRims Rims;
  int CenterX = 0;
  int CenterY = 0;
  TMeterLayout Layout = mlCirc90;
  bool AnchorCovered = false;
  int AnchorSize = 0;
  QString AnchorImage;
  int AnchorGeneration = 0;
  bool HighOn = false, LowOn = false;
  TFrameStyle Frame = fsNone;
  std::array<TColor, 6> Colors{};
  friend bool operator==(const TCoverKey&, const TCoverKey&) = default;
};

// The cover as pixels over the dial: which pixels it owns, as runs of
// rows, and their colours. The cover never depends on what lies under it,
// so a frame can take these pixels instead of drawing it again.
struct TMeter::TCoverLayer {
  struct Run {
    int Y, Left, Right;  // [Left, Right) of row Y
  };
  TCoverKey Key;
  bool Valid = false;
  std::vector<Run> Runs;  // by row, then by column
  QImage Pixels;
  bool HighLit = false, LowLit = false;  // the lamps as Pixels show them
};

// The back canvas as the last fast paint left it: the dial, the cover and
// the needles within NeedleBox. Changed by anything else, it is copied whole.
struct TMeter::TFrameState {
  bool Valid = false;
  std::uint64_t Layers = 0;  // the layer generation it was made from
  qint64 ImageKey = 0;
  std::uint64_t Changes = 0;
  TRect NeedleBox;
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
  int FAnchorGeneration = 0;
  TBitmap FDialLayer;
  bool FDialLayerValid = false;
  TDialLayerKey FDialLayerKey;
  TScaleLayout FScaleLayout;
  TCoverLayer FCover;
  // A cover look not yet made into pixels, and for how many paints in a
  // row it has been the same with the dial unchanged.
  TCoverKey FCoverPending;
  int FCoverSettled = 0;
  // Grows whenever the dial layer or the cover changes.
  std::uint64_t FLayerGeneration = 0;
  TFrameState FFrame;
};

}  // namespace vyr
