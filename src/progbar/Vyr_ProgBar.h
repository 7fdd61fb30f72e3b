#pragma once
// TProgBar: a value between Min and Max shown as a bar growing inside a
// margin, in one colour or as a gradient from a 1024-entry colour table,
// with an optional grid and background picture, an inner and an outer
// bevel frame, and the value as text at any angle. It can advance its own
// value on a timer: a first tick after StartInterval, then one every
// RepeatInterval.
//
// Choices made for this control:
// - Directions: diBottomToTop grows upward from the bottom, diLeftToRight
//   to the right; diTopToBottom and diRightToLeft are their mirror images
//   (growing downward from the top, and to the left from the right edge).
// - With Max equal to Min the bar is full once Value reaches Min and empty
//   below it; a NaN Value draws no bar, an infinite one a full or no bar by
//   its sign. The text shows the value as it is.
// - A bar longer than the box (Value above Max) runs on over the margin and
//   is drawn only as far as the control reaches; a Value below Min draws no
//   bar.
// - A refused timer switches AutoInc off and raises EVyrProgBar
//   "Component "<Name>": no timer available".
// - TextPosX and TextPosY keep the written value (negative ones as 0) and
//   read limited to the current size: a layout's first narrow pass, or a
//   form giving the size after them, does not cut them for good.
// - TextAngle is stored clamped to 0..360; the grid is drawn for GridDist
//   above 1 only, as far as the bar reaches.
#include <QFont>
#include <QString>
#include <functional>
#include <memory>

#include "foundation/CoreTypes.h"
#include "foundation/Errors.h"
#include "host/Control.h"
#include "host/PropertyCopy.h"
#include "host/Types.h"

