#pragma once
// Colour arithmetic. System colours are resolved to RGB first.
#include "host/Color.h"

namespace vyr {

// Hue in degrees [0, 360), saturation and lightness in 0..1. Greys have hue
// and saturation 0.
void ColorToHSL(TColor color, double& h, double& s, double& l);

// The inverse of ColorToHSL. Hue is taken modulo 360; saturation and
// lightness are clamped to 0..1; NaN counts as 0.
TColor HSLtoColor(double h, double s, double l);

// Perceived brightness 0..255 (0.299 red + 0.587 green + 0.114 blue).
int ColorToGray(TColor color);

// Channel by channel the mean of the two colours.
TColor MeanColor(TColor c1, TColor c2);

}  // namespace vyr
