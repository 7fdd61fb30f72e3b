// The progress bar's construction, properties, copying and size.
#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "foundation/NumRoutines.h"
#include "host/ControlRegistry.h"
#include "host/EnumClamp.h"
#include "progbar/ProgBarPrivate.h"

VYR_REGISTER_CONTROL(TProgBar, "progbar/Vyr_ProgBar.h")

namespace vyr {
namespace {

// Margins beyond this lie outside any control; the cap keeps the box's
// arithmetic far from overflow.
constexpr int kMaxMargin = 1 << 16;

int ClampMargin(int value) { return std::clamp(value, 0, kMaxMargin); }

}  // namespace

TProgBar::TProgBar(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) {
  d->Colors[0] = clBlue;
  d->Colors[kProgBarColorCount - 1] = clRed;
  RefillColorTable();
  d->Timer.SetHandler([this](unsigned) { DoTimer(); });
  resize(300, 28);
}

TProgBar::~TProgBar() = default;

template <typename T>
void TProgBar::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Repaint();
}

void TProgBar::Repaint() {
  if (!IsLoading()) Paint();
}

double TProgBar::Value() const { return d->Value; }
// NaN never equals itself: a second NaN is still no change.
void TProgBar::SetValue(double value) {
  if (std::isnan(value) && std::isnan(d->Value)) return;
  Store(d->Value, value);
}
double TProgBar::Min() const { return d->Min; }
void TProgBar::SetMin(double value) { Store(d->Min, value); }
double TProgBar::Max() const { return d->Max; }
void TProgBar::SetMax(double value) { Store(d->Max, value); }
void TProgBar::SetRange(double a, double b) {
  d->Min = std::fmin(a, b);
  d->Max = std::fmax(a, b);
  Repaint();
}
TDirection TProgBar::Direction() const { return d->Direction; }
void TProgBar::SetDirection(TDirection value) { Store(d->Direction, ClampEnum(value, diBottomToTop, diLeftToRight)); }

TColor TProgBar::ColorMargin() const { return d->ColorMargin; }
void TProgBar::SetColorMargin(TColor value) { Store(d->ColorMargin, value); }
TColor TProgBar::ColorBackGnd() const { return d->ColorBackGnd; }
void TProgBar::SetColorBackGnd(TColor value) { Store(d->ColorBackGnd, value); }
bool TProgBar::ShowColorGradient() const { return d->ShowColorGradient; }
void TProgBar::SetShowColorGradient(bool value) { Store(d->ShowColorGradient, value); }
TColorMapping TProgBar::ColorMapMode() const { return d->ColorMapMode; }
void TProgBar::SetColorMapMode(TColorMapping value) { Store(d->ColorMapMode, ClampEnum(value, cgmCover, cgmMove)); }
TColor TProgBar::ColorGrid() const { return d->ColorGrid; }
void TProgBar::SetColorGrid(TColor value) { Store(d->ColorGrid, value); }
int TProgBar::GridDist() const { return d->GridDist; }
void TProgBar::SetGridDist(int value) { Store(d->GridDist, value); }

int TProgBar::MarginLeft() const { return d->MarginLeft; }
void TProgBar::SetMarginLeft(int value) { Store(d->MarginLeft, ClampMargin(value)); }
int TProgBar::MarginRight() const { return d->MarginRight; }
void TProgBar::SetMarginRight(int value) { Store(d->MarginRight, ClampMargin(value)); }
int TProgBar::MarginTop() const { return d->MarginTop; }
void TProgBar::SetMarginTop(int value) { Store(d->MarginTop, ClampMargin(value)); }
int TProgBar::MarginBottom() const { return d->MarginBottom; }
void TProgBar::SetMarginBottom(int value) { Store(d->MarginBottom, ClampMargin(value)); }
TFrameStyle TProgBar::FrameStyleOuter() const { return d->FrameStyleOuter; }
void TProgBar::SetFrameStyleOuter(TFrameStyle value) { Store(d->FrameStyleOuter, EnumOr(value, fsNone, fsEtched, fsNone)); }
TFrameStyle TProgBar::FrameStyleInner() const { return d->FrameStyleInner; }
void TProgBar::SetFrameStyleInner(TFrameStyle value) { Store(d->FrameStyleInner, EnumOr(value, fsNone, fsEtched, fsNone)); }
TColorScheme TProgBar::ColorScheme() const { return d->ColorScheme; }
void TProgBar::SetColorScheme(TColorScheme value) { Store(d->ColorScheme, ClampEnum(value, csFixed, csSystem)); }

QString TProgBar::BackGroundImg() const { return d->BackGroundImg; }
void TProgBar::SetBackGroundImg(const QString& fileName) {
  if (fileName.isEmpty()) {
    d->BackGroundImg.clear();
  } else {
    try {
      d->Background.LoadFromFile(fileName);
      d->BackGroundImg = fileName;
    } catch (const Exception&) {
      // A picture that cannot be read leaves the previous one in place.
    }
  }
  Repaint();
}

