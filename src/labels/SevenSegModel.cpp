// The seven-segment display's construction, properties and copying.
#include <algorithm>
#include <cmath>

#include "foundation/NumRoutines.h"
#include "host/ControlRegistry.h"
#include "host/EnumClamp.h"
#include "labels/SevenSegPrivate.h"

VYR_REGISTER_CONTROL(TSevenSeg, "labels/Vyr_sevenseg.h")

namespace vyr {
namespace {

constexpr int kMaxInterDigDist = 255;
constexpr int kMaxDecimals = 15;

}  // namespace

TSevenSeg::TSevenSeg(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) {
  resize(216, 76);
}

TSevenSeg::~TSevenSeg() = default;

QString TSevenSeg::Caption() const { return d->FCaption; }
int TSevenSeg::NumDigits() const { return d->FNumDigits; }
TColor TSevenSeg::ColorText() const { return d->FColorTxt; }
TColor TSevenSeg::ColorBackGnd() const { return d->FColorBakG; }
int TSevenSeg::Margin() const { return d->FMargin; }
int TSevenSeg::InterDigDist() const { return d->FInterDigDist; }
TFrameStyle TSevenSeg::FrameStyle() const { return d->FFrameStyle; }
TColorScheme TSevenSeg::ColorScheme() const { return d->FColorScheme; }
int TSevenSeg::ImageCacheBuilds() const { return d->FCacheBuilds; }
const TBitmap& TSevenSeg::ImageCache() const { return d->FImgCache; }

void TSevenSeg::SetCaption(const QString& value) {
  if (value == d->FCaption) return;
  d->FCaption = value;
  if (!IsLoading()) Paint();
}

void TSevenSeg::ShowValue(double value, int decimals) {
  SetCaption(std::isfinite(value) ? FormatFloatField(1, std::clamp(decimals, 0, kMaxDecimals), value) : QString());
}

template <typename T>
void TSevenSeg::StoreCacheSetting(T& field, T value) {
  if (field == value) return;
  field = value;
  d->FCacheStale = true;
  if (!IsLoading()) Invalidate();
}

void TSevenSeg::SetNumDigits(int value) {
  if (value >= 1 && value <= kMaxDigits) StoreCacheSetting(d->FNumDigits, value);
}

void TSevenSeg::SetColorText(TColor value) { StoreCacheSetting(d->FColorTxt, value); }
void TSevenSeg::SetColorBackGnd(TColor value) { StoreCacheSetting(d->FColorBakG, value); }

// While a stored form loads, the height may still change: Loaded clamps.
void TSevenSeg::SetMargin(int value) {
  value = std::max(value, 0);
  if (!IsLoading()) value = std::min(value, std::max(Height() / 2 - 1, 0));
  StoreCacheSetting(d->FMargin, value);
}

void TSevenSeg::SetInterDigDist(int value) {
  StoreCacheSetting(d->FInterDigDist, std::clamp(value, 0, kMaxInterDigDist));
}

void TSevenSeg::SetFrameStyle(TFrameStyle value) {
  value = EnumOr(value, fsNone, fsEtched, fsNone);
  if (value == d->FFrameStyle) return;
  d->FFrameStyle = value;
  Invalidate();
}

void TSevenSeg::SetColorScheme(TColorScheme value) {
  value = ClampEnum(value, csFixed, csSystem);
  if (value == d->FColorScheme) return;
  d->FColorScheme = value;
  d->FLines = LineColorsOf(value);
  Invalidate();
}

void TSevenSeg::SetFrameStyleOrdinal(int value) { SetFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }
void TSevenSeg::SetColorSchemeOrdinal(int value) { SetColorScheme(TColorScheme(std::clamp(value, 0, 255))); }

void TSevenSeg::Loaded() {
  TGraphicControl::Loaded();
  d->FMargin = std::min(d->FMargin, std::max(Height() / 2 - 1, 0));
  d->FCacheStale = true;
  Paint();
}

QString TSevenSeg::AccessibleName() const {
  if (!accessibleName().isEmpty()) return accessibleName();
  const QString shown = ShownText().trimmed();
  return shown.isEmpty() ? Name() : shown;
}

QString TSevenSeg::ShownText() const {
  QString text;
  for (const TDigitPosition& p : DigitPositions(d->FCaption, d->FNumDigits)) {
    text += p.Cell < 0 ? QChar(u' ') : CacheCharacters()[p.Cell];
    if (p.Dot) text += u'.';
  }
  return text;
}

TPropertyList TSevenSeg::CopiedProperties() {
  static constexpr const char* names[] = {"ColorBackGnd", "ColorText", "NumDigits",   "Caption",
                                          "FrameStyle",   "ColorScheme", "Margin", "InterDigDist"};
  return names;
}

// The copied settings arrive as a stored form's would: stored first, then
// one cache rebuild and paint.
void TSevenSeg::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TSevenSeg*>(Source);
  if (source == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  if (source == this) return;
  const bool wasLoading = IsLoading();
  BeginLoading();
  CopyProperties(*this, *source, CopiedProperties());
  if (!wasLoading) Loaded();
  Invalidate();
}

void TSevenSeg::AssignTo(TComponentBase* Dest) const {
  if (auto* display = dynamic_cast<TSevenSeg*>(Dest))
    display->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
