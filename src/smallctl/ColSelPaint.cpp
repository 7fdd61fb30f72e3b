// Drawing one item of the colour selector: the colour bar (with the edit
// marker of an editable entry) and the name beside it.
#include <algorithm>
#include <cmath>

#include "smallctl/ColSelPrivate.h"

namespace vyr {
namespace {

constexpr TColor kDisabledFace = 0xC0C0C0;
constexpr TColor kDisabledInk = 0x808080;

// Black on light colours, white on dark ones, green weighing double.
TColor MarkerPen(TColor color) {
  const TColor rgb = ColorToRGB(color);
  const double r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
  return std::sqrt(r * r + b * b + 2 * g * g) / 2 > 180 ? clBlack : clWhite;
}

}  // namespace

void TColSel::DrawItem(TCanvas& c, int Index, const TRect& Rect, TOwnerDrawState State) {
  const int entry = Index + 1;
  const bool enabled = Enabled() && !(State & odDisabled);
  const bool highlighted = enabled && (State & odSelected);
  const TBrush savedBrush = c.Brush;
  const TColor savedFontColor = c.Font.Color;
  c.FillRect(Rect);  // the prepared background: highlight or Color
  // A bar wider than the item is drawn as wide as the item: nothing beyond
  // it is seen, and the edges stay in range for any ColorBarWidth.
  const int bar = std::min(d->ColorBarWidth, std::max(Rect.Width(), 0));
  if (bar > 0) DrawColorBar(c, entry, Rect, bar);
  if (highlighted) {
    c.Brush = savedBrush;
  } else {
    c.Font.Color = enabled ? clBlack : kDisabledInk;
    c.Brush = TBrush{enabled ? Color() : kDisabledFace, bsSolid};
  }
  const QString name = GetArrayColorName(entry);
  const TRect text{Rect.Left + bar + 3, Rect.Top, Rect.Right, Rect.Bottom};
  c.TextRect(text, Rect.Left + bar + 6, Rect.Top + (Rect.Height() - c.TextHeight(name)) / 2, name);
  c.Brush = savedBrush;
  c.Font.Color = savedFontColor;
}

void TColSel::DrawColorBar(TCanvas& c, int entry, const TRect& r, int w) {
  const int L = r.Left, T = r.Top, B = r.Bottom;
  const bool enabled = Enabled();
  c.Pen = TPen{clBlack};
  if (enabled) {
    c.Brush = TBrush{GetArrayColor(entry), bsSolid};
  } else {
    c.Pen = TPen{kDisabledFace};
    c.Brush = TBrush{kDisabledFace, bsSolid};
    c.Rectangle(L - 1, T - 1, L + w + 3, B + 1);
    c.Pen = TPen{kDisabledInk};
  }
  c.Rectangle(L + 3, T + 2, L + w + 3, B - 2);
  if (!GetArrayAllowEdit(entry) || w <= 11 || !enabled) return;
  c.Pen = TPen{MarkerPen(GetArrayColor(entry))};
  c.MoveTo(L + 5, T + 4);
  c.LineTo(L + 5, B - 5);
  c.LineTo(L + 8, B - 5);
  c.LineTo(L + 11, B - 8);
  c.LineTo(L + 11, T + 7);
  c.LineTo(L + 8, T + 4);
  c.LineTo(L + 5, T + 4);
  c.Pen = TPen{clBlack};
}

}  // namespace vyr
