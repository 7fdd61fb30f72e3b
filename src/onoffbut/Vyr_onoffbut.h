#pragma once
// TOnOffBut: a two-state switch shown as a picture (check box, radio button,
// slide switch, lamp, traffic light, smiley, ...) from a built-in picture
// sheet, with up to four captions around it.
//
// A left click on the picture (anywhere with oomaPlain, never with
// oomaNone) toggles OnOff; in oobmSpeedBut mode the button lights while
// the button is held and goes off when it is released, raising OnClick.
// Buttons with the same non-zero GroupIndex on the same parent act as radio
// buttons: lighting one switches the lit one off, and with AllowAllOff
// false the lit one cannot be switched off itself. Only the parent's own
// children hear a group's announcements; a button moved to another parent
// belongs to that parent's group from then on, and announces itself there
// when it arrives lit.
//
// Choices made here:
//  - The button takes the keyboard focus (unless MouseAction is oomaNone,
//    which makes it a display only) and Space acts as a click on the
//    picture: pressed lights or toggles, released ends a speed-button press
//    and raises OnClick. The focus frame surrounds the picture.
//  - A speed-button press always ends with the release of the left button,
//    also when the pointer has left the picture; OnClick is raised only
//    when the release lies where a press would count.
//  - Transparent: the black parts of the mask let the parent show wherever
//    the sheet has its background colour 0xEBBEEB, and around the captions;
//    writes follow the repaint rule (Invalidate while transparent).
//  - MouseAction writes store the value and change the focus policy.
//  - ColorScheme picks the frame's highlight and shadow: scheme 0 white
//    and grey, other schemes the system button highlight and shadow.
//  - SetUserGlyph takes a sheet laid out like the built-in ones (2 x 2
//    quadrants: on, off over on disabled, off disabled); LoadUserGlyph
//    reads one from a BMP or PNG file. While ButtonStyle is oobsUser the
//    picture size becomes the quadrant size and the picture re-centres.
//    A sheet smaller than 2 x 2 pixels raises EInvalidGraphic.
//  - Switching to oobsUser keeps the picture size of the previous style,
//    as the hit area; the user pictures are drawn at their own size.
#include <QFont>
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "foundation/CoreTypes.h"
#include "host/Bitmap.h"
#include "host/Control.h"
#include "host/PropertyCopy.h"
#include "host/Types.h"

