// The gradient fill's construction, properties, colours and painting.
#include <algorithm>

#include "foundation/Frames.h"
#include "host/ControlRegistry.h"
#include "host/EnumClamp.h"
#include "smallctl/GradFillPrivate.h"

VYR_REGISTER_CONTROL(TGradFill, "smallctl/Vyr_gradfl.h")

namespace vyr {

TGradFill::TGradFill(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) { resize(121, 121); }

TGradFill::~TGradFill() = default;

// Every write waits for the next paint.
template <typename T>
void TGradFill::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  Invalidate();
}

TColor TGradFill::ColorFirst() const { return d->ColorFirst; }
void TGradFill::SetColorFirst(TColor value) {
  d->ColorFirst = value;
  (d->Flipped ? d->ColLastOrg : d->ColFirstOrg) = value;
  Invalidate();
}
TColor TGradFill::ColorLast() const { return d->ColorLast; }
void TGradFill::SetColorLast(TColor value) {
  d->ColorLast = value;
  (d->Flipped ? d->ColFirstOrg : d->ColLastOrg) = value;
  Invalidate();
}
bool TGradFill::ColorFlipped() const { return d->Flipped; }
void TGradFill::SetColorFlipped(bool value) {
  d->Flipped = value;
  d->ColorFirst = value ? d->ColLastOrg : d->ColFirstOrg;
  d->ColorLast = value ? d->ColFirstOrg : d->ColLastOrg;
  Invalidate();
}
TGradType TGradFill::FillType() const { return d->GradType; }
void TGradFill::SetFillType(TGradType value) { Store(d->GradType, ClampEnum(value, gtHoriz, gtMidBandVert)); }
int TGradFill::NrColors() const { return d->NrColors; }
void TGradFill::SetNrColors(int value) { Store(d->NrColors, std::clamp(value, 1, 255)); }
TFrameStyle TGradFill::FrameStyle() const { return d->FrameStyle; }
void TGradFill::SetFrameStyle(TFrameStyle value) { Store(d->FrameStyle, EnumOr(value, fsNone, fsEtched, fsNone)); }
TColor TGradFill::GridColor() const { return d->GridColor; }
void TGradFill::SetGridColor(TColor value) { Store(d->GridColor, value); }
TGridMode TGradFill::GridMode() const { return d->GridMode; }
void TGradFill::SetGridMode(TGridMode value) { Store(d->GridMode, ClampEnum(value, gmNone, gmBoth)); }

void TGradFill::SetFillTypeOrdinal(int value) { SetFillType(TGradType(std::clamp(value, 0, int(gtMidBandVert)))); }
void TGradFill::SetFrameStyleOrdinal(int value) { SetFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }
void TGradFill::SetGridModeOrdinal(int value) { SetGridMode(TGridMode(std::clamp(value, 0, int(gmBoth)))); }

TColor TGradFill::BandColor(int k) const {
  const TColor first = ColorToRGB(d->ColorFirst), last = ColorToRGB(d->ColorLast);
  const int n = d->NrColors;
  if (n <= 1) return first;
  k = std::clamp(k, 0, n - 1);
  int step = k, steps = n;
  if (d->GradType == gtMidBandHoriz || d->GradType == gtMidBandVert) {
    steps = n / 2;
    step = k <= steps ? k : n - k - 1;
  }
  auto channel = [&](int c0, int c1) { return c0 + MulDiv(step, c1 - c0, steps); };
  return RGB(channel(GetRValue(first), GetRValue(last)), channel(GetGValue(first), GetGValue(last)),
             channel(GetBValue(first), GetBValue(last)));
}

void TGradFill::DoPaint() {
  TCanvas& c = Canvas();
  const int w = Width(), h = Height(), n = d->NrColors;
  const bool horizontal = d->GradType == gtHoriz || d->GradType == gtMidBandHoriz;
  c.CopyMode = cmSrcCopy;
  for (int k = 0; k < n; ++k) {
    c.Brush = TBrush{BandColor(k), bsSolid};
    if (horizontal)
      c.FillRect({0, MulDiv(k, h, n), w, MulDiv(k + 1, h, n)});
    else
      c.FillRect({MulDiv(k, w, n), 0, MulDiv(k + 1, w, n), h});
  }
  DrawGrid(c);
  DrawFrame(c, d->FrameStyle, 0, 0, w - 1, h - 1, clWhite, clSilver, clGray, clBlack, clBlack);
  if (OnPaint) OnPaint(this);
}

void TGradFill::DrawGrid(TCanvas& c) {
  const int w = Width(), h = Height(), n = d->NrColors;
  c.Pen = TPen{d->GridColor};
  for (int k = 1; k < n; ++k) {
    if (d->GridMode == gmHoriz || d->GridMode == gmBoth) {
      c.MoveTo(0, MulDiv(k, h, n));
      c.LineTo(w, MulDiv(k, h, n));
    }
    if (d->GridMode == gmVert || d->GridMode == gmBoth) {
      c.MoveTo(MulDiv(k, w, n), 0);
      c.LineTo(MulDiv(k, w, n), h);
    }
  }
}

}  // namespace vyr
