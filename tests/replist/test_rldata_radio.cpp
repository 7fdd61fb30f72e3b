// Radio columns keep one mark whatever way the cells were written before:
// through the store, straight into the string table, after sorting, after
// rows came and went, and after copying another store.
#include <gtest/gtest.h>

#include "replist/Vyr_replist.h"

using namespace vyr;

namespace {

constexpr int kRadio = 2;

// Rows 1..rows with column 1 "r<row>" and an unmarked radio column 2.
void MakeRadioStore(TRLData& d, int rows) {
  d.SetNrCols(2);
  d.SetNrRows(rows);
  d.SetColCheckMode(kRadio, cmRadio);
  for (int r = 1; r <= rows; ++r) {
    d.SetElem(1, r, QStringLiteral("r%1").arg(r));
    d.SetElem(kRadio, r, QStringLiteral(" v"));
  }
}

// The first column of every checked row, in display order.
QStringList CheckedRows(const TRLData& d) {
  QStringList names;
  for (int r = 1; r <= d.NrOfRows(); ++r)
    if (d.GetElemChecked(kRadio, r)) names << d.GetElem(1, r);
  return names;
}

}  // namespace

TEST(RLDataRadio, MarksWrittenBehindTheStoresBackAreCleared) {
  TRLData d;
  MakeRadioStore(d, 6);
  d.SetElemChecked(kRadio, 2, true);
  d.Strings().SetString(kRadio, 4, "Xv");  // two more marks straight into the table
  d.Strings().SetString(kRadio, 5, "Xv");
  EXPECT_EQ(d.CountCheckedElemsInCol(kRadio), 3);
  d.SetElemChecked(kRadio, 6, true);
  EXPECT_EQ(CheckedRows(d), QStringList{"r6"});
  EXPECT_EQ(d.CountCheckedElemsInCol(kRadio), 1);
  EXPECT_EQ(d.FirstCheckedElemInCol(kRadio), 6);
}

TEST(RLDataRadio, TogglingFollowsTheRowsThroughSortsAndStructureChanges) {
  TRLData d;
  MakeRadioStore(d, 5);
  d.SetElemChecked(kRadio, 2, true);
  d.Sort(1, -1, false);  // r5 r4 r3 r2 r1
  EXPECT_EQ(d.FirstCheckedElemInCol(kRadio), 4);
  d.SetElemChecked(kRadio, 1, true);
  EXPECT_EQ(CheckedRows(d), QStringList{"r5"});

  d.InsertRow(1);  // makes the shown order the stored one and shifts every row
  d.SetElem(1, 1, "new");
  d.SetElemChecked(kRadio, 3, true);  // r4
  EXPECT_EQ(CheckedRows(d), QStringList{"r4"});

  d.RemoveRow(3);  // the marked row goes
  EXPECT_EQ(d.CountCheckedElemsInCol(kRadio), 0);
  d.SetElemChecked(kRadio, 2, true);  // r5
  d.Sort(1, -1, true);                // new r1 r2 r3 r5
  EXPECT_EQ(CheckedRows(d), QStringList{"r5"});
  EXPECT_EQ(d.FirstCheckedElemInCol(kRadio), 5);
  d.SetElemChecked(kRadio, 4, true);  // r3
  d.UnSort();                         // new r5 r3 r2 r1
  EXPECT_EQ(CheckedRows(d), QStringList{"r3"});
  EXPECT_EQ(d.FirstCheckedElemInCol(kRadio), 3);
}

TEST(RLDataRadio, CopiedStoreStartsFromItsOwnMarks) {
  TRLData a, b;
  MakeRadioStore(a, 4);
  MakeRadioStore(b, 4);
  a.SetElemChecked(kRadio, 1, true);
  b.SetElemChecked(kRadio, 3, true);
  a.Assign(&b);
  a.SetElemChecked(kRadio, 2, true);
  EXPECT_EQ(CheckedRows(a), QStringList{"r2"});
}

TEST(RLDataRadio, ClearingEnabledRowsOnlyKeepsTheMarkOfADisabledRow) {
  TRLData d;
  MakeRadioStore(d, 4);
  d.SetElemChecked(kRadio, 3, true);
  d.Strings().SetRowAttrib(3, kRowDisabledBit);
  d.SetAllCheckmarksOfCol(kRadio, false, true);
  EXPECT_EQ(CheckedRows(d), QStringList{"r3"});
  d.SetAllCheckmarksOfCol(kRadio, false);
  EXPECT_TRUE(CheckedRows(d).isEmpty());
}

TEST(RLDataRadio, ToggleRaisesOneChange) {
  TRLData d;
  MakeRadioStore(d, 1000);
  d.SetElemChecked(kRadio, 10, true);
  int changes = 0;
  d.Strings().OnChange = [&changes](QObject*) { ++changes; };
  d.SetElemChecked(kRadio, 900, true);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(CheckedRows(d), QStringList{"r900"});
}
