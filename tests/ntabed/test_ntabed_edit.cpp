#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <functional>
#include <optional>
#include <random>

#include "NTabTestTools.h"

using namespace vyr;
using ntabtest::Cursor;
using ntabtest::Key;
using ntabtest::Type;

TEST(NTabEdEdit, TypingANumberWithCommaStoresIt) {
  auto ed = ntabtest::ShownEditor();
  Cursor(*ed, 1, 1);
  Type(ed.get(), QStringLiteral("1,5"));
  Key(ed.get(), Qt::Key_Return);
  EXPECT_EQ(ed->Elem(1, 1), 1.5);
  EXPECT_TRUE(ed->IsNumber(1, 1));
  EXPECT_EQ(ed->Row(), 2);  // advanced down
}

TEST(NTabEdEdit, BlanksAroundAnExponentNumberAreDropped) {
  auto ed = ntabtest::ShownEditor();
  Cursor(*ed, 2, 2);
  Type(ed.get(), QStringLiteral(" 2.5e3 "));
  Key(ed.get(), Qt::Key_Return);
  EXPECT_EQ(ed->Elem(2, 2), 2500.0);
}

TEST(NTabEdEdit, LettersAndNonDecimalFormsMarkTheCellInvalidAndKeepTheValue) {
  auto ed = ntabtest::ShownEditor();
  for (const char* text : {"abc", "inf", "nan", "0x10", "1e999"}) {
    ed->SetElem(1, 1, 4);
    Cursor(*ed, 1, 1);
    Type(ed.get(), QString::fromLatin1(text));
    Key(ed.get(), Qt::Key_Return);
    EXPECT_TRUE(ed->CellState(1, 1) & csbInvalid) << text;
    EXPECT_EQ(ed->Elem(1, 1), 4.0) << text;
    EXPECT_EQ(ed->CellText(1, 1), QStringLiteral("-nan-")) << text;
  }
}

TEST(NTabEdEdit, ANumberClearsTheEmptyAndInvalidBits) {
  auto ed = ntabtest::ShownEditor();
  ed->SetCellState(1, 1, csbEmpty | csbInvalid | csbMarkA);
  Cursor(*ed, 1, 1);
  Type(ed.get(), QStringLiteral("7"));
  Key(ed.get(), Qt::Key_Return);
  EXPECT_EQ(ed->CellState(1, 1), csbMarkA);
  EXPECT_EQ(ed->CellText(1, 1), QStringLiteral("7.000"));
}

TEST(NTabEdEdit, EscapeGivesBackTheExactValueAndState) {
  auto ed = ntabtest::ShownEditor();
  ed->SetElem(1, 1, 1.23456789);  // shown as 1.235
  ed->SetCellState(1, 1, csbMarkB);
  Cursor(*ed, 1, 1);
  Type(ed.get(), QStringLiteral("99"));
  EXPECT_EQ(ed->Elem(1, 1), 99.0);  // every keystroke reaches the table
  Key(ed.get(), Qt::Key_Escape);
  EXPECT_EQ(ed->Elem(1, 1), 1.23456789);
  EXPECT_EQ(ed->CellState(1, 1), csbMarkB);
  EXPECT_FALSE(ed->EditorMode());
}

TEST(NTabEdEdit, EnterOnUnchangedTextKeepsFullPrecision) {
  auto ed = ntabtest::ShownEditor();
  ed->SetAutoAdvance(false);
  ed->SetElem(1, 1, 1.23456789);
  Cursor(*ed, 1, 1);
  Key(ed.get(), Qt::Key_F2);
  ASSERT_TRUE(ed->EditorMode());
  Key(ed.get(), Qt::Key_Return);
  EXPECT_EQ(ed->Elem(1, 1), 1.23456789);
}

TEST(NTabEdEdit, AutoAdvanceGoesRightWhenAsked) {
  auto ed = ntabtest::ShownEditor();
  ed->SetAutoAdvanceDir(orRight);
  Cursor(*ed, 1, 1);
  Type(ed.get(), QStringLiteral("3"));
  Key(ed.get(), Qt::Key_Return);
  EXPECT_EQ(ed->Elem(1, 1), 3.0);
  EXPECT_EQ(ed->Col(), 1 + ed->ColOffset() + 1);
}

TEST(NTabEdEdit, NominalColumnsTakeIdentifiersAndIntegers) {
  auto ed = ntabtest::ShownEditor();
  ed->Data().SetMScaleType(2, mstNominal);
  ed->Data().SetNominalID(2, 1, QStringLiteral("low"));
  ed->Data().SetNominalID(2, 3, QStringLiteral("high"));
  EXPECT_EQ(ed->ColumnsGetPickListItems(2), (QStringList{QStringLiteral("low"), QStringLiteral("high")}));
  ed->SetCellState(2, 1, csbMarkA);
  Cursor(*ed, 2, 1);
  Type(ed.get(), QStringLiteral("HIGH"));
  Key(ed.get(), Qt::Key_Return);
  EXPECT_EQ(ed->Elem(2, 1), 3.0);
  EXPECT_EQ(ed->CellState(2, 1), 0);
  Cursor(*ed, 2, 2);
  Type(ed.get(), QStringLiteral("7"));
  Key(ed.get(), Qt::Key_Return);
  EXPECT_EQ(ed->Elem(2, 2), 7.0);
  Cursor(*ed, 2, 3);
  Type(ed.get(), QStringLiteral("medium"));
  Key(ed.get(), Qt::Key_Return);
  EXPECT_TRUE(ed->CellState(2, 3) & csbInvalid);
}

