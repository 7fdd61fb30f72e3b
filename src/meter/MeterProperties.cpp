// The meter's construction, its appearance properties, the needle layouts,
// the end of loading and copying between meters.
#include <QMetaProperty>
#include <algorithm>
#include <cmath>
#include <utility>

#include "host/ControlRegistry.h"
#include "host/EnumClamp.h"
#include "meter/MeterPrivate.h"

VYR_REGISTER_CONTROL(TMeter, "meter/Vyr_Meter.h")

namespace vyr {
namespace {

void SetInitialLook(TNeedleLayout& layout, bool visible) {
  layout.SetColorBody(0xC0C0C0);
  layout.SetColorOutline(clBlack);
  layout.SetHeadSize(20);
  layout.SetThickness(0);
  layout.SetPercentNeedleLength(100);
  layout.SetHeadAngle(30);
  layout.SetHeadMidLeng(20);
  layout.SetShadowDx(0);
  layout.SetShadowDy(0);
  layout.SetShadowColor(0x808080);
  layout.SetVisible(visible);
}

// Takes every property of source without notifying the layout's owner.
void CopyQuietly(TNeedleLayout& layout, const TNeedleLayout& source) {
  TNotifyEvent owner = std::exchange(layout.OnChange, nullptr);
  layout.Assign(source);
  layout.OnChange = std::move(owner);
}

TColorScheme SchemeOf(int ordinal) { return TColorScheme(std::clamp(ordinal, 0, 255)); }

}  // namespace

template <typename T>
void TMeter::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Repaint();
}

template <typename T>
void TMeter::StoreAlways(T& field, T value) {
  field = value;
  Repaint();
}

TMeter::TMeter(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) {
  resize(297, 209);
  d->FFontCaption = Font();
  SetInitialLook(d->FNeedle, true);
  SetInitialLook(d->FNeedleSec, false);
  d->FNeedle.OnChange = [this](TObject* sender) { StyleChanged(sender); };
  d->FNeedleSec.OnChange = [this](TObject* sender) { StyleChanged(sender); };
}

TMeter::~TMeter() = default;

QString TMeter::AccessibleName() const { return d->FCaption.isEmpty() ? Name() : d->FCaption; }
QString TMeter::AccessibleValue() const { return QString::number(d->FValue); }
std::optional<TAccessibleNumber> TMeter::AccessibleNumber() const {
  return TAccessibleNumber{d->FValue, d->FMinValue, d->FMaxValue};
}

void TMeter::StyleChanged(TObject*) {
  if (d->FNeedle.Visible() != d->FAlarmNeedleVisible || d->FNeedleSec.Visible() != d->FAlarmNeedleSecVisible)
    UpdateAlarms();
  // Needles are not part of the dial layer.
  if (!IsLoading()) Paint();
}

TMeterLayout TMeter::MeterLayout() const { return d->FMeterLayout; }
void TMeter::SetMeterLayout(TMeterLayout value) { Store(d->FMeterLayout, ClampEnum(value, mlCirc90, mlCirc360)); }
int TMeter::MeterDecPlaces() const { return d->FMeterDecPlaces; }
void TMeter::SetMeterDecPlaces(int value) { Store(d->FMeterDecPlaces, std::clamp(value, 0, 4)); }
int TMeter::MeterNrTicks() const { return d->FMeterNrTicks; }
void TMeter::SetMeterNrTicks(int value) { Store(d->FMeterNrTicks, std::clamp(value, 2, 21)); }
bool TMeter::MeterShortTicks() const { return d->FMeterShortTicks; }
void TMeter::SetMeterShortTicks(bool value) { Store(d->FMeterShortTicks, value); }
bool TMeter::MeterScaleLine() const { return d->FMeterScaleLine; }
void TMeter::SetMeterScaleLine(bool value) { Store(d->FMeterScaleLine, value); }
bool TMeter::ScaleVisible() const { return d->FScaleVisible; }
void TMeter::SetScaleVisible(bool value) { StoreAlways(d->FScaleVisible, value); }
bool TMeter::ScaleBkVisible() const { return d->FScaleBkVisible; }
void TMeter::SetScaleBkVisible(bool value) { StoreAlways(d->FScaleBkVisible, value); }

