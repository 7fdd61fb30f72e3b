// The folder tree of the "Calendar, thumbnails, folders" tab, browsing a
// temporary folder that the gallery fills and removes again with the page.
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "CalendarDemos.h"
#include "foldertree/Vyr_FolderTree.h"

namespace gallery {
namespace {

using namespace vyr;

// The demo's box owns the temporary folder, so the folder lives as long as
// the page shows it.
class FolderDemo : public QGroupBox {
 public:
  FolderDemo() : QGroupBox(QStringLiteral("Folder tree (a temporary folder)")), FDir(QDir::tempPath() + "/vyr-folders-XXXXXX") {
    const char* const folders[] = {"Measurements/2025/January", "Measurements/2025/February", "Measurements/2026",
                                   "measurements (old)", "Reports", "reports", "Spectra und Übersichten/Rohdaten",
                                   "with blank/inner", ".cache/hidden", "Empty"};
    for (const char* f : folders) QDir(FDir.path()).mkpath(QString::fromUtf8(f));
  }
  QString Base() const { return QDir(FDir.path()).canonicalPath(); }

 private:
  QTemporaryDir FDir;
};

TFolderTree* MakeTree(FolderDemo* demo, QLabel* status) {
  auto* tree = new TFolderTree;
  tree->setMinimumSize(240, 260);
  auto show = [tree, status](TObject*) { status->setText(QStringLiteral("Directory: %1").arg(tree->Directory())); };
  tree->OnDirChanged = show;
  tree->SelectPath(demo->Base() + "/Measurements/2025");
  show(nullptr);
  return tree;
}

QPushButton* Button(const QString& caption, QHBoxLayout* row) {
  auto* button = new QPushButton(caption);
  row->addWidget(button);
  return button;
}

CalendarSection section(30, [](QBoxLayout* layout, std::vector<Shot>& shots) {
  auto* demo = new FolderDemo;
  auto* column = new QVBoxLayout(demo);
  auto* status = new QLabel;
  status->setWordWrap(true);
  auto* tree = MakeTree(demo, status);
  auto* name = new QLineEdit(QStringLiteral("New folder"));
  auto* row = new QHBoxLayout;
  auto* result = new QLabel;
  auto report = [result](const QString& what, bool ok) { result->setText(what + (ok ? " done" : " refused")); };
  QObject::connect(Button(QStringLiteral("Make sub folder"), row), &QPushButton::clicked,
                   [=] { report(QStringLiteral("Make"), tree->MakeSubFolder(name->text())); });
  QObject::connect(Button(QStringLiteral("Remove selected"), row), &QPushButton::clicked,
                   [=] { report(QStringLiteral("Remove"), tree->RemoveSelectedFolder()); });
  QObject::connect(Button(QStringLiteral("Refresh"), row), &QPushButton::clicked,
                   [=] { report(QStringLiteral("Refresh"), tree->RefreshTree()); });
  auto* explorer = new TFolderTree;
  explorer->SetOldTreeStyle(false);
  explorer->setMinimumSize(240, 160);
  explorer->SelectPath(demo->Base() + "/Spectra und Übersichten");
  column->addWidget(tree, 1);
  column->addWidget(name);
  column->addLayout(row);
  column->addWidget(result);
  column->addWidget(status);
  column->addWidget(new QLabel(QStringLiteral("Explorer look (OldTreeStyle off):")));
  column->addWidget(explorer);
  layout->addWidget(demo);
  shots.push_back({QStringLiteral("TFolderTree-classic"), tree});
  shots.push_back({QStringLiteral("TFolderTree-explorer"), explorer});
});

}  // namespace
}  // namespace gallery
