#pragma once
// TRasterLab: a text shown as a dot-matrix display. Every character is a
// grid of square dots, lit (ColorDotOn) or dark (ColorDotOff), separated by
// gaps of the background colour (ColorLabBakG). The dots come from a bit
// font: the built-in 7 x 12 font while Font is named "default" (in any
// letter case), else sampled from the assigned font, up to 32 x 32 dots.
// The text can scroll under the label's own timer, and loop.
//
// Choices of this implementation:
//  - Scrolling left, down and up are the mirror images of scrolling right:
//    the offset moves by ScrollIncrement per tick; with ScrollLoop, once the
//    text has left the face entirely it re-enters from the opposite side
//    (OnScrollLoopRestart is raised). Right: past Width it restarts at minus
//    the text's length. Left: past minus the length it restarts at Width.
//    Down: past Height it restarts at minus the text's height. Up: past
//    minus the height it restarts at Height. The length is TextBitLength,
//    the height FontHeight * (DotSize + DotSpacing).
//  - Without ScrollLoop the text scrolls out and stays out: the offset
//    stops moving once the text has left the face.
//  - Characters above code 255 show the substitute glyph (a box with a
//    question mark), one per character even when it takes two UTF-16 units.
//  - A glyph without dots (the space, or any code a sampled font has no
//    dots for) is half the widest glyph wide.
//  - Sampled fonts are drawn without smoothing, so faint edge pixels light
//    no dots.
//  - Bounds: DotSize 1..32, DotSpacing 0..3, ScrollInterval 10..60000 ms,
//    ScrollIncrement 1..4096 pixels, PosX and PosY within +-1048576; a
//    written CharMatrix is kept within 32 x 32 dots.
//  - AutoCenter also recentres when the label is resized or the font
//    changes; AutoHeight also follows font changes.
#include <QFont>
#include <QString>
#include <memory>

#include "foundation/CoreTypes.h"
#include "foundation/Errors.h"
#include "host/Color.h"
#include "host/Control.h"
#include "host/Events.h"
#include "host/PropertyCopy.h"
#include "labels/RasterLabTypes.h"

