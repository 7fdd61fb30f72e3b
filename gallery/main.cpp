// The gallery: one window with a tab per control family. With --snapshot DIR,
// or when no display is available, it writes one PNG per control instead.
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QScrollArea>
#include <QTabWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "GalleryPage.h"

namespace gallery {

PageRegistration::PageRegistration(int order, PageFactory factory) {
  Pages().emplace_back(order, std::move(factory));
}

std::vector<std::pair<int, PageFactory>>& Pages() {
  static std::vector<std::pair<int, PageFactory>> pages;
  return pages;
}

namespace {

// Each page sits in a scroll area, so the window works at any size: what
// does not fit can be scrolled to.
QScrollArea* Scrollable(GalleryPage* page) {
  auto* area = new QScrollArea;
  area->setWidget(page);
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  return area;
}

int WriteSnapshots(QTabWidget& tabs, const std::vector<GalleryPage*>& pages, const QString& dir) {
  QDir().mkpath(dir);
  int written = 0;
  for (int i = 0; i < tabs.count(); ++i) {
    GalleryPage* page = pages[std::size_t(i)];
    tabs.setCurrentIndex(i);
    for (const Shot& shot : page->Shots()) {
      QString path = QDir(dir).filePath(shot.fileName + QStringLiteral(".png"));
      if (shot.widget->grab().save(path)) {
        ++written;
      } else {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return 1;
      }
    }
  }
  std::printf("gallery: wrote %d snapshots to %s\n", written, qPrintable(QDir(dir).absolutePath()));
  return 0;
}

}  // namespace
}  // namespace gallery

int main(int argc, char** argv) {
  // Without a display there is nothing to open a window on: render off screen.
  if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
      qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vyr Controls gallery"));
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
  QCommandLineParser parser;
  parser.addHelpOption();
  QCommandLineOption snapshot(QStringLiteral("snapshot"), QStringLiteral("Write one PNG per control into DIR."),
                              QStringLiteral("DIR"));
  parser.addOption(snapshot);
  parser.process(app);

  QTabWidget tabs;
  auto factories = gallery::Pages();
  std::stable_sort(factories.begin(), factories.end(), [](auto& a, auto& b) { return a.first < b.first; });
  std::vector<gallery::GalleryPage*> pages;
  for (auto& [order, factory] : factories) {
    pages.push_back(factory());
    tabs.addTab(gallery::Scrollable(pages.back()), pages.back()->Title());
  }
  tabs.setMinimumSize(320, 240);
  tabs.resize(900, 640);

  bool headless = QGuiApplication::platformName() == QLatin1String("offscreen") ||
                  QGuiApplication::platformName() == QLatin1String("minimal");
  if (parser.isSet(snapshot) || headless) {
    QString dir = parser.isSet(snapshot) ? parser.value(snapshot) : QStringLiteral("gallery-snapshots");
    tabs.show();
    return gallery::WriteSnapshots(tabs, pages, dir);
  }
  tabs.show();
  return app.exec();
}
