#pragma once
// Plot marks: 52 symbols numbered 0..51 for marking data points.
#include "host/Canvas.h"

namespace vyr {

constexpr int kMarkCount = 52;
// Every mark lies within the kMarkBoxSize x kMarkBoxSize box centred on its
// reference point (with a one-pixel pen).
constexpr int kMarkBoxSize = 29;

// Draws mark markType centred on (x, y) in the canvas's pen; the open shapes
// are filled with the canvas's brush, the solid ones in the pen colour. Pen,
// brush and pen position are kept. Mark numbers outside 0..51 draw nothing.
//   0 dot; 1-3 small plus, cross, star; 4-19 small square, circle, triangles
//   up, down, left and right, diamond, hexagon, each open then solid;
//   20-38 the same as 1-19 in large; 39, 40 horizontal and vertical bar;
//   41-49 large shapes with a plus, cross, dot or ring inside; 50 hourglass;
//   51 bow tie.
void DrawMarkOnCanvas(TCanvas& canvas, int markType, int x, int y);

}  // namespace vyr
