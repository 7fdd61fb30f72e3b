// The mark selector's mouse and keys: the highlight follows the pointer or
// the arrow keys; a click, a double click, Enter or Space picks a mark.
#include <QPointer>

#include "host/KeyCodes.h"
#include "smallctl/MarkSelPrivate.h"

namespace vyr {

void TMarkSel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  d->LastDown = {X, Y};
}

void TMarkSel::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  const int mark = MarkAt(X, Y);
  if (mark == d->LastHiLite && d->HiLiteShown) return;
  ResetLastHiLite();
  HiLite(mark);
}

void TMarkSel::MouseLeave() {
  TGraphicControl::MouseLeave();
  ResetLastHiLite();
}

void TMarkSel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || (X == -1 && Y == -1)) return;
  PickMark(MarkAt(X, Y), X, Y, OnMarkClick);
}

// The double click comes at the place of the press that made it.
void TMarkSel::DblClick() {
  TGraphicControl::DblClick();
  const TPoint at = d->LastDown;
  if (at.X == -1 && at.Y == -1) return;
  PickMark(MarkAt(at.X, at.Y), at.X, at.Y, OnMarkDblClick);
}

// The handler runs from a copy, so it may replace the stored one; it may
// also free the selector, which is then left alone.
void TMarkSel::PickMark(int mark, int x, int y, const TMarkClickEvent& event) {
  d->Selected = mark;
  const QPointer<TMarkSel> self(this);
  if (const TMarkClickEvent handler = event) handler(this, x, y, mark);
  if (!self) return;
  d->HiLiteShown = false;
  Paint();
  HiLite(mark);
}

void TMarkSel::KeyDown(quint16& Key, TShiftState Shift) {
  TGraphicControl::KeyDown(Key, Shift);
  const TMarkLayout l = LayOutMarks(Width(), Height(), d->NrCols, d->NrRows, d->MarkVis);
  // The place of the highlighted mark among the marks shown in the grid.
  const int cells = std::min(l.Shown, d->NrCols * d->NrRows);
  int place = 0;
  while (place < l.Shown && l.Order[std::size_t(place)] != d->LastHiLite) ++place;
  if (place >= cells) place = 0;
  int to = place;
  switch (Key) {
    case VK_LEFT: to = place - 1; break;
    case VK_RIGHT: to = place + 1; break;
    case VK_UP: to = place - d->NrCols; break;
    case VK_DOWN: to = place + d->NrCols; break;
    case VK_RETURN:
    case VK_SPACE: {
      const int mark = l.Order[std::size_t(place)];
      const TPoint at = l.Coords[std::size_t(mark)];
      PickMark(mark, at.X, at.Y, OnMarkClick);
      Key = 0;
      return;
    }
    default: return;
  }
  Key = 0;
  if (to < 0 || to >= cells) to = place;
  ResetLastHiLite();
  HiLite(l.Order[std::size_t(to)]);
}

}  // namespace vyr
