// The table editor's standard keys, sent as real key events: copy, paste,
// delete, select all and the menu keys.
#include <gtest/gtest.h>

#include "NTabTestTools.h"
#include "host/Clipboard.h"
#include "host/Modal.h"

using namespace vyr;
using ntabtest::Cursor;
using ntabtest::Key;

namespace {

struct KeyCase {
  Qt::Key key;
  Qt::KeyboardModifiers mods;
};

class NTabEdCopyPasteKeys : public ::testing::TestWithParam<std::pair<KeyCase, KeyCase>> {};

// Copy (Ctrl+C, Ctrl+Insert) and Paste (Ctrl+V, Shift+Insert): the last
// copy while the clipboard holds its text, else the clipboard's numbers.
TEST_P(NTabEdCopyPasteKeys, CopyAndPasteThroughTheClipboard) {
  const auto [copy, paste] = GetParam();
  auto ed = ntabtest::ShownEditor();
  ed->SetClipboardUseFullPrec(false);
  ed->SetPrecision(1, 2);
  ed->SetElem(1, 1, 2.5);
  ed->SetCellState(1, 1, csbMarkA);
  Cursor(*ed, 1, 1);
  Key(ed.get(), copy.key, copy.mods);
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral(" 2.50\r\n"));
  Cursor(*ed, 2, 2);
  Key(ed.get(), paste.key, paste.mods);
  EXPECT_EQ(ed->Elem(2, 2), 2.5);
  EXPECT_EQ(ed->CellState(2, 2), csbMarkA);
  Clipboard().SetAsText(QStringLiteral("7"));
  Cursor(*ed, 3, 3);
  Key(ed.get(), paste.key, paste.mods);
  EXPECT_EQ(ed->Elem(3, 3), 7.0);
}

INSTANTIATE_TEST_SUITE_P(Bindings, NTabEdCopyPasteKeys,
                         ::testing::Values(std::pair{KeyCase{Qt::Key_C, Qt::ControlModifier}, KeyCase{Qt::Key_V, Qt::ControlModifier}},
                                           std::pair{KeyCase{Qt::Key_Insert, Qt::ControlModifier},
                                                     KeyCase{Qt::Key_Insert, Qt::ShiftModifier}}));

TEST(NTabEdKeys, DeleteClearsTheSelectionButNotProtectedCellsOrReadOnlyData) {
  auto ed = ntabtest::ShownEditor();
  ed->Fill(3);
  ed->SetCellState(2, 1, csbReadOnly);
  ed->SetSelection({ed->ColOffset() + 1, ed->RowOffset() + 1, ed->ColOffset() + 2, ed->RowOffset() + 1});
  Key(ed.get(), Qt::Key_Delete);
  EXPECT_EQ(ed->Elem(1, 1) * 10 + ed->Elem(2, 1), 3.0);
  ed->SetDataReadOnly(true);
  Cursor(*ed, 1, 2);
  Key(ed.get(), Qt::Key_Delete);
  EXPECT_EQ(ed->Elem(1, 2), 3.0);
}

TEST(NTabEdKeys, CtrlASelectsAllDataCells) {
  auto ed = ntabtest::ShownEditor();
  Cursor(*ed, 2, 2);
  Key(ed.get(), Qt::Key_A, Qt::ControlModifier);
  const TGridRect all{ed->ColOffset() + 1, ed->RowOffset() + 1, ed->ColOffset() + ed->NrOfColumns(),
                      ed->RowOffset() + ed->NrOfRows()};
  EXPECT_EQ(ed->Selection(), all);
}

TEST(NTabEdKeys, MenuKeyAndShiftF10OpenTheDataMenuUnlessBlocked) {
  auto ed = ntabtest::ShownEditor();
  Cursor(*ed, 2, 2);
  int opened = 0;
  auto old = SetMenuInterceptor([&](QMenu& m, TPoint) { opened += &m == ed->DataMenu(); });
  Key(ed.get(), Qt::Key_Menu);
  Key(ed.get(), Qt::Key_F10, Qt::ShiftModifier);
  ed->SetBlockInternalPopup(true);
  Key(ed.get(), Qt::Key_Menu);
  SetMenuInterceptor(old);
  EXPECT_EQ(opened, 2);
}

}  // namespace
