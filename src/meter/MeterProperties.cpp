// The meter's construction, its appearance properties, the needle layouts,
// the end of loading and copying between meters.
#include <QMetaProperty>
#include <algorithm>
#include <cmath>
#include <utility>

#include "host/ControlRegistry.h"
#include "meter/Vyr_Meter.h"

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

TMeter::TMeter(QWidget* AOwner) : TGraphicControl(AOwner) {
  resize(297, 209);
  FFontCaption = Font();
  SetInitialLook(FNeedle, true);
  SetInitialLook(FNeedleSec, false);
  FNeedle.OnChange = [this](TObject* sender) { StyleChanged(sender); };
  FNeedleSec.OnChange = [this](TObject* sender) { StyleChanged(sender); };
}

void TMeter::StyleChanged(TObject*) {
  if (FNeedle.Visible() != FAlarmNeedleVisible || FNeedleSec.Visible() != FAlarmNeedleSecVisible) UpdateAlarms();
  // Needles are not part of the dial layer.
  if (!IsLoading()) Paint();
}

void TMeter::SetMeterLayout(TMeterLayout value) { Store(FMeterLayout, value); }
void TMeter::SetMeterDecPlaces(int value) { Store(FMeterDecPlaces, std::clamp(value, 0, 4)); }
void TMeter::SetMeterNrTicks(int value) { Store(FMeterNrTicks, std::clamp(value, 2, 21)); }
void TMeter::SetMeterShortTicks(bool value) { Store(FMeterShortTicks, value); }
void TMeter::SetMeterScaleLine(bool value) { Store(FMeterScaleLine, value); }
void TMeter::SetScaleVisible(bool value) { StoreAlways(FScaleVisible, value); }
void TMeter::SetScaleBkVisible(bool value) { StoreAlways(FScaleBkVisible, value); }

void TMeter::SetScaleBkWidth(double value) {
  if (!std::isnan(value)) StoreAlways(FScaleBkWidth, std::clamp(value, 0.0, 100.0));
}

void TMeter::SetColorSclBkLow(TColor value) { Store(FColorSclBkLow, value); }
void TMeter::SetColorSclBkNorm(TColor value) { Store(FColorSclBkNorm, value); }
void TMeter::SetColorSclBkHigh(TColor value) { Store(FColorSclBkHigh, value); }
void TMeter::SetColorScale(TColor value) { Store(FColorScale, value); }
void TMeter::SetColorBakG(TColor value) { Store(FColorBakG, value); }
void TMeter::SetColorCover(TColor value) { Store(FColorCover, value); }
void TMeter::SetColorScheme(TColorScheme value) { Store(FColorScheme, value); }
void TMeter::SetLimWatchHighOn(bool value) { Store(FLimWatchHighOn, value); }
void TMeter::SetLimWatchLowOn(bool value) { Store(FLimWatchLowOn, value); }
void TMeter::SetLimWatchActColor(TColor value) { Store(FLimWatchActColor, value); }
void TMeter::SetLimWatchPsvColor(TColor value) { Store(FLimWatchPsvColor, value); }
void TMeter::SetRimTop(int value) { Store(FRims.Top, std::clamp(value, 0, kMaxRim)); }
void TMeter::SetRimBottom(int value) { Store(FRims.Bottom, std::clamp(value, 0, kMaxRim)); }
void TMeter::SetRimSide(int value) { Store(FRims.Side, std::clamp(value, 0, kMaxRim)); }
void TMeter::SetAnchorCovered(bool value) { Store(FAnchorCovered, value); }
void TMeter::SetAnchorSize(int value) { Store(FAnchorSize, std::clamp(value, 0, kMaxRim)); }
void TMeter::SetBkgndFillMode(TBkgFill value) { StoreAlways(FBkgndFillMode, value); }
void TMeter::SetCaption(const QString& value) { StoreAlways(FCaption, value); }
void TMeter::SetFontCaption(const TFont& font) { StoreAlways(FFontCaption, font); }
void TMeter::SetFrameStyle(TFrameStyle value) { Store(FFrameStyle, value); }

void TMeter::SetColorSchemeOrdinal(int value) { SetColorScheme(SchemeOf(value)); }
void TMeter::SetBkgndFillModeOrdinal(int value) { SetBkgndFillMode(TBkgFill(std::clamp(value, 0, 255))); }
void TMeter::SetFrameStyleOrdinal(int value) { SetFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }

void TMeter::SetFontCaptionQ(const QFont& font) {
  TFont caption = FFontCaption;
  caption.AssignQFont(font);
  SetFontCaption(caption);
}

void TMeter::SetNeedleLayout(const TNeedleLayout& layout) { FNeedle.Assign(layout); }
void TMeter::SetNeedleLayoutSec(const TNeedleLayout& layout) { FNeedleSec.Assign(layout); }

void TMeter::Loaded() {
  TGraphicControl::Loaded();
  NormalizeModel();
  try {
    ReadBackground(FBackGroundImg);
  } catch (const EInvalidGraphic&) {
    FBackGroundImg.clear();
  }
  ReadAnchor(FAnchorImage);
  FDialLayerValid = false;
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
  FLogarithmic = source->FLogarithmic;
  CopyProperties(*this, *source, CopiedProperties());
  SetFont(source->Font());
  FFontCaption = source->FFontCaption;
  CopyQuietly(FNeedle, source->FNeedle);
  CopyQuietly(FNeedleSec, source->FNeedleSec);
  if (!wasLoading) Loaded();
}

void TMeter::AssignTo(TComponentBase* Dest) const {
  if (auto* meter = dynamic_cast<TMeter*>(Dest))
    meter->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
