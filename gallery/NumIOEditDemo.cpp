// TNumIO fields: one per format shown, a range to type against, and live
// settings for the beep, the range and the decimal separator.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>
#include <vector>

#include "NumIODemos.h"
#include "numio/Vyr_NumIO.h"

namespace gallery {
namespace {

using namespace vyr;

struct EditRow {
  const char* caption;
  TInFormat format;
  double value;
};

const EditRow kEditRows[] = {
    {"Float", itFloat, 42.5}, {"FixPoint", itFixPoint, 12.5}, {"Exp", itExp, 1234.5},
    {"Hex", itHex, 48879},    {"Dynamic", itDynamic, 31},
};

struct Range {
  const char* caption;
  double low, high;
};
const Range kRanges[] = {
    {"0 .. 100", 0, 100}, {"-1000 .. 1000", -1000, 1000}, {"-100000 .. 100000", -100000, 100000}};

}  // namespace

QGroupBox* BuildNumIOEditDemo(QLabel* readout) {
  auto* box = new QGroupBox(QStringLiteral("Edit boxes (TNumIO): a refused key is undone"));
  auto* layout = new QVBoxLayout(box);
  auto* settings = new QHBoxLayout;
  auto* beep = new QCheckBox(QStringLiteral("Beep"));
  auto* range = new QComboBox;
  for (const Range& r : kRanges) range->addItem(QString::fromLatin1(r.caption));
  range->setCurrentIndex(2);
  auto* separator = new QComboBox;
  separator->addItems(
      {QStringLiteral("System"), QStringLiteral("Point"), QStringLiteral("Comma"), QStringLiteral("Both")});
  separator->setCurrentIndex(dsBoth);
  settings->addWidget(beep);
  settings->addWidget(range);
  settings->addWidget(separator);
  settings->addStretch();
  layout->addLayout(settings);

  auto* form = new QFormLayout;
  auto fields = std::make_shared<std::vector<TNumIO*>>();
  for (const EditRow& row : kEditRows) {
    auto* field = new TNumIO;
    field->SetName(QString::fromLatin1(row.caption) + QStringLiteral("Edit"));
    field->SetInputFormat(row.format);
    field->SetDecPlaceSep(dsBoth);
    field->SetRangeHigh(kRanges[2].high);
    field->SetRangeLow(kRanges[2].low);
    field->SetValue(row.value);
    field->OnChange = [readout, field](TObject*) {
      readout->setText(
          QStringLiteral("%1: Text \"%2\", Value %3").arg(field->Name(), field->Text()).arg(field->Value()));
    };
    form->addRow(QString::fromLatin1(row.caption), field);
    fields->push_back(field);
  }
  layout->addLayout(form);

  QObject::connect(beep, &QCheckBox::toggled, box, [fields](bool on) {
    for (TNumIO* f : *fields) f->SetBeep(on);
  });
  QObject::connect(range, &QComboBox::currentIndexChanged, box, [fields](int index) {
    const Range& r = kRanges[index];
    for (TNumIO* f : *fields) {
      // Widen first, so that neither end passes the other on the way.
      f->SetRangeLow(std::min(f->RangeLow(), r.low));
      f->SetRangeHigh(r.high);
      f->SetRangeLow(r.low);
    }
  });
  QObject::connect(separator, &QComboBox::currentIndexChanged, box, [fields](int index) {
    for (TNumIO* f : *fields) f->SetDecPlaceSep(TDecPSep(index));
  });
  return box;
}

}  // namespace gallery
