// FormatFloatField and the Hex/Oct/BinDigits routines.
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "foundation/NumRoutines.h"

using namespace vyr;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FieldCase {
  int width;
  int decimals;
  double value;
  const char* expected;
};

void ExpectFields(std::initializer_list<FieldCase> cases) {
  for (const FieldCase& c : cases)
    EXPECT_EQ(FormatFloatField(c.width, c.decimals, c.value), QString::fromLatin1(c.expected))
        << c.width << ", " << c.decimals << ", " << c.value;
}

}  // namespace

TEST(NumFormatFixed, AlignsPadsAndNeverCuts) {
  ExpectFields({{1, 2, 3.14159, "3.14"}, {1, 0, 2.4, "2"}, {3, 2, -1234.5, "-1234.50"},
                {8, 2, 12.5, "   12.50"}, {8, 2, -12.5, "  -12.50"}, {5, 0, 0.0, "    0"},
                {-6, 1, -2.5, "-002.5"}, {-8, 2, -12.5, "-0012.50"}, {-8, 2, 12.5, "00012.50"},
                {-3, 2, -12.5, "-12.50"}});
}

TEST(NumFormatFixed, RoundingAndSign) {
  ExpectFields({{0, 2, 0.125, "0.12"}, {0, 2, 0.375, "0.38"}, {0, 0, 2.5, "2"}, {0, 0, 3.5, "4"},
                {6, 2, -0.0, "  0.00"}, {0, 2, -0.001, "-0.00"},
                {0, 20, 0.1, "0.10000000000000000555"}, {0, 2, 1e20, "100000000000000000000.00"}});
  EXPECT_EQ(FormatFloatField(0, 0, std::numeric_limits<double>::max()).size(), 309);
}

TEST(NumFormatExponent, TwoAndFourDigitExponents) {
  ExpectFields({{12, -2, 12345.678, " 1.23457E+04"}, {12, -2, -0.000123, "-1.23000E-04"},
                {12, -2, 0.0, " 0.00000E+00"}, {12, -2, 9.99999e99, " 9.99999E+99"},
                {12, -2, 1e-99, " 1.00000E-99"}, {-12, -2, 12345.678, "01.23457E+04"},
                {-12, -2, -12345.678, "-1.23457E+04"}, {22, -1, 1234.5, " 1.2345000000000E+0003"},
                {22, -1, -1.5e-300, "-1.5000000000000E-0300"}, {12, -3, 1e300, " 1.000E+0300"}});
}

TEST(NumFormatExponent, ThreeDigitExponentGivesStars) {
  ExpectFields({{12, -2, 1.5e150, "************"}, {12, -2, -1e100, "************"},
                {12, -2, 1e-100, "************"}, {12, -2, 9.999996e99, "************"},
                {-12, -2, 1e200, "************"}});
}

TEST(NumFormatExponent, NarrowFieldKeepsOneFractionDigit) {
  ExpectFields({{5, -1, 1234.5, " 1.2E+0003"}, {4, -2, 1234.5, " 1.2E+03"}, {0, -2, 1e100, "********"},
                {0, INT_MIN, 1.0, " 1.0E+0000"}});
}

TEST(NumFormatBadInput, NonFiniteValuesFillTheField) {
  ExpectFields({{8, 2, kInf, "********"}, {0, 2, kNaN, "*"}, {-12, -2, -kInf, "************"},
                {22, -1, kNaN, "**********************"}});
}

TEST(NumFormatBadInput, HugeWidthAndDecimalsAreClamped) {
  EXPECT_EQ(FormatFloatField(INT_MIN, 0, 1.0), QString(999, u'0') + u'1');
  EXPECT_EQ(FormatFloatField(INT_MAX, 0, 1.0).size(), 1000);
  EXPECT_EQ(FormatFloatField(INT_MAX, -2, 1.0).size(), 1000);
  EXPECT_EQ(FormatFloatField(0, INT_MAX, 0.5), "0.5" + QString(999, u'0'));
}

TEST(NumDigits, FixedCountOfLowDigits) {
  EXPECT_EQ(HexDigits(255, 8), "000000FF");
  EXPECT_EQ(HexDigits(255, 0), "F");
  EXPECT_EQ(HexDigits(0x1234, 2), "34");
  EXPECT_EQ(HexDigits(static_cast<std::uint32_t>(-1), 8), "FFFFFFFF");
  EXPECT_EQ(HexDigits(0xABCDEF12, 20), "ABCDEF12");
  EXPECT_EQ(HexDigits(0xAB, -3), "B");
  EXPECT_EQ(OctDigits(8, 11), "00000000010");
  EXPECT_EQ(OctDigits(0xFFFFFFFF, 40), "37777777777");
  EXPECT_EQ(OctDigits(64, 2), "00");
  EXPECT_EQ(BinDigits(5, 32), "00000000000000000000000000000101");
  EXPECT_EQ(BinDigits(5, 2), "01");
  EXPECT_EQ(BinDigits(0x80000000, 255), "10000000000000000000000000000000");
}
