#pragma once
// TNumIO2: a self-drawn numeric entry field. An optional caption left of a
// text box, the text box with the number being typed, optional spin buttons,
// an optional caption right of them and an optional gauge bar under the box.
//
// The number lives only as text (the input buffer) in one of eight input
// formats; Value and IntegerValue convert it on demand. Every key is checked
// against the format and undone when it would leave the buffer invalid.
// After every key the selection is empty and inside the buffer: one left
// past the end of a shortened buffer moves back to its end. In itFixPoint a
// caret among the decimals instead selects the character right of it, so
// that the next digit overwrites it; at the end of the buffer there is
// nothing right of the caret and nothing is selected.
// Values outside RangeLow..RangeHigh show in the warning colours.
//
// A window that wants to see the field's keys first installs a Qt event
// filter on it; Tab (and Shift+Tab) move the focus on from the field.
// Ctrl+A (the platform's Select All) selects the whole buffer, also when
// ReadOnly, so that Ctrl+C can copy it; this selection is not collapsed.
// Home and End move the caret with Shift as without: the field's keys
// give Shift no meaning there. Ctrl+Tab, Ctrl+PgUp and Ctrl+PgDn go on to
// the parent (a tab widget's page keys) and do not beep.
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "foundation/CoreTypes.h"
#include "foundation/Errors.h"
#include "foundation/NumRoutines.h"
#include "host/Control.h"
#include "host/Edit.h"
#include "host/Events.h"
#include "host/PropertyCopy.h"
#include "numio/InFormat.h"
#include "numio/NumInText.h"

