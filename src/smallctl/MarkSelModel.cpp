// The mark selector's construction, properties, mark visibility and the
// grid that painting and the mouse share.
#include <QFontMetrics>
#include <algorithm>

#include "host/ControlRegistry.h"
#include "host/EnumClamp.h"
#include "smallctl/MarkSelPrivate.h"

VYR_REGISTER_CONTROL(TMarkSel, "smallctl/Vyr_marksel.h")

namespace vyr {

TMarkLayout LayOutMarks(int width, int height, int columns, int rows,
                        const std::array<bool, TMarkSel::kMarks>& visible) {
  TMarkLayout l;
  l.DistH = (width - 4) / columns;
  l.DistV = (height - 4) / rows;
  const int marginH = l.DistH / 2, marginV = l.DistV / 2;
  for (int i = 0; i < TMarkSel::kMarks; ++i) {
    if (!visible[std::size_t(i)]) {
      l.Coords[std::size_t(i)] = {-1, -1};
      continue;
    }
    const int n = l.Shown++;
    l.Order[std::size_t(n)] = i;
    l.Coords[std::size_t(i)] = {marginH + l.DistH * (n % columns), marginV + l.DistV * (n / columns)};
  }
  return l;
}

TMarkSel::TMarkSel(QWidget* AOwner) : TGraphicControl(AOwner), d(std::make_unique<Private>()) {
  // Unlike other light-weight controls it takes the focus, for its keys.
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  resize(236, 178);
}

TMarkSel::~TMarkSel() = default;

template <typename T>
void TMarkSel::Store(T& field, T value) {
  if (field == value) return;
  field = value;
  if (!IsLoading()) Paint();
}

int TMarkSel::NrOfColumns() const { return d->NrCols; }
void TMarkSel::SetNrOfColumns(int value) {
  if (value >= 1 && value <= kMarks - 1) Store(d->NrCols, value);
}
int TMarkSel::NrOfRows() const { return d->NrRows; }
void TMarkSel::SetNrOfRows(int value) {
  if (value >= 1 && value <= kMarks - 1) Store(d->NrRows, value);
}
int TMarkSel::Selected() const { return d->Selected; }
void TMarkSel::SetSelected(int value) {
  if (value >= -1 && value <= kMarks - 1) Store(d->Selected, value);
}
bool TMarkSel::ShowZeroAsCross() const { return d->ZeroAsCross; }
void TMarkSel::SetShowZeroAsCross(bool value) {
  d->ZeroAsCross = value;
  Invalidate();
}
TColor TMarkSel::ColorBackGnd() const { return d->ColorBG; }
void TMarkSel::SetColorBackGnd(TColor value) { Store(d->ColorBG, value); }
TColor TMarkSel::ColorMarks() const { return d->ColorFG; }
void TMarkSel::SetColorMarks(TColor value) { Store(d->ColorFG, value); }
TColor TMarkSel::ColorSelFG() const { return d->ColorSelFG; }
void TMarkSel::SetColorSelFG(TColor value) { Store(d->ColorSelFG, value); }
TColor TMarkSel::ColorSelBG() const { return d->ColorSelBG; }
void TMarkSel::SetColorSelBG(TColor value) { Store(d->ColorSelBG, value); }
TColor TMarkSel::ColorHiLiteBG() const { return d->ColorHiLite; }
void TMarkSel::SetColorHiLiteBG(TColor value) { Store(d->ColorHiLite, value); }
TColor TMarkSel::ColorHiLiteSymbol() const { return d->ColorHiSymb; }
void TMarkSel::SetColorHiLiteSymbol(TColor value) { Store(d->ColorHiSymb, value); }
TFrameStyle TMarkSel::FrameStyle() const { return d->FrameStyle; }
void TMarkSel::SetFrameStyle(TFrameStyle value) { Store(d->FrameStyle, EnumOr(value, fsNone, fsEtched, fsNone)); }
void TMarkSel::SetFrameStyleOrdinal(int value) { SetFrameStyle(TFrameStyle(std::clamp(value, 0, 255))); }

bool TMarkSel::GetVis(int index) const {
  return d->MarkVis[std::size_t(index >= 0 && index < kMarks ? index : 0)];
}

void TMarkSel::SetVis(int index, bool visible) {
  if (index < 1 || index >= kMarks) return;
  d->MarkVis[std::size_t(index)] = visible;
  if (!IsLoading()) Paint();
}

void TMarkSel::ShowAllMarks() {
  std::fill(d->MarkVis.begin() + 1, d->MarkVis.end(), true);
  Paint();
}

void TMarkSel::HideAllMarks() {
  std::fill(d->MarkVis.begin() + 1, d->MarkVis.end(), false);
  Paint();
}

TPoint TMarkSel::MarkPosition(int mark) const {
  if (mark < 0 || mark >= kMarks) return {-1, -1};
  return LayOutMarks(Width(), Height(), d->NrCols, d->NrRows, d->MarkVis).Coords[std::size_t(mark)];
}

int TMarkSel::MarkAt(int x, int y) const {
  const TMarkLayout l = LayOutMarks(Width(), Height(), d->NrCols, d->NrRows, d->MarkVis);
  double best = 1e10;
  int mark = 0;
  for (int n = 0; n < l.Shown; ++n) {
    const TPoint p = l.Coords[std::size_t(l.Order[std::size_t(n)])];
    const double dx = double(p.X) - x, dy = double(p.Y) - y;
    if (dx * dx + dy * dy < best) {
      best = dx * dx + dy * dy;
      mark = l.Order[std::size_t(n)];
    }
  }
  return mark;
}

int TMarkSel::HiLitMark() const { return d->HiLiteShown ? d->LastHiLite : -1; }

QSize TMarkSel::minimumSizeHint() const {
  // Room for each cell to hold a small mark.
  constexpr int kCell = 12;
  return {4 + kCell * d->NrCols, 4 + kCell * d->NrRows};
}

QString TMarkSel::AccessibleValue() const {
  return d->Selected < 0 ? QStringLiteral("none") : QStringLiteral("mark %1").arg(d->Selected);
}

}  // namespace vyr
