// The system decimal separator mode, resolved through the application's
// decimal separator.
#include <gtest/gtest.h>

#include "foundation/NumRoutines.h"
#include "host/Application.h"

using namespace vyr;

namespace {

// Overrides the system decimal separator for one test.
class NumSystemSeparator : public ::testing::Test {
 protected:
  void TearDown() override { Application().ResetDecimalSeparator(); }
  static void UseSeparator(char16_t separator) { Application().SetDecimalSeparator(QChar(separator)); }
};

}  // namespace

TEST_F(NumSystemSeparator, CommaAcceptsOnlyTheComma) {
  UseSeparator(u',');
  EXPECT_TRUE(IsFixedText("1,5", dsSystem));
  EXPECT_FALSE(IsFixedText("1.5", dsSystem));
  EXPECT_TRUE(IsFloatText(",5", true, dsSystem));
  EXPECT_FALSE(IsFloatText(".5", true, dsSystem));
  qsizetype pos = 1;
  EXPECT_EQ(ScanFloat("2,5.1", true, dsSystem, pos), 2.5);
  EXPECT_EQ(pos, 4);
}

TEST_F(NumSystemSeparator, PointAcceptsOnlyThePoint) {
  UseSeparator(u'.');
  EXPECT_TRUE(IsFixedText("1.5", dsSystem));
  EXPECT_FALSE(IsFixedText("1,5", dsSystem));
  EXPECT_FALSE(IsFloatText(",5", true, dsSystem));
  qsizetype pos = 1;
  EXPECT_EQ(ScanFloat("2.5,1", true, dsSystem, pos), 2.5);
  EXPECT_EQ(pos, 4);
}
