// TNumIO2's value model: construction, conversions between the buffer and
// numbers, the format, validity, range and the end of loading.
#include <algorithm>
#include <cmath>

#include "foundation/StringUtils.h"
#include "host/ControlRegistry.h"
#include "numio/NumIO2Private.h"

VYR_REGISTER_CONTROL(TNumIO2, "numio/Vyr_NumIO.h")

namespace vyr {

TNumIO2::TNumIO2(QWidget* AOwner) : TCustomControl(AOwner), d(std::make_unique<Private>()) {
  d->FCaretTimer.SetHandler([this](unsigned) { CaretTimerEvent(); });
  // 160 by 28 pixels; the buttons start as high as the field.
  setMinimumHeight(kMinHeight);
  TCustomControl::SetBounds(Left(), Top(), 160, d->FButHeight);
  UpdateTimer();
  d->FSuppressPaint = false;
  Invalidate();
}

TNumIO2::~TNumIO2() = default;

// --- Value model ---

double TNumIO2::Value() const { return InFormatValue(d->FInBuffer, d->FInputFormat); }

TInTextStyle TNumIO2::TextStyle() const { return {d->FInputFormat, d->FDecPSep, d->FDecP, d->FSigDig}; }

void TNumIO2::SetValue(double value) {
  if (!std::isfinite(value)) return;
  d->FWrittenValue = value;
  d->FWrittenText = InFormatText(value, TextStyle());
  d->FInBuffer = d->FWrittenText;
  KeepCaretInBuffer();
  Paint();
}

double TNumIO2::ValueToRerender() const {
  return !d->FWrittenText.isEmpty() && d->FInBuffer == d->FWrittenText ? d->FWrittenValue : Value();
}

void TNumIO2::KeepCaretInBuffer() {
  const int length = int(d->FInBuffer.size());
  d->FCaretPos = std::clamp(d->FCaretPos, 0, length);
  d->FSelEnd = std::clamp(d->FSelEnd, 0, length);
  d->FSelBegin = std::clamp(d->FSelBegin, 0, d->FSelEnd);
}

int TNumIO2::IntegerValue() const {
  const double v = Value();
  if (v > 2147483647.0 || v < -2147483648.0)
    throw EVyrNumIO2Error(ComponentMessage(Name(), QStringLiteral("integer overflow")));
  return int(std::nearbyint(v));
}

QString TNumIO2::Text() const { return d->FInBuffer; }
void TNumIO2::SetText(const QString& value) {
  if (!value.isEmpty() && !CheckValidity(value)) return;
  d->FInBuffer = value;
  d->FCaretPos = d->FSelBegin = d->FSelEnd = 0;
  Paint();
}

bool TNumIO2::CheckValidity(const QString& Instring) const {
  return Instring.size() <= kMaxTextLength && IsInFormatText(Instring, TextStyle());
}

bool TNumIO2::OutOfRange() const {
  const double v = Value();
  return v < d->FMinimum || v > d->FMaximum;
}

void TNumIO2::Changed() { Raise(OnChange, this); }

TInFormat TNumIO2::InputFormat() const { return d->FInputFormat; }
void TNumIO2::SetInputFormat(TInFormat value) {
  if (value == d->FInputFormat || value > itDynamic) return;
  const double v = ValueToRerender();
  d->FInputFormat = value;
  SetValue(v);
}

TDecPSep TNumIO2::DecPlaceSep() const { return d->FDecPSep; }
void TNumIO2::SetDecPlaceSep(TDecPSep value) {
  if (value == d->FDecPSep || value > dsBoth) return;
  if (value != dsBoth) {
    const QChar from = SeparatorCharOf(d->FDecPSep), to = SeparatorCharOf(value);
    auto convert = [&](QString text) {
      if (d->FDecPSep == dsBoth) return ReplaceCharInString(ReplaceCharInString(std::move(text), u'.', to), u',', to);
      return from == to ? text : ReplaceCharInString(std::move(text), from, to);
    };
    d->FInBuffer = convert(d->FInBuffer);
    d->FWrittenText = convert(d->FWrittenText);
  }
  d->FDecPSep = value;
  Paint();
}

int TNumIO2::FixPointDecPlaces() const { return d->FDecP; }
void TNumIO2::SetFixPointDecPlaces(int value) {
  if (value <= 0 || value == d->FDecP) return;
  const double v = ValueToRerender();
  d->FDecP = std::min(value, kMaxDigits);
  SetValue(v);
}

int TNumIO2::SignificantDigits() const { return d->FSigDig; }
void TNumIO2::SetSignificantDigits(int value) {
  if (value <= 0 || value == d->FSigDig) return;
  const double v = ValueToRerender();
  d->FSigDig = std::min(value, kMaxDigits);
  SetValue(v);
}

// While a form loads, the range ends are only stored; Loaded puts them in order.
double TNumIO2::RangeLow() const { return d->FMinimum; }
void TNumIO2::SetRangeLow(double value) {
  if (!std::isfinite(value) || value == d->FMinimum) return;
  d->FMinimum = value;
  if (!IsLoading() && d->FMaximum < d->FMinimum) d->FMaximum = d->FMinimum;
  Paint();
}

double TNumIO2::RangeHigh() const { return d->FMaximum; }
void TNumIO2::SetRangeHigh(double value) {
  if (!std::isfinite(value) || value == d->FMaximum) return;
  d->FMaximum = value;
  if (!IsLoading() && d->FMinimum > d->FMaximum) d->FMinimum = d->FMaximum;
  Paint();
}

// --- Accessibility ---

QString TNumIO2::AccessibleName() const { return d->FLeftText.isEmpty() ? Name() : d->FLeftText; }
QString TNumIO2::AccessibleValue() const { return d->FInBuffer; }
std::optional<TAccessibleNumber> TNumIO2::AccessibleNumber() const {
  return TAccessibleNumber{Value(), d->FMinimum, d->FMaximum};
}
void TNumIO2::SetAccessibleNumber(double value) {
  if (!d->FReadOnly) SetValue(value);
}

// --- End of loading ---

void TNumIO2::Loaded() {
  TCustomControl::Loaded();
  d->FLeftSpace = FitLeftSpace(d->FLeftSpace);
  d->FButHeight = FitButHeight(d->FButHeight);
  d->FGaugeWidth = FitGaugeWidth(d->FGaugeWidth);
  d->FGaugeLeftMarg = FitGaugeLeftMargin(d->FGaugeLeftMarg);
  d->FGaugeHeight = FitGaugeHeight(d->FGaugeHeight);
  d->FGaugeTopMarg = FitGaugeTopMargin(d->FGaugeTopMarg);
  if (d->FMaximum < d->FMinimum) d->FMaximum = d->FMinimum;
  Paint();
}

}  // namespace vyr
