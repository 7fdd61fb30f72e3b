// TNumIO2's layout, colour, spin-button, gauge and behaviour properties.
// Each setter ignores a write of the stored value, keeps the value within
// its limits, stores it and repaints.
#include <algorithm>
#include <cmath>

#include "host/EnumClamp.h"
#include "numio/NumIO2Private.h"

namespace vyr {
namespace {

constexpr int kMaxButWidth = 50;
constexpr int kMinButWidth = 8;
constexpr int kMaxButSpace = 50;
constexpr int kMinGaugeWidth = 10;
constexpr int kMinGaugeHeight = 3;

bool IsFrameStyle(TFrameStyle s) { return s <= fsEtched; }
bool IsAlignment(TAlignment a) { return a == taLeftJustify || a == taRightJustify || a == taCenter; }

}  // namespace

template <typename T>
void TNumIO2::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Paint();
}

// --- Layout and colours ---
// Limits that depend on the size are applied by Loaded when a form loads.

int TNumIO2::FitLeftSpace(int value) const { return std::min(value, Width()); }

int TNumIO2::LeftSpace() const { return d->FLeftSpace; }
void TNumIO2::SetLeftSpace(int value) {
  if (value < 0 || value == d->FLeftSpace) return;
  Store(d->FLeftSpace, IsLoading() ? value : FitLeftSpace(value));
}

int TNumIO2::TextBoxWidth() const { return d->FTextBoxWidth; }
void TNumIO2::SetTextBoxWidth(int value) { Store(d->FTextBoxWidth, std::clamp(value, 0, kMaxTextBoxWidth)); }
QString TNumIO2::LeftText() const { return d->FLeftText; }
void TNumIO2::SetLeftText(const QString& value) { Store(d->FLeftText, value); }
QString TNumIO2::RightText() const { return d->FRightText; }
void TNumIO2::SetRightText(const QString& value) { Store(d->FRightText, value); }

TAlignment TNumIO2::Alignment() const { return d->FAlignment; }
void TNumIO2::SetAlignment(TAlignment value) {
  if (IsAlignment(value)) Store(d->FAlignment, value);
}
TAlignment TNumIO2::LeftTextAlignment() const { return d->FLTAlignment; }
void TNumIO2::SetLeftTextAlignment(TAlignment value) {
  if (IsAlignment(value)) Store(d->FLTAlignment, value);
}
TAlignment TNumIO2::RightTextAlignment() const { return d->FRTAlignment; }
void TNumIO2::SetRightTextAlignment(TAlignment value) {
  if (IsAlignment(value)) Store(d->FRTAlignment, value);
}
TFrameStyle TNumIO2::FrameStyle() const { return d->FFrameStyle; }
void TNumIO2::SetFrameStyle(TFrameStyle value) {
  if (IsFrameStyle(value)) Store(d->FFrameStyle, value);
}

TColorScheme TNumIO2::ColorScheme() const { return d->FColorScheme; }
void TNumIO2::SetColorScheme(TColorScheme value) {
  value = ClampEnum(value, csFixed, csSystem);
  if (value == d->FColorScheme) return;
  d->FColorScheme = value;
  d->FLines = LineColorsOf(value);
  Paint();
}

TColor TNumIO2::ColorBoxBG() const { return d->FColorBoxBG; }
void TNumIO2::SetColorBoxBG(TColor value) { Store(d->FColorBoxBG, value); }
TColor TNumIO2::ColorBoxText() const { return d->FColorBoxText; }
void TNumIO2::SetColorBoxText(TColor value) { Store(d->FColorBoxText, value); }
TColor TNumIO2::ColorOutBG() const { return d->FColorOutBG; }
void TNumIO2::SetColorOutBG(TColor value) { Store(d->FColorOutBG, value); }
TColor TNumIO2::ColorOutText() const { return d->FColorOutText; }
void TNumIO2::SetColorOutText(TColor value) { Store(d->FColorOutText, value); }
TColor TNumIO2::ColorWarnBG() const { return d->FColorWarnBG; }
void TNumIO2::SetColorWarnBG(TColor value) { Store(d->FColorWarnBG, value); }
TColor TNumIO2::ColorWarnText() const { return d->FColorWarnTxt; }
void TNumIO2::SetColorWarnText(TColor value) { Store(d->FColorWarnTxt, value); }

// --- Spin buttons ---

bool TNumIO2::ButVisible() const { return d->FButVisible; }
void TNumIO2::SetButVisible(bool value) { Store(d->FButVisible, value); }
bool TNumIO2::But3D() const { return d->FBut3D; }
void TNumIO2::SetBut3D(bool value) { Store(d->FBut3D, value); }

int TNumIO2::ButWidth() const { return d->FButWidth; }
void TNumIO2::SetButWidth(int value) {
  if (value != d->FButWidth) Store(d->FButWidth, std::clamp(value, kMinButWidth, kMaxButWidth));
}

int TNumIO2::FitButHeight(int value) const { return std::min(std::max(value, kMinHeight), Height()); }

