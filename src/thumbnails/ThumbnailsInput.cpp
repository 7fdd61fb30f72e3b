// The thumbnail strip's mouse, wheel and keys: the focus frame follows the
// pointer or the arrow keys, clicks and keys select, the wheel and the
// paging keys scroll.
#include <QPointer>
#include <algorithm>
#include <cmath>

#include "host/KeyCodes.h"
#include "thumbnails/ThumbnailsPrivate.h"

namespace vyr {
namespace {

// One wheel notch scrolls a third of a row.
constexpr double kRowsPerNotch = 1.0 / 3.0;
constexpr int kNotch = 120;

}  // namespace

// Handlers may destroy the strip: after each event raised, the work that
// follows runs only while the strip is still there.

// A double click arrives as DblClick, then as a press flagged ssDouble that
// brings its place.
void TThumbnails::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const QPointer<TThumbnails> self(this);
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (!self) return;
  const bool dbl = d->DblClickPending && (Shift & ssDouble);
  d->DblClickPending = false;
  if (dbl) Raise(OnImageDblClick, this, X, Y, CalcSlideIndex(X, Y));
}

void TThumbnails::MouseMove(TShiftState Shift, int X, int Y) {
  const QPointer<TThumbnails> self(this);
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!self || d->FocusLinewidth == 0) return;
  MoveFocusTo(CalcSlideIndex(X, Y));
}

// The frame the keys put on a slide stays while the control has the focus.
void TThumbnails::MouseLeave() {
  const QPointer<TThumbnails> self(this);
  TGraphicControl::MouseLeave();
  if (!self || d->FocusLinewidth == 0 || Focused()) return;
  MoveFocusTo(0);
}

void TThumbnails::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const QPointer<TThumbnails> self(this);
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!self || Button != mbLeft || (X == -1 && Y == -1)) return;
  const int slide = CalcSlideIndex(X, Y);
  if (SelectByClick(slide, Shift)) SelectionChanged();
  if (self) Raise(OnImageClick, this, X, Y, slide);
}

void TThumbnails::DblClick() {
  const QPointer<TThumbnails> self(this);
  TGraphicControl::DblClick();
  if (self) d->DblClickPending = true;
}

void TThumbnails::SelectionChanged() {
  const QPointer<TThumbnails> self(this);
  Repaint();
  if (self) Raise(OnSelectionChange, this);
}

bool TThumbnails::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  const QPointer<TThumbnails> self(this);
  if (TGraphicControl::DoMouseWheel(Shift, WheelDelta, MousePos) || !self || WheelDelta == 0) return true;
  ScrollRows(-double(WheelDelta) / kNotch * kRowsPerNotch);
  if (self && d->FocusLinewidth != 0) MoveFocusTo(CalcSlideIndex(MousePos.X, MousePos.Y));
  return true;
}

// Scrolls by rows, down no further than the last row resting on the bottom
// margin (or than the grid already is, when FirstThumbIdx took it further).
void TThumbnails::ScrollRows(double rows) {
  const TThumbGeometry g = d->Geometry(Width(), Height());
  const double now = g.ScrollPixels();
  const double last = std::max({g.RestingScroll(g.RowOf(d->Max)), 0.0, now});
  const double pixels = std::clamp(now + rows * g.Pitch(), 0.0, last);
  SetFirstThumbIdx(g.FirstForScroll(pixels));
}

void TThumbnails::ScrollToSlide(int SldNum) {
  if (SldNum < d->Min || SldNum > d->Max) return;
  const TThumbGeometry g = d->Geometry(Width(), Height());
  const long long row = g.RowOf(SldNum);
  const double rowTop = double(row) * g.Pitch();
  const double now = g.ScrollPixels();
  // The row's top shows from scroll rowTop + d down, its bottom from
  // scroll lowest up.
  const double lowest = g.RestingScroll(row);
  double pixels = now;
  if (now > rowTop + g.Distance)
    pixels = rowTop;
  else if (now < lowest)
    pixels = std::min(lowest, rowTop);
  if (pixels != now) SetFirstThumbIdx(g.FirstForScroll(pixels));
}

bool TThumbnails::ShowKeySlide(int slide) {
  const QPointer<TThumbnails> self(this);
  ScrollToSlide(slide);
  if (self) MoveFocusTo(slide);
  return bool(self);
}

void TThumbnails::MoveByKey(int slide, TShiftState Shift) {
  if (!ShowKeySlide(slide) || (d->SelectMode == ssmMultiple && (Shift & ssCtrl))) return;
  if (SelectByClick(slide, Shift)) SelectionChanged();
}

// Space and Enter act on the framed slide as a click and a double click
// would, reporting the slide's centre.
void TThumbnails::ClickByKey(int slide, bool dbl, TShiftState Shift) {
  const QPointer<TThumbnails> self(this);
  if (!ShowKeySlide(slide)) return;
  if (!dbl && SelectByClick(slide, Shift)) SelectionChanged();
  if (!self) return;
  int x = 0, y = 0;
  CalcSlidePos(slide, x, y);
  const int centre = d->Geometry(Width(), Height()).Extent() / 2;
  Raise(dbl ? OnImageDblClick : OnImageClick, this, x + centre, y + centre, slide);
}

void TThumbnails::KeyDown(quint16& Key, TShiftState Shift) {
  const QPointer<TThumbnails> self(this);
  TGraphicControl::KeyDown(Key, Shift);
  if (!self) return;
  const TThumbGeometry g = d->Geometry(Width(), Height());
  const int from = d->FocusedSlide != 0 ? d->FocusedSlide : std::clamp(g.FirstOfTopRow(), d->Min, d->Max);
  const long long page = 1LL * std::max(1, (Height() - 2 * kMargin) / g.Pitch()) * g.NumHoriz;
  long long to = from;
  switch (Key) {
    case VK_LEFT: to = from - 1LL; break;
    case VK_RIGHT: to = from + 1LL; break;
    case VK_UP: to = 0LL + from - g.NumHoriz; break;
    case VK_DOWN: to = 0LL + from + g.NumHoriz; break;
    case VK_PRIOR: to = from - page; break;
    case VK_NEXT: to = from + page; break;
    case VK_HOME: to = d->Min; break;
    case VK_END: to = d->Max; break;
    case VK_SPACE:
    case VK_RETURN:
      ClickByKey(from, Key == VK_RETURN, Shift);
      Key = 0;
      return;
    default: return;
  }
  Key = 0;
  MoveByKey(int(std::clamp<long long>(to, d->Min, d->Max)), Shift);
}

}  // namespace vyr