namespace vyr {

class EVyrRasterLabError : public EVyrError {
 public:
  using EVyrError::EVyrError;
};

class TRasterLab : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)
  Q_PROPERTY(int DotSize READ DotSize WRITE SetDotSize)
  Q_PROPERTY(int DotSpacing READ DotSpacing WRITE SetDotSpacing)
  Q_PROPERTY(uint ColorDotOn READ ColorDotOn WRITE SetColorDotOn)
  Q_PROPERTY(uint ColorDotOff READ ColorDotOff WRITE SetColorDotOff)
  Q_PROPERTY(uint ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakG)
  Q_PROPERTY(vyr::rastermodes::TRDBlockMode CharBlockMode READ CharBlockMode WRITE SetCharBlockMode)
  Q_PROPERTY(bool Proportional READ Proportional WRITE SetProportional)
  Q_PROPERTY(int PosX READ PosX WRITE SetPosX)
  Q_PROPERTY(int PosY READ PosY WRITE SetPosY)
  Q_PROPERTY(bool AutoHeight READ AutoHeight WRITE SetAutoHeight)
  Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
  Q_PROPERTY(int FrameStyle READ FrameStyleOrdinal WRITE SetFrameStyleOrdinal)
  Q_PROPERTY(int ColorScheme READ ColorSchemeOrdinal WRITE SetColorSchemeOrdinal)
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(int ScrollInterval READ ScrollInterval WRITE SetScrollInterval)
  Q_PROPERTY(int ScrollIncrement READ ScrollIncrement WRITE SetScrollIncrement)
  Q_PROPERTY(bool ScrollLoop READ ScrollLoop WRITE SetScrollLoop)
  Q_PROPERTY(vyr::rastermodes::TRDScrollMode ScrollMode READ ScrollMode WRITE SetScrollMode)

 public:
  static constexpr int kMaxDotSize = 32;
  static constexpr int kMaxDotSpacing = 3;
  static constexpr int kMinScrollInterval = 10;
  static constexpr int kMaxScrollInterval = 60000;
  static constexpr int kMaxScrollIncrement = 4096;
  static constexpr int kMaxPos = 1 << 20;

  // A 400 x 68 label showing "Text" in green dots on dark grey.
  explicit TRasterLab(QWidget* AOwner = nullptr);
  ~TRasterLab() override;

  QString Text() const;
  void SetText(const QString& value);
  int DotSize() const;
  void SetDotSize(int value);
  int DotSpacing() const;
  void SetDotSpacing(int value);
  TColor ColorDotOn() const;
  void SetColorDotOn(TColor value);
  TColor ColorDotOff() const;
  void SetColorDotOff(TColor value);
  TColor ColorLabBakG() const;
  void SetColorLabBakG(TColor value);
  TRDBlockMode CharBlockMode() const;
  void SetCharBlockMode(TRDBlockMode value);
  bool Proportional() const;
  void SetProportional(bool value);
  // Pixel position of the text's first dot.
  int PosX() const;
  void SetPosX(int value);
  int PosY() const;
  void SetPosY(int value);
  bool AutoHeight() const;
  void SetAutoHeight(bool value);
  bool AutoCenter() const;
  void SetAutoCenter(bool value);
  TRDScrollMode ScrollMode() const;
  // Starts the timer for any mode but rdsmOff (unless designing); rdsmOff
  // stops it and puts the text back. Raises EVyrRasterLabError when the
  // platform refuses the timer.
  void SetScrollMode(TRDScrollMode value);
  int ScrollInterval() const;
  void SetScrollInterval(int value);
  int ScrollIncrement() const;
  void SetScrollIncrement(int value);
  bool ScrollLoop() const;
  void SetScrollLoop(bool value);
  TFrameStyle FrameStyle() const;
  void SetFrameStyle(TFrameStyle value);
  TColorScheme ColorScheme() const;
  void SetColorScheme(TColorScheme value);

  // The bit font in use; writing copies it whole (kept within its bounds).
  const TRDCharMatrix& CharMatrix() const;
  void SetCharMatrix(const TRDCharMatrix& value);
  // The built-in font when font is null or named "default" (any case),
  // else the font's glyphs sampled as dots.
  static TRDCharMatrix CreateBitFont(const TFont* font);

  // Raised on every scroll tick, after the text moved; assigning it
  // restarts the timer.
  const TNotifyEvent& OnScrollTimer() const;
  void SetOnScrollTimer(TNotifyEvent handler);
  // Raised when a looping text re-enters the face.
  TNotifyEvent OnScrollLoopRestart;

  // The current scroll offset in pixels.
  int ScrollPosX() const;
  int ScrollPosY() const;
  // Pixel length of the text as painted: CalcTextBitLength(Text) + 1.
  int TextBitLength() const;
  // Sum of the character advances of text in pixels.
  int CalcTextBitLength(const QString& text) const;
  // Height := border + pitch * FontHeight; PosX to centre the text.
  void AdjustAutoHeight();
  void AdjustAutoCenter();
  // Stops timer 1 and starts it again when scrolling.
  void UpdateTimer();
  // One scroll tick: moves the text, then raises OnScrollTimer.
  void DoTimer();

  // From another TRasterLab: frame, text and colours, then Paint.
  void Assign(const TComponentBase* Source) override;
  // The properties Assign copies, in the order it writes them.
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

  // Height and centring for a label stored with AutoHeight or AutoCenter.
  void Loaded() override;

  // Natural size: the text at its dots with the border.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  // Read as a static text: its text.
  QAccessible::Role AccessibleRole() const override { return QAccessible::StaticText; }
  QString AccessibleName() const override;

 protected:
  void DoPaint() override;
  bool Transparent() const override { return false; }
  void FontChanged() override;
  // With AutoCenter the text is recentred for the new width.
  void SizeChanged() override;

 private:
  int FrameStyleOrdinal() const { return FrameStyle(); }
  void SetFrameStyleOrdinal(int value);
  int ColorSchemeOrdinal() const { return ColorScheme(); }
  void SetColorSchemeOrdinal(int value);
  // Stores a property and paints when it changed.
  template <typename T>
  void Store(T& field, T value);
  // After a change of dots, font or text: height and centring when enabled.
  void FollowLayout();
  // Recentres after a change of width.
  void FollowWidth();
  void ScrollTimerEvent();
  int Pitch() const;
  int FrameWidth() const;

  struct Private;
  std::unique_ptr<Private> d;
};

}  // namespace vyr
