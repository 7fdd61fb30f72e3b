// The thumbnail strip's construction, properties, range and copying.
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "host/ControlRegistry.h"
#include "host/EnumClamp.h"
#include "thumbnails/ThumbnailsPrivate.h"

VYR_REGISTER_CONTROL(TThumbnails, "thumbnails/Vyr_Thumbnails.h")

namespace vyr {

TThumbnails::TThumbnails(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) {
  // Unlike other light-weight controls it takes the focus, for its keys.
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  resize(260, 400);
}

TThumbnails::~TThumbnails() = default;

template <typename T>
void TThumbnails::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TThumbnails::Repaint() {
  if (!IsLoading()) Paint();
}

int TThumbnails::Min() const { return d->Min; }
void TThumbnails::SetMin(int value) {
  value = std::max(value, 1);
  if (value == d->Min) return;
  const int oldMin = d->Min;
  d->Min = value;
  d->Max = int(std::clamp<long long>(d->Max, d->Min, 0LL + d->Min + kMaxSlides - 1));
  ReshapeSelection(oldMin);
  Repaint();
}

int TThumbnails::Max() const { return d->Max; }
void TThumbnails::SetMax(int value) {
  value = std::max(value, 1);
  const int oldMin = d->Min;
  d->Min = std::min(d->Min, value);
  value = int(std::min<long long>(value, 0LL + d->Min + kMaxSlides - 1));
  if (value == d->Max && oldMin == d->Min) return;
  d->Max = value;
  ReshapeSelection(oldMin);
  Repaint();
}

void TThumbnails::ReshapeSelection(int oldMin) {
  const int count = d->Max - d->Min + 1;
  if (oldMin == d->Min) {
    d->Selected.SetSize(count);
  } else {
    // Only the selected slides move: a range of millions costs a scan of
    // its words, not of its bits.
    TBitFld moved(count);
    for (int i = d->Selected.FirstTrueBit(); i >= 0; i = d->Selected.NextTrueBit(i + 1))
      moved.SetBit(int(0LL + oldMin + i - d->Min), true);
    d->Selected = std::move(moved);
  }
  if (d->LastClickedSlide < d->Min || d->LastClickedSlide > d->Max) d->LastClickedSlide = 0;
  if (d->FocusedSlide < d->Min || d->FocusedSlide > d->Max) d->FocusedSlide = 0;
  ApplyFirstThumbIdx(d->FirstThumbIdx);
}

int TThumbnails::SlideSize() const { return std::min(d->SlideSize, std::max(Width(), 0)); }
void TThumbnails::SetSlideSize(int value) { Store(d->SlideSize, std::clamp(value, kMinSlideSize, kMaxSlideSize)); }
int TThumbnails::SlideDistance() const { return d->SlideDistance; }
void TThumbnails::SetSlideDistance(int value) { Store(d->SlideDistance, std::clamp(value, 0, kMaxSpacing)); }
int TThumbnails::SlideMargin() const { return d->SlideMargin; }
void TThumbnails::SetSlideMargin(int value) { Store(d->SlideMargin, std::clamp(value, 0, kMaxSpacing)); }

TSlideSelectMode TThumbnails::SlideSelectMode() const { return d->SelectMode; }
void TThumbnails::SetSlideSelectMode(TSlideSelectMode value) {
  value = ClampEnum(value, ssmDisabled, ssmMultiple);
  if (value == d->SelectMode) return;
  d->SelectMode = value;
  d->Selected.Clear();
  d->LastClickedSlide = 0;
  Repaint();
}

int TThumbnails::FocusLinewidth() const { return d->FocusLinewidth; }
void TThumbnails::SetFocusLinewidth(int value) { Store(d->FocusLinewidth, std::clamp(value, 0, kMaxFocusLinewidth)); }
int TThumbnails::FocusedSlide() const { return d->FocusedSlide; }

TColor TThumbnails::ColorBackGnd() const { return d->ColorBG; }
void TThumbnails::SetColorBackGnd(TColor value) { Store(d->ColorBG, value); }
TColor TThumbnails::ColorCover() const { return d->ColorCover; }
void TThumbnails::SetColorCover(TColor value) { Store(d->ColorCover, value); }
TColor TThumbnails::ColorSelected() const { return d->ColorSelected; }
void TThumbnails::SetColorSelected(TColor value) { Store(d->ColorSelected, value); }
TColor TThumbnails::ColorFocus() const { return d->ColorFocus; }
void TThumbnails::SetColorFocus(TColor value) { Store(d->ColorFocus, value); }
TColor TThumbnails::ColorMark() const { return d->ColorMark; }
void TThumbnails::SetColorMark(TColor value) { Store(d->ColorMark, value); }
TFrameStyle TThumbnails::FrameStyle() const { return d->FrameStyle; }
void TThumbnails::SetFrameStyle(TFrameStyle value) { Store(d->FrameStyle, EnumOr(value, fsNone, fsEtched, fsNone)); }
TFrameStyle TThumbnails::OuterFrameStyle() const { return d->OuterFrameStyle; }
void TThumbnails::SetOuterFrameStyle(TFrameStyle value) { Store(d->OuterFrameStyle, EnumOr(value, fsNone, fsEtched, fsNone)); }
TFrameStyle TThumbnails::InnerFrameStyle() const { return d->InnerFrameStyle; }
void TThumbnails::SetInnerFrameStyle(TFrameStyle value) { Store(d->InnerFrameStyle, EnumOr(value, fsNone, fsEtched, fsNone)); }
TColorScheme TThumbnails::ColorScheme() const { return d->ColorScheme; }
void TThumbnails::SetColorScheme(TColorScheme value) { Store(d->ColorScheme, ClampEnum(value, csFixed, csSystem)); }
bool TThumbnails::AntiAlias() const { return d->AntiAlias; }
void TThumbnails::SetAntiAlias(bool value) { Store(d->AntiAlias, value); }

void TThumbnails::SetFrameStyleOrdinal(int value) { SetFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }
void TThumbnails::SetOuterFrameStyleOrdinal(int value) { SetOuterFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }
void TThumbnails::SetInnerFrameStyleOrdinal(int value) { SetInnerFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }
void TThumbnails::SetColorSchemeOrdinal(int value) { SetColorScheme(TColorScheme(std::clamp(value, 0, 255))); }

double TThumbnails::FirstThumbIdx() const { return d->FirstThumbIdx; }
void TThumbnails::SetFirstThumbIdx(double value) {
  if (std::isnan(value)) return;
  const double snapped = d->Geometry(Width(), Height()).Snapped(value);
  Store(d->FirstThumbIdx, snapped);
}

void TThumbnails::ApplyFirstThumbIdx(double value) { d->FirstThumbIdx = d->Geometry(Width(), Height()).Snapped(value); }

int TThumbnails::NumSlidesHoriz() const { return d->NumHoriz; }
int TThumbnails::NumSlidesVert() const { return d->NumVert; }

int TThumbnails::CalcSlideIndex(int XPos, int YPos) const { return d->Geometry(Width(), Height()).SlideAt(XPos, YPos); }

void TThumbnails::CalcSlidePos(int SldNum, int& XPos, int& YPos) const {
  const TThumbGeometry g = d->Geometry(Width(), Height());
  XPos = TRect::Saturate(g.SlideLeft(SldNum));
  YPos = TRect::Saturate(g.SlideTop(SldNum));
}

void TThumbnails::SetFont(const TFont& font) {
  if (font == Font()) return;
  TGraphicControl::SetFont(font);
  Repaint();
}

void TThumbnails::Loaded() {
  TGraphicControl::Loaded();
  ApplyFirstThumbIdx(d->FirstThumbIdx);
  Repaint();
}

TRect TThumbnails::FocusFrame() const { return {4, 4, Width() - 5, Height() - 5}; }

QSize TThumbnails::minimumSizeHint() const {
  const int side = kMinSlideSize + 2 * d->SlideMargin + 2 * kMargin;
  return {side, side + d->SlideDistance};
}

QString TThumbnails::AccessibleValue() const {
  const QString selected = QStringLiteral("%1 of %2 selected").arg(NumSlidesSelected()).arg(0LL + d->Max - d->Min + 1);
  if (d->FocusedSlide == 0) return selected;
  return QStringLiteral("slide %1, %2").arg(d->FocusedSlide).arg(selected);
}

TPropertyList TThumbnails::CopiedProperties() {
  static constexpr const char* names[] = {
      "FrameStyle",  "OuterFrameStyle", "InnerFrameStyle", "ColorBackGnd", "ColorScheme",    "Min",
      "Max",         "SlideSize",       "SlideDistance",   "SlideMargin",  "AntiAlias",      "ColorCover",
      "ColorSelected", "ColorFocus",    "FocusLinewidth"};
  return names;
}

void TThumbnails::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TThumbnails*>(Source);
  if (source == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  if (source == this) return;
  {
    // One paint at the end instead of one per property.
    TLoadingScope loading(*this);
    CopyProperties(*this, *source, CopiedProperties());
    const Private& s = *source->d;
    d->SlideSize = s.SlideSize;
    d->NumHoriz = s.NumHoriz;
    d->NumVert = s.NumVert;
    d->FirstThumbIdx = s.FirstThumbIdx;
    d->FocusedSlide = s.FocusedSlide;
  }
  OnImageRequest = source->OnImageRequest;
  OnImageClick = source->OnImageClick;
  OnImageDblClick = source->OnImageDblClick;
  OnFocusChange = source->OnFocusChange;
  OnFirstImageRequest = source->OnFirstImageRequest;
  OnLastImageRequest = source->OnLastImageRequest;
  Repaint();
}

void TThumbnails::AssignTo(TComponentBase* Dest) const {
  if (auto* strip = dynamic_cast<TThumbnails*>(Dest))
    strip->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
