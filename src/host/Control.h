#pragma once
// TControl: the base of every visual control. It is a QWidget with the
// component behaviour of TComponentBase and a back canvas of its own size.
//
// Paint model: Paint() draws into the back canvas at once (DoPaint does the
// drawing), then asks Qt to show it; Qt's paint event only copies the back
// canvas, running Paint first when it is stale (after a resize or an
// Invalidate). PaintCount counts the paints that drew something.
//
// Input: Qt's events arrive as MouseDown/MouseMove/MouseUp, Click,
// DblClick, KeyDown (virtual key codes), KeyPress, KeyUp, DoEnter/DoExit,
// MouseEnter/MouseLeave and DoMouseWheel. Each may be called directly;
// exceptions never leave a Qt event handler (they go to the application).
#include <QAccessible>
#include <QImage>
#include <QPointer>
#include <QWidget>

#include "host/Accessible.h"
#include "host/Canvas.h"
#include "host/Component.h"
#include "host/Events.h"
#include "host/Font.h"
#include "host/PopupMenu.h"

class QPainter;

namespace vyr {

class TControl : public QWidget, public TComponentBase {
  Q_OBJECT
  Q_PROPERTY(uint Color READ Color WRITE SetColor)
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(bool ShowHint READ ShowHint WRITE SetShowHint)
  Q_PROPERTY(bool TabStop READ TabStop WRITE SetTabStop)
  Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder STORED false)
  Q_PROPERTY(int BorderStyle READ BorderStyleOrdinal WRITE SetBorderStyleOrdinal)
  Q_PROPERTY(int DragMode READ DragModeOrdinal WRITE SetDragModeOrdinal)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(qlonglong Tag READ TagValue WRITE SetTagValue)

 public:
  explicit TControl(QWidget* AOwner = nullptr);
  QObject* AsObject() override { return this; }