double TMeter::ScaleBkWidth() const { return d->FScaleBkWidth; }
void TMeter::SetScaleBkWidth(double value) {
  if (!std::isnan(value)) StoreAlways(d->FScaleBkWidth, std::clamp(value, 0.0, 100.0));
}

TColor TMeter::ColorSclBkLow() const { return d->FColorSclBkLow; }
void TMeter::SetColorSclBkLow(TColor value) { Store(d->FColorSclBkLow, value); }
TColor TMeter::ColorSclBkNorm() const { return d->FColorSclBkNorm; }
void TMeter::SetColorSclBkNorm(TColor value) { Store(d->FColorSclBkNorm, value); }
TColor TMeter::ColorSclBkHigh() const { return d->FColorSclBkHigh; }
void TMeter::SetColorSclBkHigh(TColor value) { Store(d->FColorSclBkHigh, value); }
TColor TMeter::ColorScale() const { return d->FColorScale; }
void TMeter::SetColorScale(TColor value) { Store(d->FColorScale, value); }
TColor TMeter::ColorBakG() const { return d->FColorBakG; }
void TMeter::SetColorBakG(TColor value) { Store(d->FColorBakG, value); }
TColor TMeter::ColorCover() const { return d->FColorCover; }
void TMeter::SetColorCover(TColor value) { Store(d->FColorCover, value); }
TColorScheme TMeter::ColorScheme() const { return d->FColorScheme; }
void TMeter::SetColorScheme(TColorScheme value) { Store(d->FColorScheme, ClampEnum(value, csFixed, csSystem)); }
bool TMeter::LimWatchHighOn() const { return d->FLimWatchHighOn; }
void TMeter::SetLimWatchHighOn(bool value) { Store(d->FLimWatchHighOn, value); }
bool TMeter::LimWatchLowOn() const { return d->FLimWatchLowOn; }
void TMeter::SetLimWatchLowOn(bool value) { Store(d->FLimWatchLowOn, value); }
TColor TMeter::LimWatchActColor() const { return d->FLimWatchActColor; }
void TMeter::SetLimWatchActColor(TColor value) { Store(d->FLimWatchActColor, value); }
TColor TMeter::LimWatchPsvColor() const { return d->FLimWatchPsvColor; }
void TMeter::SetLimWatchPsvColor(TColor value) { Store(d->FLimWatchPsvColor, value); }
int TMeter::RimTop() const { return d->FRims.Top; }
void TMeter::SetRimTop(int value) { Store(d->FRims.Top, std::clamp(value, 0, kMaxRim)); }
int TMeter::RimBottom() const { return d->FRims.Bottom; }
void TMeter::SetRimBottom(int value) { Store(d->FRims.Bottom, std::clamp(value, 0, kMaxRim)); }
int TMeter::RimSide() const { return d->FRims.Side; }
void TMeter::SetRimSide(int value) { Store(d->FRims.Side, std::clamp(value, 0, kMaxRim)); }
bool TMeter::AnchorCovered() const { return d->FAnchorCovered; }
void TMeter::SetAnchorCovered(bool value) { Store(d->FAnchorCovered, value); }
int TMeter::AnchorSize() const { return d->FAnchorSize; }
void TMeter::SetAnchorSize(int value) { Store(d->FAnchorSize, std::clamp(value, 0, kMaxRim)); }
TBkgFill TMeter::BkgndFillMode() const { return d->FBkgndFillMode; }
void TMeter::SetBkgndFillMode(TBkgFill value) { StoreAlways(d->FBkgndFillMode, ClampEnum(value, bfNatural, bfTile)); }
QString TMeter::Caption() const { return d->FCaption; }
void TMeter::SetCaption(const QString& value) { StoreAlways(d->FCaption, value); }
const TFont& TMeter::FontCaption() const { return d->FFontCaption; }
void TMeter::SetFontCaption(const TFont& font) { StoreAlways(d->FFontCaption, font); }
TFrameStyle TMeter::FrameStyle() const { return d->FFrameStyle; }
void TMeter::SetFrameStyle(TFrameStyle value) { Store(d->FFrameStyle, EnumOr(value, fsNone, fsEtched, fsNone)); }

