#pragma once
// TMeter: an analog meter. A needle (and optionally a second one) points at
// a value on a circular scale, linear or logarithmic, with coloured zones
// below a low and above a high threshold, two alarm lamps, a caption and a
// decorated cover around the dial. Mouse moves report the value under the
// pointer.
//
// The range always satisfies MeterMinValue < MeterMaxValue, and written
// limits are clamped to +-kMeterRangeLimit. Both values and both thresholds
// lie within the range. Writes of values, limits and thresholds that are NaN
// or infinite are ignored.
#include <QFont>
#include <QString>
#include <functional>
#include <memory>

#include "foundation/Constants.h"
#include "foundation/CoreTypes.h"
#include "foundation/Errors.h"
#include "host/Control.h"
#include "host/PropertyCopy.h"
#include "meter/MeterGeometry.h"
#include "meter/MeterScale.h"
#include "meter/MeterTypes.h"
#include "meter/NeedleLayout.h"

namespace vyr {

// A picture file named by BackGroundImg that exists but cannot be read.
class EVyrMeterError : public EVyrError {
 public:
  using EVyrError::EVyrError;
};

// The largest magnitude of a written range limit: a quarter of the largest
// double, so that the distance between the limits stays finite even after
// one of them was moved a step beyond the other.
inline constexpr double kMeterRangeLimit = uc_MaxDouble / 4;

using TBeforeDrawNeedleEvent = std::function<void(TObject* Sender, TCanvas& Canvas, bool& NeedleDrawn)>;
using TmtBeforeDrawScaleLabelEvent =
    std::function<void(TObject* Sender, TCanvas& Canvas, QString& CurrentTickLabel, int ChartX, int ChartY)>;
using TMeterRenderedEvent = std::function<void(TObject* Sender, TCanvas& Canvas)>;
using TMouseMoveInMeterEvent =
    std::function<void(TObject* Sender, bool WithinRange, TShiftState Shift, double MeterValue)>;

class TMeter : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(double ValueSec READ ValueSec WRITE SetValueSec)
  Q_PROPERTY(double MeterMinValue READ MeterMinValue WRITE SetMeterMinValue)
  Q_PROPERTY(double MeterMaxValue READ MeterMaxValue WRITE SetMeterMaxValue)
  Q_PROPERTY(double ThresholdLow READ ThresholdLow WRITE SetThresholdLow)
  Q_PROPERTY(double ThresholdHigh READ ThresholdHigh WRITE SetThresholdHigh)
  Q_PROPERTY(bool Logarithmic READ Logarithmic WRITE SetLogarithmic)
  Q_PROPERTY(vyr::meterlayout::TMeterLayout MeterLayout READ MeterLayout WRITE SetMeterLayout)
  Q_PROPERTY(int MeterDecPlaces READ MeterDecPlaces WRITE SetMeterDecPlaces)
  Q_PROPERTY(int MeterNrTicks READ MeterNrTicks WRITE SetMeterNrTicks)
  Q_PROPERTY(bool MeterShortTicks READ MeterShortTicks WRITE SetMeterShortTicks)
  Q_PROPERTY(bool MeterScaleLine READ MeterScaleLine WRITE SetMeterScaleLine)
  Q_PROPERTY(bool ScaleVisible READ ScaleVisible WRITE SetScaleVisible)
  Q_PROPERTY(bool ScaleBkVisible READ ScaleBkVisible WRITE SetScaleBkVisible)
  Q_PROPERTY(double ScaleBkWidth READ ScaleBkWidth WRITE SetScaleBkWidth)
  Q_PROPERTY(uint ColorSclBkLow READ ColorSclBkLow WRITE SetColorSclBkLow)
  Q_PROPERTY(uint ColorSclBkNorm READ ColorSclBkNorm WRITE SetColorSclBkNorm)
  Q_PROPERTY(uint ColorSclBkHigh READ ColorSclBkHigh WRITE SetColorSclBkHigh)
  Q_PROPERTY(uint ColorScale READ ColorScale WRITE SetColorScale)
  Q_PROPERTY(uint ColorBakG READ ColorBakG WRITE SetColorBakG)
  Q_PROPERTY(uint ColorCover READ ColorCover WRITE SetColorCover)
  Q_PROPERTY(int ColorScheme READ ColorSchemeOrdinal WRITE SetColorSchemeOrdinal)
  Q_PROPERTY(bool LimWatchHighOn READ LimWatchHighOn WRITE SetLimWatchHighOn)
  Q_PROPERTY(bool LimWatchLowOn READ LimWatchLowOn WRITE SetLimWatchLowOn)
  Q_PROPERTY(uint LimWatchActColor READ LimWatchActColor WRITE SetLimWatchActColor)
  Q_PROPERTY(uint LimWatchPsvColor READ LimWatchPsvColor WRITE SetLimWatchPsvColor)
  Q_PROPERTY(int RimTop READ RimTop WRITE SetRimTop)
  Q_PROPERTY(int RimBottom READ RimBottom WRITE SetRimBottom)
  Q_PROPERTY(int RimSide READ RimSide WRITE SetRimSide)
  Q_PROPERTY(bool AnchorCovered READ AnchorCovered WRITE SetAnchorCovered)
  Q_PROPERTY(int AnchorSize READ AnchorSize WRITE SetAnchorSize)
  Q_PROPERTY(QString AnchorImage READ AnchorImage WRITE SetAnchorImage)
  Q_PROPERTY(QString BackGroundImg READ BackGroundImg WRITE SetBackGroundImg)
  Q_PROPERTY(int BkgndFillMode READ BkgndFillModeOrdinal WRITE SetBkgndFillModeOrdinal)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QFont FontCaption READ FontCaptionQ WRITE SetFontCaptionQ)
  Q_PROPERTY(int FrameStyle READ FrameStyleOrdinal WRITE SetFrameStyleOrdinal)

 public:
  // A 297 x 209 meter over 0..1 with the primary needle at 0.
  explicit TMeter(QWidget* AOwner = nullptr);
  ~TMeter() override;

  // The needles' values. A write is clamped into the range, raises
  // OnOverFlow (at or above ThresholdHigh), OnNormalRange or OnUnderFlow (at
  // or below ThresholdLow) when that needle is visible, and repaints (the
  // secondary needle's write only while it is visible). Writing the stored
  // value again does nothing.
  double Value() const;
  void SetValue(double value);
  double ValueSec() const;
  void SetValueSec(double value);

  // The range. A minimum at or above the maximum moves the maximum one above
  // it (a maximum at or below the minimum moves the minimum one below it, and
  // on a logarithmic scale to a tenth of the maximum when that is not
  // positive); where one is lost to rounding, the nearest double beyond is
  // taken. Values and thresholds follow into the new range; no events. On a
  // logarithmic scale, limits below kLogMinimum are ignored.
  double MeterMinValue() const;
  void SetMeterMinValue(double value);
  double MeterMaxValue() const;
  void SetMeterMaxValue(double value);

  // Thresholds, clamped into the range; a low threshold above the high one
  // lifts the high one (and the other way round). A write raises OnUnderFlow
  // (low) or OnOverFlow (high) when Value lies at or beyond it.
  double ThresholdLow() const;
  void SetThresholdLow(double value);
  double ThresholdHigh() const;
  void SetThresholdHigh(double value);

  // Stays false while either limit is at or below kLogMinimum; a limit
  // write that puts a limit there turns it off.
  bool Logarithmic() const;
  void SetLogarithmic(bool value);

  TMeterLayout MeterLayout() const;
  void SetMeterLayout(TMeterLayout value);
  // Decimals of the scale labels, 0..4.
  int MeterDecPlaces() const;
  void SetMeterDecPlaces(int value);
  // The least number of major intervals, 2..21.
  int MeterNrTicks() const;
  void SetMeterNrTicks(int value);
  bool MeterShortTicks() const;
  void SetMeterShortTicks(bool value);
  bool MeterScaleLine() const;
  void SetMeterScaleLine(bool value);
  bool ScaleVisible() const;
  void SetScaleVisible(bool value);
  bool ScaleBkVisible() const;
  void SetScaleBkVisible(bool value);
  // Width of the zone band in percent of the radius, 0..100; NaN is ignored.
  double ScaleBkWidth() const;
  void SetScaleBkWidth(double value);

  TColor ColorSclBkLow() const;
  void SetColorSclBkLow(TColor value);
  TColor ColorSclBkNorm() const;
  void SetColorSclBkNorm(TColor value);
  TColor ColorSclBkHigh() const;
  void SetColorSclBkHigh(TColor value);
  TColor ColorScale() const;
  void SetColorScale(TColor value);
  TColor ColorBakG() const;
  void SetColorBakG(TColor value);
  TColor ColorCover() const;
  void SetColorCover(TColor value);
  TColorScheme ColorScheme() const;
  void SetColorScheme(TColorScheme value);

  bool LimWatchHighOn() const;
  void SetLimWatchHighOn(bool value);
  bool LimWatchLowOn() const;
  void SetLimWatchLowOn(bool value);
  TColor LimWatchActColor() const;
  void SetLimWatchActColor(TColor value);
  TColor LimWatchPsvColor() const;
  void SetLimWatchPsvColor(TColor value);

  // Widths of the cover bands in pixels, 0..kMaxRim.
  static constexpr int kMaxRim = 32767;
  int RimTop() const;
  void SetRimTop(int value);
  int RimBottom() const;
  void SetRimBottom(int value);
  int RimSide() const;
  void SetRimSide(int value);

  bool AnchorCovered() const;
  void SetAnchorCovered(bool value);
  // Radius of the pivot cover in pixels, 0..kMaxRim.
  int AnchorSize() const;
  void SetAnchorSize(int value);
  // A BMP or PNG file drawn as pivot cover; its transparent pixels (see
  // IsTransparentPixel) keep the dial. A missing or unreadable file clears
  // the name. While loading a stored form the name is only kept; Loaded
  // reads the file.
  QString AnchorImage() const;
  void SetAnchorImage(const QString& fileName);
  // A BMP or PNG file drawn as the dial's background. A missing file clears
  // the name; a file that cannot be read raises EVyrMeterError naming it and
  // keeps the previous picture and name. While loading a stored form the
  // name is only kept; Loaded reads the file and clears the name if it fails.
  QString BackGroundImg() const;
  void SetBackGroundImg(const QString& fileName);
  // How the background picture is placed; unnamed ordinals place it like
  // bfNatural.
  TBkgFill BkgndFillMode() const;
  void SetBkgndFillMode(TBkgFill value);

  QString Caption() const;
  void SetCaption(const QString& value);
  const TFont& FontCaption() const;
  void SetFontCaption(const TFont& font);
  TFrameStyle FrameStyle() const;
  void SetFrameStyle(TFrameStyle value);

  // The meter's own needle layouts; writing copies every property of the
  // given layout and repaints. The primary needle is drawn whatever its
  // Visible says; Visible decides whether its value writes raise events and
  // light the lamps. The secondary needle is drawn only while visible.
  TNeedleLayout& NeedleLayout();
  const TNeedleLayout& NeedleLayout() const;
  void SetNeedleLayout(const TNeedleLayout& layout);
  TNeedleLayout& NeedleLayoutSec();
  const TNeedleLayout& NeedleLayoutSec() const;
  void SetNeedleLayoutSec(const TNeedleLayout& layout);

  // The dial as it is now: sweep, radius and pivot (follow size, layout and
  // rims).
  int MeterAngle() const { return Geometry().Angle; }
  double MeterRadius() const { return Geometry().Radius; }
  int MeterCenterX() const { return Geometry().CenterX; }
  int MeterCenterY() const { return Geometry().CenterY; }

  // The alarm flags behind the lamps: a visible needle at or above
  // ThresholdHigh (high), or below it but at or below ThresholdLow (low).
  // Decided anew by every write of a value, limit or threshold, by showing
  // or hiding a needle, and by Loaded; false until then.
  bool HighAlarm() const;
  bool LowAlarm() const;

  // Needle angle of a value, clockwise from straight down (the value
  // clamped into the range).
  double CalcNeedleAngle(double value) const;
  // The pixel at pctradius percent of the radius towards value.
  void ConvertToPixelCoords(double value, double pctradius, int& X, int& Y) const;
  // The value in the pixel's direction from the pivot; false (and 0) outside
  // the scale's sector.
  bool ConvertPixelToValue(int XPos, int YPos, double& MeterValue) const;

  // Clamps what a stored form wrote (range order, logarithmic limits,
  // thresholds, both values), reads the pictures, decides the alarms and
  // paints.
  void Loaded() override;
  // Natural size: the construction size; the minimum still shows a dial
  // with its labels. The dial follows any size the meter is given.
  QSize sizeHint() const override { return {297, 209}; }
  QSize minimumSizeHint() const override { return {100, 70}; }
  // A dial to assistive technology, named by its caption, with the primary
  // needle's value within the range.
  QAccessible::Role AccessibleRole() const override { return QAccessible::Dial; }
  QString AccessibleName() const override;
  QString AccessibleValue() const override;
  std::optional<TAccessibleNumber> AccessibleNumber() const override;
  void SetAccessibleNumber(double value) override { SetValue(value); }
  // From another TMeter: every published property (not the events).
  void Assign(const TComponentBase* Source) override;
  // The properties Assign copies, in the order it writes them.
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

  // The base's mouse-move handling, then OnMouseMoveInMeter.
  void MouseMove(TShiftState Shift, int X, int Y) override;

  TNotifyEvent OnOverFlow, OnUnderFlow, OnNormalRange;
  TmtBeforeDrawScaleLabelEvent OnBeforeDrawScaleLabel;
  TBeforeDrawNeedleEvent OnBeforeDrawNeedle;
  TMeterRenderedEvent OnMeterRendered;
  TMouseMoveInMeterEvent OnMouseMoveInMeter;

 protected:
  void DoPaint() override;
  // A dial too small for its rims draws nothing and lets the parent show.
  bool Transparent() const override { return MeterRadius() <= 0; }
  void FontChanged() override;
  void MouseMoveInMeter(bool WithinRange, TShiftState Shift, double MeterValue);
  void DoOverFlowEvent();
  void DoUnderFlowEvent();
  void DoNormalRangeEvent();

 private:
  TDialGeometry Geometry() const;
  TScaleRange Range() const;

  // Model (MeterValues.cpp).
  // True for writes of a value, limit or threshold that are ignored.
  bool Rejected(double value) const;
  // Drops the dial layer and paints, except while a stored form is being
  // loaded. Writes that only move a needle call Paint, keeping the layer.
  void Repaint();
  // Stores a needle value; true when the write was accepted.
  bool WriteNeedleValue(double& field, double value, const TNeedleLayout& layout);
  // The start of every limit and threshold write: ignores rejected values,
  // only stores while loading; true when the value differs and the write
  // goes on.
  bool BeginWrite(double& field, double value);
  // After a limit write: the logarithmic flag, values and thresholds into
  // the range, alarms, paint.
  void FollowRange();
  bool LimitsAllowLog() const;
  void ClampIntoRange();
  // Restores every rule of the model after a stored form was read.
  void NormalizeModel();
  void UpdateAlarms();

  // Properties (MeterProperties.cpp).
  void StyleChanged(TObject* Sender);
  // Stores a property and repaints when it changed.
  template <typename T>
  void Store(T& field, T value);
  // Stores a property and repaints in any case.
  template <typename T>
  void StoreAlways(T& field, T value);

  // Pictures (MeterPictures.cpp).
  void ReadBackground(const QString& fileName);
  void ReadAnchor(const QString& fileName);

  // Painting (MeterPaint*.cpp), in drawing order. The dial layer holds
  // everything below the needles (background, zones, scale, caption); it is
  // kept between paints while nothing it shows changes and no label handler
  // is assigned, so that a moving needle costs little.
  struct TDialLayerKey;
  struct TScaleKey;
  struct TScaleLayout;
  struct TCoverKey;
  struct TCoverLayer;
  struct TFrameState;
  TDialLayerKey DialLayerKey() const;
  bool UpdateDialLayer(const TDialGeometry& dial);
  void PaintEveryStep(TCanvas& c, const TDialGeometry& dial);
  void PaintOverCover(TCanvas& c, const TDialGeometry& dial);
  TCoverKey CoverKey(const TDialGeometry& dial) const;
  bool CoverReady(const TDialGeometry& dial, bool dialChanged);
  const QImage& CoverPixels(const TDialGeometry& dial);
  void PaintDialLayer(TCanvas& c, const TDialGeometry& dial);
  void PaintBackground(TCanvas& c);
  void PaintZones(TCanvas& c, const TDialGeometry& dial);
  const TScaleLayout& ScaleLayout(TCanvas& c, const TDialGeometry& dial);
  void PaintScale(TCanvas& c, const TDialGeometry& dial);
  void PaintScaleLabel(TCanvas& c, const TScaleLayout& scale, int label);
  void PaintCaption(TCanvas& c, const TDialGeometry& dial);
  TRect PaintNeedles(TCanvas& c, const TDialGeometry& dial);
  TRect PaintNeedle(TCanvas& c, const TDialGeometry& dial, const TNeedleLayout& layout, double value);
  void PaintLamps(TCanvas& c);
  void PaintCover(TCanvas& c, const TDialGeometry& dial);
  void PaintWindowEdge(TCanvas& c);
  void PaintLamp(TCanvas& c, int x0, int x1, bool active);
  void PaintFrame(TCanvas& c);

  // Stored-form access to byte enumerations and the caption font.
  int ColorSchemeOrdinal() const;
  void SetColorSchemeOrdinal(int value);
  int BkgndFillModeOrdinal() const;
  void SetBkgndFillModeOrdinal(int value);
  int FrameStyleOrdinal() const;
  void SetFrameStyleOrdinal(int value);
  QFont FontCaptionQ() const;
  void SetFontCaptionQ(const QFont& font);

  // The state, in MeterPrivate.h.
  struct Private;
  std::unique_ptr<Private> d;
};

}  // namespace vyr
