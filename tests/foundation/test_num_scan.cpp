// ScanFloat and the integer scanners.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "foundation/Constants.h"
#include "foundation/NumRoutines.h"

using namespace vyr;

namespace {

struct FloatCase {
  QString text;
  double value;
  qsizetype pos;  // after the scan
  TDecPSep mode = dsBoth;
  bool allowExponent = true;
  qsizetype start = 1;
};

void ExpectFloats(std::initializer_list<FloatCase> cases) {
  for (const FloatCase& c : cases) {
    qsizetype pos = c.start;
    EXPECT_EQ(ScanFloat(c.text, c.allowExponent, c.mode, pos), c.value) << c.text.toStdString();
    EXPECT_EQ(pos, c.pos) << c.text.toStdString();
  }
}

using IntScanner = std::int32_t (*)(const QString&, qsizetype&);

struct IntCase {
  IntScanner scan;
  QString text;
  std::int32_t value;
  qsizetype pos;  // after the scan
  qsizetype start = 1;
};

void ExpectInts(std::initializer_list<IntCase> cases) {
  for (const IntCase& c : cases) {
    qsizetype pos = c.start;
    EXPECT_EQ(c.scan(c.text, pos), c.value) << c.text.toStdString();
    EXPECT_EQ(pos, c.pos) << c.text.toStdString();
  }
}

}  // namespace

TEST(NumScanFloat, StopsOnTheCharacterAfterTheNumber) {
  ExpectFloats({{"  -1,5E3xyz", -1500.0, 9}, {"  -1,5E3xyz", -1.0, 5, dsPoint}, {"1.5", 1.0, 2, dsComma},
                {"5.", 5.0, 3}, {"1.5e3", 1500.0, 6}, {"ab12.5cd", 12.5, 7, dsPoint, true, 3},
                {"12E3", 12.0, 3, dsBoth, false}, {"2,5x", 2.5, 4, static_cast<TDecPSep>(9)}});
}

TEST(NumScanFloat, FailGivesZeroWithPosOnTheOffender) {
  ExpectFloats({{"", 0.0, 1}, {"   ", 0.0, 4}, {"+-1", 0.0, 2}, {"1E 5", 0.0, 3}, {"1EE", 0.0, 3},
                {"1.2.3", 0.0, 4}, {QString::fromUtf8("\xEF\xBC\x91"), 0.0, 1}});  // a full-width one
}

TEST(NumScanFloat, IncompleteLiterals) {
  ExpectFloats({{"1E", 1.0, 3}, {"1E-", 1.0, 4}, {".5", 0.5, 3}, {"-.25", -0.25, 5}, {".", 0.0, 2},
                {"-.E5", 0.0, 5}, {"5.E2", 500.0, 5}});
}

TEST(NumScanFloat, ClampsToTheDoubleRange) {
  ExpectFloats({{"1E5000", uc_MaxDouble, 7}, {"-1E5000", -uc_MaxDouble, 8}, {"1E-5000", 0.0, 8},
                {"1.7976931348623157E308", uc_MaxDouble, 23}, {"1.7976931348623159E308", uc_MaxDouble, 23},
                {"4.9406564584124654E-324", std::numeric_limits<double>::denorm_min(), 24},
                {QString(400, u'9'), uc_MaxDouble, 401}, {"1E-00000000000000000000300", 1e-300, 27}});
  qsizetype pos = 1;
  EXPECT_FALSE(std::signbit(ScanFloat("-0", true, dsBoth, pos)));
}

TEST(NumScanFloat, ExponentDigitsBeyondTheCapAreDropped) {
  // Kept, the exponent would be -4201 and the value 1E-201; cut to -420 it
  // leaves 1E3580, which clamps.
  const QString text = "1" + QString(4000, u'0') + "E-4201";
  ExpectFloats({{text, uc_MaxDouble, text.size() + 1}});
}

TEST(NumScanFloat, PosOutsideTheTextIsClamped) {
  ExpectFloats({{"7.5", 7.5, 4, dsBoth, true, 0}, {"7.5", 7.5, 4, dsBoth, true, -100},
                {"7.5", 0.0, 4, dsBoth, true, 100}});
}

TEST(NumScanFloat, LongInputs) {
  ExpectFloats({{QString(200000, u' ') + "2.5", 2.5, 200004}, {"0." + QString(100000, u'0') + "1", 0.0, 100004},
                {"1." + QString(100000, u'0') + "1", 1.0, 100004}});
}

TEST(NumScanInt, Decimal) {
  ExpectInts({{ScanDecimalInt, "  -42 ", -42, 6}, {ScanDecimalInt, "+7x", 7, 3}, {ScanDecimalInt, "- 5", 0, 2},
              {ScanDecimalInt, "x12", 12, 4, 2}, {ScanDecimalInt, "", 0, 1}, {ScanDecimalInt, " ", 0, 1},
              {ScanDecimalInt, "   ", 0, 3}, {ScanDecimalInt, "4294967295", -1, 11},
              {ScanDecimalInt, "2147483648", INT_MIN, 11}, {ScanDecimalInt, "-2147483648", INT_MIN, 12},
              {ScanDecimalInt, "4294967296", 0, 11}});
}

TEST(NumScanInt, Hex) {
  ExpectInts({{ScanHexInt, "$1F", 31, 4}, {ScanHexInt, " $1F", 0, 2}, {ScanHexInt, "$ 1F", 0, 2},
              {ScanHexInt, "$", 0, 2}, {ScanHexInt, "x$1", 0, 2, 2}, {ScanHexInt, "ff", 255, 3},
              {ScanHexInt, "1g", 1, 2}, {ScanHexInt, "FFFFFFFF", -1, 9}, {ScanHexInt, "-1", 0, 1},
              {ScanHexInt, "  ", 0, 2}});
}

TEST(NumScanInt, OctalAndBinary) {
  ExpectInts({{ScanOctInt, "778", 63, 3}, {ScanOctInt, "  17", 15, 5}, {ScanOctInt, "37777777777", -1, 12},
              {ScanBinInt, "1012", 5, 4}, {ScanBinInt, QString(33, u'1'), -1, 34}, {ScanBinInt, "+1", 0, 1}});
}

TEST(NumScanInt, PosOutsideTheTextIsClamped) {
  ExpectInts({{ScanDecimalInt, "", 0, 1, 5}, {ScanDecimalInt, "12", 12, 3, -3}, {ScanDecimalInt, "12", 0, 3, 3},
              {ScanHexInt, "$A", 10, 3, 0}, {ScanOctInt, "7", 0, 2, LLONG_MAX}, {ScanBinInt, "1", 1, 2, LLONG_MIN}});
}
