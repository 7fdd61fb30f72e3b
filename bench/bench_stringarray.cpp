// TStringArray with 1,000,000 rows x 8 columns: filling, sorting through the
// display order by a numeric column, by a text column and by a text column
// whose texts share their beginning, unsorting. The peer sorts
// the same keys, already extracted, in a plain std::vector with
// std::stable_sort (double for numbers, QString for text).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QString>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <vector>

#include "BenchRatio.h"
#include "foundation/CellText.h"
#include "foundation/StringArray.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kCols = 8;
constexpr int kNumberCol = 1;
constexpr int kTextCol = 2;
constexpr int kPrefixedCol = 3;  // texts that all begin "item "

// The cells of one row: a number, a word, then a mix of short texts.
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

void Fill(vyr::TStringArray& a) {
  std::mt19937 rng(12345);
  a.BeginUpdate();
  a.Resize(kCols, kRows);
  for (int r = 1; r <= kRows; ++r)
    for (int c = 1; c <= kCols; ++c) a.SetString(c, r, CellText(rng, c));
  a.EndUpdate();
}

vyr::TStringArray& Table() {
  static const std::unique_ptr<vyr::TStringArray> table = [] {
    auto a = std::make_unique<vyr::TStringArray>();
    const std::size_t before = mallinfo2().uordblks;
    Fill(*a);
    const std::size_t after = mallinfo2().uordblks;
    std::printf("bytes per row (%d columns): %.1f\n", kCols, double(after - before) / kRows);
    return a;
  }();
  return *table;
}

void BM_Fill(benchmark::State& state) {
  for (auto _ : state) {
    vyr::TStringArray a;
    Fill(a);
    benchmark::DoNotOptimize(a.GetStringView(1, kRows).size());
  }
}
BENCHMARK(BM_Fill)->Arg(kRows)->Unit(benchmark::kMillisecond);

// Sorting the table by one of its columns.
void SortByColumn(benchmark::State& state, int col) {
  vyr::TStringArray& a = Table();
  for (auto _ : state) a.Sort(col, -1, true);
  a.UnSort();
}

// The peer's text sort of the same column's texts.
void PeerSortText(benchmark::State& state, int col) {
  vyr::TStringArray& a = Table();
  std::vector<QString> keys(kRows);
  for (int r = 1; r <= kRows; ++r) keys[r - 1] = a.GetString(col, r);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<QString> work = keys;
    state.ResumeTiming();
    std::stable_sort(work.begin(), work.end(),
                     [](const QString& x, const QString& y) { return vyr::CompareCellText(x, y) < 0; });
    benchmark::DoNotOptimize(work.data());
  }
}

void BM_SortNumeric(benchmark::State& state) { SortByColumn(state, kNumberCol); }
BENCHMARK(BM_SortNumeric)->Arg(kRows)->Unit(benchmark::kMillisecond);

void BM_PeerSortNumeric(benchmark::State& state) {
  vyr::TStringArray& a = Table();
  std::vector<double> keys(kRows);
  for (int r = 1; r <= kRows; ++r) vyr::CellTextToNumber(a.GetStringView(kNumberCol, r), keys[r - 1]);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<double> work = keys;
    state.ResumeTiming();
    std::stable_sort(work.begin(), work.end());
    benchmark::DoNotOptimize(work.data());
  }
}
BENCHMARK(BM_PeerSortNumeric)->Arg(kRows)->Unit(benchmark::kMillisecond);

void BM_SortText(benchmark::State& state) { SortByColumn(state, kTextCol); }
BENCHMARK(BM_SortText)->Arg(kRows)->Unit(benchmark::kMillisecond);

void BM_PeerSortText(benchmark::State& state) { PeerSortText(state, kTextCol); }
BENCHMARK(BM_PeerSortText)->Arg(kRows)->Unit(benchmark::kMillisecond);

void BM_SortPrefixedText(benchmark::State& state) { SortByColumn(state, kPrefixedCol); }
BENCHMARK(BM_SortPrefixedText)->Arg(kRows)->Unit(benchmark::kMillisecond);

void BM_PeerSortPrefixedText(benchmark::State& state) { PeerSortText(state, kPrefixedCol); }
BENCHMARK(BM_PeerSortPrefixedText)->Arg(kRows)->Unit(benchmark::kMillisecond);

void BM_UnSort(benchmark::State& state) {
  vyr::TStringArray& a = Table();
  for (auto _ : state) {
    state.PauseTiming();
    a.Sort(kNumberCol, -1, false);
    state.ResumeTiming();
    a.UnSort();
  }
}
BENCHMARK(BM_UnSort)->Arg(kRows)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  return vyrbench::RunWithRatios(argc, argv,
                                 {{"stringarray numeric sort", "BM_SortNumeric/1000000", "BM_PeerSortNumeric/1000000", 1.5},
                                  {"stringarray text sort", "BM_SortText/1000000", "BM_PeerSortText/1000000", 1.5},
                                  {"stringarray shared-prefix text sort", "BM_SortPrefixedText/1000000",
                                   "BM_PeerSortPrefixedText/1000000", 0.5}});
}
