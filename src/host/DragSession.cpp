#include "host/DragSession.h"

#include <QCoreApplication>

namespace vyr {

namespace {

const QString kMime = QStringLiteral("application/x-vyr-control-drag");

QByteArray TokenText(quint64 token) {
  return QByteArray::number(QCoreApplication::applicationPid()) + ':' + QByteArray::number(token);
}

}  // namespace

QMimeData* TDragSession::Begin(QWidget* source) {
  FSource = source;
  FTarget = nullptr;
  FAt = {};
  auto* data = new QMimeData;
  data->setData(kMime, TokenText(++FToken));
  return data;
}

QWidget* TDragSession::SourceOf(const QMimeData* data) {
  if (data == nullptr || FSource.isNull() || !data->hasFormat(kMime)) return nullptr;
  return data->data(kMime) == TokenText(FToken) ? FSource.data() : nullptr;
}

void TDragSession::Dropped(QWidget* target, QPoint at) {
  FTarget = target;
  FAt = at;
}

QWidget* TDragSession::End(QPoint* at) {
  QWidget* target = FTarget.data();
  if (at) *at = FAt;
  FSource = nullptr;
  FTarget = nullptr;
  ++FToken;
  return target;
}

}  // namespace vyr
