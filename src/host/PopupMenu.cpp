#include "host/PopupMenu.h"

#include <QPixmap>

#include "host/Application.h"
#include "host/Modal.h"

namespace vyr {

TMenuItem* TPopupMenu::AddItem(const QString& caption, std::function<void()> onClick) {
  QAction* item = addAction(caption);
  if (onClick) connect(item, &QAction::triggered, this, [f = std::move(onClick)] { Guarded(f); });
  return item;
}

TMenuItem* TPopupMenu::AddCheckItem(const QString& caption, bool checked, std::function<void()> onClick) {
  TMenuItem* item = AddItem(caption, std::move(onClick));
  item->setCheckable(true);
  item->setChecked(checked);
  return item;
}

void TPopupMenu::SetItemBitmap(TMenuItem* item, const TBitmap& bitmap) {
  if (item && !bitmap.Empty()) item->setIcon(QIcon(QPixmap::fromImage(bitmap.Image())));
}

void TPopupMenu::Popup(int X, int Y) { RunPopupMenu(*this, {X, Y}); }

}  // namespace vyr
