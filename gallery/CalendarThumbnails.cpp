// Thumbnail strips: 10,000 slides drawn on request (a coloured pattern with
// the slide's number, portrait or landscape, every seventh marked), with
// selection by mouse and keys in single or multiple mode; and a small strip
// showing each way a slide can be shown.
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "CalendarDemos.h"
#include "thumbnails/Vyr_Thumbnails.h"

namespace gallery {
namespace {

using namespace vyr;

constexpr int kSlides = 10000;

// Slide id's picture: a wash of its own hue with rings and its number;
// every third slide is portrait.
void DrawSlide(TBitmap& image, int id) {
  const bool portrait = id % 3 == 0;
  const int w = portrait ? 90 : 160, h = portrait ? 120 : 100;
  image.SetSize(w, h);
  TCanvas& c = image.Canvas();
  const QColor base = QColor::fromHsv((id * 37) % 360, 120, 235);
  c.Pen = TPen{FromQColor(base)};
  c.Brush = TBrush{FromQColor(base), bsSolid};
  c.Rectangle(0, 0, w, h);
  c.Brush.Style = bsClear;
  c.Pen = TPen{FromQColor(base.darker(130)), 3};
  for (int r = 12; r < w; r += 16) c.Ellipse(w / 2 - r, h / 2 - r, w / 2 + r, h / 2 + r);
  c.Font.Size = 16;
  c.Font.Style = fsBold;
  c.Font.Color = FromQColor(base.darker(250));
  const QString number = QString::number(id);
  c.TextOut((w - c.TextWidth(number)) / 2, (h - c.TextHeight(number)) / 2, number);
}

QString SelectionText(const TThumbnails* strip) {
  const int count = strip->NumSlidesSelected();
  if (count == 0) return QStringLiteral("Nothing selected");
  if (count == 1) return QStringLiteral("Selected: slide %1").arg(strip->FirstSelectedSlide());
  return QStringLiteral("Selected: %1 slides from %2").arg(count).arg(strip->FirstSelectedSlide());
}

QWidget* LargeStrip(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("TThumbnails: 10,000 slides, click or use the keys"));
  auto* layout = new QVBoxLayout(group);
  auto* strip = new TThumbnails;
  strip->SetName(QStringLiteral("Thumbnails"));
  strip->setFixedSize(300, 420);
  strip->SetSlideSize(120);
  strip->SetMax(kSlides);
  strip->SetAntiAlias(true);
  strip->SetColorMark(clRed);
  strip->OnImageRequest = [](TObject*, int id, TImageRequestProcessing& how, int& mark, TBitmap*& image) {
    how = irpShowSlide;
    DrawSlide(*image, id);
    if (id % 7 == 0) mark = 20 + (id / 7) % 19;
  };
  auto* status = new QLabel;
  auto* multiple = new QCheckBox(QStringLiteral("Multiple selection (Ctrl toggles, Shift extends)"));
  strip->OnSelectionChange = [strip, status](TObject*) { status->setText(SelectionText(strip)); };
  strip->OnImageDblClick = [status](TObject*, int, int, int id) {
    if (id != 0) status->setText(QStringLiteral("Opened slide %1").arg(id));
  };
  QObject::connect(multiple, &QCheckBox::toggled, strip, [strip, status](bool on) {
    strip->SetSlideSelectMode(on ? ssmMultiple : ssmSingle);
    status->setText(SelectionText(strip));
  });
  strip->SetSlideSelected(3, true);
  strip->SetFirstThumbIdx(1.5);  // a quarter of a row scrolled up
  status->setText(SelectionText(strip));
  layout->addWidget(multiple);
  layout->addWidget(strip);
  layout->addWidget(status);
  shots.push_back({QStringLiteral("TThumbnails-strip"), strip});
  return group;
}

// One slide per processing choice: number box, image, frame only, nothing;
// then a selected slide and a marked one.
QWidget* ChoicesStrip(std::vector<Shot>& shots) {
  auto* group = new QGroupBox(QStringLiteral("Number box, image, frame only, nothing, selected, marked"));
  auto* layout = new QVBoxLayout(group);
  auto* strip = new TThumbnails;
  strip->SetName(QStringLiteral("ThumbnailChoices"));
  strip->setFixedSize(276, 230);
  strip->SetSlideSize(70);
  strip->SetSlideMargin(5);
  strip->SetSlideDistance(6);
  strip->SetMax(6);
  strip->SetFocusLinewidth(2);
  strip->OnImageRequest = [](TObject*, int id, TImageRequestProcessing& how, int& mark, TBitmap*& image) {
    static constexpr TImageRequestProcessing kHow[] = {irpShowEmpty,   irpShowSlide,     irpShowFrameOnly,
                                                       irpShowNothing, irpShowFrameOnly, irpShowSlide};
    how = kHow[(id - 1) % 6];
    if (how == irpShowSlide) DrawSlide(*image, id == 2 ? 3 : id);
    if (id == 6) mark = 41;
  };
  strip->SetSlideSelected(5, true);
  layout->addWidget(strip);
  shots.push_back({QStringLiteral("TThumbnails-choices"), strip});
  return group;
}

CalendarSection section(20, [](QBoxLayout* layout, std::vector<Shot>& shots) {
  layout->addWidget(LargeStrip(shots));
  layout->addWidget(ChoicesStrip(shots));
});

}  // namespace
}  // namespace gallery
