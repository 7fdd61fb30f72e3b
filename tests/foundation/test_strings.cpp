#include <gtest/gtest.h>

#include <limits>

#include "foundation/StringUtils.h"

using namespace vyr;

TEST(Strff, FormatsFixedPointRightAligned) {
  EXPECT_EQ(strff(3.14159, 8, 2), "    3.14");
  EXPECT_EQ(strff(-2.5, 1, 3), "-2.500");
  EXPECT_EQ(strff(42, 1, 0), "42");
  EXPECT_EQ(strff(12345.678, 3, 1), "12345.7");  // wider than the field: not cut
}

TEST(Strff, RoundsHalvesToEven) {
  EXPECT_EQ(strff(2.5, 0, 0), "2");
  EXPECT_EQ(strff(3.5, 0, 0), "4");
  EXPECT_EQ(strff(0.125, 0, 2), "0.12");
}

TEST(Strff, ClampsWidthAndDecimals) {
  EXPECT_EQ(strff(1.5, -4, -3), "2");
  EXPECT_EQ(strff(1, 1, 99), "1." + QString(99, u'0'));
  EXPECT_EQ(strff(1, 1, 400), "1." + QString(kMaxStrffDecimals, u'0'));
  EXPECT_EQ(strff(1, 100000, 0).size(), 255);
}

TEST(Strff, NonFiniteValues) {
  EXPECT_EQ(strff(std::numeric_limits<double>::quiet_NaN(), 5, 2), "  NaN");
  EXPECT_EQ(strff(std::numeric_limits<double>::infinity(), 1, 2), "Inf");
  EXPECT_EQ(strff(-std::numeric_limits<double>::infinity(), 1, 2), "-Inf");
  EXPECT_EQ(strff(std::numeric_limits<double>::max(), 1, 0).size(), 309);
}

TEST(Tokenize, SplitsAtDelimiters) {
  QStringList items;
  EXPECT_EQ(Tokenize("c:\\windows\\system", '\\', items), 3);
  EXPECT_EQ(items, QStringList({"c:", "windows", "system"}));
}

TEST(Tokenize, TrailingDelimiterAddsNoItemButInnerEmptiesStay) {
  QStringList items;
  EXPECT_EQ(Tokenize("c:\\windows\\", '\\', items), 2);
  EXPECT_EQ(items, QStringList({"c:", "windows"}));
  EXPECT_EQ(Tokenize("a;;b", ';', items), 3);
  EXPECT_EQ(items, QStringList({"a", "", "b"}));
  EXPECT_EQ(Tokenize(";", ';', items), 1);
  EXPECT_EQ(items, QStringList({""}));
}

TEST(Tokenize, EmptyTextGivesNoItems) {
  QStringList items = {"stale"};
  EXPECT_EQ(Tokenize("", ',', items), 0);
  EXPECT_TRUE(items.isEmpty());
}

TEST(NumberedPos, ForwardCountsFromStart) {
  //                  123456789
  const QString s = "a.b.c.d";
  EXPECT_EQ(NumberedPos(".", s, 1, sdForward, 1), 2);
  EXPECT_EQ(NumberedPos(".", s, 1, sdForward, 3), 6);
  EXPECT_EQ(NumberedPos(".", s, 3, sdForward, 1), 4);
  EXPECT_EQ(NumberedPos(".", s, 4, sdForward, 1), 4);  // an occurrence at start counts
  EXPECT_EQ(NumberedPos(".", s, 1, sdForward, 4), 0);
}

TEST(NumberedPos, SecondQuoteOfAnAttribute) {
  const QString line = "<replist id=\"  abc \" x>";
  EXPECT_EQ(NumberedPos("\"", line, 10, sdForward, 2), 20);
}

TEST(NumberedPos, BackwardCountsTowardsTheStart) {
  const QString s = "a.b.c.d";
  EXPECT_EQ(NumberedPos(".", s, 7, sdBackward, 1), 6);
  EXPECT_EQ(NumberedPos(".", s, 5, sdBackward, 2), 2);
  EXPECT_EQ(NumberedPos(".", s, 6, sdBackward, 1), 6);
  EXPECT_EQ(NumberedPos(".", s, 99, sdBackward, 1), 6);
  EXPECT_EQ(NumberedPos(".", s, 1, sdBackward, 1), 0);
}

TEST(NumberedPos, OverlappingAndLongerSubstrings) {
  EXPECT_EQ(NumberedPos("aa", "aaaa", 1, sdForward, 3), 3);
  EXPECT_EQ(NumberedPos("ab", "xabyab", 1, sdForward, 2), 5);
  EXPECT_EQ(NumberedPos("ab", "xabyab", 6, sdBackward, 1), 5);
}

TEST(NumberedPos, DegenerateArguments) {
  EXPECT_EQ(NumberedPos("", "abc", 1, sdForward, 1), 0);
  EXPECT_EQ(NumberedPos("b", "abc", 1, sdForward, 0), 0);
  EXPECT_EQ(NumberedPos("b", "abc", -5, sdForward, 1), 2);
  EXPECT_EQ(NumberedPos("b", "abc", 4, sdForward, 1), 0);
  EXPECT_EQ(NumberedPos("b", "", 1, sdBackward, 1), 0);
}

TEST(LeftString, PadsOrCuts) {
  EXPECT_EQ(LeftString("Name", 7), "Name   ");
  EXPECT_EQ(LeftString("Temperature", 4), "Temp");
  EXPECT_EQ(LeftString("abc", 3), "abc");
  EXPECT_EQ(LeftString("abc", -2), "");
}

TEST(RemoveControlChars, DropsC0AndC1Codes) {
  EXPECT_EQ(RemoveControlChars(QString("a\tb\r\nc") + QChar(0x7F) + QChar(0x85) + "d"), "abcd");
  EXPECT_EQ(RemoveControlChars(QString::fromUtf8("Größe 5 €")), QString::fromUtf8("Größe 5 €"));
}

TEST(ReplaceCharInString, ReplacesEveryOccurrence) {
  EXPECT_EQ(ReplaceCharInString("1,5,7", ',', '.'), "1.5.7");
  EXPECT_EQ(ReplaceCharInString("abc", 'x', 'y'), "abc");
}

TEST(StripChars, LeadingAndTrailingRuns) {
  EXPECT_EQ(StripLeadingChars("\\\\a\\b\\", '\\'), "a\\b\\");
  EXPECT_EQ(StripTrailingChars("\\a\\b\\\\", '\\'), "\\a\\b");
  EXPECT_EQ(StripLeadingChars("///", '/'), "");
  EXPECT_EQ(StripTrailingChars("", '/'), "");
  EXPECT_EQ(StripLeadingChars("xa", 'a'), "xa");
}

TEST(EnsureTrailing, AppendsOnlyWhenMissing) {
  EXPECT_EQ(EnsureTrailingChar("a;b", ';'), "a;b;");
  EXPECT_EQ(EnsureTrailingChar("a;b;", ';'), "a;b;");
  EXPECT_EQ(EnsureTrailingBkSlash("C:\\Windows"), "C:\\Windows\\");
  EXPECT_EQ(EnsureTrailingBkSlash("C:\\"), "C:\\");
  EXPECT_EQ(EnsureTrailingBkSlash(""), "\\");
}