  int Left() const { return x(); }
  int Top() const { return y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  // Sizes below zero become zero.
  virtual void SetLeft(int value);
  virtual void SetTop(int value);
  virtual void SetWidth(int value);
  virtual void SetHeight(int value);
  virtual void SetBounds(int left, int top, int width, int height);

  bool Enabled() const { return isEnabled(); }
  virtual void SetEnabled(bool value);
  // The control's own visibility (not whether its window is on screen).
  bool Visible() const {
    return !(testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden));
  }
  virtual void SetVisible(bool value);
  const TFont& Font() const { return FFont; }
  virtual void SetFont(const TFont& font);
  // The font as a QFont: what the controls publish as their Font property.
  QFont FontQ() const { return FFont.ToQFont(); }
  void SetFontQ(const QFont& font);
  TColor Color() const { return FColor; }
  virtual void SetColor(TColor color);
  // The tooltip text; it shows while ShowHint is on (the default).
  QString Hint() const { return FHint; }
  void SetHint(const QString& hint);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool value);
  // Whether Tab stops at the control (a focusable control still takes the
  // focus by click). Controls that never take the focus ignore it.
  bool TabStop() const { return focusPolicy() & Qt::TabFocus; }
  void SetTabStop(bool value);
  // Opened by a right click, the menu key or Shift+F10 unless
  // OnContextPopup handles the request; not owned (the application keeps
  // it, as with any menu). From the keyboard it opens at KeyPopupPoint.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu) { FPopupMenu = menu; }
  // The place among the parent's focusable children in Tab order, from 0;
  // -1 for a control that never takes the focus. Writes are clamped to the
  // children's count and move the control there, the others keeping their
  // order.
  int TabOrder() const;
  void SetTabOrder(int value);
  // bsSingle draws a sunken edge of BorderWidth pixels around the client
  // area; ClientRect is what lies inside it.
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle value);
  int BorderStyleOrdinal() const { return FBorderStyle; }
  void SetBorderStyleOrdinal(int value) { SetBorderStyle(value == bsSingle ? bsSingle : bsNone); }
  int BorderWidth() const { return FBorderStyle == bsSingle ? 2 : 0; }
  TRect ClientRect() const;
  // A position on the widget in client coordinates, where the canvas,
  // the mouse events and FocusFrame measure from.
  QPoint ToClient(QPointF widgetPos) const {
    return widgetPos.toPoint() - QPoint(BorderWidth(), BorderWidth());
  }
  // Drag and drop between controls (see host/DragSession.h). With
  // dmAutomatic a left press that moves further than Qt's start distance
  // starts a drag; the press still reaches MouseDown. BeginDrag starts one
  // from code: at once, or once the pointer moves Threshold pixels (Qt's
  // start distance when negative) with the left button down.
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode value) { FDragMode = value; }
  int DragModeOrdinal() const { return FDragMode; }
  void SetDragModeOrdinal(int value) { FDragMode = value == dmAutomatic ? dmAutomatic : dmManual; }
  void BeginDrag(bool Immediate, int Threshold = -1);
  bool Dragging() const { return FDragging; }
  qlonglong TagValue() const { return Tag(); }
  void SetTagValue(qlonglong tag) { SetTag(std::intptr_t(tag)); }

  bool Focused() const { return hasFocus(); }
  virtual void SetFocus();
  // Moves the focus to the next (or previous) control of the window.
  void SelectNext(bool forward = true);

  // The back canvas, the size of the control.
  TCanvas& Canvas();
  void Paint();
  int PaintCount() const { return FPaintCount; }
  // Repaints later, when Qt next shows the control.
  void Invalidate();
  // Repaints now.
  void Refresh() { Paint(); }

  void Loaded() override;

  // What assistive technology reads (see host/Accessible.h): the role, the
  // name when no accessibleName is set (the component's Name by default),
  // the value as text, and a number with its range for controls that show
  // one (written back through SetAccessibleNumber).
  virtual QAccessible::Role AccessibleRole() const { return QAccessible::Client; }
  virtual QString AccessibleName() const { return Name(); }
  virtual QString AccessibleValue() const { return {}; }
  virtual std::optional<TAccessibleNumber> AccessibleNumber() const { return std::nullopt; }
  virtual void SetAccessibleNumber(double) {}
  // The interface Qt hands to assistive technology; a control with more to
  // tell (a table) returns its own.
  virtual QAccessibleInterface* CreateAccessible();

  // Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgUp and Ctrl+PgDn switch a tab
  // widget's pages. A control with no use for one (WantsPageKey false, the
  // default) lets it go on to its parent, as Qt's own widgets do; KeyDown
  // does not see it then.
  bool PassesKeyToParent(const QKeyEvent* e) const;

  // Input, as Qt delivers it or as a test calls it.
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Click();
  virtual void DblClick();
  virtual void KeyDown(quint16& Key, TShiftState Shift);
  virtual void KeyPress(QChar& Key);
  virtual void KeyUp(quint16& Key, TShiftState Shift);
  virtual void DoEnter();
  virtual void DoExit();
  virtual void MouseEnter();
  virtual void MouseLeave();
  // Raises OnMouseWheel; unless handled there, DoMouseWheelDown/Up.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  // Drag and drop as the events report it; each raises its event.
  virtual void DoStartDrag();
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DragDrop(TObject* Source, int X, int Y);
  virtual void DoEndDrag(TObject* Target, int X, int Y);

  TNotifyEvent OnClick, OnDblClick, OnEnter, OnExit, OnMouseEnter, OnMouseLeave, OnResize;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TKeyEvent OnKeyDown, OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown, OnMouseWheelUp;
  TContextPopupEvent OnContextPopup;
  TStartDragEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;

 protected:
  // Draws the control into Canvas(). The base fills it with Color.
  virtual void DoPaint();
  // Transparent controls get the parent's picture laid down by
  // PrepareCanvas before each DoPaint.
  virtual bool Transparent() const { return false; }
  virtual void PrepareCanvas() {}
  virtual void Resize();
  // Called once for each new size, whether SetBounds set it (at once, even
  // while the control is hidden and Qt holds its resize event back) or Qt's
  // resize event reported it (a layout); before OnResize in the latter case.
  virtual void SizeChanged() {}
  virtual void FontChanged() { Invalidate(); }
  virtual void EnabledChanged() { Invalidate(); }
  // The client area moved in or out (BorderStyle).
  virtual void BorderStyleChanged() { Invalidate(); }
  // Controls that handle Tab themselves (moving focus on by SelectNext).
  virtual bool WantsTabKey() const { return false; }
  // Whether the control uses Ctrl with this Qt key (Tab, Backtab, PageUp
  // or PageDown) itself.
  virtual bool WantsPageKey(int) const { return false; }
  // The menu key and Shift+F10 open PopupMenu at this client point (by
  // default the client area's top-left corner); with none assigned,
  // ShowBuiltInPopup may open the control's own menu there and says
  // whether it did. Otherwise the key goes on to the parent.
  virtual TPoint KeyPopupPoint() const { return {0, 0}; }
  virtual bool ShowBuiltInPopup(TPoint) { return false; }
  // Where the focus frame goes while the control has the keyboard focus;
  // an empty rectangle draws none. The frame is laid over the screen copy
  // only: the back canvas keeps the control's own pixels. By default the
  // whole client area, one pixel in.
  virtual TRect FocusFrame() const { return {1, 1, ClientRect().Width() - 1, ClientRect().Height() - 1}; }

  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void changeEvent(QEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dragLeaveEvent(QDragLeaveEvent* e) override;
  void dropEvent(QDropEvent* e) override;

  QImage FImage;

 private:
  QImage FClientImage;  // inside a border: a view of FImage's client area
  bool EnsureCanvasSize();
  void NoteSize();
  void DrawFocusFrame(QPainter& p);
  void DrawBorder();
  void StartDrag();
  bool HandleControlKey(QKeyEvent* e);
  bool OpenPopupByKey();
  bool DragMoveAccepted(QDragMoveEvent* e, TDragState state);
  TCanvas FCanvas;
  TFont FFont;
  QString FHint;
  bool FShowHint = true;
  QPointer<TPopupMenu> FPopupMenu;
  TColor FColor = clBtnFace;
  int FPaintCount = 0;
  QSize FNotedSize{-1, -1};
  bool FStale = true;
  bool FPainting = false;
  bool FClickPending = false;
  TBorderStyle FBorderStyle = bsNone;
  TDragMode FDragMode = dmManual;
  bool FDragging = false;
  bool FDragAccepted = false;
  int FDragThreshold = -1;  // while a drag waits for the pointer to move
  QPoint FDragFrom;
};

// A windowed control: takes the focus, draws every pixel of itself.
class TCustomControl : public TControl {
  Q_OBJECT
 public:
  explicit TCustomControl(QWidget* AOwner = nullptr);
};

// A light-weight control: never takes the focus, and where it draws nothing
// the parent's picture shows through.
class TGraphicControl : public TControl {
  Q_OBJECT
 public:
  explicit TGraphicControl(QWidget* AOwner = nullptr);

 protected:
  void DoPaint() override {}
  bool Transparent() const override { return true; }
  void PrepareCanvas() override;
};

}  // namespace vyr
