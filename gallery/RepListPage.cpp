// The "Report list" tab: 100,000 generated measurement rows (number, time,
// sensor, value, unit, a check column and a radio column), sortable by a
// click on a column header, with live settings for the selection mode and
// the header rows; and a small list showing the colours of selected,
// disabled and highlighted rows with the row marker.
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "GalleryPage.h"
#include "replist/Vyr_replist.h"

namespace gallery {
namespace {

using namespace vyr;

constexpr int kMeasurementRows = 100000;
const char* const kSensors[] = {"inlet", "outlet", "tank A", "tank B", "pump", "valve 3"};
const char* const kUnits[] = {"bar", "bar", "\u00B0C", "\u00B0C", "l/min", "%"};

void FillMeasurements(TReportListView& v) {
  v.BeginUpdate();
  v.SetNrOfColumns(7);
  const char* const names[] = {"Nr", "Time", "Sensor", "Value", "Unit", "OK", "Ref"};
  for (int c = 1; c <= 7; ++c) v.SetHeader(c, QString::fromLatin1(names[c - 1]));
  v.SetColumnCheckMode(6, cmBox);
  v.SetColumnCheckMode(7, cmRadio);
  v.SetColumnAlignment(1, taRightJustify);
  v.SetColumnAlignment(4, taRightJustify);
  v.SetNrOfRows(kMeasurementRows);
  const QDateTime start(QDate(2026, 1, 1), QTime(0, 0));
  quint32 seed = 12345;
  for (int r = 1; r <= kMeasurementRows; ++r) {
    seed = seed * 1664525u + 1013904223u;
    const int sensor = int(seed >> 29) % 6;
    v.SetElem(1, r, QString::number(r));
    v.SetElem(2, r, start.addSecs(qint64{r} * 37).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    v.SetElem(3, r, QString::fromLatin1(kSensors[sensor]));
    v.SetElem(4, r, QString::number(double(seed % 100000) / 100.0, 'f', 2));
    v.SetElem(5, r, QString::fromUtf8(kUnits[sensor]));
    v.SetElem(6, r, QStringLiteral("checked"));
    v.SetElem(7, r, QStringLiteral("ref"));
    v.SetElemChecked(6, r, seed % 3 != 0);
  }
  v.SetElemChecked(7, 1, true);
  v.EndUpdate();
  const int widths[] = {60, 140, 70, 70, 50, 80, 60};
  for (int c = 1; c <= 7; ++c) v.SetColWidths(c, widths[c - 1]);
}

// Scrolls by three rows per wheel step; the list leaves the wheel to us.
void ScrollByWheel(TReportListView& v) {
  v.OnMouseWheelDown = [&v](TObject*, TShiftState, TPoint, bool& handled) {
    v.SetTopRow(v.TopRow() + 3);
    handled = true;
  };
  v.OnMouseWheelUp = [&v](TObject*, TShiftState, TPoint, bool& handled) {
    v.SetTopRow(v.TopRow() - 3);
    handled = true;
  };
}

TReportListView* MakeFeatureList() {
  auto* v = new TReportListView;
  v->setFixedSize(420, 220);
  v->BeginUpdate();
  v->SetNrOfColumns(4);
  v->SetNrOfRows(7);
  v->SetCommonHeader(QStringLiteral("Calibration run 7"));
  v->SetCommonHeaderVisible(true);
  const char* const names[] = {"Probe", "Reading", "Pass", "Master"};
  for (int c = 1; c <= 4; ++c) v->SetHeader(c, QString::fromLatin1(names[c - 1]));
  v->SetColumnCheckMode(3, cmBox);
  v->SetColumnCheckMode(4, cmRadio);
  v->SetColumnAlignment(2, taRightJustify);
  for (int r = 1; r <= 7; ++r) {
    v->SetElem(1, r, QStringLiteral("Probe %1 with a rather long description").arg(r));
    v->SetElem(2, r, QString::number(1.25 * r * r, 'f', 3));
    v->SetElem(3, r, r % 2 ? QStringLiteral("yes") : QStringLiteral("no"));
    v->SetElemChecked(3, r, r % 2);
    v->SetElem(4, r, QStringLiteral("use"));
  }
  v->SetElemChecked(4, 3, true);
  v->EndUpdate();
  v->SetColWidths(1, 150);
  v->SetColWidths(2, 80);
  v->SetRowSelected(2, true);
  v->SetRowEnabled(5, false);
  v->SetHighLightRow(4);
  v->SetInterRowIndicatorPos(7);
  v->Sort(2, -1, false);
  return v;
}

class RepListPage : public GalleryPage {
 public:
  RepListPage() {
    auto* layout = new QVBoxLayout(this);
    auto* settings = new QHBoxLayout;
    auto* mode = new QComboBox;
    mode->addItems({QStringLiteral("no row selection"), QStringLiteral("single row"), QStringLiteral("multiple rows")});
    mode->setCurrentIndex(1);
    auto* common = new QCheckBox(QStringLiteral("common header"));
    auto* fixed = new QCheckBox(QStringLiteral("fixed first column"));
    auto* status = new QLabel;
    settings->addWidget(new QLabel(QStringLiteral("Selection:")));
    settings->addWidget(mode);
    settings->addWidget(common);
    settings->addWidget(fixed);
    settings->addWidget(status, 1);
    layout->addLayout(settings);

    FList = new TReportListView;
    FList->setMinimumSize(580, 300);
    FList->SetCommonHeader(QStringLiteral("Measurements (click a column header to sort)"));
    FillMeasurements(*FList);
    ScrollByWheel(*FList);
    auto showStatus = [this, status](TObject*) {
      status->setText(QStringLiteral("%1 rows, %2 selected, %3 checked")
                          .arg(FList->NrOfRows())
                          .arg(FList->NumSelectedRows())
                          .arg(FList->CountCheckedElemsInCol(6)));
    };
    FList->OnSelectedChange = showStatus;
    showStatus(nullptr);
    layout->addWidget(FList, 1);

    FFeatures = MakeFeatureList();
    layout->addWidget(FFeatures);

    connect(mode, &QComboBox::currentIndexChanged, this, [this](int i) { FList->SetRowSelectMode(i); });
    connect(common, &QCheckBox::toggled, this, [this](bool on) { FList->SetCommonHeaderVisible(on); });
    connect(fixed, &QCheckBox::toggled, this, [this](bool on) { FList->SetFixedFirstColumn(on); });
  }

  QString Title() const override { return QStringLiteral("Report list"); }
  std::vector<Shot> Shots() override {
    FList->setFixedSize(580, 300);
    return {{QStringLiteral("TReportListView-measurements"), FList},
            {QStringLiteral("TReportListView-features"), FFeatures}};
  }

 private:
  TReportListView* FList = nullptr;
  TReportListView* FFeatures = nullptr;
};

PageRegistration registration(60, [] { return new RepListPage; });

}  // namespace
}  // namespace gallery
