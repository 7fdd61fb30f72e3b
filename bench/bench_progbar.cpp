// A 300 x 30 progress bar with gradient, grid and text taking a new value
// and shown through QWidget::render, against a QProgressBar of the same
// size taking the same value and rendered the same way into an image of
// the same size. A second line prints what one update costs, to weigh a bar
// updated 100 times a second against one core.
#include <QApplication>
#include <QImage>
#include <QProgressBar>
#include <cstdio>

#include "Alternate.h"
#include "progbar/Vyr_ProgBar.h"

namespace {

constexpr int kWidth = 300, kHeight = 30, kRepeats = 2000;

// Two values a few pixels apart, so every round shows a changed bar.
int ValueOf(int i) { return i % 2 ? 63 : 67; }

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vyr::TProgBar bar;
  bar.resize(kWidth, kHeight);
  bar.SetShowColorGradient(true);
  bar.SetGridDist(8);
  bar.SetTextPosX(kWidth / 2);
  bar.SetTextPosY(kHeight / 2);
  QProgressBar peerBar;
  peerBar.resize(kWidth, kHeight);
  peerBar.setRange(0, 100);
  peerBar.setTextVisible(true);
  peerBar.setFont(bar.Font().ToQFont());
  QImage oursImage(kWidth, kHeight, QImage::Format_RGB32);
  QImage peerImage(kWidth, kHeight, QImage::Format_RGB32);

  const std::function<int()> ours = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      bar.SetValue(ValueOf(i));
      bar.render(&oursImage);
    }
    return int(bar.Value());
  };
  const std::function<int()> peer = [&] {
    for (int i = 0; i < kRepeats; ++i) {
      peerBar.setValue(ValueOf(i));
      peerBar.render(&peerImage);
    }
    return peerBar.value();
  };
  const bool agreed =
      vyrbench::Alternate<int>({"TProgBar gradient+grid+text paint vs QProgressBar", 1.0, 7}, ours, peer);

  const double start = vyrbench::CpuSeconds();
  ours();
  const double perUpdate = (vyrbench::CpuSeconds() - start) / kRepeats;
  // 100 updates a second take 100 * perUpdate seconds of each second.
  std::printf("TProgBar: %.1f us per update; 100 updates/s use %.3f %% of one core (goal < 1 %%)\n",
              perUpdate * 1e6, perUpdate * 100 * 100);
  return agreed ? 0 : 1;
}
