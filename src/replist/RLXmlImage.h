#pragma once
// Builds a TRLFileImage from the parts of a report list file in the order a
// reader meets them, with every check of that order and of the counts. Both
// XML readers (the plain one and the general one) feed it, so they accept
// and refuse the same content.
#include <QString>
#include <QStringView>
#include <vector>

#include "replist/RLFileImage.h"
#include "replist/RLXmlTags.h"

namespace vyr {

// Content a builder refuses; the reader adds where it is.
struct TRLXmlContentError {
  QString What;
};

class TRLXmlImageBuilder {
 public:
  explicit TRLXmlImageBuilder(TRLFileImage& image) : FImage(image) {}

  // The text of an element of the list (any tag but xmlCell).
  void Element(TRepListXmlTag tag, QStringView text);
  // Checks that a cell may come now (before its text is read).
  void ExpectCell();
  // The next cell's text; bytesLeft is what the input has left after it
  // (bounds the rows the table makes room for).
  void Cell(QStringView text, qint64 bytesLeft);
  // The list's end: every count met.
  void Finish();

 private:
  [[noreturn]] static void Refuse(const QString& what) { throw TRLXmlContentError{what}; }
  void Count(TRepListXmlTag tag, QStringView text);
  void ColumnItem(TRepListXmlTag tag, QStringView text);
  void StartCells();

  TRLFileImage& FImage;
  int FCols = -1, FRows = -1;
  qint64 FCells = 0;
  int FAllocRows = 0;
  bool FCellsStarted = false;
  // The cells of the row being read, back to back, and where each ends.
  QString FRowText;
  std::vector<qsizetype> FEnds;
};

}  // namespace vyr
