// TNumIO2's value model: construction, properties, conversions between the
// buffer and numbers, validity, range and copying.
#include <algorithm>
#include <cmath>

#include "foundation/Frames.h"
#include "foundation/StringUtils.h"
#include "host/ControlRegistry.h"
#include "numio/Vyr_NumIO.h"

VYR_REGISTER_CONTROL(TNumIO2, "numio/Vyr_NumIO.h")

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

TNumIO2::TNumIO2(QWidget* AOwner) : TCustomControl(AOwner), FCaretTimer([this](unsigned) { CaretTimerEvent(); }) {
  // 160 by 28 pixels; the buttons start as high as the field.
  setMinimumHeight(kMinHeight);
  TCustomControl::SetBounds(Left(), Top(), 160, FButHeight);
  UpdateTimer();
  FSuppressPaint = false;
  Invalidate();
}

template <typename T>
void TNumIO2::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Paint();
}

// --- Value model ---

double TNumIO2::Value() const { return InFormatValue(FInBuffer, FInputFormat); }

TInTextStyle TNumIO2::TextStyle() const { return {FInputFormat, FDecPSep, FDecP, FSigDig}; }

void TNumIO2::SetValue(double value) {
  if (!std::isfinite(value)) return;
  FWrittenValue = value;
  FWrittenText = InFormatText(value, TextStyle());
  FInBuffer = FWrittenText;
  KeepCaretInBuffer();
  Paint();
}

double TNumIO2::ValueToRerender() const {
  return !FWrittenText.isEmpty() && FInBuffer == FWrittenText ? FWrittenValue : Value();
}

void TNumIO2::KeepCaretInBuffer() {
  const int length = int(FInBuffer.size());
  FCaretPos = std::clamp(FCaretPos, 0, length);
  FSelEnd = std::clamp(FSelEnd, 0, length);
  FSelBegin = std::clamp(FSelBegin, 0, FSelEnd);
}

int TNumIO2::IntegerValue() const {
  const double v = Value();
  if (v > 2147483647.0 || v < -2147483648.0)
    throw EVyrNumIO2Error(ComponentMessage(Name(), QStringLiteral("integer overflow")));
  return int(std::nearbyint(v));
}

void TNumIO2::SetText(const QString& value) {
  if (!value.isEmpty() && !CheckValidity(value)) return;
  FInBuffer = value;
  FCaretPos = FSelBegin = FSelEnd = 0;
  Paint();
}

bool TNumIO2::CheckValidity(const QString& Instring) const {
  return Instring.size() <= kMaxTextLength && IsInFormatText(Instring, TextStyle());
}

bool TNumIO2::OutOfRange() const {
  const double v = Value();
  return v < FMinimum || v > FMaximum;
}

void TNumIO2::Changed() { Raise(OnChange, this); }

void TNumIO2::SetInputFormat(TInFormat value) {
  if (value == FInputFormat || value > itDynamic) return;
  const double v = ValueToRerender();
  FInputFormat = value;
  SetValue(v);
}

void TNumIO2::SetDecPlaceSep(TDecPSep value) {
  if (value == FDecPSep || value > dsBoth) return;
  if (value != dsBoth) {
    const QChar from = SeparatorCharOf(FDecPSep), to = SeparatorCharOf(value);
    auto convert = [&](QString text) {
      if (FDecPSep == dsBoth) return ReplaceCharInString(ReplaceCharInString(std::move(text), u'.', to), u',', to);
      return from == to ? text : ReplaceCharInString(std::move(text), from, to);
    };
    FInBuffer = convert(FInBuffer);
    FWrittenText = convert(FWrittenText);
  }
  FDecPSep = value;
  Paint();
}

void TNumIO2::SetFixPointDecPlaces(int value) {
  if (value <= 0 || value == FDecP) return;
  const double v = ValueToRerender();
  FDecP = std::min(value, kMaxDigits);
  SetValue(v);
}

void TNumIO2::SetSignificantDigits(int value) {
  if (value <= 0 || value == FSigDig) return;
  const double v = ValueToRerender();
  FSigDig = std::min(value, kMaxDigits);
  SetValue(v);
}

// While a form loads, the range ends are only stored; Loaded puts them in order.
void TNumIO2::SetRangeLow(double value) {
  if (!std::isfinite(value) || value == FMinimum) return;
  FMinimum = value;
  if (!IsLoading() && FMaximum < FMinimum) FMaximum = FMinimum;
  Paint();
}

void TNumIO2::SetRangeHigh(double value) {
  if (!std::isfinite(value) || value == FMaximum) return;
  FMaximum = value;
  if (!IsLoading() && FMinimum > FMaximum) FMinimum = FMaximum;
  Paint();
}

