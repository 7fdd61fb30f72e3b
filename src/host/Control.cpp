#include "host/Control.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWheelEvent>
#include <algorithm>

#include "host/Application.h"
#include "host/KeyCodes.h"

namespace vyr {
namespace {

TMouseButton ButtonOf(Qt::MouseButton b) {
  switch (b) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}

TShiftState MouseShift(const QMouseEvent* e) { return ShiftStateFromQt(e->modifiers(), e->buttons()); }

}  // namespace

TControl::TControl(QWidget* AOwner) : QWidget(AOwner) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setAcceptDrops(true);
  FCanvas.SetImage(&FImage);
}

void TControl::SetLeft(int value) { SetBounds(value, Top(), Width(), Height()); }
void TControl::SetTop(int value) { SetBounds(Left(), value, Width(), Height()); }
void TControl::SetWidth(int value) { SetBounds(Left(), Top(), value, Height()); }
void TControl::SetHeight(int value) { SetBounds(Left(), Top(), Width(), value); }

void TControl::SetBounds(int left, int top, int width, int height) {
  setGeometry(left, top, std::max(width, 0), std::max(height, 0));
  NoteSize();
}

void TControl::NoteSize() {
  if (size() == FNotedSize) return;
  FNotedSize = size();
  SizeChanged();
}

void TControl::SetEnabled(bool value) { setEnabled(value); }

void TControl::SetVisible(bool value) { setVisible(value); }

void TControl::SetFont(const TFont& font) {
  if (font == FFont) return;
  FFont = font;
  FCanvas.Font = font;
  FontChanged();
}

void TControl::SetFontQ(const QFont& font) {
  TFont f = FFont;
  f.AssignQFont(font);
  SetFont(f);
}

void TControl::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Invalidate();
}

void TControl::SetFocus() { setFocus(Qt::OtherFocusReason); }

void TControl::SelectNext(bool forward) {
  QWidget* scope = window();
  QWidget* next = forward ? nextInFocusChain() : previousInFocusChain();
  // Walk the chain to the next widget that accepts Tab focus.
  while (next && next != this) {
    if (next->isEnabled() && next->isVisibleTo(scope) && (next->focusPolicy() & Qt::TabFocus)) {
      next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
      return;
    }
    next = forward ? next->nextInFocusChain() : next->previousInFocusChain();
  }
}

bool TControl::EnsureCanvasSize() {
  if (FImage.width() != width() || FImage.height() != height()) {
    if (width() <= 0 || height() <= 0) {
      FImage = QImage();
    } else {
      FImage = QImage(width(), height(), QImage::Format_RGB32);
      FImage.fill(ToQColor(FColor));
    }
  }
  // Inside a border the canvas is a view of the client area, so drawing
  // keeps to it and starts at its corner.
  const int b = BorderWidth();
  if (b == 0 || FImage.isNull()) {
    FCanvas.SetImage(&FImage);
    return !FImage.isNull();
  }
  const int w = FImage.width() - 2 * b, h = FImage.height() - 2 * b;
  if (w <= 0 || h <= 0) {
    FClientImage = QImage();
  } else {
    const qsizetype line = FImage.bytesPerLine();
    FClientImage = QImage(FImage.bits() + b * line + b * 4, w, h, line, FImage.format());
  }
  FCanvas.SetImage(&FClientImage);
  return !FClientImage.isNull();
}

TCanvas& TControl::Canvas() {
  EnsureCanvasSize();
  return FCanvas;
}

void TControl::Paint() {
  if (FPainting) return;
  FPainting = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{FPainting};
  if (!EnsureCanvasSize()) return;
  // A transparent control starts from the parent's picture; when it then
  // draws nothing (painting suppressed), its last picture stays.
  QImage previous;
  if (Transparent()) {
    previous = FImage.copy();
    PrepareCanvas();
  }
  std::uint64_t before = FCanvas.ChangeCount();
  FCanvas.Font = FFont;
  DoPaint();
  FStale = false;
  if (FCanvas.ChangeCount() == before) {
    if (!previous.isNull()) FImage = previous;
    return;
  }
  DrawBorder();
  ++FPaintCount;
  update();
  // Light-weight children show this control's picture through them.
  for (QObject* child : children())
    if (auto* g = qobject_cast<TGraphicControl*>(child); g && g->Visible()) g->Paint();
}

void TControl::SetBorderStyle(TBorderStyle value) {
  if (value == FBorderStyle) return;
  FBorderStyle = value;
  FClientImage = QImage();
  EnsureCanvasSize();
  BorderStyleChanged();
}

TRect TControl::ClientRect() const {
  const int b = BorderWidth();
  return {b, b, std::max(b, width() - b), std::max(b, height() - b)};
}

