#pragma once
// TCanvas draws on a 32-bit QImage with the pixel conventions of the classic
// desktop canvas:
//  - Rectangle, FillRect and Ellipse cover [Left, Right) x [Top, Bottom);
//    corners may come in either order.
//  - LineTo draws from the pen position up to, not including, its end point.
//  - Arc and Pie run counter-clockwise on the ellipse inscribed in their box,
//    from the ray through the start point to the ray through the end point
//    (equal points: the whole ellipse).
//  - Polygon fills by the even-odd rule, then outlines the closed figure.
//  - TextOut(x, y) puts the top-left corner of the text cell at (x, y) and,
//    with a solid brush, paints the cell in the brush colour first.
//  - TextRect clips to its rectangle and, with a solid brush, fills it.
// Drawing outside the image is clipped; a canvas without an image (or with
// an empty one) draws nothing. Coordinates are ints; any value is safe.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QString>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

#include "host/Color.h"
#include "host/Font.h"
#include "host/Types.h"

namespace vyr {

class TBitmap;
class TKeptPainter;
class TShapedTexts;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// How the pen combines with what is already there.
enum TPenMode { pmCopy, pmNot, pmXor, pmNotXor, pmMerge, pmMask, pmBlack, pmWhite, pmNop };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;  // below 1 draws like 1
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
};

enum TBrushStyle { bsSolid, bsClear };

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

enum TFillStyle { fsSurface, fsBorder };

// Raster operation codes of CopyRect, Draw and StretchDraw.
using TCopyMode = std::uint32_t;
constexpr TCopyMode cmBlackness = 0x00000042;
constexpr TCopyMode cmNotSrcErase = 0x001100A6;
constexpr TCopyMode cmNotSrcCopy = 0x00330008;
constexpr TCopyMode cmSrcErase = 0x00440328;
constexpr TCopyMode cmDstInvert = 0x00550009;
constexpr TCopyMode cmSrcInvert = 0x00660046;
constexpr TCopyMode cmSrcAnd = 0x008800C6;
constexpr TCopyMode cmMergePaint = 0x00BB0226;
constexpr TCopyMode cmSrcCopy = 0x00CC0020;
constexpr TCopyMode cmSrcPaint = 0x00EE0086;
constexpr TCopyMode cmWhiteness = 0x00FF0062;

// How StretchDraw and stretching CopyRect pick source pixels.
enum TStretchMode { smNearest, smHalftone };

class TCanvas {
 public:
  TCanvas();
  explicit TCanvas(QImage* image);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The image drawn on; it must be 32-bit (RGB32 or ARGB32). Anything else,
  // or null, makes the canvas draw nothing.
  void SetImage(QImage* image);
  QImage* Image() const { return FImage; }
  int Width() const;
  int Height() const;

  TPen Pen;
  TBrush Brush;
  TFont Font;
  TCopyMode CopyMode = cmSrcCopy;
  TStretchMode StretchMode = smNearest;

  TPoint PenPos() const { return FPenPos; }
  void SetPenPos(TPoint p) { FPenPos = p; }

  void MoveTo(int x, int y) { FPenPos = {x, y}; }
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void FillRect(const TRect& r);
  // One-pixel outline of the rectangle in the brush colour.
  void FrameRect(const TRect& r);
  void Ellipse(int left, int top, int right, int bottom);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Polygon(std::span<const TPoint> points);

  void TextOut(int x, int y, const QString& text);
  void TextRect(const TRect& clip, int x, int y, const QString& text);
  int TextWidth(const QString& text);
  int TextHeight(const QString& text);
  // The largest TextWidth of count texts, text(i) giving text i (0-based;
  // the view must stay valid during the call). Texts repeated anywhere in
  // the run are measured once, so a column of a few distinct values costs
  // little more than reading it.
  int WidestText(qsizetype count, const std::function<QStringView(qsizetype)>& text);

  // Reading outside the image gives clInvalid; writing there is ignored.
  TColor Pixels(int x, int y) const;
  void SetPixels(int x, int y, TColor color);

  // fsSurface: fills the 4-connected area of the colour at (x, y), which must
  // equal color. fsBorder: fills outwards from (x, y) up to pixels of color.
  void FloodFill(int x, int y, TColor color, TFillStyle style);

  // Copies source onto dest, stretching when the sizes differ, combined by
  // CopyMode. The source may be this canvas; overlapping areas copy correctly.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const TRect& dest, const TBitmap& bitmap);

  // Grows by one for every drawing call; a control uses it to tell whether a
  // paint changed its surface.
  std::uint64_t ChangeCount() const { return FChangeCount; }

 private:
  enum class ArcKind { Arc, Pie };
  bool Drawable() const { return FImage != nullptr; }
  // Counts a drawing call and takes the image's pixel rows for direct
  // writes; every call that writes pixels starts with it.
  void Changed() {
    ++FChangeCount;
    TakeBits();
  }
  void TakeBits() {
    FBits = FImage->bits();
    FStride = FImage->bytesPerLine();
    FBitsWidth = FImage->width();
    FBitsHeight = FImage->height();
  }
  std::uint32_t* Row(long long y) { return reinterpret_cast<std::uint32_t*>(FBits + y * FStride); }
  // Pen-mode aware plotting of one pixel already known to lie inside.
  void PlotPen(int x, int y, std::uint32_t penPixel);
  void FillSpan(long long y, long long x0, long long x1, std::uint32_t pixel);
  // Pen-mode aware plotting of the pixels [x0, x1) of row y, clipped.
  void PenSpan(long long y, long long x0, long long x1, std::uint32_t penPixel);
  void StrokeLine(long long x0, long long y0, long long x1, long long y1, bool includeEnd);
  void StrokeWideLine(long long x0, long long y0, long long x1, long long y1);
  void DrawArcLike(ArcKind kind, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void BlitImage(const TRect& dest, const QImage& source, const TRect& sourceRect);
  // Draws text with its cell's top-left at (x, y). Without a clip a solid
  // brush first fills the cell, width pixels wide.
  void PaintText(int x, int y, const QString& text, const TRect* clip, int width);
  const QFontMetrics& Metrics();

  QImage* FImage = nullptr;
  uchar* FBits = nullptr;
  qsizetype FStride = 0;
  int FBitsWidth = 0, FBitsHeight = 0;  // of the image behind FBits
  TPoint FPenPos;
  std::uint64_t FChangeCount = 0;
  int FDashStep = 0;
  TFont FMetricsFont;
  QFont FQFont;
  std::unique_ptr<QFontMetrics> FMetrics;
  // Kept across text calls (see docs/host.md, "Speed"): the widths and
  // glyphs of texts in the current font, and a painter on the pixels.
  std::unique_ptr<TShapedTexts> FShaped;
  std::unique_ptr<TKeptPainter> FPainter;
};

}  // namespace vyr
