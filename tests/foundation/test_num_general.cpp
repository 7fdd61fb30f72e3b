// FormatGeneral, FormatScientific and FormatEngineering.
#include <gtest/gtest.h>

#include <limits>

#include "foundation/NumRoutines.h"

using namespace vyr;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Case {
  double value;
  int digits;
  const char* expected;
};

template <typename Format>
void Expect(Format format, std::initializer_list<Case> cases) {
  for (const Case& c : cases)
    EXPECT_EQ(format(c.value, c.digits), QString::fromLatin1(c.expected)) << c.value << ", " << c.digits;
}

}  // namespace

TEST(FormatGeneral, FixedWhileTheIntegerDigitsFitThePrecision) {
  Expect(FormatGeneral, {{2.5, 2, "2.5"},
                         {12, 2, "12"},
                         {123, 2, "1.2E+002"},
                         {1234.5, 6, "1234.5"},
                         {-0.25, 3, "-0.25"},
                         {100, 3, "100"},
                         {1000, 3, "1E+003"},
                         {3.14159, 3, "3.14"},
                         {0.1, 15, "0.1"}});
}

// 99.96 needs three integer digits once rounded to three significant ones.
TEST(FormatGeneral, TheIntegerDigitsAreCountedAfterRounding) {
  Expect(FormatGeneral, {{99.96, 3, "100"}, {99.96, 2, "1E+002"}, {9.996, 3, "10"}});
}

TEST(FormatGeneral, ScientificBelowOneHundredThousandth) {
  Expect(FormatGeneral, {{0.00001, 2, "0.00001"},
                         {0.000012345, 3, "0.0000123"},
                         {0.0000099, 2, "9.9E-006"},
                         {-1.5e-300, 4, "-1.5E-300"},
                         {1.5e10, 4, "1.5E+010"}});
}

TEST(FormatGeneral, PrecisionZeroActsAsOneAndZeroShowsPlainly) {
  Expect(FormatGeneral, {{7.4, 0, "7"}, {75, 0, "8E+001"}, {0.0, 5, "0"}, {-0.0, 5, "0"}});
}

TEST(FormatGeneral, ExactTiesRoundToEven) { Expect(FormatGeneral, {{0.125, 2, "0.12"}, {0.375, 2, "0.38"}}); }

TEST(FormatScientific, OneDigitBeforeThePointAndDigitsInAll) {
  Expect(FormatScientific, {{1234.5, 3, "1.23E+003"},
                            {-0.05, 1, "-5E-002"},
                            {0.0, 3, "0.00E+000"},
                            {9.99, 2, "1.0E+001"},
                            {1e300, 2, "1.0E+300"},
                            {5e-324, 2, "4.9E-324"}});
}

TEST(FormatEngineering, ExponentIsAMultipleOfThree) {
  Expect(FormatEngineering, {{12345, 2, "12.35E+003"},
                             {0.00047, 0, "470E-006"},
                             {-1.5, 1, "-1.5E+000"},
                             {0.5, 2, "500.00E-003"},
                             {0.0, 2, "0.00E+000"},
                             {999.996, 2, "1.00E+003"},
                             {999999, 0, "1E+006"},
                             {5e-324, 1, "4.9E-324"},
                             {1.7e308, 0, "170E+306"}});
}

TEST(NumberFormats, NonFiniteValuesAreNamed) {
  for (auto format : {FormatGeneral, FormatScientific, FormatEngineering}) {
    EXPECT_EQ(format(kNaN, 3), QStringLiteral("NaN"));
    EXPECT_EQ(format(kInf, 3), QStringLiteral("Inf"));
    EXPECT_EQ(format(-kInf, 3), QStringLiteral("-Inf"));
  }
}
