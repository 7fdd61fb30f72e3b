#pragma once
// Events are public std::function members named as the controls name them
// (OnChange, OnClick, ...). The sender comes first; an empty one is skipped.
#include <functional>

#include "host/Component.h"
#include "host/Types.h"

namespace vyr {

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, quint16& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
// A context menu was asked for at MousePos (client coordinates; -1, -1 when
// asked for by keyboard); setting Handled keeps the PopupMenu closed.
using TContextPopupEvent = std::function<void(TObject* Sender, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;
// Drag and drop between controls of this program. Source is the control the
// drag started from; X, Y are in the receiving control's coordinates.
// OnDragOver sets Accept (true on entry) to allow a drop there; OnEndDrag
// gets the control that took the drop, or nothing when none did.
using TStartDragEvent = std::function<void(TObject* Sender)>;
using TDragOverEvent =
    std::function<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

// Calls an event when it is assigned.
template <typename Event, typename... Args>
void Raise(const Event& event, Args&&... args) {
  if (event) event(std::forward<Args>(args)...);
}

}  // namespace vyr
