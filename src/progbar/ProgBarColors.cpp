// The progress bar's colour table: its two ends, the blend between them and
// the way a gradient bar picks its entries.
#include <algorithm>
#include <cmath>

#include "foundation/Rounding.h"
#include "progbar/ProgBarPrivate.h"

namespace vyr {
namespace {

constexpr int kLastColor = kProgBarColorCount - 1;

}  // namespace

TColor BlendColor(TColor a, TColor b, double t) {
  t = std::isnan(t) ? 0.0 : std::clamp(t, 0.0, 1.0);
  a = ColorToRGB(a);
  b = ColorToRGB(b);
  auto channel = [t](int ca, int cb) { return int(std::trunc(ca + (cb - ca) * t)); };
  return RGB(channel(GetRValue(a), GetRValue(b)), channel(GetGValue(a), GetGValue(b)),
             channel(GetBValue(a), GetBValue(b)));
}

int BarColorIndex(TColorMapping mode, long long k, long long n, long long m) {
  auto scaled = [](long long i, long long length) {
    return length > 0 ? RoundHalfEven(double(i) * kLastColor / double(length)) : 0;
  };
  int c = 0;
  switch (mode) {
    case cgmCover: c = scaled(k, m); break;
    case cgmStretch: c = scaled(k, n); break;
    case cgmMove: c = scaled(k, m) - scaled(n - 1, m) + kLastColor; break;
  }
  return std::clamp(c, 0, kLastColor);
}

void TProgBar::RefillColorTable() {
  const TColor first = d->Colors[0], last = d->Colors[kLastColor];
  for (int i = 1; i < kLastColor; ++i) d->Colors[i] = BlendColor(first, last, double(i) / kLastColor);
}

TColor TProgBar::ColorMin() const { return d->Colors[0]; }
void TProgBar::SetColorMin(TColor value) {
  if (value == d->Colors[0]) return;
  d->Colors[0] = value;
  RefillColorTable();
  Repaint();
}

TColor TProgBar::ColorMax() const { return d->Colors[kLastColor]; }
void TProgBar::SetColorMax(TColor value) {
  if (value == d->Colors[kLastColor]) return;
  d->Colors[kLastColor] = value;
  RefillColorTable();
  Repaint();
}

TColor TProgBar::GetBarColorElem(int index) const {
  return index >= 0 && index < kProgBarColorCount ? d->Colors[index] : TColor(0);
}

void TProgBar::SetBarColorElem(int index, TColor value) {
  if (index >= 0 && index < kProgBarColorCount) d->Colors[index] = value;
}

}  // namespace vyr
