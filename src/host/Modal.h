#pragma once
// Every modal run of the library (dialogs, the colour dialog, popup menus)
// goes through these entry points, so tests can take the user's place: an
// interceptor receives the dialog or menu instead of the user and returns
// the modal result (or triggers a menu action itself).
#include <QDialog>
#include <QMenu>
#include <functional>

#include "host/Color.h"
#include "host/Types.h"

namespace vyr {

enum TModalResult {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8,
  mrNoToAll = 9,
  mrYesToAll = 10,
  mrClose = 11,
};

using TDialogInterceptor = std::function<int(QDialog& dialog)>;
using TMenuInterceptor = std::function<void(QMenu& menu, TPoint screenPos)>;

// Runs a dialog modally and returns its modal result. A dialog closed with
// accept() gives mrOk, with reject() mrCancel; done(r) gives r.
int RunModal(QDialog& dialog);
// The colour dialog, starting at color; true and the new colour on OK.
bool ExecuteColorDialog(TColor& color);
// Shows a popup menu at a screen position and waits until it closes.
void RunPopupMenu(QMenu& menu, TPoint screenPos);

// Installs interceptors; empty ones restore the real modal runs. The
// previous interceptor is returned so that a scope can put it back.
TDialogInterceptor SetDialogInterceptor(TDialogInterceptor interceptor);
TMenuInterceptor SetMenuInterceptor(TMenuInterceptor interceptor);

}  // namespace vyr
