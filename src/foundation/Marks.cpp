#include "foundation/Marks.h"

#include <algorithm>
#include <array>
#include <vector>

namespace vyr {

namespace {

enum class Shape { Dot, Plus, Cross, Star, HBar, VBar, Square, Circle, TriUp, TriDown, TriLeft, TriRight, Diamond,
                   Hexagon, Hourglass, Bowtie };
enum class Inside { Nothing, Plus, Cross, Dot, Ring };

constexpr int kSmall = 4;  // half the width of a small mark
constexpr int kLarge = 8;  // half the width of a large mark
constexpr int kDotHalf = 2;

struct MarkDef {
  Shape shape;
  int half;
  bool solid;
  Inside inside;
};

// The shapes offered open and solid in both sizes, in mark order.
constexpr std::array<Shape, 8> kFilledShapes = {Shape::Square,  Shape::Circle,   Shape::TriUp,   Shape::TriDown,
                                                Shape::TriLeft, Shape::TriRight, Shape::Diamond, Shape::Hexagon};

constexpr std::array<MarkDef, kMarkCount> BuildMarks() {
  std::array<MarkDef, kMarkCount> marks{};
  int n = 0;
  marks[n++] = {Shape::Dot, 0, false, Inside::Nothing};
  for (int half : {kSmall, kLarge}) {
    for (Shape s : {Shape::Plus, Shape::Cross, Shape::Star}) marks[n++] = {s, half, false, Inside::Nothing};
    for (Shape s : kFilledShapes) {
      marks[n++] = {s, half, false, Inside::Nothing};
      marks[n++] = {s, half, true, Inside::Nothing};
    }
  }
  marks[n++] = {Shape::HBar, kLarge, false, Inside::Nothing};
  marks[n++] = {Shape::VBar, kLarge, false, Inside::Nothing};
  for (Inside in : {Inside::Plus, Inside::Cross, Inside::Dot, Inside::Ring}) {
    marks[n++] = {Shape::Square, kLarge, false, in};
    marks[n++] = {Shape::Circle, kLarge, false, in};
  }
  marks[n++] = {Shape::Diamond, kLarge, false, Inside::Plus};
  marks[n++] = {Shape::Hourglass, kLarge, false, Inside::Nothing};
  marks[n++] = {Shape::Bowtie, kLarge, false, Inside::Nothing};
  return marks;
}

constexpr std::array<MarkDef, kMarkCount> kMarks = BuildMarks();

int Sign(int v) { return (v > 0) - (v < 0); }

// A straight line including both end points (axis-parallel or diagonal); a
// line from a point to itself sets that point.
void Line(TCanvas& c, int x0, int y0, int x1, int y1) {
  int sx = Sign(x1 - x0), sy = Sign(y1 - y0);
  if (sx == 0 && sy == 0) sx = 1;
  c.MoveTo(x0, y0);
  c.LineTo(x1 + sx, y1 + sy);
}

void Plus(TCanvas& c, int x, int y, int h) {
  Line(c, x - h, y, x + h, y);
  Line(c, x, y - h, x, y + h);
}

void Cross(TCanvas& c, int x, int y, int h) {
  Line(c, x - h, y - h, x + h, y + h);
  Line(c, x - h, y + h, x + h, y - h);
}

void Polygon(TCanvas& c, std::initializer_list<TPoint> points) {
  std::vector<TPoint> v(points);
  c.Polygon(v);
}

void DrawShape(TCanvas& c, Shape shape, int x, int y, int h) {
  const int q = h / 2;
  switch (shape) {
    case Shape::Dot: Line(c, x, y, x, y); break;
    case Shape::Plus: Plus(c, x, y, h); break;
    case Shape::Cross: Cross(c, x, y, h); break;
    case Shape::Star:
      Plus(c, x, y, h);
      Cross(c, x, y, h);
      break;
    case Shape::HBar: Line(c, x - h, y, x + h, y); break;
    case Shape::VBar: Line(c, x, y - h, x, y + h); break;
    case Shape::Square: c.Rectangle(x - h, y - h, x + h + 1, y + h + 1); break;
    case Shape::Circle: c.Ellipse(x - h, y - h, x + h + 1, y + h + 1); break;
    case Shape::TriUp: Polygon(c, {{x, y - h}, {x + h, y + h}, {x - h, y + h}}); break;
    case Shape::TriDown: Polygon(c, {{x, y + h}, {x - h, y - h}, {x + h, y - h}}); break;
    case Shape::TriLeft: Polygon(c, {{x - h, y}, {x + h, y - h}, {x + h, y + h}}); break;
    case Shape::TriRight: Polygon(c, {{x + h, y}, {x - h, y + h}, {x - h, y - h}}); break;
    case Shape::Diamond: Polygon(c, {{x, y - h}, {x + h, y}, {x, y + h}, {x - h, y}}); break;
    case Shape::Hexagon:
      Polygon(c, {{x - q, y - h}, {x + q, y - h}, {x + h, y}, {x + q, y + h}, {x - q, y + h}, {x - h, y}});
      break;
    case Shape::Hourglass: Polygon(c, {{x - h, y - h}, {x + h, y - h}, {x - h, y + h}, {x + h, y + h}}); break;
    case Shape::Bowtie: Polygon(c, {{x - h, y - h}, {x + h, y + h}, {x + h, y - h}, {x - h, y + h}}); break;
  }
}

// Draws a shape filled in the pen colour.
void DrawSolid(TCanvas& c, Shape shape, int x, int y, int h) {
  const TBrush saved = c.Brush;
  c.Brush = TBrush{c.Pen.Color, bsSolid};
  DrawShape(c, shape, x, y, h);
  c.Brush = saved;
}

}  // namespace

void DrawMarkOnCanvas(TCanvas& canvas, int markType, int x, int y) {
  if (markType < 0 || markType >= kMarkCount) return;
  // Far outside any image; clamping keeps the corner arithmetic from overflowing.
  constexpr int kCoordLimit = 1 << 30;
  x = std::clamp(x, -kCoordLimit, kCoordLimit);
  y = std::clamp(y, -kCoordLimit, kCoordLimit);
  const TPoint savedPos = canvas.PenPos();
  const MarkDef& m = kMarks[size_t(markType)];
  if (m.solid)
    DrawSolid(canvas, m.shape, x, y, m.half);
  else
    DrawShape(canvas, m.shape, x, y, m.half);
  switch (m.inside) {
    case Inside::Nothing: break;
    case Inside::Plus: Plus(canvas, x, y, m.half); break;
    case Inside::Cross:  // kept inside a circle's rim
      Cross(canvas, x, y, m.shape == Shape::Circle ? m.half * 3 / 4 : m.half);
      break;
    case Inside::Dot: DrawSolid(canvas, Shape::Square, x, y, kDotHalf); break;
    case Inside::Ring: DrawShape(canvas, m.shape, x, y, m.half / 2); break;
  }
  canvas.SetPenPos(savedPos);
}

}  // namespace vyr
