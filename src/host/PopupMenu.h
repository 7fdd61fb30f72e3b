#pragma once
// A popup menu owned by its control. Items are QActions; Popup shows the
// menu through the modal entry point so that tests can choose an item.
#include <QAction>
#include <QMenu>
#include <functional>

#include "host/Bitmap.h"

namespace vyr {

using TMenuItem = QAction;

class TPopupMenu : public QMenu {
  Q_OBJECT
 public:
  explicit TPopupMenu(QWidget* owner = nullptr) : QMenu(owner) {}
  TMenuItem* AddItem(const QString& caption, std::function<void()> onClick = {});
  TMenuItem* AddCheckItem(const QString& caption, bool checked, std::function<void()> onClick = {});
  void AddSeparator() { addSeparator(); }
  // The item's picture, from a bitmap.
  static void SetItemBitmap(TMenuItem* item, const TBitmap& bitmap);
  // Shows the menu with its top-left corner at a screen position.
  void Popup(int X, int Y);
};

}  // namespace vyr
