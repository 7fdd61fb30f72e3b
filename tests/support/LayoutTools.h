#pragma once
// Puts a control alone in a layout of a shown window of the given size, so
// that tests see what a layout makes of its size hints.
#include <QApplication>
#include <QBoxLayout>
#include <QWidget>

namespace vyrtest {

inline void ShowInLayout(QWidget& window, QWidget* control, QSize size) {
  auto* layout = new QBoxLayout(QBoxLayout::TopToBottom, &window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(control);
  window.resize(size);
  window.show();
  QApplication::processEvents();
}

}  // namespace vyrtest
