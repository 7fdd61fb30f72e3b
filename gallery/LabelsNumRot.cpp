// Numeric labels in every display type with a slider that moves all their
// values, and a rotated label turned by a slider with its alignment to pick.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <array>
#include <cmath>

#include "LabelsDemos.h"
#include "labels/Vyr_NumLab.h"
#include "labels/Vyr_RotLab.h"

namespace gallery {
namespace {

using namespace vyr;

struct DisplayDemo {
  TDisplay type;
  const char* name;
  int precision;
};

const DisplayDemo kDisplays[] = {
    {dtFloat, "Float", 4},   {dtFixP, "FixP", 2},        {dtExp, "Exp", 3},       {dtHex, "Hex", 4},
    {dtZeroInt, "ZeroInt", 5}, {dtInt, "Int", 0},        {dtDateTime, "DateTime", 0}, {dtState, "State", 0},
    {dtBin, "Bin", 12},      {dtOct, "Oct", 4},          {dtDeg, "Deg", 2},       {dtDegMin, "DegMin", 1},
    {dtDegMinSec, "DegMinSec", 0}, {dtEEng, "EEng", 2}, {dtEEngNoDP, "EEngNoDP", 0},
};

// A value worth showing in each type for slider position p (0..1000).
double DemoValue(TDisplay type, int p) {
  if (type == dtDateTime) return 46364.0 + p / 10.0;  // from 2026-12-08 on
  if (type == dtDeg || type == dtDegMin || type == dtDegMinSec) return p * 0.36;
  if (type == dtHex || type == dtBin || type == dtOct || type == dtZeroInt || type == dtInt) return p * 2.5;
  return std::pow(10.0, p / 125.0 - 3) * 1.2345;  // 0.0012 .. 123450
}

QWidget* NumLabGroup(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TNumLab: every display type"));
  auto* grid = new QGridLayout(group);
  std::vector<TNumLab*> labels;
  int i = 0;
  for (const DisplayDemo& demo : kDisplays) {
    auto* n = new TNumLab;
    n->SetName(QStringLiteral("NumLab") + QString::fromLatin1(demo.name));
    n->setFixedSize(250, 28);
    n->SetLeftSpace(80);
    n->SetLabelWidth(120);
    n->SetLeftText(QString::fromLatin1(demo.name));
    n->SetDisplayType(demo.type);
    n->SetPrecision(demo.precision);
    if (demo.type == dtDateTime) n->SetDTFormat(QStringLiteral("dd mmm yyyy hh:nn"));
    if (demo.type == dtState) n->SetStateText(QStringLiteral("heating"));
    grid->addWidget(n, i % 8, i / 8);
    labels.push_back(n);
    ++i;
  }
  auto* overflow = new TNumLab;
  overflow->setFixedSize(250, 28);
  overflow->SetLeftSpace(80);
  overflow->SetLabelWidth(120);
  overflow->SetLeftText(QStringLiteral("Overflow"));
  overflow->SetValue(std::nan(""));
  overflow->SetColorLabBakG(0xE0FFFF);
  grid->addWidget(overflow, 7, 1);

  auto* disabled = new TNumLab;
  disabled->setFixedSize(250, 28);
  disabled->SetLeftSpace(80);
  disabled->SetLabelWidth(120);
  disabled->SetLeftText(QStringLiteral("Disabled"));
  disabled->SetRightText(QStringLiteral("V"));
  disabled->SetValue(230);
  disabled->SetEnabled(false);
  grid->addWidget(disabled, 8, 0);

  auto* slider = new QSlider(Qt::Horizontal);
  slider->setRange(0, 1000);
  QObject::connect(slider, &QSlider::valueChanged, group, [labels](int p) {
    for (TNumLab* n : labels) n->SetValue(DemoValue(n->DisplayType(), p));
  });
  grid->addWidget(new QLabel(QStringLiteral("Value")), 9, 0);
  grid->addWidget(slider, 9, 1);
  slider->setValue(620);
  shots.push_back({QStringLiteral("TNumLab-types"), group});
  return group;
}

QWidget* RotLabGroup(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TRotLab: text at any angle"));
  auto* row = new QHBoxLayout(group);
  auto* turning = new TRotLab;
  turning->SetName(QStringLiteral("RotLabTurning"));
  turning->setFixedSize(220, 220);
  turning->SetCaption(QStringLiteral("Rotated label"));
  turning->SetTransparent(false);
  turning->SetColor(clWhite);
  row->addWidget(turning);

  const std::array<std::pair<const char*, int>, 3> fixed = {{{"Volt", 90}, {"Flow / (l/min)", 30}, {"Upside", 180}}};
  for (auto [caption, angle] : fixed) {
    auto* r = new TRotLab;
    r->setFixedSize(110, 110);
    r->SetCaption(QString::fromLatin1(caption));
    r->SetTextAngle(angle);
    r->SetFrameStyle(fsSingle);
    row->addWidget(r);
  }

  auto* controls = new QVBoxLayout;
  auto* slider = new QSlider(Qt::Horizontal);
  slider->setRange(0, 359);
  auto* alignment = new QComboBox;
  alignment->addItems({QStringLiteral("Left edge on anchor"), QStringLiteral("Right edge on anchor"),
                       QStringLiteral("Centre on anchor")});
  QObject::connect(slider, &QSlider::valueChanged, turning, [turning](int a) { turning->SetTextAngle(a); });
  QObject::connect(alignment, &QComboBox::currentIndexChanged, turning,
                   [turning](int i) { turning->SetAlignment(TAlignment(i)); });
  controls->addWidget(new QLabel(QStringLiteral("Angle")));
  controls->addWidget(slider);
  controls->addWidget(alignment);
  controls->addStretch(1);
  row->addLayout(controls);
  row->addStretch(1);
  alignment->setCurrentIndex(taCenter);
  slider->setValue(45);
  shots.push_back({QStringLiteral("TRotLab-angles"), group});
  return group;
}

}  // namespace

void AddNumRotDemos(QVBoxLayout* layout, std::vector<Shot>& shots) {
  layout->addWidget(NumLabGroup(shots));
  layout->addWidget(RotLabGroup(shots));
}

}  // namespace gallery
