// Making and removing folders act only on the folder shown as selected,
// refuse what they must, and leave nothing behind when they refuse.
#include <QDir>
#include <QFile>

#include "FolderTreeTestKit.h"

using namespace vyr;
using vyrtest::FolderTreeTest;

TEST_F(FolderTreeTest, MakeSubFolderMakesOnePlainNameBelowTheSelectedFolderAndSelectsIt) {
  TFolderTree tree;
  ASSERT_TRUE(tree.SelectPath(Dir("Beta")));
  int dirChanges = 0;
  tree.OnDirChanged = [&](TObject*) { ++dirChanges; };
  EXPECT_TRUE(tree.MakeSubFolder(QString::fromUtf8("Née 2")));
  EXPECT_TRUE(QDir(Dir(QString::fromUtf8("Beta/Née 2"))).exists());
  EXPECT_EQ(tree.Directory(), Dir(QString::fromUtf8("Beta/Née 2")));
  EXPECT_EQ(dirChanges, 1);
}

TEST_F(FolderTreeTest, MakeSubFolderMakesEveryMissingLevelOfARelativeName) {
  TFolderTree tree;
  ASSERT_TRUE(tree.SelectPath(Dir("Beta")));
  EXPECT_TRUE(tree.MakeSubFolder("a/b"));
  EXPECT_TRUE(QDir(Dir("Beta/a/b")).exists());
  EXPECT_EQ(tree.Directory(), Dir("Beta/a/b"));
  ASSERT_TRUE(tree.SelectPath(base));
  EXPECT_TRUE(tree.MakeSubFolder("alpha//y/z/"));  // alpha is there already
  EXPECT_TRUE(QDir(Dir("alpha/y/z")).exists());
  EXPECT_EQ(tree.Directory(), Dir("alpha/y/z"));
}

TEST_F(FolderTreeTest, MakeSubFolderRefusesNamesThatLeaveHideOrExistAndCreatesNothing) {
  TFolderTree tree;
  ASSERT_TRUE(tree.SelectPath(Dir("Beta")));
  const QStringList before = Entries(base), beforeBeta = Entries(base + "/Beta"), beforeUp = Entries(base + "/..");
  for (const QString& name : {QString(), QString("."), QString(".."), QString("../escape"), base + "/abs",
                              QString("/"), QString("x|y"), QString("a/.hidden"), QString("a/../b"), QString("a\\b"), QString(".hidden"),
                              QString("tab\there"), QString("q\"uote"), QString("lone") + QChar(0xD800),
                              QString("new/x") + QChar(0xDC00), "new/" + QString(300, u'n')})
    EXPECT_FALSE(tree.MakeSubFolder(name)) << name.toStdString();
  ASSERT_TRUE(tree.SelectPath(base));
  EXPECT_FALSE(tree.MakeSubFolder("alpha"));
  EXPECT_FALSE(tree.MakeSubFolder("alpha/x"));
  EXPECT_FALSE(tree.MakeSubFolder("notes.txt"));
  EXPECT_FALSE(tree.MakeSubFolder("notes.txt/under"));
  EXPECT_EQ(Entries(base), before);
  EXPECT_EQ(Entries(base + "/Beta"), beforeBeta);
  EXPECT_EQ(Entries(base + "/.."), beforeUp);
  EXPECT_EQ(tree.Directory(), Dir());
}

TEST_F(FolderTreeTest, RemoveSelectedFolderRemovesOnlyAnEmptyFolderAndNeverTheRoot) {
  TFolderTree tree;
  EXPECT_FALSE(tree.RemoveSelectedFolder()) << "the root";
  QFile hidden(base + "/Case/.keep");
  ASSERT_TRUE(hidden.open(QIODevice::WriteOnly));
  hidden.close();
  for (const char* sub : {"alpha", "gamma", "Case"}) {
    ASSERT_TRUE(tree.SelectPath(Dir(sub)));
    EXPECT_FALSE(tree.RemoveSelectedFolder()) << sub;
    EXPECT_TRUE(QDir(Dir(sub)).exists()) << sub;
    EXPECT_EQ(tree.Directory(), Dir(sub));
  }
  EXPECT_TRUE(QFile::exists(base + "/Case/.keep"));
  EXPECT_TRUE(QDir(Dir("gamma/.only-hidden")).exists());
  ASSERT_TRUE(tree.SelectPath(Dir("alpha/x")));
  EXPECT_TRUE(tree.RemoveSelectedFolder());
  EXPECT_FALSE(QDir(Dir("alpha/x")).exists());
  EXPECT_EQ(tree.Directory(), Dir("alpha"));
  EXPECT_EQ(tree.PathOfNode(tree.Selected()), Dir("alpha"));
}

TEST_F(FolderTreeTest, OperationsActOnTheFolderShownAsSelectedAfterRefreshRemovedIt) {
  TFolderTree tree;
  ASSERT_TRUE(tree.SelectPath(Dir("alpha/x")));
  ASSERT_TRUE(QDir(base).rmdir("alpha/x"));
  tree.RefreshTree();
  ASSERT_TRUE(tree.MakeSubFolder("y"));
  EXPECT_TRUE(QDir(Dir("alpha/y")).exists());
  EXPECT_FALSE(QDir(Dir("alpha/x")).exists());
}

TEST_F(FolderTreeTest, AfterAPartialSelectPathMakeSubFolderActsOnTheShownFolder) {
  TFolderTree tree;
  EXPECT_FALSE(tree.SelectPath(Dir(".secret/inner")));
  ASSERT_TRUE(tree.MakeSubFolder("made"));
  EXPECT_TRUE(QDir(Dir("made")).exists());
  EXPECT_FALSE(QDir(Dir(".secret/inner/made")).exists());
}

TEST_F(FolderTreeTest, AHandlerMayDestroyTheTreeFromTheEventsOfAnOperation) {
  auto* tree = new TFolderTree;
  ASSERT_TRUE(tree->SelectPath(Dir("Beta")));
  tree->OnDirChanged = [&](TObject*) { delete tree; };
  EXPECT_TRUE(tree->MakeSubFolder("gone"));
  EXPECT_TRUE(QDir(Dir("Beta/gone")).exists());
}
