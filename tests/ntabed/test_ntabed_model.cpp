#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleTableInterface>

#include "support/AssignWalk.h"
#include "NTabTestTools.h"

using namespace vyr;

namespace {

// The grid's counts and fixed counts agree with the table and the offsets.
void ExpectInvariants(const TNTabEd& ed) {
  EXPECT_EQ(ed.ColCount(), ed.NrOfColumns() + ed.ColOffset() + 1);
  EXPECT_EQ(ed.RowCount(), ed.NrOfRows() + ed.RowOffset() + 1);
  EXPECT_EQ(ed.FixedCols(), ed.ColOffset() + 1);
  EXPECT_EQ(ed.FixedRows(), ed.RowOffset() + 1);
  for (int c = 1; c <= ed.NrOfColumns(); ++c) {
    EXPECT_GE(ed.Precision(c), -1);
    EXPECT_LE(ed.Precision(c), 10);
  }
}

}  // namespace

TEST(NTabEdModel, ConstructionDefaults) {
  TNTabEd ed;
  EXPECT_EQ(ed.NrOfColumns(), 3);
  EXPECT_EQ(ed.NrOfRows(), 4);
  EXPECT_EQ(ed.ColCount(), 5);
  EXPECT_EQ(ed.RowCount(), 5);
  EXPECT_EQ(ed.FixedCols(), 2);
  EXPECT_EQ(ed.FixedRows(), 1);
  EXPECT_TRUE(ed.AttribRowVisible());
  EXPECT_FALSE(ed.AttribColVisible());
  for (int c = 1; c <= 3; ++c) {
    EXPECT_EQ(ed.Precision(c), 3);
    for (int r = 1; r <= 4; ++r) {
      EXPECT_EQ(ed.Elem(c, r), 0.0);
      EXPECT_EQ(ed.CellState(c, r), 0);
    }
  }
  EXPECT_EQ(ed.ColWidths(0), 80);
  EXPECT_EQ(ed.ColWidths(-1), 32);
  EXPECT_EQ(ed.NumWidth(), 1);
  EXPECT_EQ(ed.DefaultRowHeight(), 24);
  EXPECT_TRUE(ed.AutoAdvance());
  EXPECT_EQ(ed.AutoAdvanceDir(), 0);
  EXPECT_TRUE(ed.ClipboardUseFullPrec());
  EXPECT_TRUE(ed.CommentEditingAllowed());
  EXPECT_FALSE(ed.DataReadOnly());
  EXPECT_EQ(ed.NomEditDropDownCount(), 8);
  EXPECT_EQ(ed.PopupDMask(), 2147483647u);
  EXPECT_EQ(ed.PopupHMask(), 2147483647u);
  EXPECT_EQ(ed.ColorNormal(), TColor(0x002000));
  EXPECT_EQ(ed.ColorRangeSelBG(), TColor(0xF8E8E0));
  EXPECT_EQ(ed.ColorBackground(), clWindow);
  EXPECT_FALSE(ed.Options() & goEditing);
}

TEST(NTabEdModel, DimensionsHoldAfterEveryStructuralOperation) {
  TNTabEd ed;
  ed.SetNrOfColumns(7);
  ExpectInvariants(ed);
  ed.SetNrOfRows(9);
  ExpectInvariants(ed);
  ed.SetAttribColVisible(true);
  ExpectInvariants(ed);
  ed.InsertColumn(2);
  ExpectInvariants(ed);
  ed.InsertRow(1);
  ExpectInvariants(ed);
  ed.RemoveColumn(3);
  ExpectInvariants(ed);
  ed.RemoveRow(10);
  ExpectInvariants(ed);
  ed.SetAttribRowVisible(false);
  ExpectInvariants(ed);
  ed.Redimension(2, 2);
  ExpectInvariants(ed);
  ed.MirrorColumns();
  ed.MirrorRows();
  ExpectInvariants(ed);
  ed.SetAttribRowVisible(true);
  ed.SetAttribColVisible(false);
  ExpectInvariants(ed);
  EXPECT_EQ(ed.NrOfColumns(), 2);
  EXPECT_EQ(ed.NrOfRows(), 2);
}

TEST(NTabEdModel, CountsBelowOneAreRefused) {
  TNTabEd ed;
  ed.SetNrOfColumns(0);
  ed.SetNrOfRows(-3);
  ed.Redimension(0, 5);
  EXPECT_EQ(ed.NrOfColumns(), 3);
  EXPECT_EQ(ed.NrOfRows(), 4);
  ExpectInvariants(ed);
  ed.RemoveRow(1);
  ed.RemoveRow(1);
  ed.RemoveRow(1);
  ed.RemoveRow(1);  // the last row stays
  EXPECT_EQ(ed.NrOfRows(), 1);
}

