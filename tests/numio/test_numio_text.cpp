// The number text of the input formats and the spin and gauge arithmetic,
// without a control: the cases the field's own tests do not reach.
#include <gtest/gtest.h>

#include <limits>

#include "host/Application.h"
#include "numio/NumIOSteps.h"
#include "numio/NumInText.h"

using namespace vyr;

namespace {

TInTextStyle Style(TInFormat f, TDecPSep sep = dsBoth, int decimals = 2, int digits = 6) {
  return {f, sep, decimals, digits};
}

}  // namespace

TEST(InFormatText, WritesNegativeAndHugeValues) {
  EXPECT_EQ(InFormatText(-0.00125, Style(itExp, dsBoth, 2, 3)), QStringLiteral("-1.25E-03"));
  EXPECT_EQ(InFormatText(-7.5, Style(itDynamic)), QStringLiteral("-8"));
  EXPECT_EQ(InFormatText(-1, Style(itHex)), QStringLiteral("FFFFFFFF"));
  EXPECT_EQ(InFormatText(420, Style(itOct)), QStringLiteral("00000000644"));
  EXPECT_EQ(InFormatText(4294967296.0 + 26, Style(itHex)), QStringLiteral("0000001A"));
  EXPECT_EQ(InFormatText(1e300, Style(itBin)), QString(32, u'0'));
  EXPECT_EQ(InFormatText(1e20, Style(itInt)), QStringLiteral("100000000000000000000"));
  EXPECT_EQ(InFormatText(-0.49, Style(itDynamic)), QStringLiteral("0"));
  EXPECT_EQ(InFormatText(-0.5, Style(itInt)), QStringLiteral("0"));
}

TEST(InFormatText, SystemSeparatorIsPointOrComma) {
  Application().SetDecimalSeparator(u',');
  EXPECT_EQ(InFormatText(1.5, Style(itFloat, dsSystem)), QStringLiteral("1,50"));
  EXPECT_EQ(ResolvedSepMode(dsSystem), dsComma);
  Application().SetDecimalSeparator(QChar(0x066B));
  EXPECT_EQ(SeparatorCharOf(dsSystem), QChar(u','));
  Application().ResetDecimalSeparator();
}

TEST(InFormatValue, ReadsOverflowAndWrapping) {
  EXPECT_EQ(InFormatValue(QStringLiteral("+42"), itInt), 42.0);
  EXPECT_EQ(InFormatValue(QStringLiteral("-"), itInt), 0.0);
  EXPECT_EQ(InFormatValue(QStringLiteral("-999999999999"), itInt), -2147483648.0);
  EXPECT_EQ(InFormatValue(QStringLiteral("FFFFFFFF"), itHex), -1.0);
  EXPECT_EQ(InFormatValue(QStringLiteral("1FFFFFFFF"), itHex), -1.0);
  EXPECT_EQ(InFormatValue(QStringLiteral("1,5"), itFloat), 1.5);
  EXPECT_EQ(InFormatValue(QStringLiteral("2.5E1"), itDynamic), 25.0);
}

TEST(IsInFormatText, JudgesEachFormat) {
  EXPECT_TRUE(IsInFormatText(QStringLiteral("1.5E"), Style(itExp)));
  EXPECT_FALSE(IsInFormatText(QStringLiteral("1.5E"), Style(itFloat)));
  EXPECT_FALSE(IsInFormatText(QStringLiteral("1,5"), Style(itFloat, dsPoint)));
  EXPECT_TRUE(IsInFormatText(QStringLiteral("12,34"), Style(itFixPoint, dsComma)));
  EXPECT_FALSE(IsInFormatText(QStringLiteral("1.2"), Style(itInt)));
  EXPECT_FALSE(IsInFormatText(QStringLiteral("G"), Style(itHex)));
  EXPECT_FALSE(IsInFormatText(QStringLiteral("8"), Style(itOct)));
  EXPECT_FALSE(IsInFormatText(QStringLiteral("2"), Style(itBin)));
  EXPECT_FALSE(IsInFormatText(QString(), Style(itDynamic)));
  EXPECT_FALSE(IsInFormatText(QStringLiteral("%12"), Style(itDynamic)));
  EXPECT_TRUE(IsInFormatText(QStringLiteral("3.5E2"), Style(itDynamic)));
}

TEST(SpinValue, PivotsWithinReachAndNonFinitePivots) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const std::vector<double> pivots{0, 10, 20, 50};
  // Within 10^-2 of a pivot counts as on it.
  EXPECT_EQ(SpinValue(20.005, false, 1, 0, 1000, pivots, 2), 10.0);
  EXPECT_EQ(SpinValue(20.02, false, 1, 0, 1000, pivots, 2), 20.0);
  // Pivots outside the range are taken as they are.
  EXPECT_EQ(SpinValue(50, true, 1, 0, 30, {20, 50, 80}, 2), 80.0);
  EXPECT_EQ(SpinValue(10, true, 1, 0, 1000, {nan, 10, inf, 20}, 2), 20.0);
  EXPECT_EQ(SpinValue(10, true, 1, 0, 1000, {nan, inf}, 2), 11.0);
}

TEST(GaugeValue, SnapsClampsAndSurvivesHugeRanges) {
  // 500 lies as near to 400 as to 600: the first wins.
  EXPECT_EQ(GaugeValue(0.5, 0, 1000, {400, 600}), 400.0);
  EXPECT_EQ(GaugeValue(0.5, 0, 1000, {2000}), 1000.0);
  EXPECT_EQ(GaugeValue(0.5, -1e308, 1e308, {}), 0.0);
  EXPECT_EQ(GaugeFraction(0, -1e308, 1e308), 0.5);
  EXPECT_EQ(GaugeFraction(1e308, -1e308, 0), 1.0);
}
