// Progress bars: a live bar advancing on its own timer with a button to
// start and stop it, one bar per direction, the three gradient mappings
// with grid, and a bar with rotated text over a range of no width.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

#include "ProgressDemos.h"
#include "progbar/Vyr_ProgBar.h"

namespace gallery {
namespace {

using namespace vyr;

TProgBar* Bar(const QString& name, int w, int h) {
  auto* bar = new TProgBar;
  bar->SetName(name);
  bar->setFixedSize(w, h);
  return bar;
}

// A gradient bar that wraps round at Max, and a check box for AutoInc.
QWidget* LiveGroup(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TProgBar: auto increment (first tick after 1.5 s, then every 0.7 s)"));
  auto* layout = new QVBoxLayout(group);
  auto* bar = Bar(QStringLiteral("LiveBar"), 300, 30);
  bar->SetShowColorGradient(true);
  bar->SetGridDist(10);
  bar->SetAutoIncStep(5);
  bar->SetValue(35);
  bar->SetTextPosX(150);
  bar->SetTextPosY(15);
  bar->OnShowValue = [](TObject*, QString& text) { text += QStringLiteral(" %"); };
  bar->SetOnAutoInc([bar](TObject*) {
    if (bar->Value() > bar->Max()) bar->SetValue(bar->Min());
  });
  auto* run = new QCheckBox(QStringLiteral("AutoInc"));
  QObject::connect(run, &QCheckBox::toggled, bar, [bar](bool on) { bar->SetAutoInc(on); });
  run->setChecked(true);
  auto* row = new QHBoxLayout;
  row->addWidget(bar);
  row->addWidget(run);
  row->addStretch(1);
  layout->addLayout(row);
  shots.push_back({QStringLiteral("TProgBar-gradient-grid"), bar});
  return group;
}

// The four directions, all driven by one slider.
QWidget* DirectionsGroup(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TProgBar: the four directions"));
  auto* layout = new QHBoxLayout(group);
  auto* slider = new QSlider(Qt::Vertical);
  slider->setRange(0, 100);
  slider->setValue(60);
  layout->addWidget(slider);
  const struct {
    TDirection direction;
    const char* name;
    int w, h;
  } kinds[] = {{diBottomToTop, "up", 40, 140},
               {diTopToBottom, "down", 40, 140},
               {diLeftToRight, "right", 200, 30},
               {diRightToLeft, "left", 200, 30}};
  auto* bars = new QVBoxLayout;
  auto* columns = new QHBoxLayout;
  for (const auto& kind : kinds) {
    auto* bar = Bar(QStringLiteral("Bar_") + QString::fromLatin1(kind.name), kind.w, kind.h);
    bar->SetDirection(kind.direction);
    bar->SetValue(60);
    bar->SetShowColorGradient(true);
    bar->SetTextPosX(kind.w / 2);
    bar->SetTextPosY(kind.h / 2);
    if (kind.w < kind.h) {
      columns->addWidget(bar);
    } else {
      bars->addWidget(bar);
    }
    QObject::connect(slider, &QSlider::valueChanged, bar, [bar](int v) { bar->SetValue(v); });
    shots.push_back({QStringLiteral("TProgBar-") + QString::fromLatin1(kind.name), bar});
  }
  columns->addLayout(bars);
  columns->addStretch(1);
  layout->addLayout(columns);
  return group;
}

// One bar per mapping of the colour table, from green to red.
QWidget* MappingGroup(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TProgBar: gradient mappings cover, stretch and move, with grid"));
  auto* grid = new QGridLayout(group);
  const struct {
    TColorMapping mode;
    const char* name;
  } modes[] = {{cgmCover, "cover"}, {cgmStretch, "stretch"}, {cgmMove, "move"}};
  int row = 0;
  for (const auto& m : modes) {
    auto* bar = Bar(QStringLiteral("Bar_") + QString::fromLatin1(m.name), 300, 26);
    bar->SetShowColorGradient(true);
    bar->SetColorMin(clLime);
    bar->SetColorMax(clRed);
    bar->SetColorMapMode(m.mode);
    bar->SetGridDist(6);
    bar->SetColorGrid(clSilver);
    bar->SetValue(70);
    bar->SetTextPosX(150);
    bar->SetTextPosY(13);
    bar->SetTextDecPlaces(1);
    grid->addWidget(new QLabel(QString::fromLatin1(m.name)), row, 0);
    grid->addWidget(bar, row++, 1);
    shots.push_back({QStringLiteral("TProgBar-") + QString::fromLatin1(m.name), bar});
  }
  return group;
}

// Turned text, a sunken single frame and an empty range (full once reached).
QWidget* TextGroup(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TProgBar: text at 90 degrees; Min = Max = 50 (full once reached)"));
  auto* layout = new QHBoxLayout(group);
  auto* turned = Bar(QStringLiteral("Bar_turned"), 50, 120);
  turned->SetDirection(diBottomToTop);
  turned->SetValue(42.5);
  turned->SetTextDecPlaces(1);
  turned->SetTextAngle(90);
  turned->SetTextPosX(25);
  turned->SetTextPosY(60);
  turned->SetColorMin(0x3070E0);
  auto* empty = Bar(QStringLiteral("Bar_emptyrange"), 200, 30);
  empty->SetRange(50, 50);
  empty->SetValue(50);
  empty->SetFrameStyleOuter(fsSingle);
  empty->SetTextPosX(100);
  empty->SetTextPosY(15);
  layout->addWidget(turned);
  layout->addWidget(empty, 0, Qt::AlignTop);
  layout->addStretch(1);
  shots.push_back({QStringLiteral("TProgBar-turned-text"), turned});
  shots.push_back({QStringLiteral("TProgBar-empty-range"), empty});
  return group;
}

}  // namespace

void AddProgBarDemos(QVBoxLayout* layout, std::vector<Shot>& shots) {
  layout->addWidget(LiveGroup(shots));
  layout->addWidget(DirectionsGroup(shots));
  layout->addWidget(MappingGroup(shots));
  layout->addWidget(TextGroup(shots));
}

}  // namespace gallery