TEST(NTabEdModel, GrowingFromOneColumnTakesTheLastPrecisionAndWidth) {
  TNTabEd ed;
  ed.SetNrOfColumns(1);
  ed.SetPrecision(1, 6);
  ed.SetColWidths(1, 91);
  ed.SetNrOfColumns(5);
  for (int c = 1; c <= 5; ++c) {
    EXPECT_EQ(ed.Precision(c), 6) << c;
    EXPECT_EQ(ed.ColWidths(c), 91) << c;
  }
}

TEST(NTabEdModel, InsertColumnKeepsPrecisionsByPosition) {
  TNTabEd ed;
  ed.SetPrecision(1, 1);
  ed.SetPrecision(2, 2);
  ed.SetPrecision(3, 3);
  ed.InsertColumn(1);
  EXPECT_EQ(ed.NrOfColumns(), 4);
  EXPECT_EQ(ed.Precision(1), 1);
  EXPECT_EQ(ed.Precision(2), 2);
  EXPECT_EQ(ed.Precision(3), 3);
  EXPECT_EQ(ed.Precision(4), 3);
  ed.InsertColumn(ed.NrOfColumns() + 2);
  EXPECT_EQ(ed.NrOfColumns(), 4);
  ed.InsertColumn(ed.NrOfColumns() + 1);
  EXPECT_EQ(ed.NrOfColumns(), 5);
}

TEST(NTabEdModel, PrecisionNumWidthAndNamesClamp) {
  TNTabEd ed;
  int layout = 0;
  ed.OnLayoutChanged = [&](TObject*) { ++layout; };
  ed.SetPrecision(1, 25);
  EXPECT_EQ(ed.Precision(1), 10);
  ed.SetPrecision(1, -5);
  EXPECT_EQ(ed.Precision(1), -1);
  EXPECT_EQ(ed.Precision(0), 0);
  layout = 0;
  ed.SetNumWidth(0);
  ed.SetNumWidth(21);
  EXPECT_EQ(ed.NumWidth(), 1);
  EXPECT_EQ(layout, 2);
  ed.SetColName(1, QString(60, QLatin1Char('x')));
  EXPECT_EQ(ed.ColName(1), QString(50, QLatin1Char('x')));
  const QString pair = QString(49, QLatin1Char('x')) + QString::fromUcs4(U"\U0001F600");
  ed.SetRowName(1, pair), ed.SetPopupDCaptions(1, pair);  // never half a pair
  EXPECT_EQ(ed.RowName(1) + ed.PopupDCaptions(1), QString(98, QLatin1Char('x')));
  ed.SetRowName(9, QStringLiteral("nowhere"));
  EXPECT_EQ(ed.RowName(9), QString());
}

TEST(NTabEdModel, AttributeColumnHiddenAndShownKeepsWidths) {
  TNTabEd ed;
  ed.SetColWidths(-1, 40);
  ed.SetColWidths(1, 70);
  ed.SetColWidths(2, 55);
  ed.SetAttribRowVisible(false);
  EXPECT_EQ(ed.ColWidths(1), 70);
  EXPECT_EQ(ed.ColWidths(2), 55);
  ed.SetAttribRowVisible(true);
  EXPECT_EQ(ed.ColWidths(-1), 40);
  EXPECT_EQ(ed.ColWidths(1), 70);
  EXPECT_EQ(ed.ColWidths(2), 55);
}

TEST(NTabEdModel, SuppressionHoldsNotificationsButNotScrollOrProgress) {
  TNTabEd ed;
  ed.resize(300, 200);
  int changes = 0, tops = 0;
  ed.OnChange = ed.OnHeadingChanged = ed.OnCellStateChanged = ed.OnLayoutChanged = [&](TObject*) { ++changes; };
  ed.OnTopLeftChanged = [&](TObject*) { ++tops; };
  ed.SetSuppressPaint(true);
  ed.SetElem(1, 1, 5);
  ed.SetColName(1, QStringLiteral("a"));
  ed.SetElemMarkedA(1, 1, true);
  ed.SetPrecision(1, 2);
  ed.SetNrOfRows(100);
  ed.SetTopRow(50);
  EXPECT_EQ(changes, 0);
  EXPECT_GE(tops, 1);
  const int paints = ed.PaintCount();
  ed.SetSuppressPaint(false);
  EXPECT_EQ(ed.PaintCount(), paints + 1);
}