// --- Layout and colours ---
// Limits that depend on the size are applied by Loaded when a form loads.

int TNumIO2::FitLeftSpace(int value) const { return std::min(value, Width()); }

void TNumIO2::SetLeftSpace(int value) {
  if (value < 0 || value == FLeftSpace) return;
  Store(FLeftSpace, IsLoading() ? value : FitLeftSpace(value));
}

void TNumIO2::SetTextBoxWidth(int value) { Store(FTextBoxWidth, std::clamp(value, 0, kMaxTextBoxWidth)); }
void TNumIO2::SetLeftText(const QString& value) { Store(FLeftText, value); }
void TNumIO2::SetRightText(const QString& value) { Store(FRightText, value); }

void TNumIO2::SetAlignment(TAlignment value) {
  if (IsAlignment(value)) Store(FAlignment, value);
}
void TNumIO2::SetLeftTextAlignment(TAlignment value) {
  if (IsAlignment(value)) Store(FLTAlignment, value);
}
void TNumIO2::SetRightTextAlignment(TAlignment value) {
  if (IsAlignment(value)) Store(FRTAlignment, value);
}
void TNumIO2::SetFrameStyle(TFrameStyle value) {
  if (IsFrameStyle(value)) Store(FFrameStyle, value);
}

void TNumIO2::SetColorScheme(TColorScheme value) {
  if (value == FColorScheme) return;
  FColorScheme = value;
  const TLineColors lines = LineColorsOf(value);
  FColBlackLine = lines.Black;
  FColGrayLine = lines.Gray;
  FColWhiteLine = lines.White;
  Paint();
}

void TNumIO2::SetColorBoxBG(TColor value) { Store(FColorBoxBG, value); }
void TNumIO2::SetColorBoxText(TColor value) { Store(FColorBoxText, value); }
void TNumIO2::SetColorOutBG(TColor value) { Store(FColorOutBG, value); }
void TNumIO2::SetColorOutText(TColor value) { Store(FColorOutText, value); }
void TNumIO2::SetColorWarnBG(TColor value) { Store(FColorWarnBG, value); }
void TNumIO2::SetColorWarnText(TColor value) { Store(FColorWarnTxt, value); }

// --- Spin buttons ---

void TNumIO2::SetButVisible(bool value) { Store(FButVisible, value); }
void TNumIO2::SetBut3D(bool value) { Store(FBut3D, value); }

void TNumIO2::SetButWidth(int value) {
  if (value != FButWidth) Store(FButWidth, std::clamp(value, kMinButWidth, kMaxButWidth));
}

int TNumIO2::FitButHeight(int value) const { return std::min(std::max(value, kMinHeight), Height()); }

void TNumIO2::SetButHeight(int value) {
  if (value != FButHeight) Store(FButHeight, IsLoading() ? value : FitButHeight(value));
}

void TNumIO2::SetButSpace(int value) {
  if (value != FButSpace) Store(FButSpace, std::clamp(value, 0, kMaxButSpace));
}

void TNumIO2::SetButColor(TColor value) { Store(FButColor, value); }

void TNumIO2::SetButIncrem(double value) {
  if (std::isfinite(value)) Store(FButIncrem, value);
}

// --- Gauge ---

void TNumIO2::SetGaugeVisible(bool value) { Store(FGaugeVisib, value); }

int TNumIO2::FitGaugeHeight(int value) const {
  return std::max(std::min(value, Height() - FGaugeTopMarg - kMinHeight), kMinGaugeHeight);
}
int TNumIO2::FitGaugeWidth(int value) const {
  return std::max(std::min(std::max(value, kMinGaugeWidth), Width() - FGaugeLeftMarg), 0);
}
int TNumIO2::FitGaugeLeftMargin(int value) const { return std::max(std::min(value, Width() - FGaugeWidth), 0); }
int TNumIO2::FitGaugeTopMargin(int value) const {
  return std::max(std::min(value, Height() - FGaugeHeight - kMinHeight), 0);
}

void TNumIO2::SetGaugeHeight(int value) {
  if (value != FGaugeHeight) Store(FGaugeHeight, IsLoading() ? value : FitGaugeHeight(value));
}
void TNumIO2::SetGaugeWidth(int value) {
  if (value != FGaugeWidth) Store(FGaugeWidth, IsLoading() ? value : FitGaugeWidth(value));
}
void TNumIO2::SetGaugeLeftMargin(int value) {
  if (value != FGaugeLeftMarg) Store(FGaugeLeftMarg, IsLoading() ? value : FitGaugeLeftMargin(value));
}
void TNumIO2::SetGaugeTopMargin(int value) {
  if (value != FGaugeTopMarg) Store(FGaugeTopMarg, IsLoading() ? value : FitGaugeTopMargin(value));
}