TEST(NTabEdEdit, ProtectedCellsRefuseEveryEditingPathButLetTheCursorMove) {
  auto ed = ntabtest::ShownEditor();
  ed->SetNrOfColumns(6);
  ed->SetOptions(ed->Options() | goTabs);
  ed->SetElem(1, 1, 5);
  ed->SetCellState(1, 1, csbReadOnly);
  Cursor(*ed, 1, 1);
  Type(ed.get(), QStringLiteral("9"));
  Key(ed.get(), Qt::Key_F2);
  Key(ed.get(), Qt::Key_Delete);
  EXPECT_FALSE(ed->EditorMode());
  ed->DblClick();
  EXPECT_FALSE(ed->EditorMode());
  ntabtest::Press(*ed, 1 + ed->ColOffset(), 1);
  ntabtest::Press(*ed, 1 + ed->ColOffset(), 1);
  EXPECT_FALSE(ed->EditorMode());
  EXPECT_EQ(ed->Elem(1, 1), 5.0);
  EXPECT_EQ(ed->CellState(1, 1), csbReadOnly);
  for (Qt::Key k : {Qt::Key_Tab, Qt::Key_End, Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Right}) {
    Cursor(*ed, 1, 1);
    const TGridCoord before{ed->Col(), ed->Row()};
    Key(ed.get(), k);
    EXPECT_FALSE(before == (TGridCoord{ed->Col(), ed->Row()}) && k != Qt::Key_Home && k != Qt::Key_PageUp) << k;
  }
}

TEST(NTabEdEdit, ReadOnlyDataRefusesTyping) {
  auto ed = ntabtest::ShownEditor();
  ed->SetDataReadOnly(true);
  Cursor(*ed, 1, 1);
  Type(ed.get(), QStringLiteral("4"));
  Key(ed.get(), Qt::Key_Return);
  EXPECT_EQ(ed->Elem(1, 1), 0.0);
  EXPECT_FALSE(ed->Options() & goEditing);
}

TEST(NTabEdEdit, FirstClickSelectsSecondClickEdits) {
  auto ed = ntabtest::ShownEditor();
  ntabtest::Press(*ed, 3, 2);
  EXPECT_FALSE(ed->EditorMode());
  EXPECT_EQ(ed->Col(), 3);
  ntabtest::Press(*ed, 3, 2);
  EXPECT_TRUE(ed->EditorMode());
}

TEST(NTabEdEdit, MouseMemoryBelongsToEachEditor) {
  auto a = ntabtest::ShownEditor();
  auto b = ntabtest::ShownEditor();
  ntabtest::Press(*a, 3, 2);
  ntabtest::Press(*b, 3, 2);  // a first click in b, whatever a saw
  EXPECT_FALSE(b->EditorMode());
}

TEST(NTabEdEdit, HeadingEditorStoresNamesAndClampedAttributes) {
  auto ed = ntabtest::ShownEditor();
  auto edit = [&](TGridCoord cell, const QString& text, Qt::Key end) {
    ed->SetPressedCell(cell);
    ed->PopupMenuClickChangeID();
    ASSERT_TRUE(ed->HeadingEditorActive());
    auto* box = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr);
    box->setText(text);
    QTest::keyClick(box, end);
    EXPECT_FALSE(ed->HeadingEditorActive());
  };
  edit({2, 0}, QStringLiteral("volts"), Qt::Key_Return);
  EXPECT_EQ(ed->ColName(1), QStringLiteral("volts"));
  edit({2, 0}, QStringLiteral("amps"), Qt::Key_Escape);
  EXPECT_EQ(ed->ColName(1), QStringLiteral("volts"));
  edit({1, 2}, QStringLiteral("300"), Qt::Key_Return);
  EXPECT_EQ(ed->RowAttrib(2), 255);
  edit({1, 2}, QStringLiteral("-4"), Qt::Key_Return);
  EXPECT_EQ(ed->RowAttrib(2), 0);
  ed->SetRowAttrib(2, 9);
  edit({1, 2}, QStringLiteral("x"), Qt::Key_Return);
  EXPECT_EQ(ed->RowAttrib(2), 9);
}

TEST(NTabEdEdit, CommentMemoKeepsLineBreaksAndStoresOnEnter) {
  auto ed = ntabtest::ShownEditor();
  const QPoint corner = ntabtest::CellCentre(*ed, 0, 0);
  ed->MouseDown(mbRight, ssRight, corner.x(), corner.y());
  ASSERT_TRUE(ed->CommentEditorActive());
  QWidget* memo = QApplication::focusWidget();
  ASSERT_NE(memo, nullptr);
  QTest::keyClicks(memo, QStringLiteral("line1"));
  QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(memo, QStringLiteral("line2"));
  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_FALSE(ed->CommentEditorActive());
  EXPECT_EQ(ed->Comment(), QStringLiteral("line1\nline2"));
}

