// The "Numeric input" tab: TNumIO2 fields in every input format, one with
// spin buttons jumping between preferred values, one with a gauge, one out
// of range and one disabled, with live settings and a read-out of the
// values the fields report; and the edit-based fields beside them.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "GalleryPage.h"
#include "NumIODemos.h"
#include "numio/Vyr_NumIO.h"

namespace gallery {
namespace {

using namespace vyr;

constexpr int kFieldWidth = 380;
constexpr int kRowHeight = 34;

struct FormatRow {
  const char* caption;
  TInFormat format;
  double value;
  const char* unit;
};

const FormatRow kFormats[] = {
    {"Exp", itExp, 1234.5, "V"},     {"Float", itFloat, 3.14159, "m"}, {"FixPoint", itFixPoint, 12.5, "kg"},
    {"Int", itInt, 42, "pcs"},       {"Hex", itHex, 48879, "addr"},    {"Oct", itOct, 420, "mode"},
    {"Bin", itBin, 165, "bits"},     {"Dynamic", itDynamic, 31, "any"},
};

// A field at a fixed place in its parent, with a caption on each side.
TNumIO2* PlaceField(QWidget* parent, int row, const QString& left, const QString& right) {
  auto* field = new TNumIO2(parent);
  // Named after its caption ("Rate" gives "RateField"), so messages name it.
  QString name = left;
  name.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9]")));
  field->SetName(name + QStringLiteral("Field"));
  field->SetBounds(8, 8 + row * kRowHeight, kFieldWidth, 28);
  field->SetLeftSpace(70);
  field->SetTextBoxWidth(250);
  field->SetLeftText(left);
  field->SetRightText(right);
  return field;
}

class NumIOPage : public GalleryPage {
 public:
  NumIOPage() {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildSettings());
    auto* columns = new QHBoxLayout;
    columns->addWidget(BuildFormats());
    auto* right = new QVBoxLayout;
    right->addWidget(BuildSpin());
    right->addWidget(BuildGauge());
    right->addWidget(BuildStates());
    right->addStretch();
    columns->addLayout(right);
    readout = new QLabel(QStringLiteral("Type into a field, click its spin buttons or drag its gauge."));
    edits = BuildNumIOEditDemo(readout);
    auto* third = new QVBoxLayout;
    third->addWidget(edits);
    third->addStretch();
    columns->addLayout(third);
    layout->addLayout(columns);
    layout->addWidget(readout);
    layout->addStretch();
  }

  std::vector<Shot> Shots() override {
    return {{QStringLiteral("TNumIO2-formats"), formats},
            {QStringLiteral("TNumIO2-spin"), spin},
            {QStringLiteral("TNumIO2-gauge"), gauge},
            {QStringLiteral("TNumIO2-states"), states},
            {QStringLiteral("TNumIO-fields"), edits}};
  }

