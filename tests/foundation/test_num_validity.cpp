// The whole-text validity routines.
#include <gtest/gtest.h>

#include "foundation/NumRoutines.h"

using namespace vyr;

TEST(NumIsFloatText, ANumberStartsTheText) {
  for (const char* text : {"12 kg", "12abc", "1,5", "  5", "1.5E", "1E", "1E-", "1E4200", "1E-4200", "1E0004200"})
    EXPECT_TRUE(IsFloatText(text, true, dsPoint)) << text;
  EXPECT_TRUE(IsFloatText("1.5E", false, dsPoint));
  EXPECT_TRUE(IsFloatText(",", true, dsComma));
}

TEST(NumIsFloatText, Rejects) {
  for (const char* text : {"", " ", "E5", "+-1", "1.2.3", ",", "1E 5", "1EE", "1E4201", "1E-04201"})
    EXPECT_FALSE(IsFloatText(text, true, dsPoint)) << text;
  EXPECT_FALSE(IsFloatText("1E" + QString(100000, u'9'), true, dsPoint));
}

TEST(NumIsFixedText, GrowingNumbersAreValid) {
  for (const char* text : {"+", "-", ".", "5.", "-.5", "12", "-12.50"}) EXPECT_TRUE(IsFixedText(text, dsPoint)) << text;
  for (const char* text : {"", "1.2.3", "1e5", "1 ", " 1", "+-", "--1", ". ", "1.-", "1,5"})
    EXPECT_FALSE(IsFixedText(text, dsPoint)) << text;
}

TEST(NumIsFixedText, SeparatorByMode) {
  EXPECT_TRUE(IsFixedText("1,5", dsComma));
  EXPECT_FALSE(IsFixedText("1.5", dsComma));
  EXPECT_TRUE(IsFixedText("1,5", dsBoth));
  EXPECT_FALSE(IsFixedText("1.2,3", dsBoth));
  EXPECT_TRUE(IsFixedText("1,5", static_cast<TDecPSep>(200)));
}

TEST(NumIsIntText, SignThenDigits) {
  for (const char* text : {"5", "-12", "+0"}) EXPECT_TRUE(IsIntText(text)) << text;
  EXPECT_TRUE(IsIntText(QString(100000, u'7')));
  for (const char* text : {"", "+", "-", "1-2", " 1", "1.0"}) EXPECT_FALSE(IsIntText(text)) << text;
}

TEST(NumIsBaseText, DigitsOfTheBaseOnly) {
  EXPECT_TRUE(IsHexText("09afAF"));
  EXPECT_TRUE(IsOctText("01234567"));
  EXPECT_TRUE(IsBinText("0101"));
  for (const char* text : {"", "g", "$1F"}) EXPECT_FALSE(IsHexText(text)) << text;
  for (const char* text : {"", "8"}) EXPECT_FALSE(IsOctText(text)) << text;
  for (const char* text : {"", "2", "-1"}) EXPECT_FALSE(IsBinText(text)) << text;
}
