#pragma once
// TThumbnails: a scrollable grid of numbered slides Min..Max. The control
// owns no pictures: for every visible slide it asks the application through
// OnImageRequest, which may supply a bitmap, choose how the slide is shown
// and put a mark on it. FirstThumbIdx scrolls the grid by fractions of a
// slide row. The slide under the pointer gets a focus frame; clicks and keys
// select slides, one or many (SlideSelectMode).
//
// Geometry (W, H the control's size, b SlideSize, d SlideDistance, m
// SlideMargin): slides are b + 2m square and P = b + d + 2m apart in both
// directions, inside a 10-pixel margin. Column i, row j (from 1) of the grid
// shows slide c + (j - 1) * NumSlidesHoriz + i - 1, where c is the whole part
// of FirstThumbIdx; its left edge is (i - 1) * P + 10 and its top
// (j - 1) * P + d - round(f * P) + 10, f being FirstThumbIdx's fraction.
//
// Choices made for this control:
// - Min can be written: values below 1 become 1 (slide number 0 means
//   "none" everywhere). Writing Min above Max raises Max to it, writing Max
//   below Min lowers Min to it, so a stored form may set them in either
//   order. At most kMaxSlides slides: Max is clamped to Min + kMaxSlides - 1.
//   Rows start at Min (at slide 1 when Min is 1).
// - The selection always covers Min..Max: a changed range keeps the
//   selection of the slides that stay in it.
// - SlideSize reads the written size (at least 50) limited to the current
//   width; when the control grows again the written size comes back.
// - NumSlidesVert counts the rows that reach into the area between the top
//   and bottom margins at the current scroll position, so a row scrolled
//   into view is always drawn and a row hidden under the bottom margin is
//   never requested. At rest it is H div P + 1 for most heights.
// - Points in the 10-pixel margins (x or y below 10, x at W - 10 or beyond,
//   y at H - 10 or beyond) hit no slide, as the margins are painted over.
// - CalcSlidePos also places slides above the top row correctly (rows
//   counted with floor division).
// - OnImageRequest gets a pointer to the control's own image buffer, which
//   keeps what an earlier request of the same paint drew into it. A handler
//   may point it at a bitmap of its own (or at nullptr, shown as no image):
//   the control draws from it and never frees it; the next slide's request
//   gets the control's buffer again.
// - A handler that throws ends that paint; the exception goes to the caller
//   (the application's handler for paints requested by the window system)
//   and later paints work as before.
// - Marks: the box of the mark (kMarkBoxSize square, see foundation/Marks.h)
//   has its top-left corner at (x + 10, y + 12) from the slide's corner, so
//   every mark lies wholly inside the slide. Open marks are not filled.
//   Mark numbers outside 0..51 draw nothing.
// - Images keep their aspect: the longer side is scaled to b and the
//   picture centred; the inner frame lies on the picture's edge pixels.
//   AntiAlias true scales smoothly, false picks the nearest pixels.
// - ColorScheme: 0 draws the frames with the fixed grey and white line
//   colours, other schemes with the system's button shadow and highlight.
// - The focus frame stays on its slide across repaints and goes when the
//   pointer leaves the control; removing it restores the picture beneath.
//   Scrolling by the wheel moves it to the slide then under the pointer.
// - Selection in ssmMultiple, as a file manager does: a click selects only
//   the clicked slide, Ctrl+click toggles one slide, Shift+click selects the
//   range from the last clicked slide (Ctrl+Shift adds the range). A plain
//   click beside the slides clears the selection (in ssmSingle too).
//   ssmDisabled never selects by mouse or keys. SlideSelectMode governs
//   the mouse and keys only: writing SlideSelected sets or clears that one
//   slide in every mode, so in ssmSingle a program may select several
//   slides; the next click or key that selects leaves one.
// - Keys (the control takes the focus by click or Tab and shows a dotted
//   frame): the arrows move the focus frame by a slide or a row, Page Up and
//   Page Down by the rows on screen, Home and End to the first and last
//   slide, scrolling it into view. In ssmSingle the moved-to slide is
//   selected; in ssmMultiple likewise unless Ctrl is held (Shift extends the
//   range). Space selects as a click on the framed slide would (Ctrl+Space
//   toggles it) and raises OnImageClick; Enter raises OnImageDblClick. Both
//   report the slide's centre as X, Y.
// - The wheel scrolls a third of a slide row per notch.
// - OnSelectionChange (an addition) comes after each click or key that
//   changes the selection (a Shift range always counts as a change).
#include <QFont>
#include <cstdint>
#include <functional>
#include <memory>

#include "foundation/CoreTypes.h"
#include "host/Bitmap.h"
#include "host/Control.h"
#include "host/PropertyCopy.h"
#include "host/Types.h"

