// The progress bar's painting: margin, box, background picture, the bar
// (plain or gradient) with its grid, both frames, then the value text.
// Everything goes to the back canvas, which reaches the screen in one piece.
#include <algorithm>
#include <cmath>

#include "foundation/Frames.h"
#include "foundation/Rounding.h"
#include "foundation/TextPlacement.h"
#include "progbar/ProgBarPrivate.h"

namespace vyr {
namespace {

// The bar as a run of one-pixel slices across the box, counted from where
// the bar starts: columns for the horizontal directions, rows for the
// vertical ones.
struct TBarRun {
  TDirection Direction;
  int L, T, R, B;
  long long Interior;  // the box's length along the bar
  long long Length;    // the bar's length, which may exceed the box
  long long Visible;   // the slices that lie inside the control

  bool Vertical() const { return Direction == diBottomToTop || Direction == diTopToBottom; }

  // Slice k as a line from its first pixel to one past its last.
  void Line(TCanvas& c, long long k) const {
    const int o = int(k);
    switch (Direction) {
      case diBottomToTop: c.MoveTo(L, B - o - 1), c.LineTo(R, B - o - 1); break;
      case diTopToBottom: c.MoveTo(L, T + o), c.LineTo(R, T + o); break;
      case diRightToLeft: c.MoveTo(R - o - 1, T), c.LineTo(R - o - 1, B); break;
      default: c.MoveTo(L + o, T), c.LineTo(L + o, B); break;
    }
  }

  // Slices 0 .. count - 1 as one filled rectangle.
  TRect Span(long long count) const {
    const int n = int(count);
    switch (Direction) {
      case diBottomToTop: return {L, B - n, R, B};
      case diTopToBottom: return {L, T, R, T + n};
      case diRightToLeft: return {R - n, T, R, B};
      default: return {L, T, L + n, B};
    }
  }
};

// The bar's share of the box: 0..1 within the range, beyond 1 past Max,
// negative below Min. A range of no width shows all or nothing; NaN none.
double Fraction(double value, double min, double max) {
  if (std::isnan(value)) return 0;
  if (max == min) return value >= min ? 1 : 0;
  const double f = (value - min) / (max - min);
  return std::isnan(f) ? 0 : f;
}

}  // namespace

void TProgBar::DoPaint() {
  if (!Visible() && !IsDesigning()) return;
  TCanvas& c = Canvas();
  const int w = Width(), h = Height();
  const int l = d->MarginLeft, t = d->MarginTop, r = w - d->MarginRight, b = h - d->MarginBottom;
  c.CopyMode = cmSrcCopy;
  c.Pen = TPen{d->ColorMargin};
  c.Brush = TBrush{d->ColorMargin, bsSolid};
  c.Rectangle(0, 0, w, h);
  if (r > l && b > t) {
    c.Pen.Color = c.Brush.Color = d->ColorBackGnd;
    c.Rectangle(l, t, r, b);
    if (!d->BackGroundImg.isEmpty() && !d->Background.Empty()) c.StretchDraw({l, t, r, b}, d->Background);
    PaintBar(c);
  }
  PaintFrame(c, d->FrameStyleInner, l, t, r, b);
  PaintFrame(c, d->FrameStyleOuter, 0, 0, w, h);
  if (d->TextVisible) PaintText(c);
}

void TProgBar::PaintBar(TCanvas& c) {
  TBarRun run{d->Direction, d->MarginLeft, d->MarginTop, Width() - d->MarginRight, Height() - d->MarginBottom, 0, 0, 0};
  // Only the slices inside the control are drawn, however long the bar.
  switch (run.Direction) {
    case diBottomToTop: run.Interior = run.B - run.T, run.Visible = run.B; break;
    case diTopToBottom: run.Interior = run.B - run.T, run.Visible = Height() - run.T; break;
    case diRightToLeft: run.Interior = run.R - run.L, run.Visible = run.R; break;
    default: run.Interior = run.R - run.L, run.Visible = Width() - run.L; break;
  }
  run.Length = RoundHalfEven(double(run.Interior) * Fraction(d->Value, d->Min, d->Max));
  const long long shown = std::min(run.Length, run.Visible);
  if (shown > 0) {
    if (!d->ShowColorGradient) {
      c.Pen.Color = c.Brush.Color = d->Colors[0];
      c.Rectangle(run.Span(shown));
    } else {
      for (long long k = 0; k < shown; ++k) {
        c.Pen.Color = d->Colors[BarColorIndex(d->ColorMapMode, k, run.Length, run.Interior)];
        run.Line(c, k);
      }
    }
  }
  if (d->GridDist <= 1) return;
  // Across the bar a line every GridDist pixels from its start: the
  // horizontal bars include the slice just past their tip.
  const long long last = std::min(run.Vertical() ? run.Length - 1 : run.Length, run.Visible - 1);
  c.Pen.Color = d->ColorGrid;
  for (long long k = 0; k <= last; k += d->GridDist) run.Line(c, k);
}

// The bevels of the bar: lines over the box's edge, their two far corners
// then set to the margin colour.
void TProgBar::PaintFrame(TCanvas& c, TFrameStyle style, int l, int t, int r, int b) {
  if (style == fsNone || style > fsEtched) return;
  const TLineColors lines = LineColorsOf(d->ColorScheme);
  c.Brush.Style = bsClear;
  auto outline = [&](TColor color, int left, int top, int right, int bottom) {
    c.Pen.Color = color;
    c.Rectangle(left, top, right, bottom);
  };
  auto bevel = [&](TColor upperLeft, TColor lowerRight) {
    c.Pen.Color = upperLeft;
    c.MoveTo(l + 1, b - 3);
    c.LineTo(l + 1, t + 1);
    c.LineTo(r - 1, t + 1);
    c.Pen.Color = lowerRight;
    c.MoveTo(l + 1, b - 1);
    c.LineTo(r - 1, b - 1);
    c.LineTo(r - 1, t);
    outline(lines.Gray, l, t, r - 1, b - 1);
  };
  switch (style) {
    case fsSingle: outline(lines.Gray, l, t, r, b); break;
    case fsLowered: bevel(lines.Black, lines.White); break;
    case fsRaised: bevel(lines.White, lines.Black); break;
    case fsBump:
      outline(lines.Gray, l + 1, t + 1, r, b);
      outline(lines.White, l, t, r - 1, b - 1);
      break;
    default:
      outline(lines.White, l + 1, t + 1, r, b);
      outline(lines.Gray, l, t, r - 1, b - 1);
      break;
  }
  c.Brush.Style = bsSolid;
  if (style == fsSingle) return;
  c.SetPixels(l, b - 1, d->ColorMargin);
  c.SetPixels(r - 1, t, d->ColorMargin);
}

void TProgBar::PaintText(TCanvas& c) {
  const QString text = ValueText();
  c.Font = Font();
  c.Font.Escapement = c.Font.Orientation = d->TextAngle * 10;
  c.Brush.Style = bsClear;
  const TPoint offset = RotatedTextOffset(d->TextAlignment, c.TextWidth(text), c.TextHeight(text), d->TextAngle);
  c.TextOut(TextPosX() + offset.X, TextPosY() + offset.Y, text);
  c.Brush.Style = bsSolid;
}

}  // namespace vyr
