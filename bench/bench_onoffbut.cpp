// An on/off button toggled and shown through QWidget::render, against a
// QCheckBox with the same caption toggled and rendered the same way into an
// image of the same size.
#include <QApplication>
#include <QCheckBox>
#include <QImage>

#include "Alternate.h"
#include "onoffbut/Vyr_onoffbut.h"

namespace {

constexpr int kWidth = 140, kHeight = 30, kRepeats = 2000;
const QString kCaption = QStringLiteral("Pump running");

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::TOnOffBut button;
  button.resize(kWidth, kHeight);
  button.SetButtonStyle(vyr::oobsCheckbox);
  button.SetAutoCenter(false);
  button.SetLeftSpace(4);
  button.SetTopSpace(6);
  button.SetRightText(kCaption);
  QCheckBox peerBox(kCaption);
  peerBox.resize(kWidth, kHeight);
  peerBox.setFont(button.Font().ToQFont());
  QImage oursImage(kWidth, kHeight, QImage::Format_RGB32);
  QImage peerImage(kWidth, kHeight, QImage::Format_RGB32);

  const std::function<int()> ours = [&] {
    int lit = 0;
    for (int i = 0; i < kRepeats; ++i) {
      button.SetOnOff(i % 2 == 0);
      button.render(&oursImage);
      lit += button.OnOff();
    }
    return lit;
  };
  const std::function<int()> peer = [&] {
    int lit = 0;
    for (int i = 0; i < kRepeats; ++i) {
      peerBox.setChecked(i % 2 == 0);
      peerBox.render(&peerImage);
      lit += peerBox.isChecked();
    }
    return lit;
  };
  const bool agreed = vyrbench::Alternate<int>({"TOnOffBut paint vs QCheckBox", 1.0, 7}, ours, peer);
  return agreed ? 0 : 1;
}
