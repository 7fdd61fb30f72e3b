// On/off buttons: every built-in style on and off (with a switch that
// disables them all), a radio group of three, and a speed button counting
// its presses.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMetaEnum>

#include "ProgressDemos.h"
#include "onoffbut/Vyr_onoffbut.h"

namespace gallery {
namespace {

using namespace vyr;

// The style's name without its "oobs" prefix.
QString StyleName(TOnOffButStyle style) {
  const QMetaEnum e = QMetaEnum::fromType<TOnOffButStyle>();
  return QString::fromLatin1(e.valueToKey(int(style))).mid(4);
}

QWidget* StylesGroup(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TOnOffBut: every built-in style, on and off"));
  auto* outer = new QVBoxLayout(group);
  auto* disable = new QCheckBox(QStringLiteral("Disabled"));
  outer->addWidget(disable);
  auto* grid = new QGridLayout;
  outer->addLayout(grid);
  std::vector<TOnOffBut*> buttons;
  for (int s = int(oobsCheckbox); s <= int(oobsUser5); ++s) {
    for (bool on : {true, false}) {
      auto* b = new TOnOffBut;
      b->SetButtonStyle(TOnOffButStyle(s));
      b->SetOnOff(on);
      b->SetBottomText(StyleName(TOnOffButStyle(s)));
      b->SetFrameStyle(fsNone);
      b->setFixedSize(std::max(b->GlyphWidth() + 12, 92), b->GlyphHeight() + 26);
      b->SetAutoCenter(false);
      b->SetLeftSpace((b->Width() - b->GlyphWidth()) / 2);
      b->SetTopSpace(2);
      const int i = (s - 1) * 2 + (on ? 0 : 1);
      grid->addWidget(b, i / 12, i % 12, Qt::AlignBottom);
      buttons.push_back(b);
    }
  }
  QObject::connect(disable, &QCheckBox::toggled, group, [buttons](bool off) {
    for (TOnOffBut* b : buttons) b->SetEnabled(!off);
  });
  shots.push_back({QStringLiteral("TOnOffBut-styles"), group});
  return group;
}

QWidget* GroupAndSpeedGroup(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TOnOffBut: a radio group and a speed button"));
  auto* row = new QHBoxLayout(group);
  auto* radios = new QWidget;
  auto* column = new QVBoxLayout(radios);
  const char* names[] = {"Low", "Medium", "High"};
  TOnOffBut* first = nullptr;
  for (const char* name : names) {
    auto* b = new TOnOffBut;
    b->SetButtonStyle(oobsRadioBut);
    b->SetOnOff(first == nullptr);
    b->SetRightText(QString::fromLatin1(name));
    b->SetFrameStyle(fsNone);
    b->SetMouseAction(oomaPlain);
    b->setFixedSize(120, 24);
    b->SetAutoCenter(false);
    b->SetLeftSpace(4);
    b->SetTopSpace(4);
    column->addWidget(b);
    if (first == nullptr) first = b;
  }
  for (TOnOffBut* b : radios->findChildren<TOnOffBut*>()) {
    b->SetGroupIndex(1);
    if (b != first) b->SetOnOff(false);
  }
  first->SetAllowAllOff(false);
  auto* allOff = new QCheckBox(QStringLiteral("AllowAllOff"));
  column->addWidget(allOff);
  QObject::connect(allOff, &QCheckBox::toggled, first, [first](bool on) { first->SetAllowAllOff(on); });
  row->addWidget(radios);

  auto* speed = new TOnOffBut;
  speed->SetButtonStyle(oobsButLamp);
  speed->SetMode(oobmSpeedBut);
  speed->SetTopText(QStringLiteral("Hold to light"));
  speed->setFixedSize(140, 70);
  auto* count = new QLabel(QStringLiteral("Presses: 0"));
  speed->OnClick = [count, n = 0](TObject*) mutable { count->setText(QStringLiteral("Presses: %1").arg(++n)); };
  row->addWidget(speed);
  row->addWidget(count);
  row->addStretch(1);
  shots.push_back({QStringLiteral("TOnOffBut-group"), group});
  return group;
}

}  // namespace

void AddOnOffDemos(QVBoxLayout* layout, std::vector<Shot>& shots) {
  layout->addWidget(StylesGroup(shots));
  layout->addWidget(GroupAndSpeedGroup(shots));
}

}  // namespace gallery
