// The "Meter" tab: one meter in each dial layout, linear and logarithmic,
// with zones, lamps and a peak-hold second needle. A slider moves every
// needle live; moving the mouse over a meter shows the value under it.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>
#include <vector>

#include "GalleryPage.h"
#include "meter/Vyr_Meter.h"

namespace gallery {
namespace {

using namespace vyr;

constexpr int kSliderSteps = 1000;

struct MeterSetup {
  const char* shot;
  TMeterLayout layout;
  double min, max, low, high;
  bool logarithmic;
  int ticks, decimals;
  const char* caption;
};

const MeterSetup kSetups[] = {
    {"TMeter-circ90", mlCirc90, 0, 1, 0.2, 0.8, false, 3, 1, "Volt"},
    {"TMeter-log", mlCirc120, 1, 1000, 2, 500, true, 3, 0, "Hz"},
    {"TMeter-circ180", mlCirc180, -50, 50, -30, 30, false, 4, 0, "\u00B0C"},
    {"TMeter-circ270", mlCirc270, 0, 100, 15, 85, false, 10, 0, "kPa"},
    {"TMeter-circ300", mlCirc300, 0, 8, 0, 6.5, false, 8, 0, "rpm x1000"},
    {"TMeter-circ360", mlCirc360, 0, 12, 0, 12, false, 12, 0, "h"},
};

TMeter* MakeMeter(const MeterSetup& s) {
  auto* m = new TMeter;
  // "TMeter-circ90" names the meter "MeterCirc90".
  QString suffix = QString::fromLatin1(s.shot).section(u'-', 1);
  suffix[0] = suffix[0].toUpper();
  m->SetName(QStringLiteral("Meter") + suffix);
  m->setFixedSize(280, 200);
  m->SetMeterLayout(s.layout);
  m->SetMeterMaxValue(s.max);
  m->SetMeterMinValue(s.min);
  m->SetLogarithmic(s.logarithmic);
  m->SetThresholdHigh(s.high);
  m->SetThresholdLow(s.low);
  m->SetMeterNrTicks(s.ticks);
  m->SetMeterDecPlaces(s.decimals);
  m->SetCaption(QString::fromUtf8(s.caption));
  m->SetScaleBkVisible(s.low > s.min || s.high < s.max);
  m->SetScaleBkWidth(12);
  TNeedleLayout peak;
  peak.Assign(m->NeedleLayoutSec());
  peak.SetColorBody(0x4040FF);
  peak.SetColorOutline(0x000080);
  peak.SetHeadSize(10);
  peak.SetHeadMidLeng(10);
  peak.SetPercentNeedleLength(90);
  m->SetNeedleLayoutSec(peak);
  return m;
}

// The value at a fraction of the meter's scale.
double ValueAt(const TMeter& m, double fraction) {
  return TScaleRange{m.MeterMinValue(), m.MeterMaxValue(), m.Logarithmic()}.ValueAt(fraction);
}

class MeterPage : public GalleryPage {
 public:
  MeterPage() {
    auto* layout = new QVBoxLayout(this);
    auto* settings = new QHBoxLayout;
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setRange(0, kSliderSteps);
    auto* peak = new QCheckBox(QStringLiteral("Peak needle"));
    auto* zones = new QCheckBox(QStringLiteral("Zones"));
    zones->setChecked(true);
    pointer = new QLabel(QStringLiteral("Move the mouse over a meter"));
    settings->addWidget(new QLabel(QStringLiteral("Value")));
    settings->addWidget(slider, 1);
    settings->addWidget(peak);
    settings->addWidget(zones);
    layout->addLayout(settings);
    layout->addWidget(pointer);
    board = new QWidget;
    auto* grid = new QGridLayout(board);
    for (const MeterSetup& s : kSetups) {
      TMeter* m = MakeMeter(s);
      m->OnMouseMoveInMeter = [this, m](TObject*, bool within, TShiftState, double value) {
        pointer->setText(within ? QStringLiteral("%1: %2").arg(m->Caption()).arg(value, 0, 'g', 4)
                                : QStringLiteral("%1: outside the scale").arg(m->Caption()));
      };
      grid->addWidget(m, int(meters.size()) / 3, int(meters.size()) % 3);
      meters.push_back(m);
      shots.push_back({QString::fromLatin1(s.shot), m});
    }
    layout->addWidget(board);
    layout->addStretch();
    shots.push_back({QStringLiteral("TMeter-all"), board});

    connect(slider, &QSlider::valueChanged, this, [this](int step) { MoveNeedles(double(step) / kSliderSteps); });
    connect(peak, &QCheckBox::toggled, this, [this](bool on) {
      for (TMeter* m : meters) {
        m->SetValueSec(m->Value());
        m->NeedleLayoutSec().SetVisible(on);
      }
    });
    connect(zones, &QCheckBox::toggled, this, [this](bool on) {
      for (TMeter* m : meters) m->SetScaleBkVisible(on && (m->ThresholdLow() > m->MeterMinValue() ||
                                                           m->ThresholdHigh() < m->MeterMaxValue()));
    });
    // A picture worth looking at: needles well inside the scale, peaks beyond.
    MoveNeedles(0.9);
    peak->setChecked(true);
    slider->setValue(kSliderSteps * 62 / 100);
  }

  std::vector<Shot> Shots() override { return shots; }

 private:
  void MoveNeedles(double fraction) {
    for (TMeter* m : meters) {
      const double value = ValueAt(*m, fraction);
      m->SetValue(value);
      if (value > m->ValueSec()) m->SetValueSec(value);
    }
  }

  QLabel* pointer;
  QWidget* board;
  std::vector<TMeter*> meters;
  std::vector<Shot> shots;
};

PageRegistration registration(50, QStringLiteral("Meter"), [] { return new MeterPage; });

}  // namespace
}  // namespace gallery