namespace vyr {

namespace onoffbut {
Q_NAMESPACE
// The built-in picture styles; oobsUser shows the user pictures.
enum TOnOffButStyle : std::uint8_t {
  oobsUser, oobsCheckbox, oobsRadioBut, oobsSlideTB, oobsSlideLR, oobsColSlideTB, oobsColSlideLR,
  oobsLedRedGreen, oobsArrowTopRgt, oobsArrowUpDown, oobsArrowLeftRight, oobsTrafficLPed, oobsBeveledLed,
  oobsSmileyYellow, oobsSmileyRedGrn, oobsBulb, oobsButLamp, oobsHDLeft, oobsHDRight,
  oobsUser1, oobsUser2, oobsUser3, oobsUser4, oobsUser5
};
Q_ENUM_NS(TOnOffButStyle)
enum TOOButMode : std::uint8_t { oobmNormalBut, oobmSpeedBut };
Q_ENUM_NS(TOOButMode)
enum TOOButMouseAction : std::uint8_t { oomaNone, oomaFocused, oomaPlain };
Q_ENUM_NS(TOOButMouseAction)
}  // namespace onoffbut
using onoffbut::TOnOffButStyle;
using onoffbut::TOOButMode;
using onoffbut::TOOButMouseAction;
using enum onoffbut::TOnOffButStyle;
using enum onoffbut::TOOButMode;
using enum onoffbut::TOOButMouseAction;

class TOnOffBut : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(bool OnOff READ OnOff WRITE SetOnOff)
  Q_PROPERTY(vyr::onoffbut::TOnOffButStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
  Q_PROPERTY(vyr::onoffbut::TOOButMode Mode READ Mode WRITE SetMode)
  Q_PROPERTY(vyr::onoffbut::TOOButMouseAction MouseAction READ MouseAction WRITE SetMouseAction)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
  Q_PROPERTY(bool AllowAllOff READ AllowAllOff WRITE SetAllowAllOff)
  Q_PROPERTY(bool AutoCenter READ AutoCenter WRITE SetAutoCenter)
  Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
  Q_PROPERTY(int TopSpace READ TopSpace WRITE SetTopSpace)
  Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
  Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
  Q_PROPERTY(QString TopText READ TopText WRITE SetTopText)
  Q_PROPERTY(QString BottomText READ BottomText WRITE SetBottomText)
  Q_PROPERTY(int LeftTextAlignment READ LeftTextAlignmentOrdinal WRITE SetLeftTextAlignmentOrdinal)
  Q_PROPERTY(int RightTextAlignment READ RightTextAlignmentOrdinal WRITE SetRightTextAlignmentOrdinal)
  Q_PROPERTY(int TopTextAlignment READ TopTextAlignmentOrdinal WRITE SetTopTextAlignmentOrdinal)
  Q_PROPERTY(int BottomTextAlignment READ BottomTextAlignmentOrdinal WRITE SetBottomTextAlignmentOrdinal)
  Q_PROPERTY(uint ColorText READ ColorText WRITE SetColorText)
  Q_PROPERTY(uint ColorBackgnd READ ColorBackgnd WRITE SetColorBackgnd)
  Q_PROPERTY(int ColorScheme READ ColorSchemeOrdinal WRITE SetColorSchemeOrdinal)
  Q_PROPERTY(int FrameStyle READ FrameStyleOrdinal WRITE SetFrameStyleOrdinal)
  Q_PROPERTY(bool Transparent READ IsTransparent WRITE SetTransparent)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  // A 100 x 50 button, on, style oobsColSlideLR, its picture box at
  // (36, 19) until a resize on a parent centres it.
  explicit TOnOffBut(QWidget* AOwner = nullptr);
  ~TOnOffBut() override;

  bool OnOff() const;
  void SetOnOff(bool value);
  TOnOffButStyle ButtonStyle() const;
  void SetButtonStyle(TOnOffButStyle value);
  TOOButMode Mode() const;
  void SetMode(TOOButMode value);
  TOOButMouseAction MouseAction() const;
  void SetMouseAction(TOOButMouseAction value);
  int GroupIndex() const;
  void SetGroupIndex(int value);
  bool AllowAllOff() const;
  void SetAllowAllOff(bool value);
  bool AutoCenter() const;
  void SetAutoCenter(bool value);
  // The picture's box starts at (LeftSpace + 1, TopSpace + 1). Negative
  // writes are ignored, larger ones limited to Width (Height); with
  // AutoCenter on a write re-centres instead. While a form loads they are
  // stored as written and Loaded limits them to the loaded size.
  int LeftSpace() const;
  void SetLeftSpace(int value);
  int TopSpace() const;
  void SetTopSpace(int value);
  QString LeftText() const;
  void SetLeftText(const QString& value);
  QString RightText() const;
  void SetRightText(const QString& value);
  QString TopText() const;
  void SetTopText(const QString& value);
  QString BottomText() const;
  void SetBottomText(const QString& value);
  TAlignment LeftTextAlignment() const;
  void SetLeftTextAlignment(TAlignment value);
  TAlignment RightTextAlignment() const;
  void SetRightTextAlignment(TAlignment value);
  TAlignment TopTextAlignment() const;
  void SetTopTextAlignment(TAlignment value);
  TAlignment BottomTextAlignment() const;
  void SetBottomTextAlignment(TAlignment value);
  TColor ColorText() const;
  void SetColorText(TColor value);
  TColor ColorBackgnd() const;
  void SetColorBackgnd(TColor value);
  TColorScheme ColorScheme() const;
  void SetColorScheme(TColorScheme value);
  TFrameStyle FrameStyle() const;
  void SetFrameStyle(TFrameStyle value);
  bool IsTransparent() const;
  void SetTransparent(bool value);
  void SetFont(const TFont& font) override;

  // The picture size of the current style (half the sheet's).
  int GlyphWidth() const;
  int GlyphHeight() const;
  // The state picture for 2 * on + enabled (0..3), and the user picture of
  // the same index; other indexes give nullptr.
  const TBitmap* StatePicture(int index) const;
  const TBitmap* UserPicture(int index) const;

  void SetUserGlyph(const TBitmap& sheet);
  void LoadUserGlyph(const QString& FName);

  // LeftSpace := (Width - GlyphWidth) div 2, TopSpace likewise.
  void AdjustAutoCenter();
  void Loaded() override;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // OnClick comes from MouseUp (or the release of Space), not from here.
  void Click() override {}
  void KeyDown(quint16& Key, TShiftState Shift) override;
  void KeyUp(quint16& Key, TShiftState Shift) override;

  // From another TOnOffBut: the user pictures, the properties of
  // CopiedProperties, then the state pictures and the picture size;
  // Invalidate.
  void Assign(const TComponentBase* Source) override;
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  QAccessible::Role AccessibleRole() const override;
  QString AccessibleName() const override;
  QString AccessibleValue() const override;
  std::optional<TAccessibleNumber> AccessibleNumber() const override;

 protected:
  void DoPaint() override;
  bool Transparent() const override { return IsTransparent(); }
  // With AutoCenter the picture re-centres on every new size, also one set
  // by SetBounds while the button is hidden.
  void SizeChanged() override;
  void EnabledChanged() override { Repaint(); }
  TRect FocusFrame() const override;
  bool event(QEvent* e) override;

 private:
  struct Private;
  std::unique_ptr<Private> d;

  template <typename T>
  void Store(T& field, T value);
  // Invalidate while transparent, else Paint.
  void Repaint();
  void LoadGlyphs();
  void ExtractGlyphs(const TBitmap& sheet);
  void UpdateExclusive();
  // A group announcement from sender on the same parent.
  void ButtonPressed(int groupIndex, TOnOffBut* sender);
  // Whether a press at (X, Y) counts under MouseAction.
  bool Hits(int X, int Y) const;
  void Press();
  void Release(bool raiseClick);
  void Limit(int& field, int value, int limit);
  void DrawCaptions(TCanvas& bitmap, TCanvas* mask, int lineHeight);
  void DrawPicture(TCanvas& bitmap, TCanvas* mask);

  int LeftTextAlignmentOrdinal() const { return LeftTextAlignment(); }
  void SetLeftTextAlignmentOrdinal(int value);
  int RightTextAlignmentOrdinal() const { return RightTextAlignment(); }
  void SetRightTextAlignmentOrdinal(int value);
  int TopTextAlignmentOrdinal() const { return TopTextAlignment(); }
  void SetTopTextAlignmentOrdinal(int value);
  int BottomTextAlignmentOrdinal() const { return BottomTextAlignment(); }
  void SetBottomTextAlignmentOrdinal(int value);
  int ColorSchemeOrdinal() const { return ColorScheme(); }
  void SetColorSchemeOrdinal(int value);
  int FrameStyleOrdinal() const { return FrameStyle(); }
  void SetFrameStyleOrdinal(int value);
};

}  // namespace vyr
