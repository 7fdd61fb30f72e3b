#pragma once
// Loads a Qt Designer form (.ui) that may contain the library's controls.
// Each library control is created in the loading state, receives the stored
// properties, and then gets exactly one Loaded call, in creation order,
// after the whole form has been read. A widget whose class neither the
// library nor Qt knows fails the whole load, with a message naming it.
#include <QIODevice>
#include <QUiLoader>
#include <QWidget>
#include <vector>

namespace vyr {

class TComponentBase;

class TFormLoader : public QUiLoader {
  Q_OBJECT
 public:
  explicit TFormLoader(QObject* parent = nullptr) : QUiLoader(parent) {}
  // The form's top widget, or nullptr with errorString() telling why.
  QWidget* LoadForm(QIODevice* device, QWidget* parent = nullptr);
  QWidget* LoadForm(const QString& fileName, QWidget* parent = nullptr);
  // Why the last LoadForm failed: a class this loader could not create, or
  // what QUiLoader reports (unreadable file, malformed form).
  QString errorString() const;

  QWidget* createWidget(const QString& className, QWidget* parent = nullptr, const QString& name = QString()) override;

 private:
  std::vector<QWidget*> FCreated;
  QString FError;
};

}  // namespace vyr
