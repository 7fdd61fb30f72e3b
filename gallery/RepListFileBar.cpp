#include "RepListFileBar.h"

#include <QFileDialog>
#include <QPushButton>
#include <functional>

#include "host/Exception.h"

namespace gallery {

namespace {

using vyr::TReportListView;

// Runs an operation on a file the user names; errors go to message.
void OnFile(QLabel* message, bool save, const QString& filter, const std::function<QString(const QString&)>& op) {
  QWidget* parent = message->window();
  const QString name = save ? QFileDialog::getSaveFileName(parent, QString(), QString(), filter)
                            : QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
  if (name.isEmpty()) return;
  try {
    message->setText(op(name));
  } catch (const vyr::Exception& e) {
    message->setText(e.Message());
  }
}

}  // namespace

QHBoxLayout* MakeRepListFileBar(TReportListView* list, QLabel* message) {
  auto* bar = new QHBoxLayout;
  const auto add = [bar](const QString& caption, const std::function<void()>& action) {
    auto* button = new QPushButton(caption);
    QObject::connect(button, &QPushButton::clicked, button, action);
    bar->addWidget(button);
  };
  const QString xml = QStringLiteral("Report lists (*.xml)");
  add(QStringLiteral("Copy"), [list, message] {
    const int rows = std::max(list->NumSelectedRows(), 1);
    const int first = list->NumSelectedRows() ? list->FirstSelectedRow() : 1;
    list->CopyToClipBoard(1, first, list->NrOfColumns(), first + rows - 1, true, true);
    message->setText(QStringLiteral("%1 rows copied").arg(rows));
  });
  add(QStringLiteral("Save"), [list, message, xml] {
    OnFile(message, true, xml, [list](const QString& name) {
      list->SaveAsXMLFile(name, list->DataID());
      return QStringLiteral("saved %1").arg(name);
    });
  });
  add(QStringLiteral("Load"), [list, message, xml] {
    OnFile(message, false, xml, [list](const QString& name) {
      return list->LoadFromXMLFile(name, QString()) ? QStringLiteral("%1 rows loaded").arg(list->NrOfRows())
                                                    : QStringLiteral("no report list in %1").arg(name);
    });
  });
  add(QStringLiteral("Export CSV"), [list, message] {
    OnFile(message, true, QStringLiteral("CSV files (*.csv)"), [list](const QString& name) {
      const int rows = list->ExportCSV(name, vyr::csvComma, true, false, 1, 1, list->NrOfColumns(), list->NrOfRows());
      return QStringLiteral("%1 rows exported").arg(rows);
    });
  });
  add(QStringLiteral("Export HTML"), [list, message] {
    OnFile(message, true, QStringLiteral("HTML pages (*.html)"), [list](const QString& name) {
      list->ExportHTMLTable(name, 1, 1, list->NrOfColumns(), std::min(list->NrOfRows(), 1000), {}, 1, 0, 4, true,
                            QString(), QString(), QString());
      return QStringLiteral("the first %1 rows exported").arg(std::min(list->NrOfRows(), 1000));
    });
  });
  bar->addStretch(1);
  return bar;
}

}  // namespace gallery
