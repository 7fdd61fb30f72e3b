// The translation table from Qt keys to the platform's virtual key codes.
#include <gtest/gtest.h>

#include "host/KeyCodes.h"

using namespace vyr;

TEST(KeyCodes, EditingAndNavigationKeys) {
  const std::pair<int, int> table[] = {
      {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},    {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
      {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},
      {Qt::Key_PageUp, 33},   {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},  {Qt::Key_Home, 36},
      {Qt::Key_Left, 37},     {Qt::Key_Up, 38},      {Qt::Key_Right, 39}, {Qt::Key_Down, 40},
      {Qt::Key_Insert, 45},   {Qt::Key_Delete, 46},  {Qt::Key_F1, 112},   {Qt::Key_F12, 123},
  };
  for (auto [qt, vk] : table) EXPECT_EQ(VirtualKeyFromQt(qt, Qt::NoModifier), vk) << qt;
}

TEST(KeyCodes, DigitsLettersAndTheirShiftedSymbols) {
  for (int i = 0; i <= 9; ++i) EXPECT_EQ(VirtualKeyFromQt(Qt::Key_0 + i, Qt::NoModifier), 48 + i);
  for (int i = 0; i < 26; ++i) EXPECT_EQ(VirtualKeyFromQt(Qt::Key_A + i, Qt::NoModifier), 65 + i);
  const std::pair<int, int> shifted[] = {{Qt::Key_ParenRight, 48}, {Qt::Key_Exclam, 49},      {Qt::Key_At, 50},
                                         {Qt::Key_NumberSign, 51}, {Qt::Key_Dollar, 52},      {Qt::Key_Percent, 53},
                                         {Qt::Key_AsciiCircum, 54}, {Qt::Key_Ampersand, 55}, {Qt::Key_Asterisk, 56},
                                         {Qt::Key_ParenLeft, 57}};
  for (auto [qt, vk] : shifted) EXPECT_EQ(VirtualKeyFromQt(qt, Qt::ShiftModifier), vk) << qt;
}

TEST(KeyCodes, KeypadKeysHaveTheirOwnCodes) {
  for (int i = 0; i <= 9; ++i) EXPECT_EQ(VirtualKeyFromQt(Qt::Key_0 + i, Qt::KeypadModifier), 96 + i);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Asterisk, Qt::KeypadModifier), 106);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Plus, Qt::KeypadModifier), 107);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Minus, Qt::KeypadModifier), 109);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Period, Qt::KeypadModifier), 110);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Comma, Qt::KeypadModifier), 110);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Slash, Qt::KeypadModifier), 111);
}

TEST(KeyCodes, PunctuationKeysOfTheMainBlock) {
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Equal, Qt::NoModifier), 187);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Plus, Qt::ShiftModifier), 187);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Comma, Qt::NoModifier), 188);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Less, Qt::ShiftModifier), 188);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Minus, Qt::NoModifier), 189);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Underscore, Qt::ShiftModifier), 189);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Period, Qt::NoModifier), 190);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Greater, Qt::ShiftModifier), 190);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_unknown, Qt::NoModifier), 0);
}

TEST(KeyCodes, ShiftStateCombinesModifiersAndButtons) {
  EXPECT_EQ(ShiftStateFromQt(Qt::ShiftModifier | Qt::ControlModifier), ssShift | ssCtrl);
  EXPECT_EQ(ShiftStateFromQt(Qt::AltModifier, Qt::LeftButton | Qt::RightButton), ssAlt | ssLeft | ssRight);
  EXPECT_EQ(ShiftStateFromQt(Qt::KeypadModifier), 0u);
}