TEST(NTabEdModel, BulkOperationsPaintOnce) {
  TNTabEd ed;
  ed.resize(300, 200);
  ed.Redimension(20, 30);
  int before = ed.PaintCount();
  ed.MarkAllElemsA();
  EXPECT_EQ(ed.PaintCount(), before + 1);
  before = ed.PaintCount();
  ed.Clear();
  EXPECT_EQ(ed.PaintCount(), before + 1);
  EXPECT_EQ(ed.ColName(20), QStringLiteral("C-20"));
  EXPECT_EQ(ed.RowName(30), QStringLiteral("R-30"));
}

TEST(NTabEdModel, MarksAndQueries) {
  TNTabEd ed;
  EXPECT_FALSE(ed.IfAnyMarked());
  ed.SetElemMarkedA(2, 3, true);
  ed.SetElemMarkedB(1, 1, true);
  EXPECT_TRUE(ed.IfRowMarked(3));
  EXPECT_FALSE(ed.IfRowMarked(2));
  EXPECT_TRUE(ed.IfColumnMarked(2));
  EXPECT_EQ(ed.NrOfMarkedDataA(), 1);
  EXPECT_EQ(ed.NrOfMarkedDataB(), 1);
  ed.ExchangeMarkings();
  EXPECT_TRUE(ed.ElemMarkedB(2, 3));
  EXPECT_TRUE(ed.ElemMarkedA(1, 1));
  ed.UnMarkAllElems();
  EXPECT_FALSE(ed.IfAnyMarked());
}

TEST(NTabEdModel, SortsAndSearch) {
  TNTabEd ed;
  for (int r = 1; r <= 4; ++r) {
    ed.SetElem(1, r, 10 - r);
    ed.SetRowName(r, QStringLiteral("r%1").arg(r));
    ed.SetRowAttrib(r, std::uint8_t(r % 2));
  }
  ed.SortRows(1, true, 1, 1, 3, 4, true);
  EXPECT_EQ(ed.Elem(1, 1), 6);
  EXPECT_EQ(ed.RowName(1), QStringLiteral("r4"));
  ed.SortRowAttributes(true, 1, 1, 3, 4);
  EXPECT_EQ(ed.RowAttrib(1), 0);
  EXPECT_EQ(ed.RowAttrib(4), 1);
  ed.SortRowNames(false, 1, 1, 3, 4);
  EXPECT_EQ(ed.RowName(1), QStringLiteral("r4"));
  EXPECT_EQ(ed.Elem(1, 1), 6);  // the cells moved with their names
  EXPECT_EQ(ed.FindRowIndex(QStringLiteral("R1")), 4);
  EXPECT_EQ(ed.FindColIndex(QStringLiteral("none")), 0);
  ed.SetColName(2, QStringLiteral("b"));
  ed.SetColName(1, QStringLiteral("c"));
  ed.SetColName(3, QStringLiteral("a"));
  ed.SetPrecision(3, 7);
  ed.SortColNames(true, 1, 1, 3, 4);
  EXPECT_EQ(ed.ColName(1), QStringLiteral("a"));
  EXPECT_EQ(ed.Precision(1), 7);
}

TEST(NTabEdModel, ExternalTableGetsEveryHookBackOnRebindAndFree) {
  TDataTable ext(6, 7);
  {
    TNTabEd ed;
    ed.AssignAnotherDataMatrix(&ext);
    EXPECT_TRUE(ed.ExternalMatrixAssigned());
    EXPECT_EQ(ed.NrOfColumns(), 6);
    ExpectInvariants(ed);
    EXPECT_TRUE(ext.OnDataChanged && ext.OnResize && ext.OnSetupChanged && ext.OnPercentDone && ext.OnSortExchange);
    ext.Resize(8, 9);
    EXPECT_EQ(ed.ColCount(), 8 + 2);
    ed.AssignAnotherDataMatrix(nullptr);
    EXPECT_FALSE(ext.OnDataChanged || ext.OnResize || ext.OnSetupChanged || ext.OnPercentDone || ext.OnSortExchange);
    EXPECT_EQ(ed.NrOfColumns(), 3);
    ExpectInvariants(ed);
    ed.AssignAnotherDataMatrix(&ext);
  }
  EXPECT_FALSE(ext.OnDataChanged || ext.OnResize || ext.OnSetupChanged || ext.OnPercentDone || ext.OnSortExchange);
  ext.SetElem(1, 1, 3);  // no call into the freed editor
  ext.Resize(2, 2);
}

