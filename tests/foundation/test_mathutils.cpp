#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include <QString>

#include "foundation/MathUtils.h"

using namespace vyr;

TEST(IntNeg, RoundsTowardsMinusInfinity) {
  EXPECT_EQ(IntNeg(2.7), 2);
  EXPECT_EQ(IntNeg(-2.3), -3);
  EXPECT_EQ(IntNeg(-3.0), -3);
  EXPECT_EQ(IntNeg(-0.0001), -1);  // the meter's decade of a value just below 1
  EXPECT_EQ(IntNeg(0.0), 0);
}

TEST(IntNeg, ClampsWhatNoIntHolds) {
  EXPECT_EQ(IntNeg(1e300), std::numeric_limits<int>::max());
  EXPECT_EQ(IntNeg(-1e300), std::numeric_limits<int>::min());
  EXPECT_EQ(IntNeg(std::nan("")), 0);
}

TEST(IsValidDecInt, AcceptsSignedDigitsIn32Bits) {
  EXPECT_TRUE(IsValidDecInt(u"7"));
  EXPECT_TRUE(IsValidDecInt(u"-42"));
  EXPECT_TRUE(IsValidDecInt(u"+3"));
  EXPECT_TRUE(IsValidDecInt(u"007"));
  EXPECT_TRUE(IsValidDecInt(u"2147483647"));
  EXPECT_TRUE(IsValidDecInt(u"-2147483648"));
}

TEST(IsValidDecInt, RejectsEverythingElse) {
  for (const char16_t* bad : {u"", u"-", u"+", u" 7", u"7 ", u"7a", u"1.0", u"1e3", u"2147483648", u"-2147483649",
                              u"99999999999999999999", u"\u0663"})
    EXPECT_FALSE(IsValidDecInt(bad)) << QString::fromUtf16(bad).toStdString();
}