TEST(NTabEdEdit, EditTextKeepsItsFieldWidthAndTabMovesOnFromTheEditor) {
  auto ed = ntabtest::ShownEditor();
  ed->SetNumWidth(8);
  Cursor(*ed, 1, 1);
  Key(ed.get(), Qt::Key_F2);
  EXPECT_EQ(ed->InplaceEditor()->text(), QStringLiteral("   0.000"));
  Key(ed.get(), Qt::Key_Tab);
  EXPECT_EQ(ed->Col(), 2 + ed->ColOffset());
  EXPECT_TRUE(ed->hasFocus());
}

TEST(NTabEdEdit, PickListOpensWithTheEditorAndOutlivesNumericCells) {
  auto ed = ntabtest::ShownEditor();
  ed->Data().SetMScaleType(2, mstNominal);
  ed->Data().SetNominalID(2, 3, QStringLiteral("high"));
  for (int c : {2, 1, 2}) {
    Cursor(*ed, c, 1);
    Type(ed.get(), QStringLiteral("h"));
    EXPECT_EQ(ed->InplaceEditor()->completer()->popup()->isVisible(), c == 2);
    Key(ed.get(), Qt::Key_Escape);  // the list, then the editor
    Key(ed.get(), Qt::Key_Escape);
  }
}

// Closing an editor left open writes back only what was typed, whatever
// else changed the table meanwhile.
TEST(NTabEdEdit, WritesMadeWhileTheEditorIsOpenSurviveAClickElsewhere) {
  const std::pair<std::function<void(TNTabEd&)>, std::vector<double>> cases[] = {
      {[](TNTabEd& e) { e.MirrorRows(); }, {40, 30, 20, 10}},
      {[](TNTabEd& e) { e.InsertRow(1); }, {0, 10, 20, 30, 40}},
      {[](TNTabEd& e) { e.SortRows(1, false, 1, 1, 3, 4, false); }, {40, 30, 20, 10}},
      {[](TNTabEd& e) { e.SetElem(1, 1, 99); }, {99, 20, 30, 40}}};
  for (const auto& [change, column] : cases) {
    auto ed = ntabtest::ShownEditor();
    for (int r = 1; r <= 4; ++r) ed->SetElem(1, r, 10.0 * r);
    Cursor(*ed, 1, 1);
    Key(ed.get(), Qt::Key_F2);
    change(*ed);
    ntabtest::Press(*ed, 4, 3);
    for (int r = 1; r <= int(column.size()); ++r) EXPECT_EQ(ed->Elem(1, r), column[std::size_t(r - 1)]) << r;
  }
}

TEST(NTabEdEdit, RandomOperationsWithEditorsLeftOpenMatchAShadowTable) {
  auto ed = ntabtest::ShownEditor(600, 400);
  using Cell = std::pair<double, int>;  // value and state
  std::vector<std::vector<Cell>> shadow(4, std::vector<Cell>(3));  // [row][column]
  std::mt19937 rng(20261208);
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  std::optional<std::pair<int, int>> open;  // the cell typed into, and what it held before
  Cell before;
  for (int step = 0; step < 300; ++step) {
    const int op = pick(6), c = 1 + pick(3), r = 1 + pick(int(shadow.size())), grow = shadow.size() < 7;
    if (op == 1 && open) shadow[std::size_t(open->second - 1)][std::size_t(open->first - 1)] = before;
    open.reset();
    Cell& s = shadow[std::size_t(r - 1)][std::size_t(c - 1)];
    if (op == 0) {
      Cursor(*ed, c, r);
      Type(ed.get(), QString::number(step % 10));
      before = s, open = {c, r}, s = {step % 10, s.second & ~(csbInvalid | csbEmpty)};
    } else if (op == 1) {
      Key(ed.get(), Qt::Key_Escape);
    } else if (op == 2) {
      ed->MirrorRows();
      std::reverse(shadow.begin(), shadow.end());
    } else if (op == 3) {
      grow ? ed->InsertRow(r) : ed->RemoveRow(r);
      grow ? void(shadow.insert(shadow.begin() + (r - 1), std::vector<Cell>(3))) : void(shadow.erase(shadow.begin() + (r - 1)));
    } else {
      op == 4 ? ed->SetElem(c, r, step) : ed->SetElemMarkedB(c, r, true);
      s = op == 4 ? Cell{step, s.second & ~(csbInvalid | csbEmpty)} : Cell{s.first, s.second | csbMarkB};
    }
    ASSERT_EQ(ed->NrOfRows(), int(shadow.size()));
    for (int rr = 1; rr <= ed->NrOfRows(); ++rr)
      for (int cc = 1; cc <= 3; ++cc)
        ASSERT_EQ(Cell(ed->Elem(cc, rr), ed->CellState(cc, rr)), shadow[std::size_t(rr - 1)][std::size_t(cc - 1)])
            << "step " << step << ", operation " << op << ", cell " << cc << "," << rr;
  }
}