namespace vyr {

namespace thumbnails {
Q_NAMESPACE
enum TSlideSelectMode : std::uint8_t { ssmDisabled, ssmSingle, ssmMultiple };
Q_ENUM_NS(TSlideSelectMode)
// How a slide is shown: its number in a white box, the supplied image,
// the slide's background and frame only, or nothing at all.
enum TImageRequestProcessing : std::uint8_t { irpShowEmpty, irpShowSlide, irpShowFrameOnly, irpShowNothing };
Q_ENUM_NS(TImageRequestProcessing)
}  // namespace thumbnails
using thumbnails::TImageRequestProcessing;
using thumbnails::TSlideSelectMode;
using enum thumbnails::TImageRequestProcessing;
using enum thumbnails::TSlideSelectMode;

// Asked once per visible slide during each paint. HowToProcess comes in as
// irpShowEmpty, MarkIt as -1 (no mark).
using TImageRequestEvent = std::function<void(TObject* Sender, int ThumbID, TImageRequestProcessing& HowToProcess,
                                              int& MarkIt, TBitmap*& ImgBuffer)>;
// After a slide is drawn: the canvas drawn on and the slide's left and top.
using TSlideRenderedEvent = std::function<void(TObject* Sender, TCanvas& Canvas, int X, int Y, int ThumbID)>;
// ThumbID is 0 when no slide lies at X, Y.
using TImageClickEvent = std::function<void(TObject* Sender, int X, int Y, int ThumbID)>;

class TThumbnails : public TGraphicControl {
  Q_OBJECT
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int SlideSize READ SlideSize WRITE SetSlideSize)
  Q_PROPERTY(int SlideDistance READ SlideDistance WRITE SetSlideDistance)
  Q_PROPERTY(int SlideMargin READ SlideMargin WRITE SetSlideMargin)
  Q_PROPERTY(vyr::thumbnails::TSlideSelectMode SlideSelectMode READ SlideSelectMode WRITE SetSlideSelectMode)
  Q_PROPERTY(int FocusLinewidth READ FocusLinewidth WRITE SetFocusLinewidth)
  Q_PROPERTY(int FocusedSlide READ FocusedSlide STORED false)
  Q_PROPERTY(uint ColorBackGnd READ ColorBackGnd WRITE SetColorBackGnd)
  Q_PROPERTY(uint ColorCover READ ColorCover WRITE SetColorCover)
  Q_PROPERTY(uint ColorSelected READ ColorSelected WRITE SetColorSelected)
  Q_PROPERTY(uint ColorFocus READ ColorFocus WRITE SetColorFocus)
  Q_PROPERTY(uint ColorMark READ ColorMark WRITE SetColorMark)
  Q_PROPERTY(int FrameStyle READ FrameStyleOrdinal WRITE SetFrameStyleOrdinal)
  Q_PROPERTY(int OuterFrameStyle READ OuterFrameStyleOrdinal WRITE SetOuterFrameStyleOrdinal)
  Q_PROPERTY(int InnerFrameStyle READ InnerFrameStyleOrdinal WRITE SetInnerFrameStyleOrdinal)
  Q_PROPERTY(int ColorScheme READ ColorSchemeOrdinal WRITE SetColorSchemeOrdinal)
  Q_PROPERTY(bool AntiAlias READ AntiAlias WRITE SetAntiAlias)
  Q_PROPERTY(QFont Font READ FontQ WRITE SetFontQ)

 public:
  static constexpr int kMinSlideSize = 50;
  static constexpr int kMaxSlideSize = 1 << 16;
  static constexpr int kMaxSpacing = 100;
  static constexpr int kMaxFocusLinewidth = 10;
  static constexpr int kMaxSlides = 1 << 24;
  // The empty border around the grid, in pixels.
  static constexpr int kMargin = 10;

  // 260 x 400, slides 1..100 of 120 pixels, 2 apart with a 7-pixel margin.
  explicit TThumbnails(QWidget* AOwner = nullptr);
  ~TThumbnails() override;

  int Min() const;
  void SetMin(int value);
  int Max() const;
  void SetMax(int value);
  // Written values are clamped to 50..65536; see the header comment.
  int SlideSize() const;
  void SetSlideSize(int value);
  // Clamped to 0..100.
  int SlideDistance() const;
  void SetSlideDistance(int value);
  int SlideMargin() const;
  void SetSlideMargin(int value);
  // A change clears the selection.
  TSlideSelectMode SlideSelectMode() const;
  void SetSlideSelectMode(TSlideSelectMode value);
  // Rings of the focus frame, clamped to 0..10; 0 switches it off.
  int FocusLinewidth() const;
  void SetFocusLinewidth(int value);
  // The slide with the focus frame (0: none).
  int FocusedSlide() const;

  TColor ColorBackGnd() const;
  void SetColorBackGnd(TColor value);
  // The background of a slide, and of a selected one.
  TColor ColorCover() const;
  void SetColorCover(TColor value);
  TColor ColorSelected() const;
  void SetColorSelected(TColor value);
  TColor ColorFocus() const;
  void SetColorFocus(TColor value);
  TColor ColorMark() const;
  void SetColorMark(TColor value);
  // The frames of the control, of each slide and of each image.
  TFrameStyle FrameStyle() const;
  void SetFrameStyle(TFrameStyle value);
  TFrameStyle OuterFrameStyle() const;
  void SetOuterFrameStyle(TFrameStyle value);
  TFrameStyle InnerFrameStyle() const;
  void SetInnerFrameStyle(TFrameStyle value);
  TColorScheme ColorScheme() const;
  void SetColorScheme(TColorScheme value);
  bool AntiAlias() const;
  void SetAntiAlias(bool value);