int TNumIO2::ButHeight() const { return d->FButHeight; }
void TNumIO2::SetButHeight(int value) {
  if (value != d->FButHeight) Store(d->FButHeight, IsLoading() ? value : FitButHeight(value));
}

int TNumIO2::ButSpace() const { return d->FButSpace; }
void TNumIO2::SetButSpace(int value) {
  if (value != d->FButSpace) Store(d->FButSpace, std::clamp(value, 0, kMaxButSpace));
}

TColor TNumIO2::ButColor() const { return d->FButColor; }
void TNumIO2::SetButColor(TColor value) { Store(d->FButColor, value); }

double TNumIO2::ButIncrem() const { return d->FButIncrem; }
void TNumIO2::SetButIncrem(double value) {
  if (std::isfinite(value)) Store(d->FButIncrem, value);
}

// --- Gauge ---

bool TNumIO2::GaugeVisible() const { return d->FGaugeVisib; }
void TNumIO2::SetGaugeVisible(bool value) { Store(d->FGaugeVisib, value); }

int TNumIO2::FitGaugeHeight(int value) const {
  return std::max(std::min(value, Height() - d->FGaugeTopMarg - kMinHeight), kMinGaugeHeight);
}
int TNumIO2::FitGaugeWidth(int value) const {
  return std::max(std::min(std::max(value, kMinGaugeWidth), Width() - d->FGaugeLeftMarg), 0);
}
int TNumIO2::FitGaugeLeftMargin(int value) const { return std::max(std::min(value, Width() - d->FGaugeWidth), 0); }
int TNumIO2::FitGaugeTopMargin(int value) const {
  return std::max(std::min(value, Height() - d->FGaugeHeight - kMinHeight), 0);
}

int TNumIO2::GaugeHeight() const { return d->FGaugeHeight; }
void TNumIO2::SetGaugeHeight(int value) {
  if (value != d->FGaugeHeight) Store(d->FGaugeHeight, IsLoading() ? value : FitGaugeHeight(value));
}
int TNumIO2::GaugeWidth() const { return d->FGaugeWidth; }
void TNumIO2::SetGaugeWidth(int value) {
  if (value != d->FGaugeWidth) Store(d->FGaugeWidth, IsLoading() ? value : FitGaugeWidth(value));
}
int TNumIO2::GaugeLeftMargin() const { return d->FGaugeLeftMarg; }
void TNumIO2::SetGaugeLeftMargin(int value) {
  if (value != d->FGaugeLeftMarg) Store(d->FGaugeLeftMarg, IsLoading() ? value : FitGaugeLeftMargin(value));
}
int TNumIO2::GaugeTopMargin() const { return d->FGaugeTopMarg; }
void TNumIO2::SetGaugeTopMargin(int value) {
  if (value != d->FGaugeTopMarg) Store(d->FGaugeTopMarg, IsLoading() ? value : FitGaugeTopMargin(value));
}

TColor TNumIO2::GaugeColor() const { return d->FGaugeColor; }
void TNumIO2::SetGaugeColor(TColor value) { Store(d->FGaugeColor, value); }
TColor TNumIO2::GaugeColorBg() const { return d->FGaugeColorBg; }
void TNumIO2::SetGaugeColorBg(TColor value) { Store(d->FGaugeColorBg, value); }
TColor TNumIO2::GaugeColorFrame() const { return d->FGaugeColorFrm; }
void TNumIO2::SetGaugeColorFrame(TColor value) { Store(d->FGaugeColorFrm, value); }
TFrameStyle TNumIO2::GaugeFrameStyle() const { return d->FGaugeFrameSt; }
void TNumIO2::SetGaugeFrameStyle(TFrameStyle value) {
  if (IsFrameStyle(value)) Store(d->FGaugeFrameSt, value);
}

// --- Behaviour and size ---

bool TNumIO2::HideSelection() const { return d->FHideSel; }
void TNumIO2::SetHideSelection(bool value) { Store(d->FHideSel, value); }
bool TNumIO2::AutoSize() const { return d->FAutoSize; }
void TNumIO2::SetAutoSize(bool value) {
  // Only AutoSize may make the field lower than kMinHeight.
  setMinimumHeight(value ? 0 : kMinHeight);
  Store(d->FAutoSize, value);
}
bool TNumIO2::Beep() const { return d->FBeep; }
void TNumIO2::SetBeep(bool value) { Store(d->FBeep, value); }

void TNumIO2::SetEnabled(bool value) {
  d->FEnabled = value;
  TCustomControl::SetEnabled(value);
  Refresh();
}

// Keeps the mirror in step when Qt changes the state (a parent disabled).
void TNumIO2::EnabledChanged() {
  if (d->FEnabled == isEnabled()) return;
  d->FEnabled = isEnabled();
  Paint();
}

void TNumIO2::SetBounds(int left, int top, int width, int height) {
  height = std::max(height, kMinHeight);
  if (height < d->FButHeight) d->FButHeight = height;
  const bool resized = width != Width() || height != Height();
  TCustomControl::SetBounds(left, top, width, height);
  if (resized) Paint();
}

}  // namespace vyr
