// Opening folders through real key and mouse events, and the folder tree as
// a Qt citizen: registered, sized, readable by assistive technology,
// copied by Assign, coloured when disabled and loaded.
#include <QAccessible>
#include <QTest>
#include <QTreeView>

#include "FolderTreeTestKit.h"
#include "host/ControlRegistry.h"
#include "support/AssignWalk.h"

using namespace vyr;
using vyrtest::FolderTreeTest;

TEST_F(FolderTreeTest, TheRightKeyOpensTheSelectedFolderAndReadsIt) {
  TFolderTree tree;
  TTreeNode* alpha = Child(ShowBase(tree), "alpha");
  ASSERT_TRUE(alpha);
  int dirChanges = 0;
  tree.OnDirChanged = [&](TObject*) { ++dirChanges; };
  tree.SetSelected(alpha);
  EXPECT_EQ(tree.Directory(), Dir("alpha"));
  EXPECT_EQ(alpha->Count(), 0);
  QTest::keyClick(&tree.TreeWidget(), Qt::Key_Right);
  EXPECT_TRUE(alpha->Expanded());
  EXPECT_EQ(alpha->Data, TFolderTree::kLoadedMarker);
  ASSERT_EQ(alpha->Count(), 1);
  QTest::keyClick(&tree.TreeWidget(), Qt::Key_Down);
  EXPECT_EQ(tree.Directory(), Dir("alpha/x"));
  tree.Collapse(alpha);
  EXPECT_EQ(tree.Directory(), Dir("alpha"));
  EXPECT_EQ(dirChanges, 3);
  tree.FullCollapse();
  EXPECT_EQ(tree.Directory(), "/");
}

TEST_F(FolderTreeTest, AClickOnTheButtonOpensOrClosesAFolderAndAClickOnANameSelectsIt) {
  TFolderTree tree;
  TTreeNode* level = ShowBase(tree);
  TTreeNode* alpha = Child(level, "alpha");
  ASSERT_TRUE(alpha);
  tree.SetSelected(level->Item(level->Count() - 1));  // the whole level in view
  tree.grab();
  int clicks = 0;
  tree.OnClick = [&](TObject*) { ++clicks; };
  const TRect r = tree.NodeRect(alpha);
  ASSERT_FALSE(r.IsEmpty());
  QWidget* viewport = tree.TreeWidget().viewport();
  const QPoint button = viewport->mapFrom(&tree, QPoint(r.Left - tree.Indent() / 2 - 1, (r.Top + r.Bottom) / 2));
  QTest::mouseClick(viewport, Qt::LeftButton, {}, button);
  EXPECT_TRUE(alpha->Expanded());
  EXPECT_EQ(alpha->Count(), 1);
  const QPoint name = viewport->mapFrom(&tree, QPoint(r.Left + 4, (r.Top + r.Bottom) / 2));
  QTest::mouseClick(viewport, Qt::LeftButton, {}, name);
  EXPECT_EQ(tree.Directory(), Dir("alpha"));
  EXPECT_EQ(clicks, 2);
  QTest::keyClick(&tree.TreeWidget(), Qt::Key_Down);
  QTest::mouseClick(viewport, Qt::LeftButton, {}, button);
  EXPECT_EQ(tree.Directory(), Dir("alpha")) << "closing the folder of the selected one selects it";
}

TEST_F(FolderTreeTest, ACtrlClickKeepsTheSelection) {
  TFolderTree tree;
  ShowBase(tree);
  ASSERT_TRUE(tree.SelectPath(Dir("Beta")));
  const TRect r = tree.NodeRect(tree.Selected());
  QWidget* viewport = tree.TreeWidget().viewport();
  QTest::mouseClick(viewport, Qt::LeftButton, Qt::ControlModifier,
                    viewport->mapFrom(&tree, QPoint(r.Left + 4, (r.Top + r.Bottom) / 2)));
  EXPECT_EQ(tree.Directory(), Dir("Beta"));
  EXPECT_NE(tree.Selected(), nullptr);
}

TEST(FolderTreeCitizen, RegisteredSizedAndAccessible) {
  std::unique_ptr<QWidget> w(CreateRegisteredControl("TFolderTree", nullptr));
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(RegisteredControlHeader("TFolderTree"), "foldertree/Vyr_FolderTree.h");
  EXPECT_FALSE(w->sizeHint().isEmpty());
  EXPECT_LE(w->minimumSizeHint().height(), w->sizeHint().height());
  auto* iface = QAccessible::queryAccessibleInterface(w.get());
  ASSERT_NE(iface, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::Tree);
  EXPECT_EQ(iface->text(QAccessible::Value), "/");
}

TEST(FolderTreeCitizen, AssignCopiesTheLooksAndColour) {
  static const char* const notCopied[] = {"Directory"};
  vyrtest::ExpectAssignCopiesList([] { return std::make_unique<TFolderTree>(); }, TFolderTree::CopiedProperties(),
                                  notCopied);
}

TEST(FolderTreeCitizen, DisabledShowsButtonFaceAndEnabledTheRememberedColour) {
  TFolderTree tree;
  tree.SetColor(clYellow);
  tree.SetEnabled(false);
  EXPECT_EQ(tree.Color(), clBtnFace);
  tree.SetEnabled(true);
  EXPECT_EQ(tree.Color(), clYellow);
  EXPECT_EQ(tree.TreeWidget().palette().color(QPalette::Base), ToQColor(clYellow));
}

TEST(FolderTreeCitizen, ABlackStoredColourLoadsAsWhite) {
  TFolderTree tree;
  tree.BeginLoading();
  tree.setProperty("Color", uint(clBlack));
  tree.setProperty("OldTreeStyle", false);
  tree.Loaded();
  EXPECT_EQ(tree.Color(), clWhite);
  EXPECT_EQ(tree.TreeLook(), tlExplorer);
  tree.SetEnabled(false);
  tree.SetEnabled(true);
  EXPECT_EQ(tree.Color(), clWhite);
}

TEST(FolderTreeCitizen, AColourStoredWithTheTreeDisabledComesBackWhenEnabled) {
  for (const TColor stored : {clYellow, clBlack}) {
    TFolderTree tree;
    tree.BeginLoading();
    tree.setProperty("Color", uint(stored));
    tree.setProperty("Enabled", false);
    tree.Loaded();
    EXPECT_EQ(tree.Color(), clBtnFace);
    tree.SetEnabled(true);
    EXPECT_EQ(tree.Color(), stored == clBlack ? clWhite : stored);
  }
}

TEST(FolderTreeCitizen, AssignFromADisabledTreeCopiesItsOwnColour) {
  TFolderTree source, dest;
  source.SetColor(clYellow);
  source.SetEnabled(false);
  dest.Assign(&source);
  EXPECT_EQ(dest.Color(), clYellow);
  dest.SetEnabled(false);
  dest.SetEnabled(true);
  EXPECT_EQ(dest.Color(), clYellow);
}
