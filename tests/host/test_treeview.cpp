// The tree view base: lazy levels through Expanding, placeholders checked
// only for the rows on screen, keys a handler keeps from the tree, and the
// classic plus and minus boxes.
#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QTest>
#include <QTreeView>

#include "host/KeyCodes.h"
#include "host/TreeView.h"

using namespace vyr;

namespace {

class CountingTree : public TCustomTreeView {
 public:
  int confirmed = 0;

 protected:
  void ConfirmChildren(TTreeNode* Node) override {
    ++confirmed;
    Node->SetHasChildren(Node->Index() % 2 == 0);
  }
};

}  // namespace

TEST(TreeViewLevels, ExpandingFillsAPlaceholderBeforeItOpensAndAnEmptyOneLosesItsButton) {
  TCustomTreeView tree;
  TTreeNode* full = tree.AddChild(nullptr, "full");
  TTreeNode* empty = tree.AddChild(nullptr, "empty");
  full->SetHasChildren(true);
  empty->SetHasChildren(true);
  int expanding = 0, expanded = 0;
  tree.OnExpanding = [&](TObject*, TTreeNode* node) {
    ++expanding;
    if (node == full) tree.AddChildren(node, {"a", "b"}, false);
  };
  tree.OnExpanded = [&](TObject*, TTreeNode*) { ++expanded; };
  tree.Expand(full);
  EXPECT_EQ(full->Count(), 2);
  EXPECT_TRUE(full->Expanded());
  tree.Collapse(full);
  tree.Expand(full);
  EXPECT_EQ(expanding, 1) << "a read level is not fetched again";
  EXPECT_EQ(expanded, 2);
  tree.Expand(empty);
  EXPECT_EQ(expanding, 2);
  EXPECT_FALSE(empty->HasChildren());
}

TEST(TreeViewLevels, PlaceholdersAreConfirmedOnlyForTheRowsOnScreen) {
  CountingTree tree;
  QStringList texts;
  for (int i = 0; i < 1000; ++i) texts << QString::number(i);
  tree.AddChildren(nullptr, texts, true);
  tree.resize(200, 200);
  tree.show();
  tree.grab();
  EXPECT_GT(tree.confirmed, 3);
  EXPECT_LT(tree.confirmed, 40);
  EXPECT_TRUE(tree.TopItem(0)->HasChildren());
  EXPECT_FALSE(tree.TopItem(1)->HasChildren());
  EXPECT_TRUE(tree.TopItem(999)->HasChildren()) << "not shown, not looked at";
  const int before = tree.confirmed;
  tree.grab();
  EXPECT_EQ(tree.confirmed, before);
}

TEST(TreeViewInput, AKeyAHandlerClearsNeverReachesTheTree) {
  TCustomTreeView tree;
  tree.AddChildren(nullptr, {"one", "two"}, false);
  tree.resize(200, 200);
  tree.show();
  tree.SetSelected(tree.TopItem(0));
  TTreeNode* changedTo = nullptr;
  tree.OnChange = [&](TObject*, TTreeNode* node) { changedTo = node; };
  tree.OnKeyDown = [](TObject*, quint16& key, TShiftState) {
    if (key == VK_DOWN) key = 0;
  };
  QTest::keyClick(&tree.TreeWidget(), Qt::Key_Down);
  EXPECT_EQ(tree.Selected(), tree.TopItem(0));
  tree.OnKeyDown = nullptr;
  QTest::keyClick(&tree.TreeWidget(), Qt::Key_Down);
  EXPECT_EQ(tree.Selected(), tree.TopItem(1));
  EXPECT_EQ(changedTo, tree.TopItem(1));
}

TEST(TreeViewLook, ClassicButtonsShowPlusWhenClosedAndMinusWhenOpen) {
  TCustomTreeView tree;
  TTreeNode* node = tree.AddChild(nullptr, "node");
  tree.AddChild(node, "child");
  tree.resize(200, 100);
  tree.show();
  auto pixelAt = [&](int dx, int dy) {
    const QImage image = tree.grab().toImage();
    const TRect r = tree.NodeRect(node);
    const int cx = r.Left - tree.Indent() / 2 - 1, cy = r.Top + r.Height() / 2;
    return FromQColor(image.pixelColor(cx + dx, cy + dy));
  };
  EXPECT_EQ(pixelAt(-4, 0), clGray) << "box edge";
  EXPECT_EQ(pixelAt(0, 0), clBlack) << "bar of the sign";
  EXPECT_EQ(pixelAt(0, -2), clBlack) << "plus while closed";
  tree.Expand(node);
  EXPECT_EQ(pixelAt(0, -2), clWhite) << "minus while open";
}

TEST(TreeViewModel, KeepsTheItemModelRulesAndAnswersAnInvalidIndexEmpty) {
  TCustomTreeView tree;
  TTreeNode* top = tree.AddChild(nullptr, "top");
  tree.AddChildren(top, {"a", "b"}, true);
  tree.AddChild(nullptr, "second");
  QAbstractItemModel* model = tree.TreeWidget().model();
  EXPECT_FALSE(model->data(QModelIndex(), Qt::DisplayRole).isValid());
  QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  tree.DeleteChildren(top);
  tree.AddChildren(top, {"c"}, false);
  EXPECT_EQ(model->data(model->index(0, 0, model->index(0, 0, {})), Qt::DisplayRole).toString(), "c");
}
