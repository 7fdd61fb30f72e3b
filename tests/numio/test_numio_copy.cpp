// Copying one TNumIO2 into another: the list of copied properties, the edit
// state taken as it is, no limits of the destination applied to the copied
// values, no events and a single paint.
#include <gtest/gtest.h>

#include "NumIOTestKit.h"
#include "support/AssignWalk.h"

using namespace vyr;
using numiotest::FieldOnClock;

namespace {

class NumIO2Assign : public ::testing::Test, public FieldOnClock {};

}  // namespace

TEST_F(NumIO2Assign, CopiesEveryListedProperty) {
  // The buffer comes over as edit state, not through Value or Text; the spin
  // buttons and the gauge stay the destination's own.
  static constexpr const char* notCopied[] = {
      "Value", "Text", "ButVisible", "But3D", "ButWidth", "ButHeight", "ButSpace", "ButColor", "ButIncrem",
      "GaugeVisible", "GaugeHeight", "GaugeWidth", "GaugeLeftMargin", "GaugeTopMargin", "GaugeColor",
      "GaugeColorBg", "GaugeColorFrame", "GaugeFrameStyle"};
  // The walker moves only Qt-declared enumerations; these get their values.
  const QVariantMap given{{QStringLiteral("DecPlaceSep"), QVariant::fromValue(dsComma)},
                          {QStringLiteral("Alignment"), QVariant::fromValue(taLeftJustify)},
                          {QStringLiteral("LeftTextAlignment"), QVariant::fromValue(taCenter)},
                          {QStringLiteral("RightTextAlignment"), QVariant::fromValue(taRightJustify)},
                          {QStringLiteral("FrameStyle"), QVariant::fromValue(fsEtched)},
                          {QStringLiteral("ColorScheme"), QVariant::fromValue(csSystem)}};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TNumIO2>(); }, TNumIO2::CopiedProperties(),
                                  notCopied, given);
}

TEST_F(NumIO2Assign, TakesTheEditStateAsItIs) {
  // A number half typed, which Text would refuse, with the Shift key held.
  field.SetInputFormat(itDynamic);
  field.SetText(QString());
  field.SetLeftSpace(20);
  quint16 shift = VK_SHIFT;
  field.KeyDown(shift, 0);
  numiotest::Key(field, VK_0 + 4);
  ASSERT_EQ(field.Text(), QStringLiteral("$"));
  field.MouseMove(0, 150, 5);
  ASSERT_EQ(field.MouseAreaCode(), 2);

  TNumIO2 copy;
  copy.Assign(&field);
  EXPECT_EQ(copy.Text(), QStringLiteral("$"));
  EXPECT_EQ(copy.CaretPos(), 1);
  EXPECT_EQ(copy.MouseAreaCode(), 2);
  // Shift is still held in the copy: 4 types "$", refused after "$".
  numiotest::Key(copy, VK_0 + 4);
  EXPECT_EQ(copy.Text(), QStringLiteral("$"));
  quint16 release = VK_SHIFT;
  copy.KeyUp(release, 0);
  numiotest::Key(copy, VK_0 + 4);
  EXPECT_EQ(copy.Text(), QStringLiteral("$4"));
}

TEST_F(NumIO2Assign, TakesTheSelectionTheCaretPhaseAndTheWrittenValue) {
  field.SetValue(1.23456);
  ASSERT_EQ(field.Text(), QStringLiteral("1.23"));
  field.SetSelBegin(1);
  field.SetSelEnd(3);
  clock->Advance(500);  // unfocused: the blink stops with the caret hidden
  ASSERT_FALSE(field.CaretVisible());

  TNumIO2 copy;
  copy.Assign(&field);
  EXPECT_EQ(copy.SelBegin(), 1);
  EXPECT_EQ(copy.SelEnd(), 3);
  EXPECT_EQ(copy.CaretPos(), 3);
  EXPECT_FALSE(copy.CaretVisible());
  // More decimals show the value written into the source, not the rounded text.
  copy.SetFixPointDecPlaces(4);
  EXPECT_EQ(copy.Text(), QStringLiteral("1.2346"));
}

TEST_F(NumIO2Assign, KeepsValuesTheDestinationsSettersWouldLimit) {
  // A wide source with a wide caption; the copy is narrower than the caption.
  field.SetBounds(0, 0, 400, 28);
  field.SetLeftSpace(300);
  TNumIO2 copy;
  ASSERT_EQ(copy.Width(), 160);
  copy.Assign(&field);
  EXPECT_EQ(copy.LeftSpace(), 300);
  EXPECT_FALSE(copy.IsLoading());
  // Writes after the copy are checked again.
  copy.SetLeftSpace(200);
  EXPECT_EQ(copy.LeftSpace(), 160);
}

TEST_F(NumIO2Assign, RaisesNoEventAndPaintsOnce) {
  field.SetInputFormat(itHex);
  field.SetValue(255);
  field.SetFixPointDecPlaces(5);
  field.SetDecPlaceSep(dsComma);
  field.SetColorScheme(csSystem);
  field.SetLeftText(QStringLiteral("Mask"));
  field.SetReadOnly(true);
  TNumIO2 copy;
  int changes = 0, resizes = 0;
  copy.OnChange = [&](TObject*) { ++changes; };
  copy.OnResize = [&](TObject*) { ++resizes; };
  copy.Paint();
  const int before = copy.PaintCount();
  copy.Assign(&field);
  EXPECT_EQ(copy.PaintCount(), before + 1);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(resizes, 0);
  EXPECT_EQ(copy.Text(), QStringLiteral("000000FF"));
  // The picture is the source's.
  field.Paint();
  EXPECT_EQ(*copy.Canvas().Image(), *field.Canvas().Image());
}

// The caret blink follows ReadOnly in the copy as it does when ReadOnly is
// written: a read-only copy stops it, an editable one restarts it.
TEST_F(NumIO2Assign, TheCaretTimerFollowsReadOnly) {
  TNumIO2 readOnly;
  readOnly.SetReadOnly(true);
  ASSERT_EQ(clock->RunningTimers(), 1);  // the default field's
  TNumIO2 copy;
  ASSERT_EQ(clock->RunningTimers(), 2);
  copy.Assign(&readOnly);
  EXPECT_TRUE(copy.ReadOnly());
  EXPECT_EQ(clock->RunningTimers(), 1);
  copy.Assign(&field);
  EXPECT_FALSE(copy.ReadOnly());
  EXPECT_EQ(clock->RunningTimers(), 2);
  EXPECT_TRUE(copy.CaretVisible());
}

// A copy of a field that sizes itself may be as low as its font line, below
// the height other fields keep.
TEST_F(NumIO2Assign, AutoSizeLetsTheCopyGoBelowTheSmallestHeight) {
  TFont font = field.Font();
  font.Size = 5;
  field.SetFont(font);
  field.SetAutoSize(true);
  field.Paint();
  ASSERT_LT(field.Height(), TNumIO2::kMinHeight);
  TNumIO2 copy;
  copy.SetFont(font);
  copy.Assign(&field);
  EXPECT_TRUE(copy.AutoSize());
  EXPECT_EQ(copy.Height(), field.Height());
}
