#pragma once
// TNumLab: a read-only display of one number. An optional caption on the
// left, a framed box with the formatted Value, an optional caption on the
// right. OnBeforeDisplay may rewrite the text just before it is shown; a
// text wider than the box (LabelWidth - 6 pixels), and a value the display
// type cannot show (NaN, infinite, an integer beyond 64 bits, a date outside
// the years 1..9999), shows OverflowIndicator instead.
//
// Texts of the display types (Precision P, "." shown as "," with Comma, a
// "+" in front of positive values with ForcePlusSign, except for dtHex,
// dtBin, dtDateTime and dtState):
//   dtFloat      general format, P significant digits (0 acts as 1):
//                fixed while the integer digits fit P and |Value| >= 1E-5,
//                else scientific; trailing zeros dropped ("2.5", "1.2E+005")
//   dtFixP       fixed, P decimals ("1234.50")
//   dtExp        scientific, P digits in all ("1.23E+003")
//   dtInt        Value rounded (halves to even) ("-42")
//   dtZeroInt    dtInt with at least P digits, zero-padded ("-007")
//   dtHex        the rounded value in upper-case hex, at least P digits,
//                "-" before negative values ("0FF", "-1A")
//   dtOct        the same in octal ("017")
//   dtBin        the same in binary ("0101")
//   dtDateTime   Value as days since 1899-12-30 (the fraction is the time
//                of day) in the pattern DTFormat, English names (see
//                labels/NumLabDateTime.cpp for the pattern letters);
//                DTFormat starts as "mmm-dd yyyy", without a comma, so
//                that every date fits the default box
//   dtState      StateText; never replaced by the overflow indicator
//   dtDeg        decimal degrees, P decimals ("12.50°")
//   dtDegMin     whole degrees and minutes with P decimals ("12°30.00'")
//   dtDegMinSec  whole degrees, two-digit minutes, seconds with P decimals
//                ("12°30'15.00\"")
//   dtEEng       engineering: mantissa 1..999 with P decimals, exponent a
//                multiple of three ("12.35E+003")
//   dtEEngNoDP   engineering with a whole mantissa ("12E+003")
// A value rounding to zero shows no "-" ("0.00", not "-0.00").
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "foundation/CoreTypes.h"
#include "host/Control.h"
#include "host/PropertyCopy.h"

