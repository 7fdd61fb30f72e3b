// TStringArray with 1,000,000 rows x 8 columns sorted through its display
// order by a numeric column, by a text column and by a text column whose
// texts share their beginning, against the same texts held in plain
// std::vector<QString> columns: the peer parses each number text
// (CellTextToNumber) or case-folds each text once, then stable-sorts an
// index of the rows. Both sides must end with the same row order. The
// memory per row and the time of UnSort are printed after the ratios.
#include <malloc.h>

#include <QString>
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <vector>

#include "Alternate.h"
#include "foundation/CellText.h"
#include "foundation/StringArray.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kCols = 8;
constexpr int kRounds = 7;
constexpr int kNumberCol = 1;
constexpr int kTextCol = 2;
constexpr int kPrefixedCol = 3;  // texts that all begin "item "

using Texts = std::vector<std::vector<QString>>;  // [column - 1][row - 1]

// The cells of one row: a number, a word of mixed case, then short texts
// that share their beginning.
QString CellText(std::mt19937& rng, int col) {
  switch (col) {
    case kNumberCol:
      return QString::number(std::uniform_real_distribution<double>(-1e5, 1e5)(rng), 'f', 3);
    case kTextCol: {
      QString word;
      const int length = 4 + int(rng() % 8);
      for (int i = 0; i < length; ++i) word += QChar(char16_t((rng() % 2 ? u'a' : u'A') + rng() % 26));
      return word;
    }
    default:
      return QStringLiteral("item %1").arg(rng() % 10000);
  }
}

Texts RandomTexts() {
  std::mt19937 rng(12345);
  Texts texts(kCols);
  for (auto& column : texts) column.reserve(kRows);
  for (int r = 0; r < kRows; ++r)
    for (int c = 1; c <= kCols; ++c) texts[std::size_t(c - 1)].push_back(CellText(rng, c));
  return texts;
}

std::size_t MemoryInUse() {
  const struct mallinfo2 m = mallinfo2();
  return m.uordblks + m.hblkhd;
}

void Fill(vyr::TStringArray& a, const Texts& texts) {
  a.BeginUpdate();
  a.Resize(kCols, kRows);
  for (int r = 1; r <= kRows; ++r)
    for (int c = 1; c <= kCols; ++c) a.SetString(c, r, texts[std::size_t(c - 1)][std::size_t(r - 1)]);
  a.EndUpdate();
}

using Order = std::vector<std::int32_t>;  // 0-based rows in displayed order

Order OrderOf(const vyr::TStringArray& a) {
  Order order(kRows);
  for (int i = 1; i <= kRows; ++i) order[std::size_t(i - 1)] = a.GetSortOrder(i) - 1;
  return order;
}

Order PeerNumericOrder(const std::vector<QString>& texts) {
  std::vector<double> values(texts.size());
  for (std::size_t r = 0; r < texts.size(); ++r) vyr::CellTextToNumber(texts[r], values[r]);
  Order order(texts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return values[a] < values[b]; });
  return order;
}

// Case-insensitive first, then by character codes, as the table sorts.
Order PeerTextOrder(const std::vector<QString>& texts) {
  std::vector<QString> folded(texts.size());
  for (std::size_t r = 0; r < texts.size(); ++r) folded[r] = texts[r].toCaseFolded();
  Order order(texts.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    const int f = folded[a].compare(folded[b]);
    return f != 0 ? f < 0 : texts[a] < texts[b];
  });
  return order;
}

bool CompareSort(const char* subject, double goal, vyr::TStringArray& a, int col,
                 const std::function<Order()>& peer) {
  const bool agreed = vyrbench::Alternate<Order>(
      {subject, goal, kRounds},
      [&] {
        a.Sort(col, -1, true);
        return OrderOf(a);
      },
      peer);
  a.UnSort();
  return agreed;
}

// UnSort alone, each time after a sort that is not timed.
void PrintUnSortTime(vyr::TStringArray& a) {
  std::vector<double> times;
  for (int round = 0; round < kRounds; ++round) {
    a.Sort(kNumberCol, -1, false);
    const double start = vyrbench::CpuSeconds();
    a.UnSort();
    times.push_back(vyrbench::CpuSeconds() - start);
  }
  std::sort(times.begin(), times.end());
  std::printf("stringarray unsort 1M rows: %.2f ms (min %.2f, max %.2f)\n", times[times.size() / 2] * 1e3,
              times.front() * 1e3, times.back() * 1e3);
}

}  // namespace

int main() {
  const Texts texts = RandomTexts();
  vyr::TStringArray a;
  const std::size_t before = MemoryInUse();
  Fill(a, texts);
  const double bytesPerRow = double(MemoryInUse() - before) / kRows;

  bool agreed = CompareSort("stringarray numeric sort vs parse and index sort", 1.5, a, kNumberCol,
                            [&] { return PeerNumericOrder(texts[kNumberCol - 1]); });
  agreed = CompareSort("stringarray text sort vs folded index sort", 1.5, a, kTextCol,
                       [&] { return PeerTextOrder(texts[kTextCol - 1]); }) &&
           agreed;
  agreed = CompareSort("stringarray shared-prefix text sort vs folded index sort", 0.5, a, kPrefixedCol,
                       [&] { return PeerTextOrder(texts[kPrefixedCol - 1]); }) &&
           agreed;
  PrintUnSortTime(a);
  std::printf("stringarray bytes per row (%d columns): %.1f\n", kCols, bytesPerRow);
  return agreed ? 0 : 1;
}
