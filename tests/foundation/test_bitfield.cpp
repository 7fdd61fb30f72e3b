#include <gtest/gtest.h>

#include "foundation/BitField.h"

using namespace vyr;

TEST(BitField, NewFieldIsAllFalse) {
  TBitFld bits;
  EXPECT_EQ(bits.Size(), 1024);
  EXPECT_EQ(bits.FirstTrueBit(), -1);
  EXPECT_EQ(bits.CountTrueBits(), 0);
}

TEST(BitField, SetGetAcrossWordBoundaries) {
  TBitFld bits(130);
  for (int i : {0, 63, 64, 129}) bits.SetBit(i, true);
  EXPECT_TRUE(bits.GetBit(63));
  EXPECT_TRUE(bits.GetBit(64));
  EXPECT_FALSE(bits.GetBit(65));
  EXPECT_EQ(bits.CountTrueBits(), 4);
  EXPECT_EQ(bits.FirstTrueBit(), 0);
  bits.SetBit(0, false);
  EXPECT_EQ(bits.FirstTrueBit(), 63);
  bits.Clear();
  EXPECT_EQ(bits.CountTrueBits(), 0);
  EXPECT_EQ(bits.Size(), 130);
}

TEST(BitField, NextTrueBitSkipsToTheNextSetBit) {
  TBitFld bits(200);
  for (int i : {3, 64, 199}) bits.SetBit(i, true);
  EXPECT_EQ(bits.NextTrueBit(-5), 3);
  EXPECT_EQ(bits.NextTrueBit(4), 64);
  EXPECT_EQ(bits.NextTrueBit(65), 199);
  EXPECT_EQ(bits.NextTrueBit(200), -1);
}

TEST(BitField, SetRangeAcrossWordsAndLimitedToTheSize) {
  TBitFld bits(200);
  bits.SetRange(-5, 130, true);
  bits.SetRange(60, 64, false);
  bits.SetRange(190, 999, true);
  EXPECT_EQ(bits.CountTrueBits(), 131 - 5 + 10);
  EXPECT_TRUE(bits.GetBit(59) && bits.GetBit(65) && bits.GetBit(199));
  EXPECT_FALSE(bits.GetBit(64) || bits.GetBit(131));
}

TEST(BitField, OutOfRangeIsIgnoredAndReadsFalse) {
  TBitFld bits(10);
  bits.SetBit(10, true);
  bits.SetBit(-1, true);
  EXPECT_FALSE(bits.GetBit(10));
  EXPECT_FALSE(bits.GetBit(-1));
  EXPECT_EQ(bits.CountTrueBits(), 0);
}

TEST(BitField, ShrinkingDropsBitsGrowingAddsFalse) {
  TBitFld bits(100);
  bits.SetBit(5, true);
  bits.SetBit(70, true);
  bits.SetSize(60);
  EXPECT_EQ(bits.CountTrueBits(), 1);
  bits.SetSize(100);
  EXPECT_FALSE(bits.GetBit(70));
  EXPECT_TRUE(bits.GetBit(5));
  bits.SetSize(-3);
  EXPECT_EQ(bits.Size(), 0);
  EXPECT_EQ(bits.FirstTrueBit(), -1);
}
