#pragma once
// Frames and outlines around rectangles given by inclusive corners: the
// right and bottom coordinates are the frame's last column and row.
#include "foundation/CoreTypes.h"
#include "host/Canvas.h"

namespace vyr {

// The frame of the given style on the edge of the box (left, top) ..
// (right, bottom), drawn in one-pixel lines of the five colours only; the
// inside is left alone. Corners may come in either order. The canvas's pen
// and pen position are kept. Two-line styles put their second ring one pixel
// inside the first. In each ring the bottom and right lines run the full
// length, so the top-right and bottom-left corners take their colour.
//   fsSingle:  line
//   fsLowered: outer ring shadow (top, left) / highlight (bottom, right),
//              inner ring darkShadow / light
//   fsRaised:  outer ring light / darkShadow, inner ring highlight / shadow
//   fsBump:    outer ring highlight / shadow, inner ring shadow / highlight
//   fsEtched:  outer ring shadow / highlight, inner ring highlight / shadow
// fsNone and ordinals above 5 draw nothing.
void DrawFrame(TCanvas& canvas, TFrameStyle style, int left, int top, int right, int bottom, TColor highlight,
               TColor light, TColor shadow, TColor darkShadow, TColor line);

// The outline of the box (left, top) .. (right, bottom) in the canvas's pen;
// corners may come in either order. The pen ends at (left, top).
void DrawRectangle(TCanvas& canvas, int left, int top, int right, int bottom);

// Frame line colours of a colour scheme.
struct TLineColors {
  TColor Black;
  TColor Gray;
  TColor White;
};
TLineColors LineColorsOf(TColorScheme scheme);

}  // namespace vyr
