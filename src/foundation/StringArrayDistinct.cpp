// TStringArray: the distinct texts of a column, kept for searches.
#include <new>

#include "foundation/StringArray.h"

namespace vyr {

const TDistinctTexts* TStringArray::DistinctTexts(int col) {
  if (!ValidCol(col)) return nullptr;
  if (FDistinct.size() <= std::size_t(col)) FDistinct.resize(std::size_t(col) + 1);
  TDistinctCache& cached = FDistinct[std::size_t(col)];
  const std::uint64_t version = ColumnVersion(col);
  if (cached.Version != version) {
    cached = {version, false, std::nullopt};
    return nullptr;
  }
  if (cached.Gathered) return cached.Texts ? &*cached.Texts : nullptr;
  cached.Gathered = true;
  const std::size_t rows = std::size_t(NrOfRows());
  try {
    TDistinctTexts& texts = cached.Texts.emplace(rows, rows / kRowsPerDistinctText);
    for (std::size_t r = 1; r <= rows; ++r)
      if (!texts.Add(FRows[r].Cell(col, Columns()))) {
        cached.Texts.reset();
        break;
      }
  } catch (const std::bad_alloc&) {
    // Without the list a search reads the cells; nothing is lost.
    cached.Texts.reset();
  }
  return cached.Texts ? &*cached.Texts : nullptr;
}

}  // namespace vyr