namespace vyr {

class EVyrNumIO2Error : public EVyrError {
 public:
  using EVyrError::EVyrError;
};

using TOnGaugeChangeEvent = std::function<void(TObject* Sender, TShiftState Shift, double GaugeValue)>;

class TNumIO2 : public TCustomControl {
  Q_OBJECT
  // Format properties come before Value and Text so that a stored form
  // sets them first.
  Q_PROPERTY(vyr::informat::TInFormat InputFormat READ InputFormat WRITE SetInputFormat)
  Q_PROPERTY(vyr::TDecPSep DecPlaceSep READ DecPlaceSep WRITE SetDecPlaceSep)
  Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetFixPointDecPlaces)
  Q_PROPERTY(int SignificantDigits READ SignificantDigits WRITE SetSignificantDigits)
  Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
  Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
  Q_PROPERTY(int TextBoxWidth READ TextBoxWidth WRITE SetTextBoxWidth)
  Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
  Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
  Q_PROPERTY(vyr::TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(vyr::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignment)
  Q_PROPERTY(vyr::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignment)
  Q_PROPERTY(vyr::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
  Q_PROPERTY(vyr::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
  Q_PROPERTY(uint ColorBoxBG READ ColorBoxBG WRITE SetColorBoxBG)
  Q_PROPERTY(uint ColorBoxText READ ColorBoxText WRITE SetColorBoxText)
  Q_PROPERTY(uint ColorOutBG READ ColorOutBG WRITE SetColorOutBG)
  Q_PROPERTY(uint ColorOutText READ ColorOutText WRITE SetColorOutText)
  Q_PROPERTY(uint ColorWarnBG READ ColorWarnBG WRITE SetColorWarnBG)
  Q_PROPERTY(uint ColorWarnText READ ColorWarnText WRITE SetColorWarnText)
  Q_PROPERTY(bool ButVisible READ ButVisible WRITE SetButVisible)
  Q_PROPERTY(bool But3D READ But3D WRITE SetBut3D)
  Q_PROPERTY(int ButWidth READ ButWidth WRITE SetButWidth)
  Q_PROPERTY(int ButHeight READ ButHeight WRITE SetButHeight)
  Q_PROPERTY(int ButSpace READ ButSpace WRITE SetButSpace)
  Q_PROPERTY(uint ButColor READ ButColor WRITE SetButColor)
  Q_PROPERTY(double ButIncrem READ ButIncrem WRITE SetButIncrem)
  Q_PROPERTY(bool GaugeVisible READ GaugeVisible WRITE SetGaugeVisible)
  Q_PROPERTY(int GaugeHeight READ GaugeHeight WRITE SetGaugeHeight)
  Q_PROPERTY(int GaugeWidth READ GaugeWidth WRITE SetGaugeWidth)
  Q_PROPERTY(int GaugeLeftMargin READ GaugeLeftMargin WRITE SetGaugeLeftMargin)
  Q_PROPERTY(int GaugeTopMargin READ GaugeTopMargin WRITE SetGaugeTopMargin)
  Q_PROPERTY(uint GaugeColor READ GaugeColor WRITE SetGaugeColor)
  Q_PROPERTY(uint GaugeColorBg READ GaugeColorBg WRITE SetGaugeColorBg)
  Q_PROPERTY(uint GaugeColorFrame READ GaugeColorFrame WRITE SetGaugeColorFrame)
  Q_PROPERTY(vyr::TFrameStyle GaugeFrameStyle READ GaugeFrameStyle WRITE SetGaugeFrameStyle)
  Q_PROPERTY(bool HideSelection READ HideSelection WRITE SetHideSelection)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
  Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
  Q_PROPERTY(bool Beep READ Beep WRITE SetBeep)

 public:
  // Raises EVyrNumIO2Error "Component "<Name>": no timer available" when the
  // caret timer cannot be started.
  explicit TNumIO2(QWidget* AOwner = nullptr);
  ~TNumIO2() override;

  // The smallest height the field takes however it is sized (setters,
  // resize, layouts); only AutoSize may go below it.
  static constexpr int kMinHeight = 18;
  // Natural size: captions, text box, spin buttons and gauge side by side,
  // one line of the font high (plus the gauge band). The minimum holds the
  // text box and the buttons.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  // The focus frame lies just inside the text box, around the caret.
  TRect FocusFrame() const override;

 public:
  // An editable text to assistive technology, named by its left caption,
  // with the text as value and Value within RangeLow..RangeHigh as number
  // (a read-only field refuses writes).
  QAccessible::Role AccessibleRole() const override { return QAccessible::EditableText; }
  QString AccessibleName() const override;
  QString AccessibleValue() const override;
  std::optional<TAccessibleNumber> AccessibleNumber() const override;
  void SetAccessibleNumber(double value) override;

 public:
  // The largest decimals and significant digits.
  static constexpr int kMaxDigits = 15;
  // Text box widths are kept within 0..kMaxTextBoxWidth.
  static constexpr int kMaxTextBoxWidth = 16777215;
  // The longest buffer that typing, pasting or Text can make; far more than
  // any number needs, and short enough to measure and draw at every key.
  static constexpr int kMaxTextLength = 1024;

  // --- Value model ---
  // Scanned from the buffer by the input format. Writing a non-finite value
  // is ignored; writing keeps caret and selection, limited to the new text.
  double Value() const;
  void SetValue(double value);
  // Value rounded (halves to even); raises EVyrNumIO2Error
  // "Component "<Name>": integer overflow" outside the 32-bit range.
  int IntegerValue() const;
  QString Text() const;
  // Stores an empty or valid text (caret and selection to 0); ignores others.
  void SetText(const QString& value);
  // Whether text is a valid number of the current format, at most
  // kMaxTextLength characters long.
  bool CheckValidity(const QString& Instring) const;
  bool OutOfRange() const;
  // Raises OnChange.
  void Changed();

  TInFormat InputFormat() const;
  void SetInputFormat(TInFormat value);
  TDecPSep DecPlaceSep() const;
  void SetDecPlaceSep(TDecPSep value);
  int FixPointDecPlaces() const;
  void SetFixPointDecPlaces(int value);
  int SignificantDigits() const;
  void SetSignificantDigits(int value);
  double RangeLow() const;
  void SetRangeLow(double value);
  double RangeHigh() const;
  void SetRangeHigh(double value);

  // --- Layout and colours ---
  int LeftSpace() const;
  void SetLeftSpace(int value);
  int TextBoxWidth() const;
  void SetTextBoxWidth(int value);
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
  TColorScheme ColorScheme() const;
  void SetColorScheme(TColorScheme value);
  TColor ColorBoxBG() const;
  void SetColorBoxBG(TColor value);
  TColor ColorBoxText() const;
  void SetColorBoxText(TColor value);
  TColor ColorOutBG() const;
  void SetColorOutBG(TColor value);
  TColor ColorOutText() const;
  void SetColorOutText(TColor value);
  TColor ColorWarnBG() const;
  void SetColorWarnBG(TColor value);
  TColor ColorWarnText() const;
  void SetColorWarnText(TColor value);

  // --- Spin buttons ---
  bool ButVisible() const;
  void SetButVisible(bool value);
  bool But3D() const;
  void SetBut3D(bool value);
  int ButWidth() const;
  void SetButWidth(int value);
  int ButHeight() const;
  void SetButHeight(int value);
  int ButSpace() const;
  void SetButSpace(int value);
  TColor ButColor() const;
  void SetButColor(TColor value);
  double ButIncrem() const;
  void SetButIncrem(double value);

  // --- Gauge ---
  bool GaugeVisible() const;
  void SetGaugeVisible(bool value);
  int GaugeHeight() const;
  void SetGaugeHeight(int value);
  int GaugeWidth() const;
  void SetGaugeWidth(int value);
  int GaugeLeftMargin() const;
  void SetGaugeLeftMargin(int value);
  int GaugeTopMargin() const;
  void SetGaugeTopMargin(int value);
  TColor GaugeColor() const;
  void SetGaugeColor(TColor value);
  TColor GaugeColorBg() const;
  void SetGaugeColorBg(TColor value);
  TColor GaugeColorFrame() const;
  void SetGaugeColorFrame(TColor value);
  TFrameStyle GaugeFrameStyle() const;
  void SetGaugeFrameStyle(TFrameStyle value);

  // --- Behaviour ---
  bool HideSelection() const;
  void SetHideSelection(bool value);
  // True stops the caret timer and hides the caret; false restarts it. A
  // read-only field takes no key but Ctrl+C and ignores the spin buttons and
  // the gauge; the mouse still places the caret and selects.
  bool ReadOnly() const;
  void SetReadOnly(bool value);
  // The height follows the font at every paint.
  bool AutoSize() const;
  void SetAutoSize(bool value);
  bool Beep() const;
  void SetBeep(bool value);
  void SetEnabled(bool value) override;
  // Heights below kMinHeight become kMinHeight; ButHeight follows a lower height.
  void SetBounds(int left, int top, int width, int height) override;

  // --- Caret, selection, mouse ---
  int CaretPos() const;
  bool CaretVisible() const;
  int SelBegin() const;
  int SelEnd() const;
  // Both clamp to 0..length of the buffer, move the caret there and keep
  // SelBegin <= SelEnd by moving the other end.
  void SetSelBegin(int p);
  void SetSelEnd(int p);
  // 0 over the left caption, 1 over the text box, 2 right of it.
  int MouseAreaCode() const;
  // Left edge of character position p (clamped to 0..length) on the control.
  int CharPosToXCoords(int CharPos);
  // Character position nearest to x, within 0..length of the buffer.
  int XCoordsToCharPos(int X);
  // (Re)starts the caret blink with the caret shown; raises
  // "Component "<Name>": no timer available" when refused.
  void UpdateTimer();
  void SetFocus() override;

  // From another TNumIO2: the properties CopiedProperties names (not the
  // spin buttons, the gauge or the events), then the edit state: buffer,
  // caret and its blink phase, selection, the Shift and Ctrl keys held.
  // No event is raised; the field paints once, at the end.
  void Assign(const TComponentBase* Source) override;
  // The properties Assign copies, in the order it writes them.
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;
  void Loaded() override;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Click() override;
  void KeyDown(quint16& Key, TShiftState Shift) override;
  void KeyUp(quint16& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;

  // Preferred values for spin buttons and gauge, ascending; non-finite
  // entries are skipped.
  TDoubleArray ButtonPivots;

  TNotifyEvent OnChange;
  TOnGaugeChangeEvent OnGaugeChange;

 protected:
  void DoPaint() override;
  void FontChanged() override { Paint(); }
  void EnabledChanged() override;
  bool WantsTabKey() const override { return true; }

 private:
  // Painting
  bool PaintAllowed() const;
  void ApplyAutoSize();
  void PaintCaptions(TCanvas& c, int textTop) const;
  void PaintSpinButtons(TCanvas& c) const;
  void PaintGauge(TCanvas& c) const;
  void PaintTextBox(TCanvas& c, bool outOfRange) const;
  void PaintBuffer(TCanvas& c, int textTop, bool outOfRange) const;
  void PaintSelection(TCanvas& c);

  // Layout shared by painting and input
  int GaugeBand() const;
  // Left edge of the buffer text for a buffer of the given width.
  int TextLeft(int bufferWidth) const;
  int ButtonLeft() const;
  TCanvas& MeasureCanvas();

  // Value model
  TInTextStyle TextStyle() const;
  // The value to render again after a format or digits change: the last
  // written value while the buffer still shows it, else the scanned value.
  double ValueToRerender() const;
  void KeepCaretInBuffer();
  int FitLeftSpace(int value) const;
  int FitButHeight(int value) const;
  int FitGaugeHeight(int value) const;
  int FitGaugeWidth(int value) const;
  int FitGaugeLeftMargin(int value) const;
  int FitGaugeTopMargin(int value) const;
  template <typename T>
  void Store(T& field, T value);

  // Keyboard
  void HandleKeyDown(quint16 key);
  void SelectAllByKey();
  bool HandleCtrlKey(quint16 key);
  bool HandlePlainKey(quint16 key);
  void InsertAtCaret(const QString& text);
  void DeleteSelection();
  bool Acceptable(const QString& buffer) const;
  void BeepIfWanted() const;

  // Mouse and caret
  void CaretTimerEvent();
  bool OverGauge(int X, int Y, int slack) const;
  double GaugeValueAtX(int X) const;
  void StepSpin(bool increase);

  // The state, in NumIO2Private.h.
  struct Private;
  std::unique_ptr<Private> d;
};

// TNumIO: the light-weight numeric entry, an ordinary single-line edit box
// whose every change of text is checked against an input format and a
// value range. A change that leaves the text unparsable or out of range is
// undone at once (with the system beep when Beep is set) and the last
// accepted text comes back. It draws nothing itself; typing, selection,
// undo and the context menu are the edit box's.
//
// How the check behaves:
// - The value 0 passes whatever the range, so the text can always be set to
//   0. An empty text passes too (it reads as 0): Backspace can empty the box.
// - A refused typed, pasted or undone edit never lands: the undo history
//   keeps no trace of it and the caret stays where it was. A refused text
//   written from code (Text) is replaced by the last accepted text, the
//   caret one place left.
// - itFixPoint always shows FixPointDecPlaces decimals: an accepted text is
//   shown again with that many (typing 5 into an empty box gives 5.00, the
//   caret after the 5); a decimal beyond them is cut off, not rounded, so a
//   digit typed among the decimals overwrites the next one. Deleting the
//   separator brings the last accepted text back with the caret before its
//   separator; typing a second separator brings it back with the caret just
//   after it, among the decimals. Both are silent. An empty box takes any
//   number, shown with its decimals.
// - The separator is the one DecPlaceSep names ("." or "," for dsBoth, the
//   system's for dsSystem) in every format, also for itFixPoint and for
//   reading Value.
// - itInt takes only numbers of the 32-bit range; a sign alone reads 0.
// - itHex, itOct, itBin read the digits of their base (either letter case),
//   as many as 32 bits hold (8, 11 with a first digit up to 3, and 32), as a
//   32-bit signed integer: FFFFFFFF reads -1, as in TNumIO2. itDynamic reads
//   "$", "%" and "&" followed by such digits in base 16, 2 and 8; a prefix
//   alone reads 0, so that such a number can be typed.
// - Writing Value shows itHex, itOct and itBin with 8, 11 and 32 digits, so
//   that every 32-bit value comes back whole.
// - A text written from code (Value, SetEditText) becomes the accepted
//   text, the one a refused edit brings back.
// - A check run by a setter (InputFormat, DecPlaceSep, the range, Assign)
//   raises no OnChange and sounds no beep; it empties a text that no longer
//   passes. OnChange comes only with an accepted change of the text by the
//   user or by Text.
// - A write of the text the box already shows leaves no mark behind, so the
//   next real change is always checked.
// - Range: a field made in the designer starts with -uc_MaxDouble ..
//   uc_MaxDouble (set when a field in design mode without a range of its
//   own is first made ready to show), one made at run time with 0 .. 0
//   (only 0 passes until the application sets a range). Setting RangeLow
//   at or above RangeHigh makes the old RangeHigh the low end and the value
//   the high end (RangeHigh likewise the other way). Non-finite values are
//   ignored. While a form loads the ends are only stored and the text is
//   not checked; Loaded puts the ends in order and checks the text once.
// - Keys are the line edit's own (Ctrl+A, Shift+Home select); Ctrl+Tab,
//   Ctrl+PgUp and Ctrl+PgDn go on to the parent (a tab widget's page keys).
struct TNumIOVerdict;

class TNumIO : public TCustomEdit {
  Q_OBJECT
  Q_PROPERTY(vyr::informat::TInFormat InputFormat READ InputFormat WRITE SetInputFormat)
  Q_PROPERTY(int FixPointDecPlaces READ FixPointDecPlaces WRITE SetFixPointDecPlaces)
  Q_PROPERTY(vyr::TDecPSep DecPlaceSep READ DecPlaceSep WRITE SetDecPlaceSep)
  Q_PROPERTY(double RangeLow READ RangeLow WRITE SetRangeLow)
  Q_PROPERTY(double RangeHigh READ RangeHigh WRITE SetRangeHigh)
  Q_PROPERTY(bool Beep READ Beep WRITE SetBeep)
  Q_PROPERTY(double Value READ Value WRITE SetValue STORED false)

 public:
  explicit TNumIO(QWidget* AOwner = nullptr);
  ~TNumIO() override;

  // Decimals of itFixPoint are kept within 1..kMaxFixPointDecPlaces.
  static constexpr int kMaxFixPointDecPlaces = 8;

  TInFormat InputFormat() const;
  void SetInputFormat(TInFormat value);
  // Values <= 0 become 1, values above 8 become 8; the text is left as it is.
  int FixPointDecPlaces() const;
  void SetFixPointDecPlaces(int value);
  TDecPSep DecPlaceSep() const;
  void SetDecPlaceSep(TDecPSep value);
  double RangeLow() const;
  void SetRangeLow(double value);
  double RangeHigh() const;
  void SetRangeHigh(double value);
  bool Beep() const;
  void SetBeep(bool value);

  // The text as a number of the format; 0 when it is not one. Writing
  // shows the value in the format (itExp and itDynamic: a blank or "-",
  // six significant digits and a two-digit exponent, " 3.14159E+00";
  // itFloat: eight decimals; itFixPoint: FixPointDecPlaces decimals;
  // itInt: rounded, within the 32-bit range; itHex, itOct, itBin: the low
  // 32 bits of the rounded value) without a check and without OnChange.
  // Non-finite values are ignored. A text ending in its separator reads as
  // if a 0 followed.
  double Value() const;
  void SetValue(double value);

  // True when Text is a complete number of the current format; Value then
  // receives it (untouched for an empty text, 0 for other failures).
  bool ConvertNumString(const QString& Text, double& Value) const;
  // Writes the text without a check and without OnChange; it becomes the
  // accepted text.
  void SetEditText(const QString& Text);
  // The check of every change of the text (see above).
  void Change() override;

  // From another TNumIO: the properties CopiedProperties names, then the
  // field checks its text once (no OnChange). Other sources as for any
  // control.
  void Assign(const TComponentBase* Source) override;
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;
  void Loaded() override;

  std::optional<TAccessibleNumber> AccessibleNumber() const override;
  void SetAccessibleNumber(double value) override;

 protected:
  bool RefuseEdit(const QString& text) override;
  // Sets the design-time range when the field, in design mode, is made
  // ready to show.
  bool event(QEvent* e) override;

 private:
  // A check after an edit may raise OnChange; one run by a setter does not.
  enum class TCheckCaller { User, Setter };
  void RunCheck(TCheckCaller caller);
  void ForgetAndCheck();
  TNumIOVerdict Judge(const QString& text) const;
  TNumIOVerdict JudgeFixPoint(const QString& text) const;
  bool InRange(double v) const;
  void WriteInternal(const QString& text);

  struct Private;
  std::unique_ptr<Private> d;
};

}  // namespace vyr
