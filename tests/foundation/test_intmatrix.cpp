#include <gtest/gtest.h>

#include "foundation/Errors.h"
#include "foundation/IntMatrix.h"

using namespace vyr;

TEST(IntMatrix, HolidayListGrowsRowByRow) {
  TIntMatrix m(3, 0);
  m.SetNRows(1);
  m.SetVal(1, 1, 25);
  m.SetVal(2, 1, 12);
  m.SetVal(3, 1, -99999);
  m.SetNRows(2);
  m.SetVal(1, 2, 1);
  EXPECT_EQ(m.NrOfRows(), 2);
  EXPECT_EQ(m.NrOfColumns(), 3);
  EXPECT_EQ(m.GetVal(3, 1), -99999);
  EXPECT_EQ(m.GetVal(1, 2), 1);
  EXPECT_EQ(m.GetVal(2, 2), 0);
}

TEST(IntMatrix, ResizeKeepsOverlap) {
  TIntMatrix m(2, 2);
  m.SetVal(1, 1, 11);
  m.SetVal(2, 2, 22);
  m.SetVal(2, 1, 21);
  m.Resize(3, 1);
  EXPECT_EQ(m.GetVal(1, 1), 11);
  EXPECT_EQ(m.GetVal(2, 1), 21);
  EXPECT_EQ(m.GetVal(3, 1), 0);
  m.Resize(-1, -1);
  EXPECT_EQ(m.NrOfColumns(), 0);
  EXPECT_EQ(m.NrOfRows(), 0);
}

TEST(IntMatrix, OutOfRangeIsIgnoredAndReadsZero) {
  TIntMatrix m(2, 2);
  m.SetVal(0, 1, 5);
  m.SetVal(3, 1, 5);
  m.SetVal(1, 3, 5);
  EXPECT_EQ(m.GetVal(0, 1), 0);
  EXPECT_EQ(m.GetVal(3, 1), 0);
  EXPECT_EQ(m.GetVal(1, 3), 0);
  EXPECT_EQ(m.GetVal(1, 1), 0);
}

TEST(IntMatrix, RefusesOversizeAndStaysUnchanged) {
  TIntMatrix m(3, 1);
  m.SetVal(1, 1, 7);
  EXPECT_THROW(m.Resize(3, 1 << 30), EVyrDStructError);
  EXPECT_EQ(m.NrOfRows(), 1);
  EXPECT_EQ(m.GetVal(1, 1), 7);
}