void TNumIO2::SetGaugeColor(TColor value) { Store(FGaugeColor, value); }
void TNumIO2::SetGaugeColorBg(TColor value) { Store(FGaugeColorBg, value); }
void TNumIO2::SetGaugeColorFrame(TColor value) { Store(FGaugeColorFrm, value); }
void TNumIO2::SetGaugeFrameStyle(TFrameStyle value) {
  if (IsFrameStyle(value)) Store(FGaugeFrameSt, value);
}

// --- Behaviour and size ---

void TNumIO2::SetHideSelection(bool value) { Store(FHideSel, value); }
void TNumIO2::SetAutoSize(bool value) {
  // Only AutoSize may make the field lower than kMinHeight.
  setMinimumHeight(value ? 0 : kMinHeight);
  Store(FAutoSize, value);
}
void TNumIO2::SetBeep(bool value) { Store(FBeep, value); }

void TNumIO2::SetEnabled(bool value) {
  FEnabled = value;
  TCustomControl::SetEnabled(value);
  Refresh();
}

// Keeps the mirror in step when Qt changes the state (a parent disabled).
void TNumIO2::EnabledChanged() {
  if (FEnabled == isEnabled()) return;
  FEnabled = isEnabled();
  Paint();
}

void TNumIO2::SetBounds(int left, int top, int width, int height) {
  height = std::max(height, kMinHeight);
  if (height < FButHeight) FButHeight = height;
  const bool resized = width != Width() || height != Height();
  TCustomControl::SetBounds(left, top, width, height);
  if (resized) Paint();
}

void TNumIO2::Loaded() {
  TCustomControl::Loaded();
  FLeftSpace = FitLeftSpace(FLeftSpace);
  FButHeight = FitButHeight(FButHeight);
  FGaugeWidth = FitGaugeWidth(FGaugeWidth);
  FGaugeLeftMarg = FitGaugeLeftMargin(FGaugeLeftMarg);
  FGaugeHeight = FitGaugeHeight(FGaugeHeight);
  FGaugeTopMarg = FitGaugeTopMargin(FGaugeTopMarg);
  if (FMaximum < FMinimum) FMaximum = FMinimum;
  Paint();
}

// --- Copying ---

void TNumIO2::Assign(const TComponentBase* Source) {
  const auto* s = dynamic_cast<const TNumIO2*>(Source);
  if (!s) {
    TCustomControl::Assign(Source);
    return;
  }
  FLeftSpace = s->FLeftSpace;
  FTextBoxWidth = s->FTextBoxWidth;
  FDecP = s->FDecP;
  FSigDig = s->FSigDig;
  FLeftText = s->FLeftText;
  FRightText = s->FRightText;
  FFrameStyle = s->FFrameStyle;
  FAlignment = s->FAlignment;
  FRTAlignment = s->FRTAlignment;
  FLTAlignment = s->FLTAlignment;
  FColorBoxBG = s->FColorBoxBG;
  FColorBoxText = s->FColorBoxText;
  FColorOutBG = s->FColorOutBG;
  FColorOutText = s->FColorOutText;
  FColBlackLine = s->FColBlackLine;
  FColGrayLine = s->FColGrayLine;
  FColWhiteLine = s->FColWhiteLine;
  FColorScheme = s->FColorScheme;
  FInputFormat = s->FInputFormat;
  FInBuffer = s->FInBuffer;
  FWrittenValue = s->FWrittenValue;
  FWrittenText = s->FWrittenText;
  FCaretPos = s->FCaretPos;
  FCaretVisib = s->FCaretVisib;
  FMouseAreaCode = s->FMouseAreaCode;
  FColorWarnBG = s->FColorWarnBG;
  FColorWarnTxt = s->FColorWarnTxt;
  FSelBegin = s->FSelBegin;
  FSelEnd = s->FSelEnd;
  FDecPSep = s->FDecPSep;
  FKeyShifted = s->FKeyShifted;
  FKeyCntrl = s->FKeyCntrl;
  FHideSel = s->FHideSel;
  FMaximum = s->FMaximum;
  FMinimum = s->FMinimum;
  FBeep = s->FBeep;
  FReadOnly = s->FReadOnly;
  FAutoSize = s->FAutoSize;
  Paint();
}

// Hands over only to a field whose class this one is an instance of; any
// other destination raises, instead of bouncing back to this control.
void TNumIO2::AssignTo(TComponentBase* Dest) const {
  auto* d = dynamic_cast<TNumIO2*>(Dest);
  if (d && metaObject()->inherits(d->metaObject()))
    d->Assign(this);
  else
    TCustomControl::AssignTo(Dest);
}

}  // namespace vyr
