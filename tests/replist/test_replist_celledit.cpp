// In-place editing of report list cells through real key events: the value
// shown without its check mark, each edit stored with the mark kept, and
// closing without an edit leaving the stored cell as it was.
#include <gtest/gtest.h>

#include <QTest>

#include "RepListTestKit.h"
#include "replist/Vyr_replist.h"

using namespace vyr;
using namespace repltest;

namespace {

// A shown list whose rows take single cells (no row selection), column 2
// editable and a check box column, the current cell at (grid column 1, row r).
void EditableList(TReportListView& v, int r) {
  Prepare(v, 4);
  v.SetOptions(v.Options() & ~goRowSelect);
  v.SetNrOfColumns(3);
  v.SetColumnEditable(2, true);
  v.SetColumnEditable(3, true);
  v.SetColumnCheckMode(3, cmBox);
  v.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&v));
  v.setFocus();
  const TRect cell = CellOf(v, 1, r);
  QTest::mouseClick(&v, Qt::LeftButton, Qt::NoModifier, QPoint(cell.Left + 30, cell.Top + 5));
}

}  // namespace

TEST(RepListCellEdit, TypingIntoAnEditableCellStoresTheText) {
  TReportListView v;
  EditableList(v, 2);
  v.SetElem(2, 2, "old");
  std::vector<std::pair<int, int>> reported;
  v.OnSetEditText = [&](TObject*, int c, int r, const QString&) { reported.emplace_back(c, r); };
  QTest::keyClick(&v, Qt::Key_F2);
  ASSERT_TRUE(v.EditorMode());
  EXPECT_EQ(v.InplaceEditor()->text(), "old");
  QTest::keyClick(v.InplaceEditor(), Qt::Key_End);
  QTest::keyClicks(v.InplaceEditor(), "er");
  EXPECT_EQ(v.Elem(2, 2), "older");
  QTest::keyClick(v.InplaceEditor(), Qt::Key_Return);
  EXPECT_FALSE(v.EditorMode());
  EXPECT_EQ(v.Elem(2, 2), "older");
  ASSERT_FALSE(reported.empty());
  EXPECT_EQ(reported.back(), std::make_pair(2, 2));
}

TEST(RepListCellEdit, ACheckedCellShowsItsValueAndKeepsItsMark) {
  TReportListView v;
  EditableList(v, 3);
  v.SetElem(3, 3, "abc");
  v.SetElemChecked(3, 3, true);
  ASSERT_EQ(v.Data().Strings().GetString(3, 3), "Xabc");
  QTest::keyClick(&v, Qt::Key_Right);
  QTest::keyClick(&v, Qt::Key_F2);
  ASSERT_TRUE(v.EditorMode());
  EXPECT_EQ(v.InplaceEditor()->text(), "abc");
  QTest::keyClicks(v.InplaceEditor(), "new");
  QTest::keyClick(v.InplaceEditor(), Qt::Key_Return);
  EXPECT_EQ(v.Data().Strings().GetString(3, 3), "Xnew");
  EXPECT_TRUE(v.ElemChecked(3, 3));
}

TEST(RepListCellEdit, TypingStartsTheEditorInAnUncheckedEmptyCell) {
  TReportListView v;
  EditableList(v, 1);
  QTest::keyClick(&v, Qt::Key_Right);
  QTest::keyClick(&v, Qt::Key_Right);
  QTest::keyClicks(&v, "q");
  ASSERT_TRUE(v.EditorMode());
  QTest::keyClick(v.InplaceEditor(), Qt::Key_Return);
  EXPECT_EQ(v.Data().Strings().GetString(3, 1), " q");
}

TEST(RepListCellEdit, EscapeAndUneditedClosesPutBackTheStoredCell) {
  TReportListView v;
  EditableList(v, 2);
  v.SetElem(2, 2, "3.5");
  v.OnGetEditText = [](TObject*, int, int, QString& value) { value += " V"; };
  QTest::keyClick(&v, Qt::Key_F2);
  EXPECT_EQ(v.InplaceEditor()->text(), "3.5 V");
  QTest::keyClick(v.InplaceEditor(), Qt::Key_Return);
  EXPECT_EQ(v.Elem(2, 2), "3.5");
  QTest::keyClick(&v, Qt::Key_F2);
  QTest::keyClicks(v.InplaceEditor(), "9");
  EXPECT_EQ(v.Elem(2, 2), "9");
  QTest::keyClick(v.InplaceEditor(), Qt::Key_Escape);
  EXPECT_FALSE(v.EditorMode());
  EXPECT_EQ(v.Elem(2, 2), "3.5");
}

TEST(RepListCellEdit, PasswordCellsEditMasked) {
  TReportListView v;
  EditableList(v, 1);
  v.SetColumnIsPwd(2, true);
  v.SetElem(2, 1, "secret");
  QTest::keyClick(&v, Qt::Key_F2);
  ASSERT_TRUE(v.EditorMode());
  EXPECT_EQ(v.InplaceEditor()->echoMode(), QLineEdit::Password);
  QTest::keyClick(v.InplaceEditor(), Qt::Key_Escape);
  v.SetColumnIsPwd(2, false);
  QTest::keyClick(&v, Qt::Key_F2);
  EXPECT_EQ(v.InplaceEditor()->echoMode(), QLineEdit::Normal);
}

TEST(RepListCellEdit, ColumnsNotEditableAndDisabledRowsDoNotOpenTheEditor) {
  TReportListView v;
  EditableList(v, 2);
  QTest::keyClick(&v, Qt::Key_Left);
  QTest::keyClick(&v, Qt::Key_F2);
  EXPECT_FALSE(v.EditorMode());
  v.SetRowEnabled(4, false);
  const TRect cell = CellOf(v, 1, 4);
  QTest::mouseClick(&v, Qt::LeftButton, Qt::NoModifier, QPoint(cell.Left + 30, cell.Top + 5));
  QTest::keyClick(&v, Qt::Key_F2);
  EXPECT_FALSE(v.EditorMode());
}
