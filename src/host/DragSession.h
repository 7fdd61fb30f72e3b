#pragma once
// The one drag of controls this process may have under way. Qt carries it
// as mime data holding a token, never an address, so data dropped from
// another program or a finished drag is not taken for a control.
#include <QMimeData>
#include <QPointer>
#include <QWidget>

namespace vyr {

class TDragSession {
 public:
  // Starts a drag from source and returns the mime data that names it.
  static QMimeData* Begin(QWidget* source);
  // The source of the drag that data names, or nothing when it names no
  // drag of this process that is under way.
  static QWidget* SourceOf(const QMimeData* data);
  // The source of the drag under way, if any.
  static QWidget* Current() { return FSource.data(); }
  // Records the control that took the drop, at its own coordinates.
  static void Dropped(QWidget* target, QPoint at);
  // Ends the drag and gives where it was dropped (target null if nowhere).
  static QWidget* End(QPoint* at);

 private:
  static inline QPointer<QWidget> FSource, FTarget;
  static inline QPoint FAt;
  static inline quint64 FToken = 0;
};

}  // namespace vyr
