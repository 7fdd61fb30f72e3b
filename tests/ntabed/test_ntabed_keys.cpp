// The table editor's standard keys, sent as real key events.
#include <gtest/gtest.h>

#include "NTabTestTools.h"
#include "host/Clipboard.h"
#include "host/Modal.h"

using namespace vyr;
using ntabtest::Cursor;
using ntabtest::Key;

// Copy (Ctrl+C, Ctrl+Insert) and Paste (Ctrl+V, Shift+Insert): the last
// copy while the clipboard holds its text, else the clipboard's numbers.
TEST(NTabEdKeys, CopyAndPasteThroughTheClipboard) {
  auto ed = ntabtest::ShownEditor();
  ed->SetElem(1, 1, 2.5);
  ed->SetCellState(1, 1, csbMarkA);
  for (auto [copy, paste] : {std::pair{Qt::Key_C, Qt::Key_V}, {Qt::Key_Insert, Qt::Key_Insert}}) {
    Clipboard().SetAsText({});
    Cursor(*ed, 1, 1);
    Key(ed.get(), copy, Qt::ControlModifier);
    Cursor(*ed, 2, 2);
    Key(ed.get(), paste, paste == Qt::Key_V ? Qt::ControlModifier : Qt::ShiftModifier);
    EXPECT_EQ(ed->Elem(2, 2) * ed->CellState(2, 2), 2.5 * csbMarkA);
    Clipboard().SetAsText(QStringLiteral("7"));
    Key(ed.get(), paste, paste == Qt::Key_V ? Qt::ControlModifier : Qt::ShiftModifier);
    EXPECT_EQ(ed->Elem(2, 2), 7.0);
  }
}

TEST(NTabEdKeys, DeleteClearsUnprotectedCellsAndCtrlASelectsAll) {
  auto ed = ntabtest::ShownEditor();
  ed->Fill(3);
  ed->SetCellState(2, 1, csbReadOnly);
  Cursor(*ed, 1, 1);
  Key(ed.get(), Qt::Key_A, Qt::ControlModifier);
  Key(ed.get(), Qt::Key_Delete);
  EXPECT_EQ(ed->Elem(1, 1) * 10 + ed->Elem(2, 1) + ed->Elem(ed->NrOfColumns(), ed->NrOfRows()), 3.0);
}

TEST(NTabEdKeys, MenuKeyAndShiftF10OpenTheDataMenuUnlessBlocked) {
  auto ed = ntabtest::ShownEditor();
  int opened = 0;
  auto old = SetMenuInterceptor([&](QMenu& m, TPoint) { opened += &m == ed->DataMenu(); });
  Key(ed.get(), Qt::Key_Menu);
  Key(ed.get(), Qt::Key_F10, Qt::ShiftModifier);
  ed->SetBlockInternalPopup(true);
  Key(ed.get(), Qt::Key_Menu);
  SetMenuInterceptor(old);
  EXPECT_EQ(opened, 2);
}
