#include "host/ShapedTexts.h"

#include <QTextLayout>
#include <QTextOption>

namespace vyr {
namespace {

// Beyond this many texts the memo starts afresh, so that a stream of
// distinct texts (a changing value) cannot grow it without bound.
constexpr qsizetype kMaxEntries = 1024;

// Characters that lay out the same in a text layout as in drawText: printable,
// left-to-right and without bidirectional marks.
bool Shapeable(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    const bool plain = (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u < 0x0590) || (u >= 0x2010 && u < 0x2028) ||
                       (u >= 0x2030 && u < 0x205F) || (u >= 0x20A0 && u < 0x2400);
    if (!plain) return false;
  }
  return true;
}

}  // namespace

void TShapedTexts::Reset(const QFont& font) {
  FFont = font;
  FPlainFont = !font.underline() && !font.strikeOut() && !font.overline();
  FEntries.clear();
}

TShapedTexts::Entry& TShapedTexts::Find(const QString& text) {
  auto it = FEntries.find(text);
  if (it != FEntries.end()) return *it;
  if (FEntries.size() >= kMaxEntries) FEntries.clear();
  return *FEntries.insert(text, Entry{});
}

int TShapedTexts::Width(const QString& text, const QFontMetrics& metrics) {
  Entry& entry = Find(text);
  if (entry.width < 0) entry.width = metrics.horizontalAdvance(text);
  return entry.width;
}

void TShapedTexts::Shape(const QString& text, Qt::LayoutDirection direction, Entry& entry) const {
  QTextLayout layout(text, FFont);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(direction);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  entry.runs = line.glyphRuns();
  entry.baseline = line.ascent();
  entry.shaped = true;
}

bool TShapedTexts::Draw(QPainter& painter, const QString& text, int ascent) {
  // A right-to-left painter may reorder even plain digits and signs.
  if (!FPlainFont || text.isEmpty() || painter.layoutDirection() == Qt::RightToLeft) return false;
  Entry& entry = Find(text);
  if (!entry.shaped) {
    if (entry.draws < 0 || ++entry.draws < 2) return false;
    if (!Shapeable(text)) {
      entry.draws = -1;
      return false;
    }
    Shape(text, painter.layoutDirection(), entry);
  }
  const QPointF origin(0, ascent - entry.baseline);
  for (const QGlyphRun& run : entry.runs) painter.drawGlyphRun(origin, run);
  return true;
}

}  // namespace vyr