  // The first slide of the top row plus how far that row is scrolled up, in
  // rows. A write is clamped to Min..Max and snapped to its row: x becomes
  // c + (x - c) / NumSlidesHoriz, c being the first slide of x's row. NaN
  // is ignored.
  double FirstThumbIdx() const;
  void SetFirstThumbIdx(double value);
  // Scrolls as little as needed to show the whole slide (or its top, when
  // it is taller than the area between the margins).
  void ScrollToSlide(int SldNum);
  // The grid as the last paint laid it out (2 and 0 before the first).
  int NumSlidesHoriz() const;
  int NumSlidesVert() const;

  // Slides outside Min..Max read false and ignore writes.
  bool SlideSelected(int SldNum) const;
  void SetSlideSelected(int SldNum, bool value);
  void ResetAllSelections();
  // 0 when no slide is selected.
  int FirstSelectedSlide() const;
  int NumSlidesSelected() const;

  // The slide at a point, 0 for none (gaps, margins, numbers out of range).
  int CalcSlideIndex(int XPos, int YPos) const;
  // The left and top of a slide's square as laid out now.
  void CalcSlidePos(int SldNum, int& XPos, int& YPos) const;

  TImageRequestEvent OnImageRequest;
  TSlideRenderedEvent OnSlideRendered;
  TImageClickEvent OnImageClick, OnImageDblClick;
  TNotifyEvent OnFocusChange, OnFirstImageRequest, OnLastImageRequest;
  TNotifyEvent OnSelectionChange;

  void SetFont(const TFont& font) override;
  void Loaded() override;

  // From another TThumbnails: the properties of CopiedProperties, the
  // scroll position, the last paint's grid size, FocusedSlide and the
  // events except OnSlideRendered and OnSelectionChange; the selection,
  // SlideSelectMode and ColorMark stay.
  void Assign(const TComponentBase* Source) override;
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

  QSize sizeHint() const override { return {260, 400}; }
  QSize minimumSizeHint() const override;
  QAccessible::Role AccessibleRole() const override { return QAccessible::List; }
  QString AccessibleValue() const override;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  void MouseLeave() override;
  void KeyDown(quint16& Key, TShiftState Shift) override;
  // Unless OnMouseWheel or OnMouseWheelDown/Up handle it, the wheel
  // scrolls and the focus frame follows the pointer.
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) override;

 protected:
  // Ctrl+PgUp and Ctrl+PgDn move the frame without selecting, so a tab
  // widget does not get them.
  bool WantsPageKey(int key) const override { return key == Qt::Key_PageUp || key == Qt::Key_PageDown; }
  void DoPaint() override;
  bool Transparent() const override { return false; }
  TRect FocusFrame() const override;

 private:
  struct Private;
  std::unique_ptr<Private> d;

  template <typename T>
  void Store(T& field, T value);
  void Repaint();
  // Resizes the selection to Min..Max, keeping the slides that stay.
  void ReshapeSelection(int oldMin);
  void ApplyFirstThumbIdx(double value);

  void PaintSlide(TCanvas& c, int slide, int x, int y);
  void PaintImage(TCanvas& c, const TBitmap& image, int x, int y);
  void PaintMarginsAndFrame(TCanvas& c);
  void DrawFrameOf(TCanvas& c, TFrameStyle style, int left, int top, int right, int bottom) const;
  // The focus frame on a slide, drawn on the shown picture, and taken off
  // again by restoring what the last paint drew there.
  void HiLite(int slide);
  void ResetLastHiLite();
  TRect HiLiteBox(int slide) const;
  void MoveFocusTo(int slide);

  // Selection by a click (or key) on a slide with the given shift state;
  // true when it changed the selection.
  bool SelectByClick(int slide, TShiftState Shift);
  void SelectRange(int from, int to);
  // The focus frame moved to a slide by a key, scrolled into view, and
  // the selection following it. ShowKeySlide is false when a handler
  // destroyed the strip on the way.
  bool ShowKeySlide(int slide);
  void MoveByKey(int slide, TShiftState Shift);
  void ClickByKey(int slide, bool dbl, TShiftState Shift);
  void ScrollRows(double rows);
  void SelectionChanged();

  int FrameStyleOrdinal() const { return FrameStyle(); }
  void SetFrameStyleOrdinal(int value);
  int OuterFrameStyleOrdinal() const { return OuterFrameStyle(); }
  void SetOuterFrameStyleOrdinal(int value);
  int InnerFrameStyleOrdinal() const { return InnerFrameStyle(); }
  void SetInnerFrameStyleOrdinal(int value);
  int ColorSchemeOrdinal() const { return ColorScheme(); }
  void SetColorSchemeOrdinal(int value);
};

}  // namespace vyr
