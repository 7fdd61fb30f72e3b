#pragma once
// TSevenSeg's state, out of the installed header.
#include <QString>
#include <array>

#include "foundation/Frames.h"
#include "host/Bitmap.h"
#include "labels/SevenSegGlyphs.h"
#include "labels/Vyr_sevenseg.h"

namespace vyr {

struct TSevenSeg::Private {
  TColor FColorBakG = 0x333333;
  TColor FColorTxt = 0x0000FF;
  int FNumDigits = 4;
  QString FCaption = QStringLiteral("8.8.8.8.");
  TFrameStyle FFrameStyle = fsLowered;
  int FMargin = 8;
  int FInterDigDist = 2;
  TColorScheme FColorScheme = csFixed;
  TLineColors FLines = LineColorsOf(csFixed);

  // The size the cache was last built for (a resize to another rebuilds it).
  int FSeenWidth = -1;
  int FSeenHeight = -1;
  // A setting the cache depends on changed: the next paint rebuilds it.
  bool FCacheStale = true;
  // The colour the segment pictures carry now (black as loaded).
  TColor FPictureColor = clBlack;
  int FCacheBuilds = 0;

  TSegmentPictures FPictures;
  TBitmap FDigImg{TSevenSeg::kGlyphWidth, TSevenSeg::kGlyphHeight};
  TBitmap FImgCache;
  // Size of one cache cell (at most the glyph size; see CacheCellSize).
  int FCacheCellWidth = 0;
  int FCacheCellHeight = 0;
};

}  // namespace vyr