TEST(NTabEdModel, ExternalTableFreedFirstFallsBackToTheOwnTable) {
  TNTabEd ed;
  auto ext = std::make_unique<TDataTable>(9, 9);
  ed.AssignAnotherDataMatrix(ext.get());
  ext.reset();
  EXPECT_FALSE(ed.ExternalMatrixAssigned());
  EXPECT_EQ(ed.NrOfColumns(), 3);
  ExpectInvariants(ed);
}

TEST(NTabEdModel, CopyContentsAndStates) {
  TNTabEd a, b;
  a.Redimension(5, 6);
  a.SetElem(5, 6, 1.25);
  a.SetCellState(2, 2, csbMarkB | csbReadOnly);
  a.SetColName(4, QStringLiteral("volts"));
  a.SetPrecision(5, 8);
  a.SetComment(QStringLiteral("run 7"));
  b.CopyContentsFrom(a);
  EXPECT_EQ(b.NrOfColumns(), 5);
  EXPECT_EQ(b.Elem(5, 6), 1.25);
  EXPECT_EQ(b.CellState(2, 2), csbMarkB | csbReadOnly);
  EXPECT_EQ(b.ColName(4), QStringLiteral("volts"));
  EXPECT_EQ(b.Precision(5), 8);
  EXPECT_EQ(b.Comment(), QStringLiteral("run 7"));
  TNTabEd c;
  EXPECT_FALSE(c.CopyCellStatesFrom(a));
  c.Redimension(5, 6);
  EXPECT_TRUE(c.CopyCellStatesFrom(a));
  EXPECT_EQ(c.CellState(2, 2), csbMarkB | csbReadOnly);
}

TEST(NTabEdModel, CommentDropsControlCharacters) {
  TNTabEd ed;
  int changes = 0;
  ed.OnChange = [&](TObject*) { ++changes; };
  ed.SetComment(QStringLiteral("a\tb\x01"));
  EXPECT_EQ(ed.Comment(), QStringLiteral("ab"));
  EXPECT_EQ(changes, 1);
}

TEST(NTabEdAssign, CopiesEveryListedProperty) {
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TNTabEd>(); }, TNTabEd::CopiedProperties(),
                                  std::array<const char*, 3>{"DefaultColWidth", "Comment", "SuppressPaint"});
}

TEST(NTabEdAccessible, IsATableOfTheDataCells) {
  auto ed = ntabtest::ShownEditor();
  ed->SetElem(2, 3, 1.5);
  ed->SetColName(2, QStringLiteral("volts"));
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(ed.get());
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::Table);
  QAccessibleTableInterface* table = iface->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->columnCount(), 3);
  EXPECT_EQ(table->rowCount(), 4);
  EXPECT_EQ(table->columnDescription(1), QStringLiteral("volts"));
  EXPECT_EQ(table->cellAt(2, 1)->text(QAccessible::Value), QStringLiteral("1.500"));
  // The cell's place on screen lies inside the border, where it is painted.
  QAccessibleInterface* cell = table->cellAt(2, 1);
  const TRect r = ed->CellRect(2 + ed->ColOffset(), 3 + ed->RowOffset());
  EXPECT_EQ(cell->rect().topLeft(), ed->mapToGlobal(QPoint(r.Left, r.Top)));
  ed->SetBorderStyle(bsSingle);
  const TRect inside = ed->CellRect(2 + ed->ColOffset(), 3 + ed->RowOffset());
  EXPECT_EQ(cell->rect().topLeft(), ed->mapToGlobal(QPoint(inside.Left + 2, inside.Top + 2)));
  ed->SetDataReadOnly(true);
  EXPECT_TRUE(cell->state().readOnly);
}

TEST(NTabEdModel, ARefusedSizeRaisesTheEditorsErrorAndChangesNothing) {
  TNTabEd ed;
  ed.setObjectName(QStringLiteral("Sheet"));
  EXPECT_THROW(ed.Redimension(1 << 15, 1 << 15), EVyrNTabedError);
  try {
    ed.SetNrOfRows(1 << 27);
    ADD_FAILURE();
  } catch (const EVyrNTabedError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Component \"Sheet\": not enough memory on heap"));
  }
  ExpectInvariants(ed);
  EXPECT_EQ(ed.NrOfRows(), 4);
}
