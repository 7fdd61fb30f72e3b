#pragma once
// Puts a control alone in a layout of a shown window of the given size, so
// that tests see what a layout makes of its size hints; and compares what a
// control shows on screen with its back canvas.
#include <QApplication>
#include <QBoxLayout>
#include <QImage>
#include <QWidget>
#include <algorithm>

#include "host/Control.h"

namespace vyrtest {

inline void ShowInLayout(QWidget& window, QWidget* control, QSize size) {
  auto* layout = new QBoxLayout(QBoxLayout::TopToBottom, &window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(control);
  window.resize(size);
  window.show();
  QApplication::processEvents();
}

// The pixels where the control's screen picture differs from its back
// canvas, as their bounding box (empty when the two agree).
inline vyr::TRect ScreenOnlyPixels(vyr::TControl& control) {
  const QImage screen = control.grab().toImage();
  vyr::TRect box{screen.width(), screen.height(), 0, 0};
  for (int y = 0; y < screen.height(); ++y)
    for (int x = 0; x < screen.width(); ++x) {
      if (vyr::FromQColor(screen.pixelColor(x, y)) == vyr::ColorToRGB(control.Canvas().Pixels(x, y))) continue;
      box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    }
  return box.IsEmpty() ? vyr::TRect{} : box;
}

// Shows the control in a window, focused: the focus frame must show on
// screen and nowhere in the back canvas; unfocused the two agree.
inline vyr::TRect FocusFrameOnScreen(QWidget& window, vyr::TControl* control, QSize size) {
  ShowInLayout(window, control, size);
  QApplication::setActiveWindow(&window);
  control->setFocus();
  QApplication::processEvents();
  return control->hasFocus() ? ScreenOnlyPixels(*control) : vyr::TRect{};
}

}  // namespace vyrtest
