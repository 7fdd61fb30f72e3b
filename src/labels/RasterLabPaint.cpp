// Painting the dot-matrix label: the dark face, the gaps of the dot raster,
// the lit dots of the text and the frame. Only lit dots are drawn one by
// one; the dark dots and their gaps are row copies of two face rows kept
// between paints, shifted to the text's dot phase. Face rows, dots and the
// separating columns of block mode are written straight into the pixel
// rows, since a scrolling banner draws about a thousand dots per tick.
#include <QImage>
#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>

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

// Fills rectangles straight in the rows of a 32-bit image, clipped.
class TRowWriter {
 public:
  explicit TRowWriter(QImage& image)
      : FBits(image.bits()), FStride(image.bytesPerLine()), FWidth(image.width()), FHeight(image.height()) {}
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // The first count pixels of row y (at most the width) from source.
  void CopyRow(int y, const std::uint32_t* source, int count) {
    std::memcpy(FBits + y * FStride, source, std::size_t(std::clamp(count, 0, FWidth)) * sizeof(std::uint32_t));
  }
  void Fill(long long left, long long top, long long right, long long bottom, std::uint32_t pixel) {
    left = std::max(left, 0LL);
    top = std::max(top, 0LL);
    right = std::min<long long>(right, FWidth);
    bottom = std::min<long long>(bottom, FHeight);
    for (long long y = top; y < bottom; ++y) {
      auto* row = reinterpret_cast<std::uint32_t*>(FBits + y * FStride);
      std::fill(row + left, row + std::max(left, right), pixel);
    }
  }

 private:
  uchar* FBits;
  qsizetype FStride;
  int FWidth, FHeight;
};

// What PaintChar and PaintString need besides the canvas.
struct TDotLook {
  const TRDCharMatrix& Matrix;
  int DotSize;
  int Pitch;
  bool Proportional;
  std::uint32_t On;
  std::uint32_t Background;
  TRDBlockMode Block;
};

// The lit dots of one glyph with its first dot column at x.
void PaintChar(TRowWriter& c, const TDotLook& look, int code, long long x, long long y) {
  const TRDCharMatrix& m = look.Matrix;
  int first = m.LeftMostBit[size_t(code)], last = m.RightMostBit[size_t(code)];
  if (!look.Proportional) {
    first = 0;
    last = m.FontWidth - 1;
  }
  const long long width = (last - first + 1LL) * look.Pitch;
  // Off the face to the left or right: nothing to draw.
  if (x + width <= 0 || x >= c.Width()) return;
  const auto& rows = m.BitData[size_t(code)];
  // The columns first..last of a row.
  const std::uint32_t span = last < first ? 0u : (0xFFFFFFFFu >> (31 - last)) & (0xFFFFFFFFu << first);
  for (int r = 0; r < m.FontHeight; ++r) {
    const long long top = y + 1LL * r * look.Pitch;
    std::uint32_t bits = rows[size_t(r)] & span;
    if (bits == 0 || top + look.DotSize <= 0 || top >= c.Height()) continue;
    for (; bits != 0; bits &= bits - 1) {
      const int col = std::countr_zero(bits);
      const long long left = x + 1LL * (col - first) * look.Pitch;
      if (left + look.DotSize <= 0 || left >= c.Width()) continue;
      c.Fill(left, top, left + look.DotSize, top + look.DotSize, look.On);
    }
  }
}

// The lit dots of the text from x, y.
void PaintString(TRowWriter& c, const TDotLook& look, const std::vector<std::uint8_t>& codes, long long x,
                 long long y) {
  long long cx = x;
  for (std::uint8_t code : codes) {
    if (cx >= c.Width()) break;
    PaintChar(c, look, code, cx, y);
    cx = std::min(cx + Advance(look.Matrix, code, look.Proportional, look.Pitch), x + kMaxTextLength);
  }
}

