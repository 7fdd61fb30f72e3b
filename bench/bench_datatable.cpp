// TDataTable of 1000 x 1000 cells: memory per cell and inserting and
// removing a row in the middle. The peer is a std::vector of row vectors
// (std::vector<std::vector<double>>) doing the same insert and erase.
// Memory counts malloc's arena and the blocks it maps separately, for both.
#include <malloc.h>

#include <cstdio>
#include <memory>
#include <tuple>
#include <vector>

#include "Alternate.h"
#include "foundation/DataTable.h"

namespace {

constexpr int kSide = 1000, kRepeats = 200;

std::size_t HeapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

template <typename Make>
void PrintBytesPerCell(const char* subject, Make make) {
  const std::size_t before = HeapBytes();
  auto table = make();
  const std::size_t after = HeapBytes();
  std::printf("bytes per cell %s (%d x %d): %.2f\n", subject, kSide, kSide,
              double(after - before) / (double(kSide) * kSide));
}

// Row count, column count and the value of a marked cell below the middle.
using Shape = std::tuple<int, int, double>;

}  // namespace

int main() {
  PrintBytesPerCell("TDataTable", [] { return std::make_unique<vyr::TDataTable>(kSide, kSide); });
  PrintBytesPerCell("vector of row vectors", [] {
    return std::make_unique<std::vector<std::vector<double>>>(kSide, std::vector<double>(kSide));
  });

  vyr::TDataTable table(kSide, kSide);
  table.SetElem(1, kSide, 7.5);
  std::vector<std::vector<double>> rows(kSide, std::vector<double>(kSide));
  rows[kSide - 1][0] = 7.5;

  const std::function<Shape()> ours = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      table.InsertRow(kSide / 2);
      table.RemoveRow(kSide / 2);
    }
    return Shape{table.NrOfRows(), table.NrOfColumns(), table.GetElem(1, kSide)};
  };
  const std::function<Shape()> peer = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      rows.insert(rows.begin() + (kSide / 2 - 1), std::vector<double>(kSide));
      rows.erase(rows.begin() + (kSide / 2 - 1));
    }
    return Shape{int(rows.size()), int(rows.front().size()), rows[kSide - 1][0]};
  };
  const bool agreed = vyrbench::Alternate<Shape>(
      {"TDataTable 1000x1000 insert/remove row vs vector of row vectors", 2.0, 9}, ours, peer);
  return agreed ? 0 : 1;
}
