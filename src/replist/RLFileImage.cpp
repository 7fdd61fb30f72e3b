// What the report list's file readers share: their error and the way a row
// read from a file goes into the string table.
#include "replist/RLFileImage.h"

namespace vyr {

void ThrowFileFormat(const QString& source, qint64 line, const QString& what) {
  throw EVyrRLDataError(QStringLiteral("%1, line %2: %3").arg(source).arg(line).arg(what));
}

// The last non-empty value's column first takes the room of them all, then
// its own value (so the block stays), then every other column its value.
void StoreRowValues(TStringArray& cells, int row, int firstCol, QStringView text, const std::vector<qsizetype>& ends) {
  const auto raw = [](QStringView v) { return QString::fromRawData(v.data(), v.size()); };
  const auto value = [&](int k) {
    const qsizetype from = k ? ends[std::size_t(k - 1)] : 0;
    return text.mid(from, ends[std::size_t(k)] - from);
  };
  int last = int(ends.size()) - 1;
  while (last >= 0 && value(last).isEmpty()) --last;
  if (last < 0) return;
  cells.SetString(firstCol + last, row, raw(text.left(TStringArray::kMaxCellLength)));
  cells.SetString(firstCol + last, row, raw(value(last)));
  for (int k = 0; k < last; ++k) cells.SetString(firstCol + k, row, raw(value(k)));
}

}  // namespace vyr
