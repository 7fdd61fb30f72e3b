#pragma once
// TThumbnails' state and the grid geometry that painting, hit testing,
// scrolling and the keys share, out of the installed header.
#include <QImage>

#include "foundation/BitField.h"
#include "host/Bitmap.h"
#include "thumbnails/Vyr_Thumbnails.h"

namespace vyr {

// The grid for one control size and scroll position. Positions are long
// long: far slides lie far outside the control.
struct TThumbGeometry {
  int W = 0, H = 0;
  int Size = 0;      // b, the picture area of a slide
  int Distance = 0;  // d
  int Margin = 0;    // m
  int Min = 1, Max = 1;
  int NumHoriz = 1;
  double First = 1.0;

  // At least 1, so that nothing divides by zero however small the slides.
  int Pitch() const { return std::max(1, Size + Distance + 2 * Margin); }
  // Width and height of a slide's square less one: its right edge is
  // left + Extent().
  int Extent() const { return Size + 2 * Margin; }
  int FirstOfTopRow() const { return int(First); }
  // How many pixels the top row is scrolled up.
  int Offset() const;
  // Columns that fit between the margins (at least 1), and rows that
  // reach into the area between the top and bottom margins (at least 1).
  int FittingColumns() const;
  int VisibleRows() const;
  // Left and top of the slide in column i and row j (from 1).
  long long ColumnLeft(int i) const { return 1LL * (i - 1) * Pitch() + TThumbnails::kMargin; }
  long long RowTop(int j) const { return 1LL * (j - 1) * Pitch() + Distance - Offset() + TThumbnails::kMargin; }
  // Left and top of any slide, also above the top row.
  long long SlideLeft(int slide) const;
  long long SlideTop(int slide) const;
  // The slide at a point, 0 for none.
  int SlideAt(int x, int y) const;
  // value clamped to Min..Max and snapped to its row; the row's first slide
  // comes from Min in steps of NumHoriz.
  double Snapped(double value) const;
  // The scroll position in pixels from the top of the first row, and the
  // FirstThumbIdx that gives a scroll position (not yet clamped to Max).
  double ScrollPixels() const;
  double FirstForScroll(double pixels) const;
  // The scroll position at which a row's bottom rests on the bottom margin.
  double RestingScroll(long long row) const {
    return double(row) * Pitch() + Distance + Extent() + 2 * TThumbnails::kMargin + 1 - H;
  }
  // The row of a slide counted from Min's row.
  long long RowOf(int slide) const { return (0LL + slide - Min) / NumHoriz; }
};

struct TThumbnails::Private {
  TFrameStyle FrameStyle = fsLowered;
  TFrameStyle OuterFrameStyle = fsRaised;
  TFrameStyle InnerFrameStyle = fsLowered;
  TColor ColorBG = clBtnFace;
  TColor ColorCover = 0xC0C0C0;
  TColor ColorSelected = 0x800000;
  TColor ColorFocus = 0xFF0000;
  TColor ColorMark = 0x000000;
  TColorScheme ColorScheme = csFixed;
  double FirstThumbIdx = 1.0;
  int Min = 1, Max = 100;
  int NumHoriz = 2, NumVert = 0;
  // As written (at least 50); the width limits the size used.
  int SlideSize = 120;
  int SlideDistance = 2, SlideMargin = 7;
  bool AntiAlias = false;
  int FocusedSlide = 0;
  int FocusLinewidth = 1;
  // Bit i for slide Min + i.
  TBitFld Selected{100};
  TSlideSelectMode SelectMode = ssmSingle;
  // The anchor of Shift ranges.
  int LastClickedSlide = 0;
  // Handed to OnImageRequest; emptied at the start of each paint.
  TBitmap ImgBuffer;
  // The last paint's picture without the focus frame.
  QImage Clean;
  bool DblClickPending = false;

  TThumbGeometry Geometry(int width, int height) const;
};

}  // namespace vyr
