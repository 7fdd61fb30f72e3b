// The dot-matrix label's construction, properties, font and copying.
#include <algorithm>

#include "host/ControlRegistry.h"
#include "host/EnumClamp.h"
#include "labels/RasterFont.h"
#include "labels/RasterLabPrivate.h"

VYR_REGISTER_CONTROL(TRasterLab, "labels/Vyr_RasterLab.h")

namespace vyr {
namespace {

bool IsDefaultFontName(const QString& name) { return name.compare(QLatin1String("default"), Qt::CaseInsensitive) == 0; }

}  // namespace

template <typename T>
void TRasterLab::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Paint();
}

TRasterLab::TRasterLab(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) {
  resize(400, 68);
  d->FScrTimer.SetHandler([this](unsigned) { DoTimer(); });
  d->FCodes = GlyphCodes(d->FLabText);
  TFont font = Font();
  font.Name = QStringLiteral("default");
  font.Size = 8;
  // Builds the matrix from the font (FontChanged).
  SetFont(font);
}

TRasterLab::~TRasterLab() = default;

QString TRasterLab::Text() const { return d->FLabText; }
int TRasterLab::DotSize() const { return d->FDotSize; }
int TRasterLab::DotSpacing() const { return d->FDotSpacing; }
TColor TRasterLab::ColorDotOn() const { return d->FColorDotOn; }
TColor TRasterLab::ColorDotOff() const { return d->FColorDotOff; }
TColor TRasterLab::ColorLabBakG() const { return d->FColorLabBakG; }
TRDBlockMode TRasterLab::CharBlockMode() const { return d->FCharBlockMode; }
bool TRasterLab::Proportional() const { return d->FProportional; }
int TRasterLab::PosX() const { return d->FXPos; }
int TRasterLab::PosY() const { return d->FYPos; }
bool TRasterLab::AutoHeight() const { return d->FAutoHeight; }
bool TRasterLab::AutoCenter() const { return d->FAutoCenter; }
TRDScrollMode TRasterLab::ScrollMode() const { return d->FScrollMode; }
int TRasterLab::ScrollInterval() const { return d->FScrollIv; }
int TRasterLab::ScrollIncrement() const { return d->FScrollInc; }
bool TRasterLab::ScrollLoop() const { return d->FScrollLoop; }
TFrameStyle TRasterLab::FrameStyle() const { return d->FFrameStyle; }
TColorScheme TRasterLab::ColorScheme() const { return d->FColorScheme; }
const TRDCharMatrix& TRasterLab::CharMatrix() const { return d->FCMat; }
const TNotifyEvent& TRasterLab::OnScrollTimer() const { return d->FOnScrollTimer; }
int TRasterLab::ScrollPosX() const { return d->FScrollPosX; }
int TRasterLab::ScrollPosY() const { return d->FScrollPosY; }

void TRasterLab::SetText(const QString& value) {
  if (value == d->FLabText) return;
  d->FLabText = value;
  d->FCodes = GlyphCodes(value);
  if (d->FAutoCenter) AdjustAutoCenter();
  Paint();
}

void TRasterLab::SetDotSize(int value) {
  value = std::clamp(value, 1, kMaxDotSize);
  if (value == d->FDotSize) return;
  d->FDotSize = value;
  FollowLayout();
  Paint();
}

void TRasterLab::SetDotSpacing(int value) {
  value = std::clamp(value, 0, kMaxDotSpacing);
  if (value == d->FDotSpacing) return;
  d->FDotSpacing = value;
  FollowLayout();
  Paint();
}

void TRasterLab::SetColorDotOn(TColor value) { Store(d->FColorDotOn, value); }
void TRasterLab::SetColorDotOff(TColor value) { Store(d->FColorDotOff, value); }
void TRasterLab::SetColorLabBakG(TColor value) { Store(d->FColorLabBakG, value); }
void TRasterLab::SetCharBlockMode(TRDBlockMode value) { Store(d->FCharBlockMode, ClampEnum(value, rdbmOff, rdbmRaster)); }
void TRasterLab::SetProportional(bool value) { Store(d->FProportional, value); }
void TRasterLab::SetPosX(int value) { Store(d->FXPos, std::clamp(value, -kMaxPos, kMaxPos)); }
void TRasterLab::SetPosY(int value) { Store(d->FYPos, std::clamp(value, -kMaxPos, kMaxPos)); }
void TRasterLab::SetScrollLoop(bool value) { Store(d->FScrollLoop, value); }
void TRasterLab::SetFrameStyle(TFrameStyle value) { Store(d->FFrameStyle, EnumOr(value, fsNone, fsEtched, fsNone)); }
void TRasterLab::SetFrameStyleOrdinal(int value) { SetFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }

