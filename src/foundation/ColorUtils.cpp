#include "foundation/ColorUtils.h"

#include "foundation/Rounding.h"

#include <algorithm>
#include <cmath>

namespace vyr {

namespace {

// Rounds to the nearest integer, halves to even, and keeps it a channel value.
int ToChannel(double v) { return std::clamp(RoundHalfEven(v), 0, 255); }

double Clean(double v) { return std::isnan(v) ? 0.0 : v; }

// One channel of an HSL colour: t is the hue offset in sixths of the circle.
double HueToChannel(double p, double q, double t) {
  if (t < 0) t += 6;
  if (t >= 6) t -= 6;
  if (t < 1) return p + (q - p) * t;
  if (t < 3) return q;
  if (t < 4) return p + (q - p) * (4 - t);
  return p;
}

}  // namespace

void ColorToHSL(TColor color, double& h, double& s, double& l) {
  TColor rgb = ColorToRGB(color);
  double r = GetRValue(rgb) / 255.0, g = GetGValue(rgb) / 255.0, b = GetBValue(rgb) / 255.0;
  double high = std::max({r, g, b}), low = std::min({r, g, b});
  double delta = high - low;
  l = (high + low) / 2;
  if (delta == 0) {
    h = 0;
    s = 0;
    return;
  }
  s = l <= 0.5 ? delta / (high + low) : delta / (2 - high - low);
  double sixths;
  if (high == r)
    sixths = (g - b) / delta;
  else if (high == g)
    sixths = 2 + (b - r) / delta;
  else
    sixths = 4 + (r - g) / delta;
  h = sixths * 60;
  if (h < 0) h += 360;
}

TColor HSLtoColor(double h, double s, double l) {
  h = Clean(std::fmod(h, 360.0));
  if (h < 0) h += 360;
  s = std::clamp(Clean(s), 0.0, 1.0);
  l = std::clamp(Clean(l), 0.0, 1.0);
  double q = l <= 0.5 ? l * (1 + s) : l + s - l * s;
  double p = 2 * l - q;
  double t = h / 60;
  return RGB(ToChannel(255 * HueToChannel(p, q, t + 2)), ToChannel(255 * HueToChannel(p, q, t)),
             ToChannel(255 * HueToChannel(p, q, t - 2)));
}

int ColorToGray(TColor color) {
  TColor rgb = ColorToRGB(color);
  return ToChannel(0.299 * GetRValue(rgb) + 0.587 * GetGValue(rgb) + 0.114 * GetBValue(rgb));
}

TColor MeanColor(TColor c1, TColor c2) {
  TColor a = ColorToRGB(c1), b = ColorToRGB(c2);
  return RGB(ToChannel((GetRValue(a) + GetRValue(b)) / 2.0), ToChannel((GetGValue(a) + GetGValue(b)) / 2.0),
             ToChannel((GetBValue(a) + GetBValue(b)) / 2.0));
}

}  // namespace vyr
