// Painting the dot-matrix label: the dark face, the gaps of the dot raster,
// the lit dots of the text and the frame. Only lit dots are drawn one by
// one; dark dots come from the face fill and the gap lines.
#include <algorithm>
#include <climits>

#include "labels/RasterFont.h"
#include "labels/RasterLabPrivate.h"

namespace vyr {
namespace {

// Keeps text lengths far from overflow however long the text is.
constexpr long long kMaxTextLength = INT_MAX / 4;

// The advance of glyph code in pixels.
long long Advance(const TRDCharMatrix& m, int code, bool proportional, int pitch) {
  if (!proportional) return (m.FontWidth + 1LL) * pitch;
  return (m.RightMostBit[size_t(code)] - m.LeftMostBit[size_t(code)] + 2LL) * pitch;
}

// What PaintChar and PaintString need besides the canvas.
struct TDotLook {
  const TRDCharMatrix& Matrix;
  int DotSize;
  int Pitch;
  bool Proportional;
  TColor On;
  TColor Background;
  TRDBlockMode Block;
};

// The lit dots of one glyph with its first dot column at x; the glyph's
// width in pixels.
long long PaintChar(TCanvas& c, const TDotLook& look, int code, long long x, long long y) {
  const TRDCharMatrix& m = look.Matrix;
  int first = m.LeftMostBit[size_t(code)], last = m.RightMostBit[size_t(code)];
  if (!look.Proportional) {
    first = 0;
    last = m.FontWidth - 1;
  }
  const long long width = (last - first + 1LL) * look.Pitch;
  // Off the face to the left or right: nothing to draw.
  if (x + width <= 0 || x >= c.Width()) return width;
  const auto& rows = m.BitData[size_t(code)];
  for (int r = 0; r < m.FontHeight; ++r) {
    const long long top = y + 1LL * r * look.Pitch;
    const std::uint32_t bits = rows[size_t(r)];
    if (bits == 0 || top + look.DotSize <= 0 || top >= c.Height()) continue;
    for (int col = std::max(first, 0); col <= last && col < TRDCharMatrix::kMaxDots; ++col) {
      if (!(bits & (1u << col))) continue;
      const long long left = x + 1LL * (col - first) * look.Pitch;
      if (left + look.DotSize <= 0 || left >= c.Width()) continue;
      if (look.DotSize == 1)
        c.SetPixels(int(left), int(top), look.On);
      else
        c.FillRect({int(left), int(top), int(left + look.DotSize), int(top + look.DotSize)});
    }
  }
  return width;
}

// The text from x, y; returns its length in pixels (the last advance's end
// minus x, plus one).
long long PaintString(TCanvas& c, const TDotLook& look, const std::vector<std::uint8_t>& codes, long long x,
                      long long y) {
  long long cx = x;
  // In block mode the column of dark dots left of each character is wiped.
  auto band = [&] {
    if (look.Block != rdbmOn || cx - 1 <= 0 || cx - look.Pitch >= c.Width()) return;
    c.Brush.Color = look.Background;
    c.FillRect({int(cx - look.Pitch), 0, int(cx - 1), c.Height()});
    c.Brush.Color = look.On;
  };
  c.Brush.Color = look.On;
  band();
  for (std::uint8_t code : codes) {
    const long long width = PaintChar(c, look, code, cx, y);
    cx += look.Proportional ? width + look.Pitch : Advance(look.Matrix, code, false, look.Pitch);
    cx = std::min(cx, x + kMaxTextLength);
    band();
  }
  return cx - x + 1;
}

// The gap rows (or columns) of the raster: spacing lines before every
// pitch-th line from offset, across the face.
void PaintGaps(TCanvas& c, long long offset, int pitch, int spacing, int extent, bool horizontal) {
  if (spacing <= 0) return;
  const long long o = ((offset % pitch) + pitch) % pitch;
  for (long long k = -1; k <= extent / pitch + 1; ++k) {
    const int from = int(o + k * pitch - spacing), to = int(o + k * pitch);
    if (horizontal)
      c.FillRect({0, from, c.Width(), to});
    else
      c.FillRect({from, 0, to, c.Height()});
  }
}

void Line(TCanvas& c, TColor color, std::initializer_list<TPoint> points) {
  c.Pen.Color = color;
  const TPoint* p = points.begin();
  c.MoveTo(p->X, p->Y);
  for (++p; p != points.end(); ++p) c.LineTo(p->X, p->Y);
}

void Outline(TCanvas& c, TColor color, int left, int top, int right, int bottom) {
  Line(c, color, {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}});
}

void PaintFrame(TCanvas& c, TFrameStyle style, const TLineColors& lines, int W, int H) {
  c.Pen.Style = psSolid;
  c.Pen.Width = 1;
  c.Pen.Mode = pmCopy;
  switch (style) {
    case fsSingle: Outline(c, lines.Gray, 0, 0, W - 1, H - 1); break;
    case fsLowered:
    case fsRaised: {
      const bool lowered = style == fsLowered;
      Line(c, lowered ? lines.Black : lines.White, {{1, H - 3}, {1, 1}, {W - 2, 1}});
      if (lowered)
        Line(c, lines.White, {{2, H - 1}, {W - 1, H - 1}, {W - 1, 0}});
      else
        Line(c, lines.Black, {{0, H - 1}, {W - 1, H - 1}, {W - 1, 0}});
      Outline(c, lines.Gray, 0, 0, W - 2, H - 2);
      break;
    }
    case fsBump:
    case fsEtched: {
      const bool bump = style == fsBump;
      Outline(c, bump ? lines.Gray : lines.White, 1, 1, W - 1, H - 1);
      Outline(c, bump ? lines.White : lines.Gray, 0, 0, W - 2, H - 2);
      break;
    }
    default: break;
  }
}

}  // namespace

int TRasterLab::CalcTextBitLength(const QString& text) const {
  long long length = 0;
  for (std::uint8_t code : text == d->FLabText ? d->FCodes : GlyphCodes(text))
    length = std::min(length + Advance(d->FCMat, code, d->FProportional, Pitch()), kMaxTextLength);
  return int(length);
}

int TRasterLab::TextBitLength() const { return CalcTextBitLength(d->FLabText) + 1; }

void TRasterLab::DoPaint() {
  const int W = Width(), H = Height(), pitch = Pitch();
  TCanvas& c = Canvas();
  c.CopyMode = cmSrcCopy;
  c.Brush.Style = bsSolid;
  c.Brush.Color = d->FCharBlockMode != rdbmOff ? d->FColorDotOff : d->FColorLabBakG;
  c.FillRect({0, 0, W, H});
  const long long x = 0LL + d->FXPos + d->FScrollPosX, y = 0LL + d->FYPos + d->FScrollPosY;
  if (d->FCharBlockMode != rdbmOff) {
    c.Brush.Color = d->FColorLabBakG;
    PaintGaps(c, y, pitch, d->FDotSpacing, H, true);
    PaintGaps(c, x, pitch, d->FDotSpacing, W, false);
  }
  const TDotLook look{d->FCMat,    d->FDotSize,      pitch, d->FProportional, d->FColorDotOn,
                      d->FColorLabBakG, d->FCharBlockMode};
  PaintString(c, look, d->FCodes, x, y);
  PaintFrame(c, d->FFrameStyle, d->FLines, W, H);
}

}  // namespace vyr