// Block mode's separating columns in a row of the face: the dot column
// left of each character and right of the last one take the background.
void WipeSeparators(std::vector<std::uint32_t>& row, const TDotLook& look, const std::vector<std::uint8_t>& codes,
                    long long x) {
  const long long width = static_cast<long long>(row.size());
  auto wipe = [&](long long cx) {
    const long long from = std::max(cx - look.Pitch, 0LL), to = std::min(cx - 1, width);
    if (from < to) std::fill(row.begin() + from, row.begin() + to, look.Background);
  };
  long long cx = x;
  wipe(cx);
  for (std::uint8_t code : codes) {
    if (cx - look.Pitch >= width) break;
    cx = std::min(cx + Advance(look.Matrix, code, look.Proportional, look.Pitch), x + kMaxTextLength);
    wipe(cx);
  }
}

// The two rows the dark face is made of, one pitch wider than the label
// with a dot starting at column 0: row 0 crosses a row of dots (dots of
// ColorDotOff, gaps of the background), row 1 lies in a gap.
void PaintFaceRows(TBitmap& face, int width, int dotSize, int pitch, TColor dot, TColor background) {
  face.SetSize(width + pitch, 2);
  TCanvas& c = face.Canvas();
  c.CopyMode = cmSrcCopy;
  c.Brush.Style = bsSolid;
  c.Brush.Color = background;
  c.FillRect({0, 0, face.Width(), 2});
  c.Brush.Color = dot;
  for (int x = 0; x < face.Width(); x += pitch) c.FillRect({x, 0, x + dotSize, 1});
}

// The phase of the face picture that puts a dot at offset.
int Phase(long long offset, int pitch) { return int(((-offset % pitch) + pitch) % pitch); }

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
  if (c.Image() == nullptr) return;
  c.CopyMode = cmSrcCopy;
  c.Brush.Style = bsSolid;
  const long long x = 0LL + d->FXPos + d->FScrollPosX, y = 0LL + d->FYPos + d->FScrollPosY;
  const TDotLook look{d->FCMat,
                      d->FDotSize,
                      pitch,
                      d->FProportional,
                      ColorToPixel(ColorToRGB(d->FColorDotOn)),
                      ColorToPixel(ColorToRGB(d->FColorLabBakG)),
                      d->FCharBlockMode};
  TRowWriter rows(*c.Image());
  if (d->FCharBlockMode == rdbmOff) {
    c.Brush.Color = d->FColorLabBakG;
    c.FillRect({0, 0, W, H});
  } else {
    const TFaceKey key{W, d->FDotSize, pitch, ColorToRGB(d->FColorDotOff), ColorToRGB(d->FColorLabBakG)};
    if (!(key == d->FFaceKey)) {
      PaintFaceRows(d->FFace, W, d->FDotSize, pitch, key.Dot, key.Background);
      d->FFaceKey = key;
    }
    // Row 0 goes through the canvas, which so counts the paint; then every
    // row is a copy of the row across dots (with block mode's separating
    // columns) or of the gap row, at the text's dot phase.
    const int px = Phase(x, pitch), py = Phase(y, pitch);
    c.CopyRect({0, 0, W, 1}, d->FFace.Canvas(), {px, 0, px + W, 1});
    const auto* dots = reinterpret_cast<const std::uint32_t*>(d->FFace.ScanLine(0)) + px;
    const auto* gap = reinterpret_cast<const std::uint32_t*>(d->FFace.ScanLine(1)) + px;
    const int count = std::max(std::min(W, d->FFace.Width() - px), 0);
    d->FDotRow.assign(dots, dots + count);
    if (look.Block == rdbmOn) WipeSeparators(d->FDotRow, look, d->FCodes, x);
    for (int row = 0; row < H; ++row)
      rows.CopyRow(row, (row + py) % pitch < d->FDotSize ? d->FDotRow.data() : gap, count);
  }
  PaintString(rows, look, d->FCodes, x, y);
  PaintFrame(c, d->FFrameStyle, d->FLines, W, H);
}

}  // namespace vyr
