// Drag and drop between controls over Qt's drag and drop: the session in
// host/DragSession.h names the source, Qt's drag events reach the target's
// DragOver and DragDrop, and the source hears where it ended.
#include <QApplication>
#include <QCursor>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDropEvent>

#include "host/Application.h"
#include "host/Control.h"
#include "host/DragSession.h"

namespace vyr {

void TControl::BeginDrag(bool Immediate, int Threshold) {
  if (FDragging) return;
  if (Immediate) {
    StartDrag();
    return;
  }
  FDragThreshold = Threshold < 0 ? QApplication::startDragDistance() : Threshold;
  FDragFrom = ToClient(mapFromGlobal(QCursor::pos()));
}

// Runs the whole drag; Qt returns when the button goes up or Escape ends it.
void TControl::StartDrag() {
  FDragThreshold = -1;
  FDragging = true;
  DoStartDrag();
  auto* drag = new QDrag(this);
  drag->setMimeData(TDragSession::Begin(this));
  drag->exec(Qt::MoveAction | Qt::CopyAction, Qt::MoveAction);
  QPoint at;
  QWidget* target = TDragSession::End(&at);
  FDragging = false;
  DoEndDrag(target, at.x(), at.y());
}

void TControl::DoStartDrag() { Raise(OnStartDrag, this); }

// Without an OnDragOver nothing may be dropped here.
void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  Accept = bool(OnDragOver);
  Raise(OnDragOver, this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) { Raise(OnDragDrop, this, Source, X, Y); }

void TControl::DoEndDrag(TObject* Target, int X, int Y) { Raise(OnEndDrag, this, Target, X, Y); }

// Entry is taken whenever a control drag arrives, so that the moves that
// follow can still accept it where entry did not.
void TControl::dragEnterEvent(QDragEnterEvent* e) {
  Guarded([&] {
    if (TDragSession::SourceOf(e->mimeData()) == nullptr) {
      e->ignore();
      return;
    }
    FDragAccepted = DragMoveAccepted(e, dsDragEnter);
    e->accept();
  });
}

void TControl::dragMoveEvent(QDragMoveEvent* e) {
  Guarded([&] {
    if (TDragSession::SourceOf(e->mimeData()) == nullptr) {
      e->ignore();
      return;
    }
    FDragAccepted = DragMoveAccepted(e, dsDragMove);
    e->setAccepted(FDragAccepted);
  });
}

bool TControl::DragMoveAccepted(QDragMoveEvent* e, TDragState state) {
  const QPoint p = ToClient(e->position());
  bool accept = false;
  DragOver(TDragSession::SourceOf(e->mimeData()), p.x(), p.y(), state, accept);
  if (accept) e->setDropAction(e->proposedAction());
  return accept;
}

void TControl::dragLeaveEvent(QDragLeaveEvent*) {
  Guarded([&] {
    FDragAccepted = false;
    const QPoint p = ToClient(mapFromGlobal(QCursor::pos()));
    bool ignored = false;
    // Qt's leave event names no drag; the session still knows its source.
    if (QWidget* source = TDragSession::Current()) DragOver(source, p.x(), p.y(), dsDragLeave, ignored);
  });
}

void TControl::dropEvent(QDropEvent* e) {
  Guarded([&] {
    QWidget* source = TDragSession::SourceOf(e->mimeData());
    if (source == nullptr || !FDragAccepted) {
      e->ignore();
      return;
    }
    FDragAccepted = false;
    const QPoint p = ToClient(e->position());
    TDragSession::Dropped(this, p);
    e->acceptProposedAction();
    DragDrop(source, p.x(), p.y());
  });
}

}  // namespace vyr
