#include "host/Modal.h"

#include <QColorDialog>

namespace vyr {
namespace {

TDialogInterceptor& DialogInterceptor() {
  static TDialogInterceptor interceptor;
  return interceptor;
}

TMenuInterceptor& MenuInterceptor() {
  static TMenuInterceptor interceptor;
  return interceptor;
}

}  // namespace

int RunModal(QDialog& dialog) {
  int result = DialogInterceptor() ? DialogInterceptor()(dialog) : dialog.exec();
  if (result == QDialog::Accepted) return mrOk;
  if (result == QDialog::Rejected) return mrCancel;
  return result;
}

bool ExecuteColorDialog(TColor& color) {
  QColorDialog dialog(ToQColor(color));
  if (RunModal(dialog) != mrOk) return false;
  color = FromQColor(dialog.currentColor());
  return true;
}

void RunPopupMenu(QMenu& menu, TPoint screenPos) {
  if (MenuInterceptor())
    MenuInterceptor()(menu, screenPos);
  else
    menu.exec(QPoint(screenPos.X, screenPos.Y));
}

TDialogInterceptor SetDialogInterceptor(TDialogInterceptor interceptor) {
  return std::exchange(DialogInterceptor(), std::move(interceptor));
}

TMenuInterceptor SetMenuInterceptor(TMenuInterceptor interceptor) {
  return std::exchange(MenuInterceptor(), std::move(interceptor));
}

}  // namespace vyr
