#pragma once
// TSevenSeg: a short text shown as a row of slanted seven-segment digits,
// like an LED or LCD readout.
//
// Each displayable character is composed once at 312 x 432 pixels from the
// built-in segment pictures ("SEGVERT", "SEGHORZ", "SEGDOT", "SEGPLUS",
// "SEGCOLON", "SEGDEG"), shrunk with halftone smoothing into a cache of 21
// cells (0..9, "-", "+", ":", "°", A..F, "."), and Paint only copies cells.
// The cache is rebuilt when the size, the colours, NumDigits, Margin or
// InterDigDist change; Caption writes never rebuild it. A rebuild takes tens
// of milliseconds, so writes of those settings only mark the cache stale and
// Invalidate: the next paint rebuilds it once, however many were written.
//
// Caption: each character takes one digit position; a "." or "," after a
// character lights that position's decimal point, a "." or "," on its own
// shows a blank position with a point. Letters a..f show as A..F; anything
// else leaves its position blank. Characters beyond NumDigits positions are
// not shown (a point right after the last shown one still is).
//
// Choices of this implementation:
//  - Margin is kept within 0..Height div 2 - 1 when written, InterDigDist
//    within 0..255.
//  - A digit cell of zero or negative width or height (too many digits, too
//    wide a spacing, too large a margin) is neither cached nor drawn: the
//    display then shows its background and frame only.
//  - Cells larger than the composed glyph (312 x 432) are cached at that size
//    and enlarged when painted, so the cache never exceeds 21 x 312 x 432
//    pixels whatever the size of the control.
//  - The inside of the degree ring takes the background colour as well.
//  - ShowValue puts a number into Caption; NaN and infinite values blank
//    the display.
#include <QString>
#include <memory>

#include "foundation/CoreTypes.h"
#include "host/Color.h"
#include "host/Control.h"
#include "host/PropertyCopy.h"

namespace vyr {

class TBitmap;

class TSevenSeg : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(uint ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
  Q_PROPERTY(uint ColorText READ ColorText WRITE SetColorText)
  Q_PROPERTY(int NumDigits READ NumDigits WRITE SetNumDigits)
  Q_PROPERTY(int Margin READ Margin WRITE SetMargin)
  Q_PROPERTY(int InterDigDist READ InterDigDist WRITE SetInterDigDist)
  Q_PROPERTY(int FrameStyle READ FrameStyleOrdinal WRITE SetFrameStyleOrdinal)
  Q_PROPERTY(int ColorScheme READ ColorSchemeOrdinal WRITE SetColorSchemeOrdinal)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

 public:
  // The number of cells in the glyph cache and the size glyphs are composed at.
  static constexpr int kCacheCells = 21;
  static constexpr int kGlyphWidth = 312;
  static constexpr int kGlyphHeight = 432;
  static constexpr int kMaxDigits = 32;

  // A 216 x 76 display of "8.8.8.8." in red on dark grey.
  explicit TSevenSeg(QWidget* AOwner = nullptr);
  ~TSevenSeg() override;

  QString Caption() const;
  void SetCaption(const QString& value);
  // Caption := value with the given decimals (0..15, "." as separator);
  // NaN and infinite values give an empty caption.
  void ShowValue(double value, int decimals = 0);
  // 1..32; other values are ignored.
  int NumDigits() const;
  void SetNumDigits(int value);
  TColor ColorText() const;
  // White is drawn as 0xFEFEFE, since white is the key colour of the pictures.
  void SetColorText(TColor value);
  TColor ColorBackGnd() const;
  void SetColorBackGnd(TColor value);
  // Space around the digits, 0..Height div 2 - 1 at the time of the write.
  int Margin() const;
  void SetMargin(int value);
  // Pixels between two digits, 0..255.
  int InterDigDist() const;
  void SetInterDigDist(int value);
  TFrameStyle FrameStyle() const;
  void SetFrameStyle(TFrameStyle value);
  TColorScheme ColorScheme() const;
  void SetColorScheme(TColorScheme value);

  // The width of one digit cell in pixels; zero or less draws no digits.
  int CellWidth() const;
  // Rebuilds the glyph cache from the current settings now.
  void CreateImageCache();
  // How many times the cache was built; Caption writes leave it alone.
  int ImageCacheBuilds() const;
  // The cache as last built: kCacheCells cells side by side (empty while no
  // cell fits).
  const TBitmap& ImageCache() const;
  // Recolours every shape of the segment pictures (white as 0xFEFEFE, white
  // being their key colour); returns the colour used. The cache takes the
  // pictures' colour when it is next built, and then ColorText again.
  TColor ColorizeSegments(TColor color);
  // Composes the character on the full-size glyph canvas and returns it.
  const TBitmap& CreateDigit(QChar ch, bool withDot);

  // From another TSevenSeg: the published properties; the cache follows.
  void Assign(const TComponentBase* Source) override;
  // The properties Assign copies, in the order it writes them.
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

  // Natural size: the construction size; the minimum still shows a digit.
  QSize sizeHint() const override { return {216, 76}; }
  QSize minimumSizeHint() const override { return {24, 20}; }
  // Read as a static text: the caption.
  QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
  QString AccessibleName() const override;
  // What the digits show: one character per position, a blank for what
  // shows nothing, points after their digits ("12.5 " for "12.5").
  QString ShownText() const;

 protected:
  void DoPaint() override;
  bool Transparent() const override { return false; }
  void Resize() override;
  void Loaded() override;

 private:
  int FrameStyleOrdinal() const { return FrameStyle(); }
  void SetFrameStyleOrdinal(int value);
  int ColorSchemeOrdinal() const { return ColorScheme(); }
  void SetColorSchemeOrdinal(int value);
  // Stores a setting the cache depends on, marks the cache stale and
  // invalidates.
  template <typename T>
  void StoreCacheSetting(T& field, T value);
  // Rebuilds the cache when stale or built for another size.
  void ProcessResize();

  struct Private;
  std::unique_ptr<Private> d;
};

}  // namespace vyr
