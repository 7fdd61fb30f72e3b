#include "foundation/Frames.h"

#include <algorithm>
#include <utility>

namespace vyr {

namespace {

// Coordinates beyond this lie far outside any image; clamping them keeps the
// arithmetic below from overflowing without changing what is visible.
constexpr int kCoordLimit = 1 << 30;

struct Box {
  int Left, Top, Right, Bottom;
};

Box OrderedBox(int left, int top, int right, int bottom) {
  auto clamp = [](int v) { return std::clamp(v, -kCoordLimit, kCoordLimit); };
  left = clamp(left), top = clamp(top), right = clamp(right), bottom = clamp(bottom);
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  return {left, top, right, bottom};
}

// One ring: the left column and top row in topLeft, then the bottom row and
// right column (with both of their corners) in bottomRight.
void DrawRing(TCanvas& canvas, const Box& b, TColor topLeft, TColor bottomRight) {
  canvas.Pen.Color = topLeft;
  canvas.MoveTo(b.Left, std::max(b.Bottom - 1, b.Top));
  canvas.LineTo(b.Left, b.Top);
  canvas.LineTo(b.Right, b.Top);
  canvas.Pen.Color = bottomRight;
  canvas.MoveTo(b.Left, b.Bottom);
  canvas.LineTo(b.Right, b.Bottom);
  canvas.LineTo(b.Right, b.Top - 1);
}

// Draws the outer ring and, when there is room for it, the inner one.
void DrawTwoRings(TCanvas& canvas, const Box& b, TColor outerTopLeft, TColor outerBottomRight,
                  TColor innerTopLeft, TColor innerBottomRight) {
  DrawRing(canvas, b, outerTopLeft, outerBottomRight);
  Box inner{b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1};
  if (inner.Left <= inner.Right && inner.Top <= inner.Bottom)
    DrawRing(canvas, inner, innerTopLeft, innerBottomRight);
}

}  // namespace

void DrawFrame(TCanvas& canvas, TFrameStyle style, int left, int top, int right, int bottom, TColor highlight,
               TColor light, TColor shadow, TColor darkShadow, TColor line) {
  if (style == fsNone || style > fsEtched) return;
  const TPen savedPen = canvas.Pen;
  const TPoint savedPos = canvas.PenPos();
  canvas.Pen = TPen{};
  const Box b = OrderedBox(left, top, right, bottom);
  switch (style) {
    case fsSingle:
      DrawRing(canvas, b, line, line);
      break;
    case fsLowered:
      DrawTwoRings(canvas, b, shadow, highlight, darkShadow, light);
      break;
    case fsRaised:
      DrawTwoRings(canvas, b, light, darkShadow, highlight, shadow);
      break;
    case fsBump:
      DrawTwoRings(canvas, b, highlight, shadow, shadow, highlight);
      break;
    default:
      DrawTwoRings(canvas, b, shadow, highlight, highlight, shadow);
      break;
  }
  canvas.Pen = savedPen;
  canvas.SetPenPos(savedPos);
}

void DrawRectangle(TCanvas& canvas, int left, int top, int right, int bottom) {
  const Box b = OrderedBox(left, top, right, bottom);
  canvas.MoveTo(b.Left, b.Top);
  if (b.Left == b.Right && b.Top == b.Bottom) {
    canvas.LineTo(b.Left + 1, b.Top);  // a one-pixel box: every line below would be empty
  } else {
    canvas.LineTo(b.Right, b.Top);
    canvas.LineTo(b.Right, b.Bottom);
    canvas.LineTo(b.Left, b.Bottom);
    canvas.LineTo(b.Left, b.Top);
  }
  canvas.MoveTo(b.Left, b.Top);
}

TLineColors LineColorsOf(TColorScheme scheme) {
  if (scheme == csFixed) return {clBlack, clGray, clWhite};
  return {clBlack, clBtnShadow, clBtnHighlight};
}

}  // namespace vyr
