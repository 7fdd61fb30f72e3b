#include "meter/NeedleLayout.h"

#include <algorithm>

namespace vyr {

template <typename T>
void TNeedleLayout::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Changed();
}

void TNeedleLayout::SetColorBody(TColor value) { Store(FColorFill, value); }
void TNeedleLayout::SetColorOutline(TColor value) { Store(FColorLine, value); }
void TNeedleLayout::SetHeadSize(int value) { Store(FSize1, value); }
void TNeedleLayout::SetThickness(int value) { Store(FThickness, value); }
void TNeedleLayout::SetPercentNeedleLength(int value) { Store(FPctNeedleLeng, std::clamp(value, 0, 100)); }
void TNeedleLayout::SetHeadAngle(int value) { Store(FAngle1, std::clamp(value, 0, 180)); }
void TNeedleLayout::SetHeadMidLeng(int value) { Store(FBackShift1, value); }
void TNeedleLayout::SetShadowDx(int value) { Store(FShadowDx, value); }
void TNeedleLayout::SetShadowDy(int value) { Store(FShadowDy, value); }
void TNeedleLayout::SetShadowColor(TColor value) { Store(FShadowColor, value); }
void TNeedleLayout::SetVisible(bool value) { Store(FVisible, value); }

void TNeedleLayout::Assign(const TNeedleLayout& source) {
  if (&source == this) return;
  FColorFill = source.FColorFill;
  FColorLine = source.FColorLine;
  FSize1 = source.FSize1;
  FThickness = source.FThickness;
  FPctNeedleLeng = source.FPctNeedleLeng;
  FAngle1 = source.FAngle1;
  FBackShift1 = source.FBackShift1;
  FShadowDx = source.FShadowDx;
  FShadowDy = source.FShadowDy;
  FShadowColor = source.FShadowColor;
  FVisible = source.FVisible;
  Changed();
}

void TNeedleLayout::Changed() { Raise(OnChange, this); }

}  // namespace vyr
