#pragma once
// A real folder tree made for each test one level inside a temporary
// folder (so that its parent belongs to the test alone, even while other
// tests run) and removed with it:
//   alpha/x/            Beta/          Case/   case/
//   gamma/.only-hidden/ with blank/    Ärger/  .secret/inner/
//   notes.txt (a file)
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "foldertree/Vyr_FolderTree.h"

namespace vyrtest {

class FolderTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp.isValid());
    ASSERT_TRUE(QDir(temp.path()).mkdir("tree"));
    base = QDir(temp.path() + "/tree").canonicalPath();
    for (const char* sub : {"alpha/x", "Beta", "Case", "case", "gamma/.only-hidden", "with blank", "Ärger",
                            ".secret/inner"})
      ASSERT_TRUE(QDir(base).mkpath(QString::fromUtf8(sub)));
    QFile file(base + "/notes.txt");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

  // base + "/" + sub + "/" (the form Directory takes).
  QString Dir(const QString& sub = {}) const { return sub.isEmpty() ? base + '/' : base + '/' + sub + '/'; }
  static QStringList Names(const vyr::TTreeNode* node) {
    QStringList names;
    for (int i = 0; node && i < node->Count(); ++i) names << node->Item(i)->Text();
    return names;
  }
  static vyr::TTreeNode* Child(const vyr::TTreeNode* node, const QString& text) {
    for (int i = 0; node && i < node->Count(); ++i)
      if (node->Item(i)->Text() == text) return node->Item(i);
    return nullptr;
  }
  // Shows tree at 300 x 400 with the base folder opened and selected;
  // returns the base folder's node.
  vyr::TTreeNode* ShowBase(vyr::TFolderTree& tree) const {
    tree.resize(300, 400);
    tree.show();
    EXPECT_TRUE(tree.SelectPath(base));
    return tree.Selected();
  }
  static QStringList Entries(const QString& path) {
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
  }

  QTemporaryDir temp;
  QString base;
};

}  // namespace vyrtest
