// Where TNumIO2's parts lie: the gauge band under the text box and the
// screen position of each character of the buffer. Painting and input both
// go by these, so that the caret and the mouse agree with the picture.
#include <QFontMetrics>
#include <algorithm>

#include "numio/NumIO2Private.h"

namespace vyr {

int TNumIO2::GaugeBand() const { return d->FGaugeVisib ? d->FGaugeHeight + d->FGaugeTopMarg + 1 : 0; }

int TNumIO2::TextLeft(int bufferWidth) const {
  switch (d->FAlignment) {
    case taLeftJustify: return d->FLeftSpace + 4;
    case taRightJustify: return d->FLeftSpace + d->FTextBoxWidth - bufferWidth - 2;
    default: return d->FLeftSpace + (d->FTextBoxWidth - bufferWidth) / 2 + 2;
  }
}

int TNumIO2::ButtonLeft() const { return d->FLeftSpace + d->FTextBoxWidth + d->FButSpace; }

QSize TNumIO2::sizeHint() const {
  const QFontMetrics m(Font().ToQFont());
  const int right = d->FRightText.isEmpty() ? 0 : m.horizontalAdvance(d->FRightText) + 13;
  const int width =
      std::max(minimumSizeHint().width() + right, d->FGaugeVisib ? d->FGaugeLeftMarg + d->FGaugeWidth + 1 : 0);
  const int line = std::max(m.height() + 6, d->FAutoSize ? 0 : kMinHeight);
  return {width, line + GaugeBand()};
}

QSize TNumIO2::minimumSizeHint() const {
  const int buttons = d->FButVisible ? d->FButWidth + d->FButSpace : 0;
  return {d->FLeftSpace + d->FTextBoxWidth + buttons, (d->FAutoSize ? 0 : kMinHeight) + GaugeBand()};
}

TRect TNumIO2::FocusFrame() const {
  return {d->FLeftSpace + 2, 2, d->FLeftSpace + d->FTextBoxWidth - 2, Height() - GaugeBand() - 2};
}

TCanvas& TNumIO2::MeasureCanvas() {
  TCanvas& c = Canvas();
  c.Font = Font();
  return c;
}

int TNumIO2::CharPosToXCoords(int CharPos) {
  TCanvas& c = MeasureCanvas();
  const int p = std::clamp(CharPos, 0, int(d->FInBuffer.size()));
  return c.TextWidth(d->FInBuffer.left(p)) + TextLeft(c.TextWidth(d->FInBuffer));
}

int TNumIO2::XCoordsToCharPos(int X) {
  const qint64 length = d->FInBuffer.size();
  if (length == 0) return 0;
  const qint64 tw = MeasureCanvas().TextWidth(d->FInBuffer);
  // The average character width; at least 1 so that a buffer narrower than
  // its character count still maps to positions.
  const qint64 average = std::max<qint64>(tw / length, 1);
  const qint64 L = d->FLeftSpace, T = d->FTextBoxWidth;
  qint64 c;
  switch (d->FAlignment) {
    case taLeftJustify: c = X - L - 3; break;
    case taRightJustify: c = X + tw - L - T + 3; break;
    default: c = X - L - (T - tw) / 2 - 1; break;
  }
  c = std::clamp<qint64>(c, 0, tw);
  return int(std::min((c + average / 2) / average, length));
}

}  // namespace vyr
