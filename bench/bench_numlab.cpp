// A numeric label taking a new value and shown through QWidget::render,
// against a QLabel in a sunken panel frame taking the same text and rendered
// the same way into an image of the same size.
#include <QApplication>
#include <QImage>
#include <QLabel>

#include "Alternate.h"
#include "labels/Vyr_NumLab.h"

namespace {

constexpr int kWidth = 160, kHeight = 28, kRepeats = 2000;

// Two values of the same width, so every round shows a changed text.
double ValueOf(int i) { return i % 2 ? 1234.5 : 1234.25; }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::TNumLab label;
  label.resize(kWidth, kHeight);
  QLabel peerLabel;
  peerLabel.resize(kWidth, kHeight);
  peerLabel.setFrameStyle(QFrame::Panel | QFrame::Sunken);
  peerLabel.setAlignment(Qt::AlignCenter);
  peerLabel.setFont(label.Font().ToQFont());
  QImage oursImage(kWidth, kHeight, QImage::Format_RGB32);
  QImage peerImage(kWidth, kHeight, QImage::Format_RGB32);

  const std::function<int()> ours = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      label.SetValue(ValueOf(i));
      label.render(&oursImage);
    }
    return label.ShownText().size();
  };
  const std::function<int()> peer = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      peerLabel.setText(QString::number(ValueOf(i), 'f', 2));
      peerLabel.render(&peerImage);
    }
    return peerLabel.text().size();
  };
  const bool agreed = vyrbench::Alternate<int>({"TNumLab paint vs QLabel in a frame", 1.0, 7}, ours, peer);
  return agreed ? 0 : 1;
}