namespace vyr {
namespace display {
Q_NAMESPACE
enum TDisplay : std::uint8_t {
  dtFloat,
  dtFixP,
  dtExp,
  dtHex,
  dtZeroInt,
  dtInt,
  dtDateTime,
  dtState,
  dtBin,
  dtOct,
  dtDeg,
  dtDegMin,
  dtDegMinSec,
  dtEEng,
  dtEEngNoDP
};
Q_ENUM_NS(TDisplay)
}  // namespace display

using display::TDisplay;
using enum display::TDisplay;

using TBeforeDisplayEvent = std::function<void(TObject* Sender, QString& Text)>;

class TNumLab : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(vyr::display::TDisplay DisplayType READ DisplayType WRITE SetDisplayType)
  Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)
  Q_PROPERTY(bool Comma READ Comma WRITE SetComma)
  Q_PROPERTY(bool ForcePlusSign READ ForcePlusSign WRITE SetForcePlusSign)
  Q_PROPERTY(bool Empty READ Empty WRITE SetEmpty)
  Q_PROPERTY(QString OverflowIndicator READ OverflowIndicator WRITE SetOverflowIndicator)
  Q_PROPERTY(QString StateText READ StateText WRITE SetStateText)
  Q_PROPERTY(QString DTFormat READ DTFormat WRITE SetDTFormat)
  Q_PROPERTY(int LabelWidth READ LabelWidth WRITE SetLabelWidth)
  Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
  Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
  Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
  Q_PROPERTY(int Alignment READ AlignmentOrdinal WRITE SetAlignmentOrdinal)
  Q_PROPERTY(int LeftTextAlignment READ LeftTextAlignmentOrdinal WRITE SetLeftTextAlignmentOrdinal)
  Q_PROPERTY(int RightTextAlignment READ RightTextAlignmentOrdinal WRITE SetRightTextAlignmentOrdinal)
  Q_PROPERTY(int FrameStyle READ FrameStyleOrdinal WRITE SetFrameStyleOrdinal)
  Q_PROPERTY(int ColorScheme READ ColorSchemeOrdinal WRITE SetColorSchemeOrdinal)
  Q_PROPERTY(uint ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakG)
  Q_PROPERTY(uint ColorLabText READ ColorLabText WRITE SetColorLabText)
  Q_PROPERTY(uint ColorOutBakG READ ColorOutBakG WRITE SetColorOutBakG)
  Q_PROPERTY(uint ColorOutText READ ColorOutText WRITE SetColorOutText)
  Q_PROPERTY(bool Transparent READ IsTransparent WRITE SetTransparent)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  // The largest LabelWidth; wider writes are clamped.
  static constexpr int kMaxLabelWidth = 32767;
  // The largest Precision; larger writes are clamped.
  static constexpr int kMaxPrecision = 15;

  // A 160 x 28 label showing 0.00.
  explicit TNumLab(QWidget* AOwner = nullptr);
  ~TNumLab() override;

  // Every setter ignores a write of the stored value; otherwise it stores
  // and paints at once (Transparent := true only invalidates).
  double Value() const;
  void SetValue(double value);
  TDisplay DisplayType() const;
  void SetDisplayType(TDisplay value);
  // Negative writes are ignored; above kMaxPrecision gives kMaxPrecision.
  int Precision() const;
  void SetPrecision(int value);
  bool Comma() const;
  void SetComma(bool value);
  bool ForcePlusSign() const;
  void SetForcePlusSign(bool value);
  // True leaves the box blank (its background only); OnBeforeDisplay is
  // then not called.
  bool Empty() const;
  void SetEmpty(bool value);
  QString OverflowIndicator() const;
  void SetOverflowIndicator(const QString& value);
  QString StateText() const;
  void SetStateText(const QString& value);
  QString DTFormat() const;
  void SetDTFormat(const QString& value);
  // 0..kMaxLabelWidth.
  int LabelWidth() const;
  void SetLabelWidth(int value);
  // Negative writes are ignored; more than Width gives Width (for a stored
  // form, once it is loaded).
  int LeftSpace() const;
  void SetLeftSpace(int value);
  QString LeftText() const;
  void SetLeftText(const QString& value);
  QString RightText() const;
  void SetRightText(const QString& value);
  TAlignment Alignment() const;
  void SetAlignment(TAlignment value);
  TAlignment LeftTextAlignment() const;
  void SetLeftTextAlignment(TAlignment value);
  TAlignment RightTextAlignment() const;
  void SetRightTextAlignment(TAlignment value);
  TFrameStyle FrameStyle() const;
  void SetFrameStyle(TFrameStyle value);
  // Frame line colours: fixed grey and white (0), or the system's button
  // shadow and highlight colours (any other ordinal).
  TColorScheme ColorScheme() const;
  void SetColorScheme(TColorScheme value);
  TColor ColorLabBakG() const;
  void SetColorLabBakG(TColor value);
  TColor ColorLabText() const;
  void SetColorLabText(TColor value);
  TColor ColorOutBakG() const;
  void SetColorOutBakG(TColor value);
  TColor ColorOutText() const;
  void SetColorOutText(TColor value);
  // Where the label's background is white the parent shows through; the
  // box keeps its colour. True invalidates, false paints at once.
  bool IsTransparent() const;
  void SetTransparent(bool value);

  // Which part the mouse last moved over: 0 the left caption (x <=
  // LeftSpace), 1 the box, 2 the right caption.
  int MouseAreaCode() const;
  // The text the last paint put in the box (after OnBeforeDisplay and the
  // overflow check); empty while Empty or before the first paint.
  QString ShownText() const;

  // From another TNumLab: the properties of CopiedProperties, then paints.
  void Assign(const TComponentBase* Source) override;
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

  void MouseMove(TShiftState Shift, int X, int Y) override;
  // Caps LeftSpace at the loaded size and paints.
  void Loaded() override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // Static text named by the captions around the shown text; the value is
  // the shown text.
  QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
  QString AccessibleName() const override;
  QString AccessibleValue() const override { return ShownText(); }

  TBeforeDisplayEvent OnBeforeDisplay;

 protected:
  void DoPaint() override;
  bool Transparent() const override { return IsTransparent(); }
  void EnabledChanged() override { Paint(); }

 private:
  struct Private;
  std::unique_ptr<Private> d;

  // Stores a property and paints when it changed.
  template <typename T>
  void Store(T& field, T value);
  void Changed();
  // The text for the box, before OnBeforeDisplay.
  QString FormattedText() const;
  void PaintCaptions(TCanvas& c, int textRow);
  void PaintBox(TCanvas& c, int textRow);
  void Transfer();

  int AlignmentOrdinal() const { return Alignment(); }
  void SetAlignmentOrdinal(int value);
  int LeftTextAlignmentOrdinal() const { return LeftTextAlignment(); }
  void SetLeftTextAlignmentOrdinal(int value);
  int RightTextAlignmentOrdinal() const { return RightTextAlignment(); }
  void SetRightTextAlignmentOrdinal(int value);
  int FrameStyleOrdinal() const { return FrameStyle(); }
  void SetFrameStyleOrdinal(int value);
  int ColorSchemeOrdinal() const { return ColorScheme(); }
  void SetColorSchemeOrdinal(int value);
};

}  // namespace vyr