namespace vyr {

class EVyrProgBar : public EVyrError {
 public:
  using EVyrError::EVyrError;
};

// How the gradient's colour table lies over the bar: over the whole box
// (the bar uncovers it), squeezed into the bar, or ending at the bar's tip.
enum TColorMapping : std::uint8_t { cgmCover = 0, cgmStretch = 1, cgmMove = 2 };

// May change the text about to be drawn for the value.
using TBeforeShowValueEvent = std::function<void(TObject* Sender, QString& ValueText)>;

inline constexpr int kProgBarColorCount = 1024;

class TProgBar : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(double Min READ Min WRITE SetMin)
  Q_PROPERTY(double Max READ Max WRITE SetMax)
  Q_PROPERTY(int Direction READ DirectionOrdinal WRITE SetDirectionOrdinal)
  Q_PROPERTY(uint ColorMargin READ ColorMargin WRITE SetColorMargin)
  Q_PROPERTY(uint ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
  Q_PROPERTY(uint ColorMin READ ColorMin WRITE SetColorMin)
  Q_PROPERTY(uint ColorMax READ ColorMax WRITE SetColorMax)
  Q_PROPERTY(bool ShowColorGradient READ ShowColorGradient WRITE SetShowColorGradient)
  Q_PROPERTY(int ColorMapMode READ ColorMapModeOrdinal WRITE SetColorMapModeOrdinal)
  Q_PROPERTY(uint ColorGrid READ ColorGrid WRITE SetColorGrid)
  Q_PROPERTY(int GridDist READ GridDist WRITE SetGridDist)
  Q_PROPERTY(int MarginLeft READ MarginLeft WRITE SetMarginLeft)
  Q_PROPERTY(int MarginRight READ MarginRight WRITE SetMarginRight)
  Q_PROPERTY(int MarginTop READ MarginTop WRITE SetMarginTop)
  Q_PROPERTY(int MarginBottom READ MarginBottom WRITE SetMarginBottom)
  Q_PROPERTY(int FrameStyleOuter READ FrameStyleOuterOrdinal WRITE SetFrameStyleOuterOrdinal)
  Q_PROPERTY(int FrameStyleInner READ FrameStyleInnerOrdinal WRITE SetFrameStyleInnerOrdinal)
  Q_PROPERTY(int ColorScheme READ ColorSchemeOrdinal WRITE SetColorSchemeOrdinal)
  Q_PROPERTY(QString BackGroundImg READ BackGroundImg WRITE SetBackGroundImg)
  Q_PROPERTY(bool TextVisible READ TextVisible WRITE SetTextVisible)
  Q_PROPERTY(int TextPosX READ TextPosX WRITE SetTextPosX)
  Q_PROPERTY(int TextPosY READ TextPosY WRITE SetTextPosY)
  Q_PROPERTY(int TextDecPlaces READ TextDecPlaces WRITE SetTextDecPlaces)
  Q_PROPERTY(int TextAlignment READ TextAlignmentOrdinal WRITE SetTextAlignmentOrdinal)
  Q_PROPERTY(int TextAngle READ TextAngle WRITE SetTextAngle)
  Q_PROPERTY(bool AutoInc READ AutoInc WRITE SetAutoInc)
  Q_PROPERTY(double AutoIncStep READ AutoIncStep WRITE SetAutoIncStep)
  Q_PROPERTY(int StartInterval READ StartInterval WRITE SetStartInterval)
  Q_PROPERTY(int RepeatInterval READ RepeatInterval WRITE SetRepeatInterval)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  // A 300 x 28 bar at 10 of 0..100, blue, text "10" centred at (14, 14).
  explicit TProgBar(QWidget* AOwner = nullptr);
  ~TProgBar() override;

  // Not clamped to the range; the bar shows what fits.
  double Value() const;
  void SetValue(double value);
  double Min() const;
  void SetMin(double value);
  double Max() const;
  void SetMax(double value);
  // Min := the smaller, Max := the larger of a and b; always repaints.
  void SetRange(double a, double b);
  TDirection Direction() const;
  void SetDirection(TDirection value);

  TColor ColorMargin() const;
  void SetColorMargin(TColor value);
  TColor ColorBackGnd() const;
  void SetColorBackGnd(TColor value);
  // Entries 0 and 1023 of the colour table; a write refills the entries
  // between them as an even blend of the two.
  TColor ColorMin() const;
  void SetColorMin(TColor value);
  TColor ColorMax() const;
  void SetColorMax(TColor value);
  // One entry of the colour table, without refill or repaint. Indexes
  // outside 0..1023 read 0 and are not written.
  TColor GetBarColorElem(int index) const;
  void SetBarColorElem(int index, TColor value);
  bool ShowColorGradient() const;
  void SetShowColorGradient(bool value);
  TColorMapping ColorMapMode() const;
  void SetColorMapMode(TColorMapping value);
  TColor ColorGrid() const;
  void SetColorGrid(TColor value);
  // Grid spacing in pixels; no grid unless above 1.
  int GridDist() const;
  void SetGridDist(int value);

  int MarginLeft() const;
  void SetMarginLeft(int value);
  int MarginRight() const;
  void SetMarginRight(int value);
  int MarginTop() const;
  void SetMarginTop(int value);
  int MarginBottom() const;
  void SetMarginBottom(int value);
  TFrameStyle FrameStyleOuter() const;
  void SetFrameStyleOuter(TFrameStyle value);
  TFrameStyle FrameStyleInner() const;
  void SetFrameStyleInner(TFrameStyle value);
  TColorScheme ColorScheme() const;
  void SetColorScheme(TColorScheme value);
  // A picture file stretched over the bar's box. A name is kept only when
  // its picture loads; a failed load keeps the previous name and picture.
  // An empty name removes the picture. Always repaints.
  QString BackGroundImg() const;
  void SetBackGroundImg(const QString& fileName);

  // The text properties always repaint.
  bool TextVisible() const;
  void SetTextVisible(bool value);
  // The text's anchor. A negative write stores 0; a larger one than the
  // control is kept, and reads and paints as Width (Height) while the
  // control is smaller, so shrinking does not lose it.
  int TextPosX() const;
  void SetTextPosX(int value);
  int TextPosY() const;
  void SetTextPosY(int value);
  // Decimals 0..10; -1 shows an exponent of two digits, -2 of four.
  int TextDecPlaces() const;
  void SetTextDecPlaces(int value);
  // Which point of the text sits on the anchor: the middle of its start,
  // end or centre, turned with the text.
  TAlignment TextAlignment() const;
  void SetTextAlignment(TAlignment value);
  // Degrees counter-clockwise, clamped to 0..360.
  int TextAngle() const;
  void SetTextAngle(int value);
  // The text drawn for the current value (after OnShowValue).
  QString ValueText();

  // Auto increment: Value grows by AutoIncStep on every tick, without limit.
  bool AutoInc() const;
  void SetAutoInc(bool value);
  // A write of 0 (or NaN) is ignored.
  double AutoIncStep() const;
  void SetAutoIncStep(double value);
  // Milliseconds, at least 10. A changed StartInterval restarts the
  // first-tick phase, a changed RepeatInterval the repeat phase.
  int StartInterval() const;
  void SetStartInterval(int value);
  int RepeatInterval() const;
  void SetRepeatInterval(int value);
  // Raised after each tick's increment; setting it restarts the repeat
  // phase.
  const TNotifyEvent& OnAutoInc() const;
  void SetOnAutoInc(TNotifyEvent handler);
  TBeforeShowValueEvent OnShowValue;

  void SetFont(const TFont& font) override;
  void Loaded() override;

  // From another TProgBar: the properties of CopiedProperties, the whole
  // colour table, the background picture and OnShowValue; the auto
  // increment settings stay.
  void Assign(const TComponentBase* Source) override;
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

  QSize sizeHint() const override { return {300, 28}; }
  QSize minimumSizeHint() const override;
  QAccessible::Role AccessibleRole() const override { return QAccessible::ProgressBar; }
  QString AccessibleValue() const override;
  std::optional<TAccessibleNumber> AccessibleNumber() const override;

 protected:
  void DoPaint() override;

 private:
  struct Private;
  std::unique_ptr<Private> d;

  template <typename T>
  void Store(T& field, T value);
  void Repaint();
  void RefillColorTable();
  // The timer phases: the first tick after StartInterval, later ones
  // after RepeatInterval.
  void InitTimer();
  void UpdateTimer();
  void StartTimer(int interval);
  void DoTimer();

  void PaintBar(TCanvas& c);
  void PaintFrame(TCanvas& c, TFrameStyle style, int left, int top, int right, int bottom);
  void PaintText(TCanvas& c);

  int DirectionOrdinal() const { return Direction(); }
  void SetDirectionOrdinal(int value);
  int ColorMapModeOrdinal() const { return ColorMapMode(); }
  void SetColorMapModeOrdinal(int value);
  int FrameStyleOuterOrdinal() const { return FrameStyleOuter(); }
  void SetFrameStyleOuterOrdinal(int value);
  int FrameStyleInnerOrdinal() const { return FrameStyleInner(); }
  void SetFrameStyleInnerOrdinal(int value);
  int ColorSchemeOrdinal() const { return ColorScheme(); }
  void SetColorSchemeOrdinal(int value);
  int TextAlignmentOrdinal() const { return TextAlignment(); }
  void SetTextAlignmentOrdinal(int value);
};

}  // namespace vyr