int TMeter::ColorSchemeOrdinal() const { return d->FColorScheme; }
void TMeter::SetColorSchemeOrdinal(int value) { SetColorScheme(SchemeOf(value)); }
int TMeter::BkgndFillModeOrdinal() const { return d->FBkgndFillMode; }
void TMeter::SetBkgndFillModeOrdinal(int value) { SetBkgndFillMode(TBkgFill(std::clamp(value, 0, 255))); }
int TMeter::FrameStyleOrdinal() const { return d->FFrameStyle; }
void TMeter::SetFrameStyleOrdinal(int value) { SetFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }

QFont TMeter::FontCaptionQ() const { return d->FFontCaption.ToQFont(); }
void TMeter::SetFontCaptionQ(const QFont& font) {
  TFont caption = d->FFontCaption;
  caption.AssignQFont(font);
  SetFontCaption(caption);
}

TNeedleLayout& TMeter::NeedleLayout() { return d->FNeedle; }
const TNeedleLayout& TMeter::NeedleLayout() const { return d->FNeedle; }
void TMeter::SetNeedleLayout(const TNeedleLayout& layout) { d->FNeedle.Assign(layout); }
TNeedleLayout& TMeter::NeedleLayoutSec() { return d->FNeedleSec; }
const TNeedleLayout& TMeter::NeedleLayoutSec() const { return d->FNeedleSec; }
void TMeter::SetNeedleLayoutSec(const TNeedleLayout& layout) { d->FNeedleSec.Assign(layout); }

void TMeter::Loaded() {
  TGraphicControl::Loaded();
  NormalizeModel();
  try {
    ReadBackground(d->FBackGroundImg);
  } catch (const EInvalidGraphic&) {
    d->FBackGroundImg.clear();
  }
  ReadAnchor(d->FAnchorImage);
  d->FDialLayerValid = false;
  Paint();
}

TPropertyList TMeter::CopiedProperties() {
  static constexpr const char* names[] = {
      "Value", "ValueSec", "MeterMinValue", "MeterMaxValue", "ThresholdLow", "ThresholdHigh",
      "Logarithmic", "MeterLayout", "MeterDecPlaces", "MeterNrTicks", "MeterShortTicks",
      "MeterScaleLine", "ScaleVisible", "ScaleBkVisible", "ScaleBkWidth", "ColorSclBkLow",
      "ColorSclBkNorm", "ColorSclBkHigh", "ColorScale", "ColorBakG", "ColorCover", "ColorScheme",
      "LimWatchHighOn", "LimWatchLowOn", "LimWatchActColor", "LimWatchPsvColor", "RimTop",
      "RimBottom", "RimSide", "AnchorCovered", "AnchorSize", "AnchorImage", "BackGroundImg",
      "BkgndFillMode", "Caption", "FontCaption", "FrameStyle"};
  return names;
}

// Replays the source's published properties the way a stored form writes
// them, so that the copy passes the same checks as a loaded form.
void TMeter::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TMeter*>(Source);
  if (source == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  if (source == this) return;
  const bool wasLoading = IsLoading();
  BeginLoading();
  // The scale kind first: it decides which limits the writes below accept.
  d->FLogarithmic = source->d->FLogarithmic;
  CopyProperties(*this, *source, CopiedProperties());
  SetFont(source->Font());
  d->FFontCaption = source->d->FFontCaption;
  CopyQuietly(d->FNeedle, source->d->FNeedle);
  CopyQuietly(d->FNeedleSec, source->d->FNeedleSec);
  if (!wasLoading) Loaded();
}

void TMeter::AssignTo(TComponentBase* Dest) const {
  if (auto* meter = dynamic_cast<TMeter*>(Dest))
    meter->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
