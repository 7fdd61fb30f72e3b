// TRLData: a cell range as clipboard text.
#include <algorithm>
#include <numeric>
#include <vector>

#include "host/Clipboard.h"
#include "replist/RLCellMarks.h"
#include "replist/RLData.h"

namespace vyr {

namespace {

// Longest clipboard text built; a larger range (mostly cells outside the
// table) is refused rather than filling the memory with blanks.
constexpr qint64 kMaxClipboardChars = qint64{1} << 28;

}  // namespace

QString TRLData::ClipboardText(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                               const QString* Separator) const {
  const qint64 nCols = std::max<qint64>(qint64{RightCol} - LeftCol + 1, 0);
  const qint64 nRows = std::max<qint64>(qint64{BottomRow} - TopRow + 1, 0);
  const qint64 lines = nRows + (AddHeader ? 2 : 0);
  if (lines == 0) return {};
  // Every cell of the range costs a step (and in the padded layout at least
  // one character), so the cells are bounded before anything is built.
  if (nCols > kMaxClipboardChars / lines) throw EVyrRLDataError(ComponentMessage(Name(), "range too large to copy"));
  // Widths of the padded layout, kept for the range's columns inside the
  // table; a column outside it is one blank wide.
  const int firstIn = std::max(LeftCol, 0), lastIn = std::min(RightCol, FNrOfCols);
  std::vector<qint64> widths;
  const auto width = [&](qint64 k) {
    const qint64 c = LeftCol + k;
    return c >= firstIn && c <= lastIn ? widths[std::size_t(c - firstIn)] : 1;
  };
  if (!Separator) {
    widths.assign(std::size_t(std::max(lastIn - firstIn + 1, 0)), 0);
    for (int c = firstIn; c <= lastIn; ++c) {
      qint64 w = AddHeader ? GetColName(c).size() : 0;
      for (int r = std::max(TopRow, 1); r <= std::min(BottomRow, FNrOfRows); ++r)
        w = std::max<qint64>(w, FStrings->GetStringView(c, r).size());
      widths[std::size_t(c - firstIn)] = w + 1;
    }
  }
  const qint64 sepLength = Separator ? Separator->size() : 0;
  const qint64 lineLength =
      1 + (Separator ? std::max<qint64>(nCols - 1, 0) * sepLength : nCols - std::ssize(widths)) +
      std::accumulate(widths.begin(), widths.end(), qint64{0});
  if (lines > kMaxClipboardChars / lineLength)
    throw EVyrRLDataError(ComponentMessage(Name(), "range too large to copy"));

  QString text;
  text.reserve(Separator ? 0 : lines * lineLength);
  const auto appendField = [&](qint64 k, QStringView value) {
    if (Separator) {
      if (k) text.append(*Separator);
      text.append(value);
    } else {
      text.append(value);
      text.resize(text.size() + width(k) - value.size(), u' ');
    }
  };
  if (AddHeader) {
    for (qint64 k = 0; k < nCols; ++k) appendField(k, GetColName(int(LeftCol + k)));
    text.append(u"\n\n");
  }
  for (qint64 r = TopRow; r <= BottomRow; ++r) {
    for (qint64 k = 0; k < nCols; ++k) {
      const int c = int(LeftCol + k);
      QStringView value;
      if (ValidCell(c, int(r))) {
        value = FStrings->GetStringView(c, int(r));
        if (IsCheckColumn(c)) value = ValueOfMarked(value);
      }
      appendField(k, value);
    }
    text.append(u'\n');
  }
  return text;
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              bool UseTabs) const {
  const QString tab(u'\t');
  Clipboard().SetAsText(ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, UseTabs ? &tab : nullptr));
}

void TRLData::CopyToClipBoard(int LeftCol, int TopRow, int RightCol, int BottomRow, bool AddHeader,
                              const QString& Separator) const {
  Clipboard().SetAsText(ClipboardText(LeftCol, TopRow, RightCol, BottomRow, AddHeader, &Separator));
}

}  // namespace vyr
