// Fuzzes what the report list does with texts a user types or a file holds:
// the filter expression parser and matcher, the cell-text number reader and
// the cell-text sort. None may crash or read outside its text; the sort must
// give a permutation that is ordered and stable under CompareCellText, and a
// substring filter must agree with a plain containment test.
#include <QString>
#include <QStringView>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "foundation/CellText.h"
#include "foundation/CellTextSort.h"
#include "foundation/TextFilter.h"

namespace {

constexpr std::size_t kMaxTexts = 64;

void Check(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "fuzz_text: %s\n", what);
  std::abort();
}

// The input after its first byte as UTF-16 code units (lone surrogates
// included), cut into texts at each U+FFFF.
std::vector<QString> Texts(const std::uint8_t* data, std::size_t size) {
  std::vector<QString> texts(1);
  for (std::size_t i = 0; i + 1 < size && texts.size() <= kMaxTexts; i += 2) {
    const char16_t unit = char16_t(data[i] | data[i + 1] << 8);
    if (unit == 0xFFFF)
      texts.emplace_back();
    else
      texts.back().append(QChar(unit));
  }
  return texts;
}

void FuzzNumbers(const std::vector<QStringView>& texts) {
  for (QStringView t : texts) {
    double value = 0.0;
    if (vyr::CellTextToNumber(t, value)) Check(std::isfinite(value), "a cell number is not finite");
  }
}

void FuzzSort(const std::vector<QStringView>& texts, bool ascending) {
  const std::vector<std::int32_t> order = vyr::CellTextOrder(texts, ascending);
  Check(order.size() == texts.size(), "the sort lost or added texts");
  std::vector<bool> seen(texts.size());
  for (std::int32_t i : order) {
    Check(i >= 0 && std::size_t(i) < texts.size() && !seen[std::size_t(i)], "the sort is not a permutation");
    seen[std::size_t(i)] = true;
  }
  for (std::size_t k = 1; k < order.size(); ++k) {
    const int c = vyr::CompareCellText(texts[std::size_t(order[k - 1])], texts[std::size_t(order[k])]);
    Check(ascending ? c <= 0 : c >= 0, "the sort is out of order");
    if (c == 0) Check(order[k - 1] < order[k], "the sort is not stable");
  }
}

void FuzzFilter(const QString& expression, const std::vector<QStringView>& texts, bool boolean, bool ignoreCase) {
  try {
    const vyr::TTextFilter filter = boolean ? vyr::TTextFilter::Boolean(expression, ignoreCase)
                                            : vyr::TTextFilter::Substring(expression, ignoreCase);
    const bool found = filter.Matches(texts);
    if (!boolean) {
      const Qt::CaseSensitivity cs = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
      const bool contained = expression.isEmpty() ||
                             std::any_of(texts.begin(), texts.end(), [&](QStringView t) { return t.contains(expression, cs); });
      Check(found == contained, "a substring filter disagrees with a containment test");
    }
  } catch (const vyr::ETextFilterError&) {
    Check(boolean, "a substring filter refused its pattern");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  std::vector<QString> owned = Texts(data + 1, size - 1);
  const QString expression = owned.front();
  std::vector<QStringView> texts(owned.begin() + 1, owned.end());
  FuzzNumbers(texts);
  FuzzSort(texts, flags & 1);
  FuzzFilter(expression, texts, flags & 2, flags & 4);
  return 0;
}
