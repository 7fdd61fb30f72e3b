// TDataTable of 1000 x 1000 cells: memory per cell and inserting and
// removing a row in the middle. The peer is a std::vector of row vectors
// (std::vector<std::vector<double>>) doing the same insert and erase.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <vector>

#include "BenchRatio.h"
#include "foundation/DataTable.h"

namespace {

constexpr int kSide = 1000;

void PrintBytesPerCell() {
  const std::size_t before = mallinfo2().uordblks;
  auto* table = new vyr::TDataTable(kSide, kSide);
  const std::size_t after = mallinfo2().uordblks;
  std::printf("bytes per cell (%d x %d): %.2f\n", kSide, kSide, double(after - before) / (double(kSide) * kSide));
  delete table;
}

void BM_InsertRemoveRow(benchmark::State& state) {
  const int side = int(state.range(0));
  vyr::TDataTable table(side, side);
  for (auto _ : state) {
    table.InsertRow(side / 2);
    table.RemoveRow(side / 2);
  }
}
BENCHMARK(BM_InsertRemoveRow)->Arg(kSide);

void BM_PeerInsertRemoveRow(benchmark::State& state) {
  const int side = int(state.range(0));
  std::vector<std::vector<double>> table(side, std::vector<double>(side));
  for (auto _ : state) {
    table.insert(table.begin() + side / 2, std::vector<double>(side));
    table.erase(table.begin() + side / 2);
    benchmark::DoNotOptimize(table.data());
  }
}
BENCHMARK(BM_PeerInsertRemoveRow)->Arg(kSide);

void BM_InsertRemoveColumn(benchmark::State& state) {
  const int side = int(state.range(0));
  vyr::TDataTable table(side, side);
  for (auto _ : state) {
    table.InsertColumn(side / 2);
    table.RemoveColumn(side / 2);
  }
}
BENCHMARK(BM_InsertRemoveColumn)->Arg(kSide)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  PrintBytesPerCell();
  return vyrbench::RunWithRatios(
      argc, argv, {{"datatable insert/remove row", "BM_InsertRemoveRow/1000", "BM_PeerInsertRemoveRow/1000", 2.0}});
}