// The sunken edge: shadow over dark shadow on the top and left, highlight
// over light on the bottom and right.
void TControl::DrawBorder() {
  if (FBorderStyle != bsSingle) return;
  TCanvas edge;
  edge.SetImage(&FImage);
  const int right = width() - 1, bottom = height() - 1;
  auto ring = [&](int in, TColor topLeft, TColor bottomRight) {
    edge.Pen.Color = topLeft;
    edge.MoveTo(in, bottom - in);
    edge.LineTo(in, in);
    edge.LineTo(right - in, in);
    edge.Pen.Color = bottomRight;
    edge.LineTo(right - in, bottom - in);
    edge.LineTo(in - 1, bottom - in);
  };
  ring(0, clBtnShadow, clBtnHighlight);
  ring(1, cl3DDkShadow, cl3DLight);
}

void TControl::Invalidate() {
  FStale = true;
  update();
}

void TControl::DoPaint() {
  FCanvas.Brush.Color = FColor;
  FCanvas.Brush.Style = bsSolid;
  FCanvas.FillRect({0, 0, width(), height()});
}

void TControl::Loaded() {
  TComponentBase::Loaded();
  // A stored form sets the geometry directly; pass it through the setters
  // so that controls which limit their size apply their limits.
  QRect g = geometry();
  SetWidth(g.width());
  SetHeight(g.height());
  Invalidate();
}

void TControl::Resize() { Raise(OnResize, this); }

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  Raise(OnMouseDown, this, Button, Shift, X, Y);
}
void TControl::MouseMove(TShiftState Shift, int X, int Y) { Raise(OnMouseMove, this, Shift, X, Y); }
void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  Raise(OnMouseUp, this, Button, Shift, X, Y);
}
void TControl::Click() { Raise(OnClick, this); }
void TControl::DblClick() { Raise(OnDblClick, this); }
void TControl::KeyDown(quint16& Key, TShiftState Shift) { Raise(OnKeyDown, this, Key, Shift); }
void TControl::KeyPress(QChar& Key) { Raise(OnKeyPress, this, Key); }
void TControl::KeyUp(quint16& Key, TShiftState Shift) { Raise(OnKeyUp, this, Key, Shift); }
void TControl::DoEnter() { Raise(OnEnter, this); }
void TControl::DoExit() { Raise(OnExit, this); }
void TControl::MouseEnter() { Raise(OnMouseEnter, this); }
void TControl::MouseLeave() { Raise(OnMouseLeave, this); }

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  Raise(OnMouseWheel, this, Shift, WheelDelta, MousePos, handled);
  if (handled || WheelDelta == 0) return handled;
  return WheelDelta < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  Raise(OnMouseWheelDown, this, Shift, MousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  bool handled = false;
  Raise(OnMouseWheelUp, this, Shift, MousePos, handled);
  return handled;
}

bool TControl::event(QEvent* e) {
  // Tab normally moves the focus before the control sees it; controls that
  // want the key get it as a key-down instead.
  if (e->type() == QEvent::KeyPress && WantsTabKey()) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
      keyPressEvent(k);
      return true;
    }
  }
  bool result = false;
  Guarded([&] { result = QWidget::event(e); });
  return result;
}

void TControl::paintEvent(QPaintEvent*) {
  Guarded([&] {
    if (FStale || FImage.size() != size()) Paint();
    if (FImage.isNull()) return;
    QPainter p(this);
    p.drawImage(0, 0, FImage);
    if (hasFocus()) DrawFocusFrame(p);
  });
}

