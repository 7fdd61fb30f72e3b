#pragma once
// The texts a canvas measured or drew in its current font: their widths,
// and for texts drawn more than once their shaped glyphs. Shaping (finding
// glyphs and their places) is most of what QPainter::drawText costs, and a
// control draws the same captions, scale labels and cell texts paint after
// paint. A text is shaped for keeps only when it is drawn a second time, so
// texts drawn once cost no more than before.
//
// Glyphs drawn from the memo give exactly the pixels QPainter::drawText
// gives. Texts where the two might differ always take drawText: fonts with
// underline, strike-out or overline (their lines are placed by different
// code) and texts with control characters or right-to-left script.
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QString>

namespace vyr {

class TShapedTexts {
 public:
  // Forgets every text; the memo then serves font.
  void Reset(const QFont& font);
  // QFontMetrics::horizontalAdvance of text, measured once.
  int Width(const QString& text, const QFontMetrics& metrics);
  // Draws text with its base line at y = ascent if its glyphs are known or
  // the text is drawn for the second time; false when the caller must draw
  // it with drawText.
  bool Draw(QPainter& painter, const QString& text, int ascent);

 private:
  struct Entry {
    int width = -1;  // not measured yet
    int draws = 0;  // -1: never shaped
    bool shaped = false;
    qreal baseline = 0;  // of the glyph positions
    QList<QGlyphRun> runs;
  };
  Entry& Find(const QString& text);
  // Lays text out on one line as drawText does for a painter of that direction.
  void Shape(const QString& text, Qt::LayoutDirection direction, Entry& entry) const;

  QFont FFont;
  bool FPlainFont = true;  // no lines drawn along the text
  QHash<QString, Entry> FEntries;
};

}  // namespace vyr
