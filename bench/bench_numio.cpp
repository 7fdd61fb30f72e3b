// A numeric field with gauge and spin buttons taking a new value and shown
// through QWidget::render, against a QDoubleSpinBox of the same size taking
// the same value and rendered the same way into an image of the same size;
// and the edit-based field taking a two-decimal value and rendered, against
// a QLineEdit with a QDoubleValidator given the same text.
#include <QApplication>
#include <QDoubleSpinBox>
#include <QDoubleValidator>
#include <QLineEdit>
#include <QImage>
#include <cmath>

#include "Alternate.h"
#include "numio/Vyr_NumIO.h"

namespace {

constexpr int kWidth = 160, kHeight = 28, kRepeats = 2000;

// Two-decimal values in the range of both sides, a new one every time.
double ValueOf(int i) { return 100.0 + (i % 800) * 1.25; }

// Hundredths, so that both sides' values compare exactly.
long long Hundredths(double value) { return std::llround(value * 100); }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::TNumIO2 field;
  field.resize(kWidth, kHeight);
  field.SetRangeLow(0);
  field.SetRangeHigh(1000);
  field.SetGaugeVisible(true);
  field.SetButVisible(true);
  QDoubleSpinBox box;
  box.resize(kWidth, kHeight);
  box.setRange(0, 1000);
  QImage oursImage(kWidth, kHeight, QImage::Format_RGB32);
  QImage peerImage(kWidth, kHeight, QImage::Format_RGB32);

  const std::function<long long()> ours = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      field.SetValue(ValueOf(i));
      field.render(&oursImage);
    }
    return Hundredths(field.Value());
  };
  const std::function<long long()> peer = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      box.setValue(ValueOf(i));
      box.render(&peerImage);
    }
    return Hundredths(box.value());
  };
  const bool agreed =
      vyrbench::Alternate<long long>({"TNumIO2 160x28 new value vs QDoubleSpinBox render", 1.0, 9}, ours, peer);

  vyr::TNumIO edit;
  edit.resize(kWidth, kHeight);
  edit.SetInputFormat(vyr::itFixPoint);
  edit.SetRangeHigh(1000);
  QLineEdit line;
  line.resize(kWidth, kHeight);
  line.setValidator(new QDoubleValidator(0, 1000, 2, &line));
  const std::function<long long()> oursEdit = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      edit.SetValue(ValueOf(i));
      edit.render(&oursImage);
    }
    return Hundredths(edit.Value());
  };
  const std::function<long long()> peerEdit = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      line.setText(QString::number(ValueOf(i), 'f', 2));
      line.render(&peerImage);
    }
    return Hundredths(line.text().toDouble());
  };
  const bool editAgreed = vyrbench::Alternate<long long>(
      {"TNumIO 160x28 new value vs QLineEdit with QDoubleValidator render", 1.0, 9}, oursEdit, peerEdit);
  return agreed && editAgreed ? 0 : 1;
}