// A dotted rectangle, drawn whenever the control has the focus (not only
// after keyboard navigation, as some styles do), so the focus can be found.
void TControl::DrawFocusFrame(QPainter& p) {
  const TRect r = FocusFrame().Translated(BorderWidth(), BorderWidth());
  if (r.IsEmpty()) return;
  p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void TControl::SetHint(const QString& hint) {
  FHint = hint;
  setToolTip(FShowHint ? hint : QString());
}

void TControl::SetShowHint(bool value) {
  FShowHint = value;
  setToolTip(value ? FHint : QString());
}

void TControl::SetTabStop(bool value) {
  if (focusPolicy() == Qt::NoFocus) return;
  setFocusPolicy(value ? Qt::StrongFocus : Qt::ClickFocus);
}

void TControl::contextMenuEvent(QContextMenuEvent* e) {
  Guarded([&] {
    const bool byMouse = e->reason() == QContextMenuEvent::Mouse;
    const QPoint q = ToClient(e->pos());
    const TPoint at = byMouse ? TPoint{q.x(), q.y()} : TPoint{-1, -1};
    bool handled = false;
    Raise(OnContextPopup, this, at, handled);
    if (handled) return;
    if (!FPopupMenu) {
      e->ignore();  // the parent may have a menu of its own
      return;
    }
    const QPoint screen = e->globalPos();
    FPopupMenu->Popup(screen.x(), screen.y());
  });
}

void TControl::resizeEvent(QResizeEvent*) {
  Guarded([&] {
    FStale = true;
    NoteSize();
    Resize();
  });
}

void TControl::mousePressEvent(QMouseEvent* e) {
  Guarded([&] {
    QPoint p = ToClient(e->position());
    if (e->button() == Qt::LeftButton) FClickPending = true;
    if (e->button() == Qt::LeftButton && FDragMode == dmAutomatic && !IsDesigning()) {
      FDragThreshold = QApplication::startDragDistance();
      FDragFrom = p;
    }
    MouseDown(ButtonOf(e->button()), MouseShift(e), p.x(), p.y());
  });
}

void TControl::mouseMoveEvent(QMouseEvent* e) {
  Guarded([&] {
    QPoint p = ToClient(e->position());
    if (FDragThreshold >= 0 && (e->buttons() & Qt::LeftButton) &&
        (p - FDragFrom).manhattanLength() >= std::max(FDragThreshold, 1)) {
      FClickPending = false;
      StartDrag();
      return;
    }
    MouseMove(MouseShift(e), p.x(), p.y());
  });
}

void TControl::mouseReleaseEvent(QMouseEvent* e) {
  Guarded([&] {
    QPoint p = ToClient(e->position());
    if (e->button() == Qt::LeftButton) FDragThreshold = -1;
    // Click comes first, and only when the button goes up over the control;
    // a click handler may have freed the control.
    if (e->button() == Qt::LeftButton && FClickPending) {
      FClickPending = false;
      const QPointer<TControl> alive(this);
      if (rect().contains(p)) Click();
      if (!alive) return;
    }
    MouseUp(ButtonOf(e->button()), MouseShift(e), p.x(), p.y());
  });
}

void TControl::mouseDoubleClickEvent(QMouseEvent* e) {
  Guarded([&] {
    QPoint p = ToClient(e->position());
    FClickPending = false;
    const QPointer<TControl> alive(this);
    if (e->button() == Qt::LeftButton) DblClick();
    if (!alive) return;
    MouseDown(ButtonOf(e->button()), MouseShift(e) | ssDouble, p.x(), p.y());
  });
}

void TControl::keyPressEvent(QKeyEvent* e) {
  Guarded([&] {
    if (HandleControlKey(e)) return;
    quint16 key = VirtualKeyFromQt(e->key(), e->modifiers());
    // A handler run by the key may have freed the control.
    const QPointer<TControl> alive(this);
    if (key != 0) KeyDown(key, ShiftStateFromQt(e->modifiers()));
    for (QChar ch : e->text()) {
      if (!alive) return;
      if (ch.isNull()) continue;
      KeyPress(ch);
    }
  });
}

void TControl::keyReleaseEvent(QKeyEvent* e) {
  Guarded([&] {
    if (e->isAutoRepeat()) return;
    quint16 key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (key != 0) KeyUp(key, ShiftStateFromQt(e->modifiers()));
  });
}

void TControl::focusInEvent(QFocusEvent* e) {
  Guarded([&] {
    QWidget::focusInEvent(e);
    DoEnter();
  });
}

void TControl::focusOutEvent(QFocusEvent* e) {
  Guarded([&] {
    QWidget::focusOutEvent(e);
    DoExit();
  });
}

void TControl::enterEvent(QEnterEvent*) { Guarded([&] { MouseEnter(); }); }

void TControl::leaveEvent(QEvent*) { Guarded([&] { MouseLeave(); }); }

void TControl::wheelEvent(QWheelEvent* e) {
  Guarded([&] {
    QPoint p = ToClient(e->position());
    bool handled = DoMouseWheel(ShiftStateFromQt(e->modifiers(), e->buttons()), e->angleDelta().y(), {p.x(), p.y()});
    e->setAccepted(handled);
  });
}

void TControl::changeEvent(QEvent* e) {
  Guarded([&] {
    if (e->type() == QEvent::EnabledChange) EnabledChanged();
    // Only a font set on this control itself (a stored form does that), not
    // one inherited from the parent, replaces the control's font.
    if (e->type() == QEvent::FontChange && testAttribute(Qt::WA_SetFont)) {
      TFont f = FFont;
      f.AssignQFont(font());
      SetFont(f);
    }
    QWidget::changeEvent(e);
  });
}

TCustomControl::TCustomControl(QWidget* AOwner) : TControl(AOwner) { setFocusPolicy(Qt::StrongFocus); }

TGraphicControl::TGraphicControl(QWidget* AOwner) : TControl(AOwner) { setFocusPolicy(Qt::NoFocus); }

void TGraphicControl::PrepareCanvas() {
  QWidget* parent = parentWidget();
  if (auto* owner = qobject_cast<TControl*>(parent)) {
    // The parent's back canvas under this control.
    const QImage& below = owner->Canvas().Image() ? *owner->Canvas().Image() : QImage();
    QPainter p(&FImage);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(FImage.rect(), ToQColor(owner->Color()));
    const int inset = owner->BorderWidth();
    if (!below.isNull()) p.drawImage(QPoint(0, 0), below, geometry().translated(-inset, -inset));
    return;
  }
  FImage.fill(parent ? parent->palette().color(parent->backgroundRole()) : ToQColor(Color()));
}

}  // namespace vyr
