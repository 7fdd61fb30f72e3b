// TStringArray: setting attribute bits of many rows at once and sorting the
// unmarked rows first, checked against plain reference computations on
// generated tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "foundation/StringArray.h"

using namespace vyr;

namespace {

std::vector<int> BitCounts(const TStringArray& a) {
  std::vector<int> counts(8, 0);
  for (int r = 1; r <= a.NrOfRows(); ++r)
    for (int bit = 0; bit < 8; ++bit) counts[std::size_t(bit)] += a.GetRowAttrib(r) >> bit & 1;
  return counts;
}

std::vector<int> KeptCounts(const TStringArray& a) {
  std::vector<int> counts;
  for (int bit = 0; bit < 8; ++bit) counts.push_back(a.CountRowsWithAttribBit(bit));
  return counts;
}

}  // namespace

// Random attributes, masks of one or more bits and spans shorter than the
// table: the bits follow the span, the others stay, the counts stay true.
TEST(StringArrayRowStates, StoredBitsAndCountsFollowGeneratedSpans) {
  std::mt19937 rng(17);
  TStringArray a;
  a.Resize(1, 300);
  for (int r = 1; r <= 300; ++r) a.SetRowAttrib(r, std::uint8_t(rng()));
  a.Sort(0, -1, true);
  int notices = 0;
  a.OnAttribChange = [&](QObject*) { ++notices; };
  for (int round = 0; round < 50; ++round) {
    const auto mask = std::uint8_t(rng() % 4 == 0 ? rng() : 1u << (rng() % 8));
    std::vector<std::uint8_t> on(std::size_t(rng() % 2 ? 300 : rng() % 300));
    for (std::uint8_t& v : on) v = std::uint8_t(rng() % 3 == 0 ? 0 : rng() % 5);
    std::vector<std::uint8_t> before(301), expected(301);
    for (int s = 1; s <= 300; ++s) before[std::size_t(s)] = a.GetRowAttrib(a.DisplayedRowOf(s));
    expected = before;
    for (std::size_t i = 0; i < on.size(); ++i)
      expected[i + 1] = on[i] ? expected[i + 1] | mask : expected[i + 1] & ~mask;
    const int noticesBefore = notices;
    a.SetStoredRowAttribBits(mask, on);
    for (int s = 1; s <= 300; ++s) ASSERT_EQ(a.GetRowAttrib(a.DisplayedRowOf(s)), expected[std::size_t(s)]);
    EXPECT_EQ(KeptCounts(a), BitCounts(a));
    EXPECT_EQ(notices - noticesBefore, expected == before ? 0 : 1);
  }
}

// A shuffled display order, random marks: the unmarked rows come first in
// the stable order of their keys from storage order, the marked ones follow
// in the order they were shown in.
TEST(StringArrayRowStates, UnmarkedFirstMatchesAReferenceOnGeneratedTables) {
  std::mt19937 rng(23);
  for (int round = 0; round < 40; ++round) {
    const int rows = 1 + int(rng() % 3000);  // short and long (radix) sorts
    TStringArray a;
    a.Resize(1, rows);
    for (int r = 1; r <= rows; ++r) a.SetString(1, r, QString::number(rng() % 50));
    for (int r = 1; r <= rows; ++r) a.SetSortOrder(r, 1 + int(rng() % unsigned(rows)));
    const std::uint8_t mask = round % 5 == 0 ? 0x03 : 0x40;
    for (int r = 1; r <= rows; ++r) a.SetRowAttrib(r, std::uint8_t(rng() % 4 == 0 ? 0x40 | (rng() % 4) : rng() % 4));
    std::vector<int> unmarked, marked;
    for (int s = 1; s <= rows; ++s)
      if (!(a.GetRowAttrib(a.DisplayedRowOf(s)) & mask)) unmarked.push_back(s);
    for (int r = 1; r <= rows; ++r)
      if (a.GetRowAttrib(r) & mask) marked.push_back(a.GetSortOrder(r));
    const bool ascending = round % 2;
    std::stable_sort(unmarked.begin(), unmarked.end(), [&](int x, int y) {
      const int kx = a.GetStoredStringView(1, x).toInt(), ky = a.GetStoredStringView(1, y).toInt();
      return ascending ? kx < ky : ky < kx;
    });
    unmarked.insert(unmarked.end(), marked.begin(), marked.end());
    a.SortUnmarkedFirst(mask, 1, -1, ascending);
    for (int r = 1; r <= rows; ++r) ASSERT_EQ(a.GetSortOrder(r), unmarked[std::size_t(r - 1)]) << "row " << r;
  }
}
