// The "Report list" tab: 100,000 generated measurement rows (number, time,
// sensor, value, unit, a check column and a radio column), sortable by a
// click on a column header, with live settings for the selection mode and
// the header rows, a filter box and buttons to copy, save, load and export
// it; and a small list showing the colours of
// selected, disabled and highlighted rows with the row marker. A double
// click or Enter on a row opens the row editor, whose fields follow the
// column formats.
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "GalleryPage.h"
#include "RepListFileBar.h"
#include "host/KeyCodes.h"
#include "host/Modal.h"
#include "replist/Vyr_replist.h"

namespace gallery {
namespace {

using namespace vyr;

constexpr int kMeasurementRows = 100000;
const char* const kSensors[] = {"inlet", "outlet", "tank A", "tank B", "pump", "valve 3"};
const char* const kUnits[] = {"bar", "bar", "\u00B0C", "\u00B0C", "l/min", "%"};

// "hh:mm:ss" of a second of the day, without a date-time object per row.
QString TimeOfDay(int second) {
  const char16_t text[] = {char16_t(u'0' + second / 36000), char16_t(u'0' + second / 3600 % 10), u':',
                           char16_t(u'0' + second / 600 % 6), char16_t(u'0' + second / 60 % 10), u':',
                           char16_t(u'0' + second / 10 % 6), char16_t(u'0' + second % 10)};
  return QString(reinterpret_cast<const QChar*>(text), 8);
}

// A reading of hundredths as "d.dd", the way QString::number(v, 'f', 2) writes it.
QString Hundredths(quint32 hundredths) {
  QString text = QString::number(hundredths / 100);
  const char16_t fraction[] = {u'.', char16_t(u'0' + hundredths / 10 % 10), char16_t(u'0' + hundredths % 10)};
  return text.append(reinterpret_cast<const QChar*>(fraction), 3);
}

// 100,000 rows, generated in bulk: the few repeated texts are shared, the
// date is formatted once a day and the rest is put together from digits.
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
  QString sensors[6], units[6];
  for (int k = 0; k < 6; ++k) {
    sensors[k] = QString::fromLatin1(kSensors[k]);
    units[k] = QString::fromUtf8(kUnits[k]);
  }
  const QString inRangeText = QStringLiteral("in range"), outText = QStringLiteral("out");
  const QString ref = QStringLiteral("ref");
  const QDate start(2026, 1, 1);
  int dayShown = -1;
  QString dayText;
  quint32 seed = 12345;
  for (int r = 1; r <= kMeasurementRows; ++r) {
    seed = seed * 1664525u + 1013904223u;
    const int sensor = int(seed >> 29) % 6;
    const qint64 seconds = qint64{r} * 37;
    if (seconds / 86400 != dayShown) {
      dayShown = int(seconds / 86400);
      dayText = start.addDays(dayShown).toString(QStringLiteral("yyyy-MM-dd "));
    }
    v.SetElem(1, r, QString::number(r));
    v.SetElem(2, r, dayText + TimeOfDay(int(seconds % 86400)));
    v.SetElem(3, r, sensors[sensor]);
    v.SetElem(4, r, Hundredths(seed % 100000));
    v.SetElem(5, r, units[sensor]);
    // The text says what the mark says: a reading is in range or not.
    const bool inRange = seed % 3 != 0;
    v.SetElem(6, r, inRange ? inRangeText : outText);
    v.SetElem(7, r, ref);
    v.SetElemChecked(6, r, inRange);
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

// The row editor's fields: the number read-only, the time as a date and
// time, the sensor with suggestions, the value as a number, the unit from a
// fixed list.
void SetRowEditorFormats(TReportListView& v) {
  const char* const formats[] = {"[#i][70]",
                                 "[dyyyy-MM-dd HH:mm:ss][150]",
                                 "[c:6][110]inlet|outlet|tank A|tank B|pump|valve 3",
                                 "[f][90]",
                                 "[l][80]bar|\u00B0C|l/min|%",
                                 "[l][100]in range|out",
                                 "[s][80]"};
  for (int c = 1; c <= 7; ++c) v.SetColumnFormat(c, QString::fromUtf8(formats[c - 1]));
}

// The current row of the list in the row editor, at the given screen point.
void EditCurrentRow(TReportListView& v, QPoint at) {
  const int row = v.Row() - v.CountHeadRows() + 1;
  if (row >= 1 && row <= v.NrOfRows()) v.EditRowEntries(row, at.x(), at.y());
}

// The row editor as it opens for row 3, drawn without running it.
QLabel* RowEditorPicture(TReportListView& v, QWidget* parent) {
  auto* picture = new QLabel(parent);
  const TDialogInterceptor previous = SetDialogInterceptor([picture](QDialog& d) {
    picture->setPixmap(d.grab());
    return int(mrCancel);
  });
  v.EditRowEntries(3, 0, 0);
  SetDialogInterceptor(previous);
  picture->adjustSize();
  picture->hide();
  return picture;
}

// A small list of 7 rows under a common header with the given column
// names, left inside BeginUpdate for the caller to fill.
TReportListView* BeginSmallList(const QString& name, int width, int height, const QString& title,
                                const QStringList& names) {
  auto* v = new TReportListView;
  v->SetName(name);
  v->setFixedSize(width, height);
  v->BeginUpdate();
  v->SetNrOfColumns(int(names.size()));
  v->SetNrOfRows(7);
  v->SetCommonHeader(title);
  v->SetCommonHeaderVisible(true);
  for (int c = 1; c <= int(names.size()); ++c) v->SetHeader(c, names[c - 1]);
  return v;
}

TReportListView* MakeFeatureList() {
  TReportListView* v =
      BeginSmallList(QStringLiteral("FeatureList"), 420, 220, QStringLiteral("Calibration run 7"), {"Probe", "Reading", "Pass", "Master"});
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

// Probes with a location, a reading and a pass mark, filtered with a
// Boolean expression and sorted by the reading: the matches come first, the
// rest follow greyed out.
TReportListView* MakeFilterDemo() {
  const QString filter = QStringLiteral("tank OR pump AND NOT fail");
  TReportListView* v =
      BeginSmallList(QStringLiteral("FilterDemoList"), 380, 214, QStringLiteral("Filter: ") + filter, {"Probe", "Location", "Reading", "Pass"});
  v->SetColumnCheckMode(4, cmBox);
  v->SetColumnAlignment(3, taRightJustify);
  const char* const places[] = {"tank A", "pump room", "tank B", "valve 3", "pump house", "tank A", "outlet"};
  const char* const readings[] = {"2.31", "0.87", "3.05", "1.12", "2.76", "0.45", "1.98"};
  for (int r = 1; r <= 7; ++r) {
    v->SetElem(1, r, QStringLiteral("P-10%1").arg(r));
    v->SetElem(2, r, QString::fromLatin1(places[r - 1]));
    v->SetElem(3, r, QString::fromLatin1(readings[r - 1]));
    const bool pass = r != 2 && r != 6;
    v->SetElem(4, r, pass ? QStringLiteral("ok") : QStringLiteral("fail"));
    v->SetElemChecked(4, r, pass);
  }
  v->EndUpdate();
  v->SetColWidths(1, 70);
  v->SetColWidths(2, 110);
  v->SetColWidths(3, 80);
  v->SetRowSelectMode(0);
  v->FilterAndSort(filter, {}, true, fmBoolean, 3, false);
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
    settings->addWidget(new QLabel(QStringLiteral("Selection:")));
    settings->addWidget(mode);
    settings->addWidget(common);
    settings->addWidget(fixed);
    settings->addStretch(1);
    layout->addLayout(settings);
    auto* filterBar = new QHBoxLayout;
    auto* filterText = new QLineEdit;
    filterText->setPlaceholderText(QStringLiteral("e.g. pump AND NOT bar"));
    auto* filterMode = new QComboBox;
    filterMode->addItems({QStringLiteral("substring"), QStringLiteral("AND / OR / NOT"),
                          QStringLiteral("regular expression")});
    auto* ignoreCase = new QCheckBox(QStringLiteral("ignore case"));
    ignoreCase->setChecked(true);
    auto* apply = new QPushButton(QStringLiteral("Apply filter"));
    filterBar->addWidget(new QLabel(QStringLiteral("Filter:")));
    filterBar->addWidget(filterText, 1);
    filterBar->addWidget(filterMode);
    filterBar->addWidget(ignoreCase);
    filterBar->addWidget(apply);
    layout->addLayout(filterBar);

    FList = new TReportListView;
    FList->SetName(QStringLiteral("MeasurementList"));
    FList->setMinimumSize(300, 160);
    FList->SetCommonHeader(QStringLiteral("Measurements (click a column header to sort)"));
    FillMeasurements(*FList);
    SetRowEditorFormats(*FList);
    ScrollByWheel(*FList);
    FList->OnDblClick = [this](TObject*) { EditCurrentRow(*FList, QCursor::pos()); };
    FList->OnKeyDown = [this](TObject*, quint16& key, TShiftState) {
      if (key != VK_RETURN) return;
      key = 0;
      EditCurrentRow(*FList, FList->mapToGlobal(QPoint(40, 40)));
    };
    layout->addWidget(FList, 1);

    // The status line: counts on the left, what the filter said on the
    // right; long messages are cut here rather than widening the page.
    auto* statusLine = new QHBoxLayout;
    auto* counts = new QLabel;
    auto* filterMessage = new QLabel;
    filterMessage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    filterMessage->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusLine->addWidget(counts);
    statusLine->addWidget(filterMessage, 1);
    layout->addLayout(statusLine);
    layout->addLayout(MakeRepListFileBar(FList, filterMessage));
    auto showCounts = [this, counts](TObject*) {
      counts->setText(QStringLiteral("%1 rows, %2 enabled, %3 selected, %4 checked")
                          .arg(FList->NrOfRows())
                          .arg(FList->NumEnabledRows())
                          .arg(FList->NumSelectedRows())
                          .arg(FList->CountCheckedElemsInCol(6)));
    };
    FList->OnSelectedChange = showCounts;
    showCounts(nullptr);
    // While a filter is on, a header click sorts within the matching rows
    // and within the others, so the matches stay first.
    FList->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int X, int Y) {
      if (FFiltered && FList->MouseCell(X, Y).Y == -1)
        FList->SortEnabledState(FList->LastSortColumn(), -1, FList->LastSortOrder());
    };

    FFeatures = MakeFeatureList();
    layout->addWidget(FFeatures);

    connect(mode, &QComboBox::currentIndexChanged, this, [this](int i) { FList->SetRowSelectMode(i); });
    connect(common, &QCheckBox::toggled, this, [this](bool on) { FList->SetCommonHeaderVisible(on); });
    connect(fixed, &QCheckBox::toggled, this, [this](bool on) { FList->SetFixedFirstColumn(on); });
    // Filters over all columns and keeps the sort chosen by header clicks.
    const auto applyFilter = [this, filterText, filterMode, ignoreCase, filterMessage] {
      try {
        FList->FilterAndSort(filterText->text(), {}, ignoreCase->isChecked(), TFilterMode(filterMode->currentIndex()),
                             FList->LastSortColumn(), FList->LastSortOrder());
        FFiltered = !filterText->text().isEmpty();
        FList->SetTopRow(1);
        filterMessage->setText(QStringLiteral("%1 rows match").arg(FList->NumEnabledRows()));
      } catch (const EVyrRepListError& e) {
        filterMessage->setText(e.Message());
      }
    };
    connect(apply, &QPushButton::clicked, this, applyFilter);
    connect(filterText, &QLineEdit::returnPressed, this, applyFilter);
  }

  std::vector<Shot> Shots() override {
    FList->setFixedSize(580, 300);
    if (!FFilterDemo) {
      FFilterDemo = MakeFilterDemo();
      FFilterDemo->setParent(this);
      FFilterDemo->hide();
    }
    if (!FRowEditor) FRowEditor = RowEditorPicture(*FList, this);
    return {{QStringLiteral("TReportListView-measurements"), FList},
            {QStringLiteral("TReportListView-roweditor"), FRowEditor},
            {QStringLiteral("TReportListView-features"), FFeatures},
            {QStringLiteral("TReportListView-filter"), FFilterDemo}};
  }

 private:
  TReportListView* FList = nullptr;
  TReportListView* FFeatures = nullptr;
  TReportListView* FFilterDemo = nullptr;  // only for the snapshot
  QLabel* FRowEditor = nullptr;            // only for the snapshot
  bool FFiltered = false;
};

PageRegistration registration(60, QStringLiteral("Report list"), [] { return new RepListPage; });

}  // namespace
}  // namespace gallery