 private:
  QHBoxLayout* BuildSettings() {
    auto* settings = new QHBoxLayout;
    auto* readOnly = new QCheckBox(QStringLiteral("Read-only"));
    auto* alignment = new QComboBox;
    alignment->addItems({QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Centre")});
    alignment->setCurrentIndex(taCenter);
    auto* scheme = new QCheckBox(QStringLiteral("System line colours"));
    settings->addWidget(readOnly);
    settings->addWidget(new QLabel(QStringLiteral("Alignment")));
    settings->addWidget(alignment);
    settings->addWidget(scheme);
    settings->addStretch();
    connect(readOnly, &QCheckBox::toggled, this, [this](bool on) {
      for (TNumIO2* f : all) f->SetReadOnly(on);
    });
    connect(alignment, &QComboBox::currentIndexChanged, this, [this](int index) {
      for (TNumIO2* f : all) f->SetAlignment(TAlignment(index));
    });
    connect(scheme, &QCheckBox::toggled, this, [this](bool on) {
      for (TNumIO2* f : all) f->SetColorScheme(on ? csSystem : csFixed);
    });
    return settings;
  }

  QGroupBox* BuildFormats() {
    formats = new QGroupBox(QStringLiteral("Input formats"));
    formats->setFixedSize(kFieldWidth + 16, 8 * kRowHeight + 24);
    auto* inner = new QWidget(formats);
    inner->setGeometry(0, 16, kFieldWidth + 16, 8 * kRowHeight + 8);
    int row = 0;
    for (const FormatRow& f : kFormats) {
      TNumIO2* field = PlaceField(inner, row++, QString::fromLatin1(f.caption), QString::fromLatin1(f.unit));
      field->SetInputFormat(f.format);
      field->SetRangeLow(-1e9);
      field->SetRangeHigh(1e9);
      field->SetValue(f.value);
      Track(field);
    }
    return formats;
  }

  QGroupBox* BuildSpin() {
    auto* box = new QGroupBox(QStringLiteral("Spin buttons with pivots 0, 10, 20, 50, 100"));
    box->setFixedSize(kFieldWidth + 16, kRowHeight + 24);
    spin = PlaceField(box, 0, QStringLiteral("Rate"), QStringLiteral("Hz"));
    spin->move(8, 22);
    spin->SetTextBoxWidth(200);
    spin->SetButVisible(true);
    spin->ButtonPivots = {0, 10, 20, 50, 100};
    spin->SetValue(20);
    Track(spin);
    return box;
  }

  QGroupBox* BuildGauge() {
    auto* box = new QGroupBox(QStringLiteral("Gauge (click or drag) and spin buttons"));
    box->setFixedSize(kFieldWidth + 16, 44 + 24);
    gauge = PlaceField(box, 0, QStringLiteral("Level"), QStringLiteral("%"));
    gauge->SetBounds(8, 22, kFieldWidth, 44);
    gauge->SetTextBoxWidth(200);
    gauge->SetRangeHigh(100);
    gauge->SetButVisible(true);
    gauge->SetButIncrem(5);
    gauge->SetButHeight(28);
    gauge->SetGaugeVisible(true);
    gauge->SetGaugeHeight(10);
    gauge->SetGaugeLeftMargin(70);
    gauge->SetGaugeWidth(202);
    gauge->SetValue(65);
    gauge->OnGaugeChange = [this](TObject*, TShiftState, double v) {
      readout->setText(QStringLiteral("Gauge dragged to %1").arg(v));
    };
    Track(gauge);
    return box;
  }

  QGroupBox* BuildStates() {
    states = new QGroupBox(QStringLiteral("Out of range (0..1000) and disabled"));
    states->setFixedSize(kFieldWidth + 16, 2 * kRowHeight + 24);
    TNumIO2* warn = PlaceField(states, 0, QStringLiteral("Load"), QStringLiteral("N"));
    warn->move(8, 22);
    warn->SetValue(1250);
    Track(warn);
    TNumIO2* disabled = PlaceField(states, 1, QStringLiteral("Off"), QStringLiteral("A"));
    disabled->move(8, 22 + kRowHeight);
    disabled->SetValue(7.5);
    disabled->SetEnabled(false);
    all.push_back(disabled);
    return states;
  }

  // Reports the field's value whenever it changes.
  void Track(TNumIO2* field) {
    all.push_back(field);
    field->OnChange = [this, field](TObject*) {
      readout->setText(QStringLiteral("%1: Text \"%2\", Value %3%4")
                           .arg(field->LeftText(), field->Text())
                           .arg(field->Value())
                           .arg(field->OutOfRange() ? QStringLiteral(" (out of range)") : QString()));
    };
  }

  std::vector<TNumIO2*> all;
  QGroupBox* formats = nullptr;
  TNumIO2* spin = nullptr;
  TNumIO2* gauge = nullptr;
  QGroupBox* states = nullptr;
  QGroupBox* edits = nullptr;
  QLabel* readout = nullptr;
};

PageRegistration registration(20, QStringLiteral("Numeric input"), [] { return new NumIOPage; });

}  // namespace
}  // namespace gallery
