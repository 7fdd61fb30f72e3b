// The seven-segment and dot-matrix demos of the "Labels" tab: a clock
// ticking live, readouts in other colours, and dot-matrix banners, one
// scrolling in each direction, with live settings.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTime>
#include <QTimer>

#include "LabelsDemos.h"
#include "labels/Vyr_RasterLab.h"
#include "labels/Vyr_sevenseg.h"

namespace gallery {
namespace {

using namespace vyr;

TSevenSeg* MakeReadout(const char* name, int digits, const QString& caption, TColor text, TColor background) {
  auto* s = new TSevenSeg;
  s->SetName(QString::fromLatin1(name));
  s->setFixedSize(36 * digits + 16, 76);
  s->SetNumDigits(digits);
  s->SetColorText(text);
  s->SetColorBackGnd(background);
  s->SetCaption(caption);
  return s;
}

TRasterLab* MakeBanner(const char* name, const QString& text, TRDScrollMode mode, TColor on, TColor off) {
  auto* l = new TRasterLab;
  l->SetName(QString::fromLatin1(name));
  l->setFixedWidth(600);
  l->SetDotSize(2);
  l->SetText(text);
  l->SetColorDotOn(on);
  l->SetColorDotOff(off);
  l->SetAutoHeight(true);
  l->SetScrollInterval(30);
  l->SetScrollMode(mode);
  return l;
}

// Seven-segment readouts: the clock, a temperature, a hexadecimal value.
QWidget* SevenSegRow(std::vector<Shot>& shots) {
  auto* row = new QWidget;
  auto* layout = new QHBoxLayout(row);
  TSevenSeg* clock = MakeReadout("SevenSegClock", 8, QTime::currentTime().toString(QStringLiteral("hh:mm:ss")),
                                 0x0000FF, 0x333333);
  auto* timer = new QTimer(clock);
  QObject::connect(timer, &QTimer::timeout, clock,
                   [clock] { clock->SetCaption(QTime::currentTime().toString(QStringLiteral("hh:mm:ss"))); });
  timer->start(250);
  TSevenSeg* temperature =
      MakeReadout("SevenSegTemperature", 6, QString::fromUtf8("-12.5\u00B0C"), 0x00FF80, 0x202020);
  TSevenSeg* hex = MakeReadout("SevenSegHex", 6, QStringLiteral("0A:5F.E"), 0x00C0FF, 0x101010);
  hex->SetFrameStyle(fsRaised);
  layout->addWidget(clock);
  layout->addWidget(temperature);
  layout->addWidget(hex);
  layout->addStretch();
  shots.push_back({QStringLiteral("TSevenSeg-clock"), clock});
  shots.push_back({QStringLiteral("TSevenSeg-readouts"), row});
  return row;
}

class BannerBoard : public QWidget {
 public:
  explicit BannerBoard(std::vector<Shot>& shots) {
    auto* layout = new QVBoxLayout(this);
    auto* settings = new QHBoxLayout;
    auto* loop = new QCheckBox(QStringLiteral("Loop"));
    loop->setChecked(true);
    auto* speed = new QSpinBox;
    speed->setRange(10, 500);
    speed->setValue(30);
    speed->setSuffix(QStringLiteral(" ms"));
    auto* block = new QComboBox;
    block->addItems({QStringLiteral("Blocks"), QStringLiteral("Raster"), QStringLiteral("No dark dots")});
    auto* font = new QCheckBox(QStringLiteral("Sampled font (DejaVu Sans 9)"));
    settings->addWidget(new QLabel(QStringLiteral("Dot-matrix banners:")));
    settings->addWidget(loop);
    settings->addWidget(new QLabel(QStringLiteral("Tick")));
    settings->addWidget(speed);
    settings->addWidget(block);
    settings->addWidget(font);
    settings->addStretch();
    layout->addLayout(settings);

    banners = {
        MakeBanner("BannerLeft", QStringLiteral("<<< Scrolling left: 12.5 V, 3.2 A, 40 W"), rdsmLeft, 0x00FF00, 0x303030),
        MakeBanner("BannerRight", QStringLiteral("Scrolling right >>>"), rdsmRight, 0x00C0FF, 0x303030),
        MakeBanner("BannerDown", QString::fromUtf8("Down: Temp 21.5\u00B0C"), rdsmDown, 0x4040FF, 0x202040),
        MakeBanner("BannerUp", QString::fromUtf8("Up: \u00C4\u00D6\u00DC \u00E4\u00F6\u00FC \u00DF \u00A9 \u00B1 \u00B5"),
                   rdsmUp, 0xFFFFFF, 0x383838),
    };
    const char* shotNames[] = {"TRasterLab-left", "TRasterLab-right", "TRasterLab-down", "TRasterLab-up"};
    for (size_t i = 0; i < banners.size(); ++i) {
      layout->addWidget(banners[i]);
      shots.push_back({QString::fromLatin1(shotNames[i]), banners[i]});
    }
    shots.push_back({QStringLiteral("TRasterLab-banners"), this});
    auto* still = new TRasterLab;
    still->SetName(QStringLiteral("RasterDefault"));
    layout->addWidget(still);
    shots.push_back({QStringLiteral("TRasterLab-default"), still});

    connect(loop, &QCheckBox::toggled, this, [this](bool on) {
      for (TRasterLab* b : banners) b->SetScrollLoop(on);
    });
    connect(speed, &QSpinBox::valueChanged, this, [this](int ms) {
      for (TRasterLab* b : banners) b->SetScrollInterval(ms);
    });
    connect(block, &QComboBox::currentIndexChanged, this, [this](int index) {
      const TRDBlockMode modes[] = {rdbmOn, rdbmRaster, rdbmOff};
      for (TRasterLab* b : banners) b->SetCharBlockMode(modes[index]);
    });
    connect(font, &QCheckBox::toggled, this, [this](bool on) {
      for (TRasterLab* b : banners) {
        TFont f = b->Font();
        f.Name = on ? QStringLiteral("DejaVu Sans") : QStringLiteral("default");
        f.Size = 9;
        b->SetFont(f);
      }
    });
  }

 private:
  std::vector<TRasterLab*> banners;
};

}  // namespace

void AddSegRasterDemos(QVBoxLayout* layout, std::vector<Shot>& shots) {
  layout->addWidget(new QLabel(QStringLiteral("Seven-segment readouts (the clock ticks live):")));
  layout->addWidget(SevenSegRow(shots));
  layout->addWidget(new BannerBoard(shots));
}

}  // namespace gallery
