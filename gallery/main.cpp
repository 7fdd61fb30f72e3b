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

PageRegistration::PageRegistration(int order, const QString& title, PageFactory factory) {
  Pages().push_back({order, title, std::move(factory)});
}

std::vector<PageEntry>& Pages() {
  static std::vector<PageEntry> pages;
  return pages;
}

namespace {

// The tabs, each page in a scroll area so that the window works at any size
// (what does not fit can be scrolled to). A page is built the first time its
// tab is shown, so the window opens without building every page.
class Tabs : public QTabWidget {
 public:
  explicit Tabs(std::vector<PageEntry> entries) : FEntries(std::move(entries)), FPages(FEntries.size()) {
    for (const PageEntry& entry : FEntries) {
      auto* area = new QScrollArea;
      area->setWidgetResizable(true);
      area->setFrameShape(QFrame::NoFrame);
      addTab(area, entry.title);
    }
    connect(this, &QTabWidget::currentChanged, this, [this](int index) { Page(index); });
    if (count() > 0) Page(0);
  }

  GalleryPage* Page(int index) {
    if (index < 0 || index >= count()) return nullptr;
    GalleryPage*& page = FPages[std::size_t(index)];
    if (page == nullptr) {
      page = FEntries[std::size_t(index)].factory();
      static_cast<QScrollArea*>(widget(index))->setWidget(page);
    }
    return page;
  }

 private:
  std::vector<PageEntry> FEntries;
  std::vector<GalleryPage*> FPages;
};

int WriteSnapshots(Tabs& tabs, const QString& dir) {
  QDir().mkpath(dir);
  int written = 0;
  for (int i = 0; i < tabs.count(); ++i) {
    tabs.setCurrentIndex(i);
    GalleryPage* page = tabs.Page(i);
    QApplication::processEvents();  // lay the page out as it is shown
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

  auto entries = gallery::Pages();
  std::stable_sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.order < b.order; });
  gallery::Tabs tabs(std::move(entries));
  tabs.setMinimumSize(320, 240);
  tabs.resize(900, 640);

  bool headless = QGuiApplication::platformName() == QLatin1String("offscreen") ||
                  QGuiApplication::platformName() == QLatin1String("minimal");
  if (parser.isSet(snapshot) || headless) {
    QString dir = parser.isSet(snapshot) ? parser.value(snapshot) : QStringLiteral("gallery-snapshots");
    tabs.show();
    return gallery::WriteSnapshots(tabs, dir);
  }
  tabs.show();
  return app.exec();
}
