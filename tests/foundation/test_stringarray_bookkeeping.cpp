// What the string table keeps track of for its users: how many rows carry
// each attribute bit, where a storage row is shown, and the column versions
// callers use to trust their caches.
#include <gtest/gtest.h>

#include "foundation/StringArray.h"

using namespace vyr;

namespace {

// Counts rows 1..NrOfRows() with the bit set the slow way.
int Recount(const TStringArray& a, int bit) {
  int n = 0;
  for (int r = 1; r <= a.NrOfRows(); ++r) n += (a.GetRowAttrib(r) >> bit) & 1;
  return n;
}

}  // namespace

TEST(StringArrayAttribCounts, FollowEveryChangeOfRowsAndAttributes) {
  TStringArray a;
  a.Resize(1, 6);
  a.SetRowAttrib(0, 0xFF);  // the header row is not counted
  a.SetRowAttrib(1, 0x80);
  a.SetRowAttrib(2, 0xC0);
  a.SetRowAttrib(5, 0x40);
  a.SetRowAttrib(6, 0x81);
  EXPECT_EQ(a.CountRowsWithAttribBit(7), 3);
  EXPECT_EQ(a.CountRowsWithAttribBit(6), 2);
  EXPECT_EQ(a.CountRowsWithAttribBit(0), 1);

  a.SetRowAttrib(2, 0x01);  // loses both high bits, gains bit 0
  EXPECT_EQ(a.CountRowsWithAttribBit(7), 2);
  EXPECT_EQ(a.CountRowsWithAttribBit(6), 1);
  EXPECT_EQ(a.CountRowsWithAttribBit(0), 2);

  a.RemoveRow(1);   // drops one 0x80
  a.InsertRow(1);   // attribute 0
  a.Resize(1, 4);   // drops the old rows 5 and 6 (0x40 and 0x81)
  for (int bit = 0; bit < 8; ++bit) EXPECT_EQ(a.CountRowsWithAttribBit(bit), Recount(a, bit)) << bit;
  EXPECT_EQ(a.CountRowsWithAttribBit(7), 0);
  EXPECT_EQ(a.CountRowsWithAttribBit(0), 1);

  a.Clear();
  EXPECT_EQ(a.CountRowsWithAttribBit(0), 0);
  EXPECT_EQ(a.CountRowsWithAttribBit(8), 0);
  EXPECT_EQ(a.CountRowsWithAttribBit(-1), 0);
}

TEST(StringArrayAttribCounts, SortingAndCommittingKeepTheCounts) {
  TStringArray a;
  a.Resize(1, 5);
  for (int r = 1; r <= 5; ++r) a.SetString(1, r, QString::number(6 - r));
  a.SetRowAttrib(1, 0x80);
  a.SetRowAttrib(4, 0x80);
  a.Sort(1, -1, true);
  a.SetRowAttrib(2, 0x80);  // displayed row 2 is storage row 4: already set
  a.SetRowAttrib(3, 0x80);
  EXPECT_EQ(a.CountRowsWithAttribBit(7), 3);
  a.RemoveRow(5);  // storage row 1
  EXPECT_EQ(a.CountRowsWithAttribBit(7), 2);
  a.CommitSorting();
  EXPECT_EQ(a.CountRowsWithAttribBit(7), Recount(a, 7));
}

TEST(StringArrayPositions, DisplayedRowOfInvertsTheOrder) {
  TStringArray a;
  a.Resize(1, 4);
  for (int r = 1; r <= 4; ++r) a.SetString(1, r, QString::number(10 * r));
  EXPECT_EQ(a.DisplayedRowOf(3), 3);
  a.Sort(1, -1, false);  // storage 4 3 2 1
  EXPECT_EQ(a.DisplayedRowOf(4), 1);
  EXPECT_EQ(a.DisplayedRowOf(1), 4);
  a.SetSortOrder(1, 2);  // storage 2 3 4 1
  EXPECT_EQ(a.DisplayedRowOf(2), 1);
  EXPECT_EQ(a.DisplayedRowOf(4), 3);
  a.InsertRow(2);  // new storage row 3 shown as row 2: 2 3 4 5 1
  EXPECT_EQ(a.DisplayedRowOf(3), 2);
  EXPECT_EQ(a.DisplayedRowOf(5), 4);
  EXPECT_EQ(a.DisplayedRowOf(0), 0);
  EXPECT_EQ(a.DisplayedRowOf(6), 0);
  EXPECT_EQ(a.DisplayedRowOf(-1), 0);
}

TEST(StringArrayVersions, GrowWithWritesToTheColumnAndWithRenumbering) {
  TStringArray a;
  a.Resize(2, 3);
  const std::uint64_t v1 = a.ColumnVersion(1), v2 = a.ColumnVersion(2);
  a.SetString(2, 1, "b");
  EXPECT_EQ(a.ColumnVersion(1), v1);
  EXPECT_GT(a.ColumnVersion(2), v2);
  a.SetString(2, 1, "b");  // same text: nothing changed
  const std::uint64_t v3 = a.ColumnVersion(2);
  a.SetString(1, 2, "x");
  a.Sort(1, -1, false);
  a.UnSort();
  EXPECT_EQ(a.ColumnVersion(2), v3);

  for (auto renumber : {+[](TStringArray& t) { t.InsertRow(1); }, +[](TStringArray& t) { t.RemoveRow(1); },
                        +[](TStringArray& t) { t.InsertColumn(1); }, +[](TStringArray& t) { t.RemoveColumn(1); },
                        +[](TStringArray& t) { t.Resize(2, 9); }, +[](TStringArray& t) { t.Clear(); }}) {
    const std::uint64_t before = a.ColumnVersion(2);
    renumber(a);
    EXPECT_GT(a.ColumnVersion(2), before);
  }
  a.Sort(1, -1, false);
  const std::uint64_t sorted = a.ColumnVersion(2);
  a.CommitSorting();
  EXPECT_GT(a.ColumnVersion(2), sorted);
}
