// Reading levels of a real folder tree: what is listed, in which order,
// when the disk is read, and how selecting and refreshing follow the disk.
#include <QDir>

#include "FolderTreeTestKit.h"

using namespace vyr;
using vyrtest::FolderTreeTest;

TEST_F(FolderTreeTest, ALevelListsVisibleFoldersCaseInsensitivelyWithCaseVariantsApart) {
  TFolderTree tree;
  ASSERT_TRUE(tree.SelectPath(base));
  EXPECT_EQ(tree.Directory(), Dir());
  EXPECT_EQ(tree.PathOfNode(tree.Selected()), Dir());
  EXPECT_EQ(Names(tree.Selected()),
            QStringList({"alpha", "Beta", "Case", "case", "gamma", "with blank", QString::fromUtf8("Ärger")}));
}

TEST_F(FolderTreeTest, ARowWhoseOnlySubfoldersAreHiddenLosesItsButtonWhenShown) {
  TFolderTree tree;
  TTreeNode* level = ShowBase(tree);
  ASSERT_EQ(level->Count(), 7);
  EXPECT_TRUE(level->Item(4)->HasChildren());  // not yet looked at
  tree.SetSelected(level->Item(6));            // scrolls the whole level into view
  tree.grab();
  EXPECT_TRUE(level->Item(0)->HasChildren()) << "alpha has x";
  EXPECT_FALSE(level->Item(4)->HasChildren()) << "gamma has only .only-hidden";
  EXPECT_FALSE(level->Item(1)->HasChildren()) << "Beta is empty";
}

TEST_F(FolderTreeTest, OpeningAFolderASecondTimeDoesNotReadTheDiskAgain) {
  TFolderTree tree;
  ASSERT_TRUE(tree.SelectPath(Dir("alpha")));
  TTreeNode* alpha = tree.Selected();
  EXPECT_EQ(alpha->Data, TFolderTree::kLoadedMarker);
  EXPECT_EQ(Names(alpha), QStringList({"x"}));
  ASSERT_TRUE(QDir(base).mkpath("alpha/later"));
  tree.Collapse(alpha);
  tree.Expand(alpha);
  EXPECT_TRUE(alpha->Expanded());
  EXPECT_EQ(Names(alpha), QStringList({"x"}));
  ASSERT_TRUE(tree.RefreshTree());
  EXPECT_EQ(Names(tree.Selected()), QStringList({"later", "x"}));
}

TEST_F(FolderTreeTest, RefreshAfterTheSelectedFolderWasRemovedOnDiskSelectsItsNearestAncestor) {
  TFolderTree tree;
  ASSERT_TRUE(tree.SelectPath(Dir("alpha/x")));
  int dirChanges = 0;
  tree.OnDirChanged = [&](TObject*) { ++dirChanges; };
  ASSERT_TRUE(QDir(base).rmdir("alpha/x"));
  EXPECT_TRUE(tree.RefreshTree());
  EXPECT_EQ(tree.Directory(), Dir("alpha"));
  EXPECT_EQ(tree.PathOfNode(tree.Selected()), Dir("alpha"));
  EXPECT_EQ(dirChanges, 1);
  EXPECT_TRUE(Names(tree.Selected()).isEmpty());
}

TEST_F(FolderTreeTest, RefreshStepsUpToTheParentNotToASiblingNamedLikeItsFirstPart) {
  TFolderTree tree;
  ASSERT_TRUE(QDir(base).mkdir("x\\") && QDir(base).mkdir("x\\y") && tree.SelectPath(Dir("x\\y")));
  ASSERT_TRUE(QDir(base).rmdir("x\\y") && tree.RefreshTree());
  EXPECT_EQ(tree.Directory(), Dir());
}

TEST_F(FolderTreeTest, PathsThatDoNotExistOrAreNotAbsoluteChangeNothing) {
  TFolderTree tree;
  ASSERT_TRUE(tree.SelectPath(Dir("Beta")));
  int dirChanges = 0;
  tree.OnDirChanged = [&](TObject*) { ++dirChanges; };
  for (const QString& path : {base + "/missing", base + "/notes.txt", QString("alpha"), base + "/alpha/../Case",
                              Dir("beta"), QString()})
    EXPECT_FALSE(tree.SelectPath(path)) << path.toStdString();
  EXPECT_EQ(tree.Directory(), Dir("Beta"));
  EXPECT_EQ(dirChanges, 0);
  EXPECT_TRUE(tree.SelectPath(base + "//./Case"));
  EXPECT_EQ(tree.Directory(), Dir("Case"));
}

TEST_F(FolderTreeTest, APathThroughAHiddenFolderSelectsTheDeepestShownFolder) {
  TFolderTree tree;
  EXPECT_FALSE(tree.SelectPath(Dir(".secret/inner")));
  EXPECT_EQ(tree.Directory(), Dir());
  EXPECT_EQ(tree.PathOfNode(tree.Selected()), tree.Directory());
}

TEST_F(FolderTreeTest, GetSubDirsClearsTheListAndTellsAMissingFolderApart) {
  TFolderTree tree;
  QStringList list{"stale"};
  EXPECT_TRUE(tree.GetSubDirs(base + "/alpha", list));
  EXPECT_EQ(list, QStringList({"x"}));
  list = QStringList{"stale"};
  EXPECT_FALSE(tree.GetSubDirs(base + "/gamma", list));
  EXPECT_TRUE(list.isEmpty());
  list = QStringList{"stale"};
  EXPECT_FALSE(tree.GetSubDirs(base + "/missing", list));
  EXPECT_TRUE(list.isEmpty());
  ASSERT_TRUE(tree.SelectPath(base));
  EXPECT_TRUE(tree.GetSubDirs(tree.Selected(), list));
  EXPECT_EQ(list.size(), 7);
}

TEST(FolderTree, ResetShowsTheRootSelectedAndCollapsed) {
  TFolderTree tree;
  EXPECT_EQ(tree.Directory(), "/");
  ASSERT_EQ(tree.TopCount(), 1);
  EXPECT_EQ(tree.Selected(), tree.TopItem(0));
  EXPECT_TRUE(tree.SelectPath(QDir::tempPath()));
  int dirChanges = 0;
  tree.OnDirChanged = [&](TObject*) { ++dirChanges; };
  tree.Reset();
  EXPECT_EQ(tree.Directory(), "/");
  EXPECT_EQ(tree.Selected(), tree.TopItem(0));
  EXPECT_FALSE(tree.TopItem(0)->Expanded());
  EXPECT_EQ(dirChanges, 1);
}