bool TProgBar::TextVisible() const { return d->TextVisible; }
void TProgBar::SetTextVisible(bool value) {
  d->TextVisible = value;
  Repaint();
}
// The written anchor is kept; it reads (and paints) limited to the current
// size, so a narrow pass of a layout, or a form giving the size later, does
// not lose it.
int TProgBar::TextPosX() const { return std::min(d->TextPosX, Width()); }
void TProgBar::SetTextPosX(int value) {
  d->TextPosX = std::max(value, 0);
  Repaint();
}
int TProgBar::TextPosY() const { return std::min(d->TextPosY, Height()); }
void TProgBar::SetTextPosY(int value) {
  d->TextPosY = std::max(value, 0);
  Repaint();
}
int TProgBar::TextDecPlaces() const { return d->TextDecPlaces; }
void TProgBar::SetTextDecPlaces(int value) {
  d->TextDecPlaces = std::clamp(value, -2, 10);
  Repaint();
}
TAlignment TProgBar::TextAlignment() const { return d->TextAlignment; }
void TProgBar::SetTextAlignment(TAlignment value) { Store(d->TextAlignment, ClampEnum(value, taLeftJustify, taCenter)); }
int TProgBar::TextAngle() const { return d->TextAngle; }
void TProgBar::SetTextAngle(int value) {
  d->TextAngle = std::clamp(value, 0, 360);
  Repaint();
}

QString TProgBar::ValueText() {
  // -1 and -2 pick the exponent forms the other way round from the
  // number routine's own convention.
  int decimals = d->TextDecPlaces;
  if (decimals < 0) decimals = -3 - decimals;
  QString text = FormatFloatField(1, decimals, d->Value);
  if (OnShowValue) OnShowValue(this, text);
  return text;
}

void TProgBar::SetFont(const TFont& font) {
  if (font == Font()) return;
  TGraphicControl::SetFont(font);
  Repaint();
}

void TProgBar::SetDirectionOrdinal(int value) { SetDirection(TDirection(std::clamp(value, 0, int(diLeftToRight)))); }
void TProgBar::SetColorMapModeOrdinal(int value) { SetColorMapMode(TColorMapping(std::clamp(value, 0, int(cgmMove)))); }
void TProgBar::SetFrameStyleOuterOrdinal(int value) { SetFrameStyleOuter(TFrameStyle(std::clamp(value, 0, 255))); }
void TProgBar::SetFrameStyleInnerOrdinal(int value) { SetFrameStyleInner(TFrameStyle(std::clamp(value, 0, 255))); }
void TProgBar::SetColorSchemeOrdinal(int value) { SetColorScheme(TColorScheme(std::clamp(value, 0, 255))); }
void TProgBar::SetTextAlignmentOrdinal(int value) {
  SetTextAlignment(TAlignment(std::clamp(value, 0, int(taCenter))));
}

void TProgBar::Loaded() {
  TGraphicControl::Loaded();
  Repaint();
}

QSize TProgBar::minimumSizeHint() const {
  // The box with its frame lines and a few pixels of bar, inside the margins.
  constexpr int kBox = 8;
  const int textHeight = QFontMetrics(Font().ToQFont()).height();
  return {d->MarginLeft + d->MarginRight + kBox,
          std::max(d->MarginTop + d->MarginBottom + kBox, d->TextVisible ? textHeight : 0)};
}

QString TProgBar::AccessibleValue() const { return FormatFloatField(1, std::max(d->TextDecPlaces, 0), d->Value); }

std::optional<TAccessibleNumber> TProgBar::AccessibleNumber() const {
  return TAccessibleNumber{d->Value, d->Min, d->Max};
}

TPropertyList TProgBar::CopiedProperties() {
  static constexpr const char* names[] = {
      "FrameStyleOuter", "FrameStyleInner", "Value",      "ColorMargin",   "ColorScheme", "Max",
      "Min",             "Direction",       "ColorBackGnd", "ShowColorGradient", "ColorGrid", "GridDist",
      "ColorMapMode",    "MarginLeft",      "MarginRight", "MarginTop",     "MarginBottom", "BackGroundImg",
      "TextPosX",        "TextPosY",        "TextDecPlaces", "TextAngle",   "TextAlignment", "TextVisible"};
  return names;
}

void TProgBar::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TProgBar*>(Source);
  if (source == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  if (source == this) return;
  // One paint at the end instead of one per property.
  const bool wasLoading = IsLoading();
  BeginLoading();
  CopyProperties(*this, *source, CopiedProperties());
  d->Colors = source->d->Colors;
  d->Background.Assign(source->d->Background);
  OnShowValue = source->OnShowValue;
  if (!wasLoading) Loaded();
}

void TProgBar::AssignTo(TComponentBase* Dest) const {
  if (auto* bar = dynamic_cast<TProgBar*>(Dest))
    bar->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
