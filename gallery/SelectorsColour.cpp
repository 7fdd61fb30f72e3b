// Colour selectors, colour buttons and repeating buttons of the
// "Selectors" tab.
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include "SelectorsDemos.h"
#include "foundation/ColorNames.h"
#include "foundation/ColorUtils.h"
#include "host/ColorDialog.h"
#include "smallctl/Vyr_Colbut.h"
#include "smallctl/Vyr_Colsel.h"
#include "smallctl/Vyr_repsbut.h"

namespace gallery {
namespace {

using namespace vyr;

void AddColorSelectors(QVBoxLayout* layout, std::vector<Shot>& shots) {
  auto* box = new QGroupBox(QStringLiteral("Colour selectors (press the marked bar of an entry to edit it)"));
  auto* row = new QHBoxLayout(box);
  auto* standard = new TColSel;
  standard->LoadStandardPalette();
  for (int i = 17; i <= 20; ++i) standard->SetArrayAllowEdit(i, true);
  standard->SetSelColor(clTeal);
  auto* system = new TColSel;
  system->LoadWindowsSystemPalette();
  system->SetColorBarWidth(44);
  auto* chosen = new QLabel;
  auto show = [chosen, standard](TObject*) {
    chosen->setText(QStringLiteral("chosen: %1").arg(ColorToString(standard->SelColor())));
  };
  show(nullptr);
  standard->OnChange = show;
  row->addWidget(standard);
  row->addWidget(system);
  row->addWidget(chosen, 1);
  layout->addWidget(box);
  shots.push_back({QStringLiteral("TColSel-standard"), standard});
  shots.push_back({QStringLiteral("TColSel-system"), system});
}

void AddColorButtons(QVBoxLayout* layout, std::vector<Shot>& shots) {
  auto* box = new QGroupBox(QStringLiteral("Colour buttons (hover lightens, click chooses)"));
  auto* row = new QHBoxLayout(box);
  auto* dialog = new TColorDialog(box);
  const std::pair<TColor, const char*> swatches[] = {
      {clNavy, "Trace"}, {clYellow, "Marker"}, {clBlack, "Grid"}, {clWhite, ""}};
  auto* status = new QLabel;
  for (const auto& [color, caption] : swatches) {
    auto* button = new TColorButton;
    button->SetColor(color);
    button->SetCaption(QString::fromLatin1(caption));
    TFont font = button->Font();
    font.Color = ColorToGray(color) <= 96 ? clWhite : clBlack;
    button->SetFont(font);
    button->SetColorDialog(dialog);
    button->setMinimumSize(64, 28);
    button->OnChange = [status, button](TObject*) {
      status->setText(QStringLiteral("%1 is now %2").arg(button->Caption(), ColorToString(button->Color())));
    };
    row->addWidget(button);
    if (color == clNavy) shots.push_back({QStringLiteral("TColorButton-swatch"), button});
  }
  row->addWidget(status, 1);
  layout->addWidget(box);
}

void AddRepeatButtons(QVBoxLayout* layout, std::vector<Shot>& shots) {
  auto* box = new QGroupBox(QStringLiteral("Repeating buttons (hold to count)"));
  auto* row = new QHBoxLayout(box);
  auto* count = new QLabel(QStringLiteral("0"));
  count->setMinimumWidth(60);
  count->setAlignment(Qt::AlignCenter);
  auto* value = new int(0);
  QObject::connect(box, &QObject::destroyed, [value] { delete value; });
  auto step = [count, value](int by) {
    return [count, value, by](TObject*) { count->setText(QString::number(*value += by)); };
  };
  auto* down = new TRepSpeedButton;
  down->SetCaption(QStringLiteral("-"));
  down->OnClick = step(-1);
  down->SetOnRepeatClick(step(-1));
  auto* up = new TRepSpeedButton;
  up->SetCaption(QStringLiteral("+"));
  up->OnClick = step(1);
  up->SetOnRepeatClick(step(1));
  auto* fast = new TRepSpeedButton;
  fast->SetCaption(QStringLiteral("+10 fast"));
  fast->SetFlat(true);
  fast->SetStartClickInterval(300);
  fast->SetRepeatClickInterval(50);
  fast->OnClick = step(10);
  fast->SetOnRepeatClick(step(10));
  for (auto* b : {down, up, fast}) b->setFixedSize(b->sizeHint());
  row->addWidget(down);
  row->addWidget(count);
  row->addWidget(up);
  row->addWidget(fast);
  row->addStretch(1);
  layout->addWidget(box);
  shots.push_back({QStringLiteral("TRepSpeedButton-counter"), up});
}

}  // namespace

void AddColourDemos(QVBoxLayout* layout, std::vector<Shot>& shots) {
  AddColorSelectors(layout, shots);
  AddColorButtons(layout, shots);
  AddRepeatButtons(layout, shots);
}

}  // namespace gallery
