// Checks and stores the parts of a report list file.
#include "replist/RLXmlImage.h"

#include <algorithm>

#include "foundation/TextCut.h"

namespace vyr {

namespace {

// The shortest cell a file can hold: "<cell/>".
constexpr qint64 kMinCellBytes = 7;

// A count: decimal digits, blanks around them allowed.
bool ReadCount(QStringView text, int& value) {
  bool ok = false;
  value = text.trimmed().toInt(&ok);
  return ok && value >= 0;
}

}  // namespace

void TRLXmlImageBuilder::Element(TRepListXmlTag tag, QStringView text) {
  switch (tag) {
    case xmlNumCols:
    case xmlNumRows:
      Count(tag, text);
      break;
    case xmlCommonHd:
      FImage.CommonHeader = text.toString();
      break;
    case xmlComment:
      FImage.Comment = text.toString();
      break;
    case xmlColName:
    case xmlColumnFormat:
    case xmlCheckedColumn:
      ColumnItem(tag, text);
      break;
    default:
      Refuse(QStringLiteral("unknown tag ") + RepListXmlTagShown(tag));
  }
}

void TRLXmlImageBuilder::Count(TRepListXmlTag tag, QStringView text) {
  int& count = tag == xmlNumCols ? FCols : FRows;
  if (count >= 0) Refuse(RepListXmlTagShown(tag) + QStringLiteral(" given twice"));
  int value = 0;
  if (!ReadCount(text, value)) Refuse(RepListXmlTagShown(tag) + QStringLiteral(" does not hold a count"));
  count = value;
  if (FCols >= 0 && FRows >= 0 && (qint64{FCols} + 1) * (qint64{FRows} + 1) > TStringArray::kMaxCells)
    Refuse(QStringLiteral("a list of %1 columns and %2 rows is too large").arg(FCols).arg(FRows));
}

void TRLXmlImageBuilder::ColumnItem(TRepListXmlTag tag, QStringView text) {
  if (FCols < 0) Refuse(RepListXmlTagShown(tag) + QStringLiteral(" before <numcols>"));
  if (FCellsStarted) Refuse(RepListXmlTagShown(tag) + QStringLiteral(" after the cells"));
  if (tag == xmlColName) {
    if (int(FImage.Names.size()) == FCols) Refuse(QStringLiteral("more column names than <numcols>"));
    FImage.Names.push_back(CutToLength(text, kMaxColNameLength).toString());
  } else if (tag == xmlColumnFormat) {
    if (int(FImage.Formats.size()) == FCols) Refuse(QStringLiteral("more column formats than <numcols>"));
    FImage.Formats.push_back(CutToLength(text, kMaxColFormatLength).toString());
  } else {
    if (int(FImage.Modes.size()) == FCols) Refuse(QStringLiteral("more check modes than <numcols>"));
    const int mode = CheckModeOfWord(text.trimmed());
    if (mode < 0) Refuse(QStringLiteral("unknown check mode \"%1\"").arg(text));
    FImage.Modes.push_back(TCheckMode(mode));
  }
}

void TRLXmlImageBuilder::StartCells() {
  if (FCols < 0 || FRows < 0) Refuse(QStringLiteral("cells before <numcols> and <numrows>"));
  const auto complete = [this](std::size_t n) { return n == std::size_t(FCols); };
  if (!complete(FImage.Names.size()) || !complete(FImage.Formats.size()) || !complete(FImage.Modes.size()))
    Refuse(QStringLiteral("%1 columns, but %2 names, %3 formats and %4 check modes before the cells")
               .arg(FCols)
               .arg(FImage.Names.size())
               .arg(FImage.Formats.size())
               .arg(FImage.Modes.size()));
  FCellsStarted = true;
  FEnds.reserve(std::size_t(FCols) + 1);
}

void TRLXmlImageBuilder::ExpectCell() {
  if (!FCellsStarted) StartCells();
  const qint64 perRow = qint64{FCols} + 1;
  if (FCells / perRow + 1 > FRows) Refuse(QStringLiteral("more cells than %1 rows of %2").arg(FRows).arg(perRow));
}

void TRLXmlImageBuilder::Cell(QStringView text, qint64 bytesLeft) {
  ExpectCell();
  const qint64 perRow = qint64{FCols} + 1;
  const int r = int(FCells / perRow) + 1, c = int(FCells % perRow);
  if (r > FAllocRows) {
    // Room grows with the cells the file holds, never beyond what the rest
    // of the input could hold.
    qint64 want = std::max<qint64>(qint64{FAllocRows} * 2, 1024);
    if (bytesLeft >= 0) want = std::min(want, r + bytesLeft / (kMinCellBytes * perRow) + 1);
    FAllocRows = int(std::clamp<qint64>(want, r, FRows));
    FImage.Cells->Resize(std::max(FCols, 1), FAllocRows);
  }
  const bool marked = c >= 1 && FImage.Modes[std::size_t(c - 1)] != cmNone;
  if (c == 0) {
    FRowText.resize(0);
    FEnds.clear();
  }
  FRowText.append(CutToLength(text, kMaxCellValueLength + (marked ? 1 : 0)));
  FEnds.push_back(FRowText.size());
  if (c == FCols) StoreRowValues(*FImage.Cells, r, 0, FRowText, FEnds);
  ++FCells;
}

void TRLXmlImageBuilder::Finish() {
  if (FCols < 0 || FRows < 0) Refuse(QStringLiteral("the list lacks <numcols> or <numrows>"));
  if (!FCellsStarted) StartCells();
  const qint64 expected = (qint64{FCols} + 1) * FRows;
  if (FCells != expected) Refuse(QStringLiteral("%1 cells where %2 rows need %3").arg(FCells).arg(FRows).arg(expected));
  FImage.Cols = FCols;
  FImage.Rows = FRows;
  FImage.Cells->Resize(std::max(FCols, 1), FRows);
}

}  // namespace vyr
