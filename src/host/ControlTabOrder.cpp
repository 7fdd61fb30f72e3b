// Tab order among the focusable children of one parent, kept in Qt's focus
// chain.
#include <QList>
#include <algorithm>

#include "host/Control.h"

namespace vyr {

namespace {

bool TakesFocus(const QWidget* w) { return w->focusPolicy() != Qt::NoFocus; }

// The parent's focusable children in the order Tab visits them.
QList<QWidget*> FocusSiblings(const QWidget* parent) {
  QList<QWidget*> siblings;
  if (parent == nullptr) return siblings;
  const QWidget* start = parent;
  for (QWidget* w = parent->nextInFocusChain(); w && w != start; w = w->nextInFocusChain())
    if (w->parentWidget() == parent && TakesFocus(w)) siblings << w;
  return siblings;
}

}  // namespace

int TControl::TabOrder() const {
  if (!TakesFocus(this)) return -1;
  return int(FocusSiblings(parentWidget()).indexOf(const_cast<TControl*>(this)));
}

// The siblings are chained anew, each after the one before it. Qt does not
// place a widget after the last one of the window's ring, so a focusable
// stand-in sits at the end of the ring while the chain is laid.
void TControl::SetTabOrder(int value) {
  QList<QWidget*> siblings = FocusSiblings(parentWidget());
  const qsizetype at = siblings.indexOf(this);
  if (at < 0) return;
  siblings.removeAt(at);
  siblings.insert(std::clamp<qsizetype>(value, 0, siblings.size()), this);
  QWidget end(window());
  end.setFocusPolicy(Qt::TabFocus);
  for (qsizetype i = 1; i < siblings.size(); ++i) QWidget::setTabOrder(siblings[i - 1], siblings[i]);
}

}  // namespace vyr
