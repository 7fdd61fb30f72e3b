// Opening a folder of 10,000 subfolders in a folder tree (reading the
// level, ordering it, making the nodes, laying out and painting the tree)
// against a bare std::filesystem::directory_iterator listing of the same
// folder followed by a case-insensitive sort of the names. Both must give
// the same names in the same order.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "Alternate.h"
#include "foldertree/Vyr_FolderTree.h"

namespace {

constexpr int kFolders = 10000;

// Mixed-case names in an order unrelated to the sorted one.
void MakeFolders(const QString& big) {
  std::vector<int> order(kFolders);
  for (int i = 0; i < kFolders; ++i) order[size_t(i)] = i;
  std::shuffle(order.begin(), order.end(), std::mt19937(7));
  const char* const stems[] = {"Folder ", "folder ", "FOLDER ", "Data set "};
  QDir dir(big);
  for (int i : order) dir.mkdir(QString::fromLatin1(stems[i % 4]) + QString::number(i * 7919 % 100003));
}

std::string Lower(std::string s) {
  for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QTemporaryDir temp;
  const QString parent = QDir(temp.path()).canonicalPath();
  const QString big = parent + "/big";
  QDir(parent).mkdir("big");
  MakeFolders(big);

  vyr::TFolderTree tree;
  tree.resize(300, 400);
  QImage image(300, 400, QImage::Format_RGB32);
  const std::function<std::vector<std::string>()> ours = [&] {
    tree.SelectPath(parent);  // a fresh tree: "big" is not read yet
    vyr::TTreeNode* node = tree.Selected()->Item(0);
    tree.Expand(node);
    tree.render(&image);
    std::vector<std::string> names;
    names.reserve(size_t(node->Count()));
    for (int i = 0; i < node->Count(); ++i) names.push_back(node->Item(i)->Text().toStdString());
    return names;
  };
  const std::string bigPath = big.toStdString();
  const std::function<std::vector<std::string>()> peer = [&] {
    std::vector<std::pair<std::string, std::string>> keyed;
    for (const auto& entry : std::filesystem::directory_iterator(bigPath)) {
      std::string name = entry.path().filename().string();
      if (name[0] == '.' || !entry.is_directory()) continue;
      keyed.emplace_back(Lower(name), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::string> names;
    names.reserve(keyed.size());
    for (auto& k : keyed) names.push_back(std::move(k.second));
    return names;
  };
  const bool agreed = vyrbench::Alternate<std::vector<std::string>>(
      {"TFolderTree open 10,000 subfolders vs directory_iterator + sort", 3.0, 7}, ours, peer);
  return agreed ? 0 : 1;
}
