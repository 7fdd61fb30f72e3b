// The "Overview" tab, shown first: a small instrument panel. A numeric field
// sets a level; each value it reports through OnChange moves the meter's
// needle, shows on the seven-segment readout and the progress bar, and is
// logged as a row (step, time, value) in the report list, newest on top.
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTime>
#include <QVBoxLayout>
#include <limits>

#include "GalleryPage.h"
#include "labels/Vyr_sevenseg.h"
#include "meter/Vyr_Meter.h"
#include "numio/Vyr_NumIO.h"
#include "progbar/Vyr_ProgBar.h"
#include "replist/Vyr_replist.h"

namespace gallery {
namespace {

using namespace vyr;

constexpr double kLow = 0, kHigh = 100;
constexpr int kColumnWidth = 220;  // of the field, the readout and the bar

class OverviewPage : public GalleryPage {
 public:
  OverviewPage() {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral(
        "Type a level (0..100), click the spin buttons or drag the gauge under the field.")));
    panel = new QGroupBox(QStringLiteral("Tank level"));
    auto* grid = new QGridLayout(panel);
    grid->addWidget(BuildField(), 0, 0);
    grid->addWidget(BuildReadout(), 1, 0);
    grid->addWidget(BuildBar(), 2, 0);
    grid->addWidget(BuildMeter(), 0, 1, 3, 1);
    grid->addWidget(BuildLog(), 0, 2, 3, 1);
    layout->addWidget(panel, 0, Qt::AlignLeft);
    layout->addStretch();
    // A few values typed in already, so that the panel opens with a history.
    for (double v : {12.5, 38.0, 61.5, 47.0, 72.5}) {
      field->SetValue(v);
      field->Changed();
    }
  }

  std::vector<Shot> Shots() override { return {{QStringLiteral("Overview-panel"), panel}}; }

 private:
  TNumIO2* BuildField() {
    field = new TNumIO2;
    field->SetName(QStringLiteral("LevelField"));
    field->setFixedSize(kColumnWidth, 44);
    field->SetInputFormat(itFixPoint);
    field->SetFixPointDecPlaces(1);
    field->SetRangeLow(kLow);
    field->SetRangeHigh(kHigh);
    field->SetLeftSpace(50);
    field->SetLeftText(QStringLiteral("Level"));
    field->SetTextBoxWidth(110);
    field->SetRightText(QStringLiteral("%"));
    field->SetButVisible(true);
    field->SetButIncrem(2.5);
    field->SetGaugeVisible(true);
    field->SetGaugeLeftMargin(50);
    field->SetGaugeWidth(110);
    field->OnChange = [this](TObject*) { Show(field->Value()); };
    return field;
  }

  TSevenSeg* BuildReadout() {
    readout = new TSevenSeg;
    readout->SetName(QStringLiteral("LevelReadout"));
    readout->SetNumDigits(5);
    readout->setFixedSize(kColumnWidth, 76);
    readout->SetColorText(0x00FF80);
    readout->SetColorBackGnd(0x202020);
    return readout;
  }

  TProgBar* BuildBar() {
    bar = new TProgBar;
    bar->SetName(QStringLiteral("LevelBar"));
    bar->setFixedSize(kColumnWidth, 28);
    bar->SetMin(kLow);
    bar->SetMax(kHigh);
    bar->SetShowColorGradient(true);
    bar->SetTextPosX(kColumnWidth / 2);
    bar->SetTextPosY(14);
    bar->OnShowValue = [](TObject*, QString& text) { text += QStringLiteral(" %"); };
    return bar;
  }

  TMeter* BuildMeter() {
    meter = new TMeter;
    meter->SetName(QStringLiteral("LevelMeter"));
    meter->setFixedSize(260, 200);
    meter->SetMeterLayout(mlCirc270);
    meter->SetMeterMaxValue(kHigh);
    meter->SetMeterMinValue(kLow);
    meter->SetThresholdLow(15);
    meter->SetThresholdHigh(85);
    meter->SetScaleBkVisible(true);
    meter->SetScaleBkWidth(10);
    meter->SetMeterNrTicks(10);
    meter->SetMeterDecPlaces(0);
    meter->SetCaption(QStringLiteral("%"));
    return meter;
  }

  TReportListView* BuildLog() {
    log = new TReportListView;
    log->SetName(QStringLiteral("LevelLog"));
    log->setFixedSize(300, 200);
    log->SetNrOfColumns(3);
    log->SetNrOfRows(0);
    const char* const names[] = {"Step", "Time", "Level %"};
    const int widths[] = {60, 110, 110};  // with room for the scroll bar
    for (int c = 1; c <= 3; ++c) {
      log->SetHeader(c, QString::fromLatin1(names[c - 1]));
      log->SetColWidths(c, widths[c - 1]);
    }
    log->SetColumnAlignment(1, taRightJustify);
    log->SetColumnAlignment(3, taRightJustify);
    return log;
  }

  // Keys that leave the value as it was (a decimal point, say) log nothing.
  void Show(double value) {
    if (value == shown) return;
    shown = value;
    meter->SetValue(value);
    readout->ShowValue(value, 1);
    bar->SetValue(value);
    // The newest row goes on top, so that it is in view without scrolling.
    const int row = log->InsertRow(1);
    log->SetElem(1, row, QString::number(++steps));
    log->SetElem(2, row, QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    log->SetElem(3, row, QString::number(value, 'f', 1));
  }

  QGroupBox* panel;
  TNumIO2* field;
  TSevenSeg* readout;
  TProgBar* bar;
  TMeter* meter;
  TReportListView* log;
  int steps = 0;
  double shown = std::numeric_limits<double>::quiet_NaN();
};

PageRegistration registration(-10, QStringLiteral("Overview"), [] { return new OverviewPage; });

}  // namespace
}  // namespace gallery
