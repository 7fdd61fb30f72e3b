// Text output and measurement of TCanvas. Glyphs come from Qt; placement
// follows the canvas conventions (top-left of the text cell at x, y).
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cmath>
#include <unordered_map>

#include "host/Canvas.h"
#include "host/KeptPainter.h"
#include "host/ShapedTexts.h"

namespace vyr {
namespace {
// Beyond this distance from the image, text is certainly invisible; Qt's
// fixed-point glyph positions would overflow long before 2^31.
constexpr int kFarAway = 1 << 22;

struct TViewHash {
  std::size_t operator()(QStringView v) const noexcept { return qHash(v); }
};
}  // namespace

// The text memo and the painter come with the first text call: many canvases
// (a border's, a bitmap's) never draw text.
TCanvas::TCanvas() = default;

TCanvas::TCanvas(QImage* image) : TCanvas() { SetImage(image); }

TCanvas::~TCanvas() = default;

const QFontMetrics& TCanvas::Metrics() {
  if (!FMetrics || !(FMetricsFont == Font)) {
    FMetricsFont = Font;
    FQFont = Font.ToQFont();
    FMetrics = std::make_unique<QFontMetrics>(FQFont);
    if (!FShaped) FShaped = std::make_unique<TShapedTexts>();
    FShaped->Reset(FQFont);
  }
  return *FMetrics;
}

int TCanvas::TextWidth(const QString& text) {
  const QFontMetrics& m = Metrics();
  return FShaped->Width(text, m);
}

int TCanvas::WidestText(qsizetype count, const std::function<QStringView(qsizetype)>& text) {
  // Widths of the texts seen so far, up to a bound: a column of distinct
  // values would otherwise fill the memo for nothing.
  constexpr std::size_t kMemoSize = 4096;
  const QFontMetrics& m = Metrics();
  std::unordered_map<QStringView, int, TViewHash> memo;
  int widest = 0;
  for (qsizetype i = 0; i < count; ++i) {
    const QStringView view = text(i);
    if (view.isEmpty()) continue;
    if (const auto known = memo.find(view); known != memo.end()) continue;
    // Borrows the characters: no copy for the measurement.
    const int width = m.horizontalAdvance(QString::fromRawData(view.data(), view.size()));
    widest = std::max(widest, width);
    if (memo.size() < kMemoSize) memo.emplace(view, width);
  }
  return widest;
}

int TCanvas::TextHeight(const QString&) {
  const QFontMetrics& m = Metrics();
  return m.ascent() + m.descent();
}

void TCanvas::PaintText(int x, int y, const QString& text, const TRect* clip, int width) {
  const QFontMetrics& m = Metrics();
  if (std::abs(x) > kFarAway || std::abs(y) > kFarAway) return;
  // The caller has taken the pixels (Changed), so the painter finds them.
  if (!FPainter) FPainter = std::make_unique<TKeptPainter>();
  QPainter& p = FPainter->On(*FImage);
  FPainter->SetFont(FQFont, Font.Antialiased());
  p.resetTransform();
  if (clip)
    p.setClipRect(QRect(clip->Left, clip->Top, clip->Width(), clip->Height()));
  else if (p.hasClipping())
    p.setClipping(false);
  p.translate(x, y);
  const bool rotated = Font.Escapement != 0;
  if (rotated) p.rotate(-Font.Escapement / 10.0);
  if (Brush.Style == bsSolid && !clip) p.fillRect(QRect(0, 0, width, m.ascent() + m.descent()), ToQColor(Brush.Color));
  p.setPen(ToQColor(Font.Color));
  // Rotated glyphs are left to drawText, whose transformed path the memo's
  // pixels were not checked against.
  if (rotated || !FShaped->Draw(p, text, m.ascent())) p.drawText(0, m.ascent(), text);
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  const int width = TextWidth(text);
  if (Drawable() && !text.isEmpty()) {
    Changed();
    PaintText(x, y, text, nullptr, width);
  }
  // The pen moves past the text, saturating at the edge of the int range.
  FPenPos = {int(std::clamp<long long>(0LL + x + width, INT_MIN, INT_MAX)), y};
}

void TCanvas::TextRect(const TRect& clip, int x, int y, const QString& text) {
  if (!Drawable() || clip.IsEmpty()) return;
  Changed();
  FillRect(clip);
  TRect visible = clip.Intersected({0, 0, Width(), Height()});
  if (!text.isEmpty() && !visible.IsEmpty()) PaintText(x, y, text, &visible, 0);
}

}  // namespace vyr