void TRasterLab::SetColorScheme(TColorScheme value) {
  value = ClampEnum(value, csFixed, csSystem);
  d->FLines = LineColorsOf(value);
  Store(d->FColorScheme, value);
}

void TRasterLab::SetColorSchemeOrdinal(int value) { SetColorScheme(TColorScheme(std::clamp(value, 0, 255))); }

void TRasterLab::SetAutoHeight(bool value) {
  if (value == d->FAutoHeight) return;
  d->FAutoHeight = value;
  if (value && !IsLoading()) AdjustAutoHeight();
  Paint();
}

void TRasterLab::SetAutoCenter(bool value) {
  if (value == d->FAutoCenter) return;
  d->FAutoCenter = value;
  if (value)
    AdjustAutoCenter();
  else
    d->FXPos = 1;
  Paint();
}

void TRasterLab::SetCharMatrix(const TRDCharMatrix& value) {
  d->FCMat = Bounded(value);
  FollowLayout();
  Paint();
}

TRDCharMatrix TRasterLab::CreateBitFont(const TFont* font) {
  if (font == nullptr || IsDefaultFontName(font->Name)) return BuiltinCharMatrix();
  return SampleCharMatrix(*font);
}

void TRasterLab::FontChanged() {
  d->FCMat = CreateBitFont(&Font());
  FollowLayout();
  Paint();
}

void TRasterLab::FollowLayout() {
  if (IsLoading()) return;
  if (d->FAutoHeight) AdjustAutoHeight();
  if (d->FAutoCenter) AdjustAutoCenter();
}

// A stored form may write AutoHeight before its size: the height follows
// the dots once the size is in.
void TRasterLab::Loaded() {
  TGraphicControl::Loaded();
  FollowLayout();
  Paint();
}

void TRasterLab::SizeChanged() { FollowWidth(); }

void TRasterLab::FollowWidth() {
  if (!d->FAutoCenter || Width() == d->FCenteredWidth) return;
  AdjustAutoCenter();
  Paint();
}

int TRasterLab::Pitch() const { return d->FDotSize + d->FDotSpacing; }

int TRasterLab::FrameWidth() const {
  switch (d->FFrameStyle) {
    case fsSingle:
    case fsLowered:
    case fsRaised: return 1;
    case fsBump:
    case fsEtched: return 2;
    default: return 0;
  }
}

void TRasterLab::AdjustAutoHeight() { SetHeight(FrameWidth() + Pitch() * d->FCMat.FontHeight); }

void TRasterLab::AdjustAutoCenter() {
  d->FCenteredWidth = Width();
  d->FXPos = std::clamp((Width() - CalcTextBitLength(d->FLabText)) / 2 + FrameWidth() + 1, -kMaxPos, kMaxPos);
}

QSize TRasterLab::sizeHint() const {
  const int b = FrameWidth();
  return {std::clamp(TextBitLength() + 2 * b + 2, 40, 1200), b + Pitch() * std::max(d->FCMat.FontHeight, 1) + 1};
}

QSize TRasterLab::minimumSizeHint() const {
  return {2 * FrameWidth() + 2 * Pitch(), FrameWidth() + Pitch() * std::max(d->FCMat.FontHeight, 1)};
}

QString TRasterLab::AccessibleName() const {
  if (!accessibleName().isEmpty()) return accessibleName();
  return d->FLabText.isEmpty() ? Name() : d->FLabText;
}

TPropertyList TRasterLab::CopiedProperties() {
  static constexpr const char* names[] = {"FrameStyle", "Text", "ColorLabBakG", "ColorDotOn", "ColorScheme"};
  return names;
}

void TRasterLab::Assign(const TComponentBase* Source) {
  const auto* source = dynamic_cast<const TRasterLab*>(Source);
  if (source == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  if (source == this) return;
  CopyProperties(*this, *source, CopiedProperties());
  d->FLines = source->d->FLines;
  Paint();
}

void TRasterLab::AssignTo(TComponentBase* Dest) const {
  if (auto* label = dynamic_cast<TRasterLab*>(Dest))
    label->Assign(this);
  else
    TGraphicControl::AssignTo(Dest);
}

}  // namespace vyr
