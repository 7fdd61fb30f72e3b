// The mark selector reporting the picked mark (by mouse or keys), and
// gradient fills of each type with flipped colours and a grid.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

#include "SelectorsDemos.h"
#include "smallctl/Vyr_gradfl.h"
#include "smallctl/Vyr_marksel.h"

namespace gallery {
namespace {

using namespace vyr;

QWidget* MarkSelGroup(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TMarkSel: click a mark, or use the arrow keys and Enter"));
  auto* layout = new QHBoxLayout(group);
  auto* marks = new TMarkSel;
  marks->SetName(QStringLiteral("MarkSel"));
  marks->setFixedSize(236, 178);
  marks->SetSelected(12);
  auto* picked = new QLabel(QStringLiteral("Selected: 12"));
  marks->OnMarkClick = [picked](TObject*, int, int, int mark) {
    picked->setText(QStringLiteral("Selected: %1").arg(mark));
  };
  marks->OnMarkDblClick = [picked](TObject*, int, int, int mark) {
    picked->setText(QStringLiteral("Double click on %1").arg(mark));
  };
  auto* small = new TMarkSel;
  small->SetName(QStringLiteral("MarkSelFew"));
  small->setFixedSize(160, 60);
  small->SetNrOfColumns(6);
  small->SetNrOfRows(2);
  small->HideAllMarks();
  for (int mark : {4, 5, 6, 7, 12, 13, 14, 15, 20, 21, 22}) small->SetVis(mark, true);
  small->SetColorBackGnd(clWhite);
  layout->addWidget(marks);
  auto* column = new QVBoxLayout;
  column->addWidget(picked);
  column->addWidget(new QLabel(QStringLiteral("A few marks shown:")));
  column->addWidget(small);
  column->addStretch(1);
  layout->addLayout(column);
  layout->addStretch(1);
  shots.push_back({QStringLiteral("TMarkSel-default"), marks});
  return group;
}

QWidget* GradFillGroup(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TGradFill: horizontal, vertical and middle bands"));
  auto* outer = new QVBoxLayout(group);
  auto* settings = new QHBoxLayout;
  auto* flipped = new QCheckBox(QStringLiteral("ColorFlipped"));
  auto* grid = new QCheckBox(QStringLiteral("Grid"));
  auto* count = new QSpinBox;
  count->setRange(1, 255);
  count->setValue(16);
  settings->addWidget(flipped);
  settings->addWidget(grid);
  settings->addWidget(new QLabel(QStringLiteral("NrColors")));
  settings->addWidget(count);
  settings->addStretch(1);
  outer->addLayout(settings);
  auto* row = new QHBoxLayout;
  const struct {
    TGradType type;
    const char* name;
  } types[] = {{gtHoriz, "horiz"}, {gtVert, "vert"}, {gtMidBandHoriz, "midband-horiz"}, {gtMidBandVert, "midband-vert"}};
  for (const auto& t : types) {
    auto* fill = new TGradFill;
    fill->SetName(QStringLiteral("Grad_") + QString::fromLatin1(t.name));
    fill->setFixedSize(121, 121);
    fill->SetFillType(t.type);
    fill->SetFrameStyle(fsLowered);
    fill->SetGridColor(clWhite);
    QObject::connect(flipped, &QCheckBox::toggled, fill, [fill](bool on) { fill->SetColorFlipped(on); });
    QObject::connect(grid, &QCheckBox::toggled, fill, [fill](bool on) { fill->SetGridMode(on ? gmBoth : gmNone); });
    QObject::connect(count, &QSpinBox::valueChanged, fill, [fill](int n) { fill->SetNrColors(n); });
    row->addWidget(fill);
    shots.push_back({QStringLiteral("TGradFill-") + QString::fromLatin1(t.name), fill});
  }
  row->addStretch(1);
  outer->addLayout(row);
  return group;
}

}  // namespace

void AddMarkGradDemos(QVBoxLayout* layout, std::vector<Shot>& shots) {
  layout->addWidget(MarkSelGroup(shots));
  layout->addWidget(GradFillGroup(shots));
}

}  // namespace gallery
