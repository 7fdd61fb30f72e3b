// The "Table editor" tab: a 1,000 x 1,000 table of generated measurements
// with column and row names, attributes, a few marked cells, protected
// cells and two nominal columns, whose pick list opens with the in-place
// editor (click a cell twice or type); both built-in menus work (right
// button on a data cell, on a heading, on the corner for the comment), with
// live settings for the attribute row and column, read-only data,
// auto-advance direction and copy precision.
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

#include "GalleryPage.h"
#include "ntabed/Vyr_ntabed.h"

namespace gallery {
namespace {

using namespace vyr;

constexpr int kSize = 1000;

void Generate(TNTabEd& ed) {
  ed.SetSuppressPaint(true);
  ed.Redimension(kSize, kSize);
  TDataTable& t = ed.Data();
  for (int c = 1; c <= kSize; ++c) {
    t.SetColName(c, QStringLiteral("ch %1").arg(c));
    t.SetColAttrib(c, std::uint8_t(c % 4));
  }
  for (int r = 1; r <= kSize; ++r) {
    t.SetRowName(r, QStringLiteral("sample %1").arg(r));
    t.SetRowAttrib(r, std::uint8_t(r % 3));
  }
  // A damped oscillation per channel, with a drifting offset.
  for (int r = 1; r <= kSize; ++r)
    for (int c = 1; c <= kSize; ++c)
      t.SetElem(c, r, 20.0 + c * 0.01 + 5.0 * std::exp(-r / 400.0) * std::sin(r * 0.05 + c));
  for (int c : {3, 4}) {
    t.SetMScaleType(c, mstNominal);
    t.SetColName(c, c == 3 ? QStringLiteral("quality") : QStringLiteral("operator"));
    const QStringList ids = c == 3 ? QStringList{"good", "fair", "poor"} : QStringList{"Ann", "Bo", "Chen", "Dee"};
    for (int i = 0; i < ids.size(); ++i) t.SetNominalID(c, i + 1, ids[i]);
    for (int r = 1; r <= kSize; ++r) t.SetElem(c, r, 1 + (r * 7 + c) % ids.size());
  }
  for (int r = 5; r <= 8; ++r) t.SetCellState(1, r, csbMarkA);
  for (int c = 5; c <= 7; ++c) t.SetCellState(c, 2, csbMarkB);
  t.SetCellState(2, 3, csbMarkA | csbMarkB);
  t.SetCellState(6, 6, csbEmpty);
  t.SetCellState(7, 6, csbInvalid);
  for (int r = 10; r <= 12; ++r) t.SetCellState(2, r, csbReadOnly);
  ed.SetPrecision(1, 2);
  ed.SetPrecision(2, -1);
  ed.SetComment(QStringLiteral("Generated bench run"));
  ed.SetSuppressPaint(false);
}

class TableEditorPage : public GalleryPage {
 public:
  TableEditorPage() {
    auto* layout = new QVBoxLayout(this);
    auto* settings = new QHBoxLayout;
    editor = new TNTabEd(this);
    editor->setObjectName(QStringLiteral("Measurements"));
    editor->SetOptions(editor->Options() | goColSizing | goTabs);
    Generate(*editor);
    editor->setMinimumSize(760, 420);
    auto check = [&](const QString& text, bool on, auto apply) {
      auto* box = new QCheckBox(text, this);
      box->setChecked(on);
      connect(box, &QCheckBox::toggled, this, apply);
      settings->addWidget(box);
    };
    check(QStringLiteral("Attribute column"), true, [this](bool v) { editor->SetAttribRowVisible(v); });
    check(QStringLiteral("Attribute row"), false, [this](bool v) { editor->SetAttribColVisible(v); });
    check(QStringLiteral("Read-only data"), false, [this](bool v) { editor->SetDataReadOnly(v); });
    check(QStringLiteral("Full-precision copy"), true, [this](bool v) { editor->SetClipboardUseFullPrec(v); });
    auto* dir = new QComboBox(this);
    dir->addItems({QStringLiteral("Enter moves down"), QStringLiteral("Enter moves right")});
    connect(dir, &QComboBox::currentIndexChanged, this, [this](int i) { editor->SetAutoAdvanceDir(i); });
    settings->addWidget(dir);
    settings->addStretch();
    layout->addLayout(settings);
    layout->addWidget(editor);
    auto* status = new QLabel(this);
    layout->addWidget(status);
    editor->OnSelectionChanged = [this, status](TObject*) {
      const TGridRect s = editor->Selection();
      status->setText(QStringLiteral("Selection: columns %1..%2, rows %3..%4")
                          .arg(s.Left - editor->ColOffset())
                          .arg(s.Right - editor->ColOffset())
                          .arg(s.Top - editor->RowOffset())
                          .arg(s.Bottom - editor->RowOffset()));
    };
  }
  std::vector<Shot> Shots() override {
    editor->SetSelection({4, 3, 6, 5});
    return {{QStringLiteral("TNTabEd-measurements"), editor}};
  }

 private:
  TNTabEd* editor;
};

PageRegistration registration(65, QStringLiteral("Table editor"), [] { return new TableEditorPage; });

}  // namespace
}  // namespace gallery
