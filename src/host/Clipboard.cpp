#include "host/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace vyr {

TClipboard& Clipboard() {
  static TClipboard clipboard;
  return clipboard;
}

bool TClipboard::HasText() const {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

QString TClipboard::AsText() const { return QGuiApplication::clipboard()->text(); }

void TClipboard::SetAsText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

}  // namespace vyr
