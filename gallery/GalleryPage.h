#pragma once
// A tab of the gallery. Each page builds its controls and live settings, and
// names the widgets to write as PNG files in snapshot mode. A file name
// begins with the control's class name, e.g. "TMeter-log".
#include <QString>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

namespace gallery {

struct Shot {
  QString fileName;  // without ".png"
  QWidget* widget;
};

class GalleryPage : public QWidget {
 public:
  using QWidget::QWidget;
  virtual std::vector<Shot> Shots() = 0;
};

using PageFactory = std::function<GalleryPage*()>;

// Pages register themselves at start-up with their tab's title; the order
// value sorts the tabs. A page is built when its tab is first shown.
struct PageEntry {
  int order;
  QString title;
  PageFactory factory;
};
struct PageRegistration {
  PageRegistration(int order, const QString& title, PageFactory factory);
};
std::vector<PageEntry>& Pages();

}  // namespace gallery
