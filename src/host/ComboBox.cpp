#include "host/ComboBox.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QStylePainter>
#include <algorithm>

#include "host/Application.h"
#include "host/KeyCodes.h"

namespace vyr {

// The Qt combo box inside: paints the closed box with the owner's item,
// and reports the pointer, the focus and the opening and closing of the
// list to the owner.
class TCustomComboBox::Widget : public QComboBox {
 public:
  explicit Widget(TCustomComboBox* owner) : QComboBox(owner), FOwner(owner) { setMouseTracking(true); }
  bool ByMouse = false;
  bool ByKey = false;
  // The owner is going: nothing is reported to it any more.
  void Detach() { FOwner = nullptr; }

  void showPopup() override {
    QPointer<Widget> self(this);
    if (FOwner) Guarded([&] { FOwner->DropDown(); });
    if (self) QComboBox::showPopup();
  }
  void hidePopup() override {
    QComboBox::hidePopup();
    if (FOwner) Guarded([&] { FOwner->CloseUp(); });
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (!FOwner) return QComboBox::paintEvent(e);
    Guarded([&] {
      QStylePainter p(this);
      QStyleOptionComboBox opt;
      initStyleOption(&opt);
      opt.currentText.clear();
      opt.currentIcon = QIcon();
      p.drawComplexControl(QStyle::CC_ComboBox, opt);
      const QRect edit = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
      TOwnerDrawState state = odComboBoxEdit;
      if (hasFocus()) state |= odSelected | odFocused;
      if (!isEnabled()) state |= odDisabled;
      p.drawImage(edit.topLeft(), FOwner->ItemImage(currentIndex(), edit.size(), state));
    });
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    const QPoint pos = e->position().toPoint();
    if (FOwner) Guarded([&] { FOwner->MouseMove(ShiftStateFromQt(e->modifiers(), e->buttons()), pos.x(), pos.y()); });
    QComboBox::mouseMoveEvent(e);
  }
  void mousePressEvent(QMouseEvent* e) override {
    QPointer<Widget> self(this);
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::LeftButton && FOwner)
      Guarded([&] { FOwner->MouseDown(mbLeft, ShiftStateFromQt(e->modifiers(), e->buttons()), pos.x(), pos.y()); });
    if (!self) return;
    ByMouse = true;
    QComboBox::mousePressEvent(e);
    if (self) ByMouse = false;
  }
  void keyPressEvent(QKeyEvent* e) override {
    QPointer<Widget> self(this);
    ByKey = true;
    QComboBox::keyPressEvent(e);
    if (self) ByKey = false;
  }
  void focusInEvent(QFocusEvent* e) override {
    QComboBox::focusInEvent(e);
    if (FOwner) Guarded([&] { FOwner->DoEnter(); });
  }
  void focusOutEvent(QFocusEvent* e) override {
    QComboBox::focusOutEvent(e);
    if (FOwner) Guarded([&] { FOwner->DoExit(); });
  }

 private:
  TCustomComboBox* FOwner;
};

// Draws the items of the open list through the owner.
class TCustomComboBox::Delegate : public QAbstractItemDelegate {
 public:
  Delegate(TCustomComboBox* owner, QObject* parent) : QAbstractItemDelegate(parent), FOwner(owner) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    Guarded([&] {
      TOwnerDrawState state = 0;
      if (option.state & (QStyle::State_Selected | QStyle::State_MouseOver)) state |= odSelected;
      if (option.state & QStyle::State_HasFocus) state |= odFocused;
      if (!(option.state & QStyle::State_Enabled)) state |= odDisabled;
      painter->drawImage(option.rect.topLeft(), FOwner->ItemImage(index.row(), option.rect.size(), state));
    });
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
    return QSize(option.rect.width(), FOwner->ItemHeight());
  }

 private:
  TCustomComboBox* FOwner;
};

struct TCustomComboBox::Private {
  Widget* Combo = nullptr;
  int ItemHeight = 16;
};

TCustomComboBox::TCustomComboBox(QWidget* AOwner) : TCustomControl(AOwner), d(std::make_unique<Private>()) {
  d->Combo = new Widget(this);
  d->Combo->setItemDelegate(new Delegate(this, d->Combo));
  d->Combo->setMaxVisibleItems(8);
  setFocusProxy(d->Combo);
  TCustomControl::SetColor(clWindow);
  QObject::connect(d->Combo, &QComboBox::activated, this, [this](int) { Guarded([&] { Select(); }); });
  resize(145, 24);
}

// The inner box goes first, while the owner is still whole; closing its
// list or losing the focus on the way reports nothing.
TCustomComboBox::~TCustomComboBox() {
  d->Combo->Detach();
  delete d->Combo;
}

QComboBox& TCustomComboBox::ComboWidget() const { return *d->Combo; }

QStringList TCustomComboBox::Items() const {
  QStringList items;
  for (int i = 0; i < d->Combo->count(); ++i) items << d->Combo->itemText(i);
  return items;
}

void TCustomComboBox::SetItems(const QStringList& items) {
  const QSignalBlocker block(d->Combo);
  d->Combo->clear();
  d->Combo->addItems(items);
  d->Combo->setCurrentIndex(-1);
}

int TCustomComboBox::ItemCount() const { return d->Combo->count(); }
QString TCustomComboBox::Item(int index) const { return d->Combo->itemText(index); }

void TCustomComboBox::Clear() {
  const QSignalBlocker block(d->Combo);
  d->Combo->clear();
}

void TCustomComboBox::AddItem(const QString& text) {
  const QSignalBlocker block(d->Combo);
  const bool none = d->Combo->currentIndex() < 0;
  d->Combo->addItem(text);
  // Qt makes the first item added current; an added item selects nothing.
  if (none) d->Combo->setCurrentIndex(-1);
}

void TCustomComboBox::SetItemText(int index, const QString& text) {
  if (index >= 0 && index < ItemCount()) d->Combo->setItemText(index, text);
}

void TCustomComboBox::RepaintItems() {
  d->Combo->update();
  d->Combo->view()->viewport()->update();
}

int TCustomComboBox::ItemIndex() const { return d->Combo->currentIndex(); }

void TCustomComboBox::SetItemIndex(int value) {
  if (value < -1 || value >= ItemCount()) return;
  const QSignalBlocker block(d->Combo);
  d->Combo->setCurrentIndex(value);
}

int TCustomComboBox::ItemHeight() const { return d->ItemHeight; }

void TCustomComboBox::SetItemHeight(int value) {
  value = std::clamp(value, 1, kMaxItemHeight);
  if (value == d->ItemHeight) return;
  d->ItemHeight = value;
  updateGeometry();
  RepaintItems();
}

int TCustomComboBox::DropDownCount() const { return d->Combo->maxVisibleItems(); }
void TCustomComboBox::SetDropDownCount(int value) {
  d->Combo->setMaxVisibleItems(std::clamp(value, 1, kMaxDropDownCount));
}

void TCustomComboBox::SetColor(TColor color) {
  TCustomControl::SetColor(color);
  RepaintItems();
}

void TCustomComboBox::SetFont(const TFont& font) {
  TCustomControl::SetFont(font);
  d->Combo->setFont(font.ToQFont());
  updateGeometry();
}

bool TCustomComboBox::DroppedDown() const { return d->Combo->view()->isVisible(); }

void TCustomComboBox::SetDroppedDown(bool value) {
  if (value == DroppedDown()) return;
  if (value)
    d->Combo->showPopup();
  else
    d->Combo->hidePopup();
}

bool TCustomComboBox::DropDownByMouse() const { return d->Combo->ByMouse; }
bool TCustomComboBox::DropDownByKeyboard() const { return d->Combo->ByKey; }

void TCustomComboBox::DropDown() { Raise(OnDropDown, this); }
void TCustomComboBox::CloseUp() { Raise(OnCloseUp, this); }
void TCustomComboBox::Change() { Raise(OnChange, this); }

void TCustomComboBox::Select() {
  QPointer<TCustomComboBox> self(this);
  Click();
  if (self) Change();
}

QImage TCustomComboBox::ItemImage(int index, QSize size, TOwnerDrawState state) {
  QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  TCanvas c(&image);
  const bool highlighted = (state & odSelected) && !(state & odDisabled);
  c.Font = Font();
  c.Font.Color = highlighted ? clHighlightText : clWindowText;
  c.Brush = TBrush{highlighted ? clHighlight : Color(), bsSolid};
  const TRect r{0, 0, image.width(), image.height()};
  if (index < 0 || index >= ItemCount())
    c.FillRect(r);
  else
    DrawItem(c, index, r, state);
  return image;
}

void TCustomComboBox::DrawItem(TCanvas& Canvas, int Index, const TRect& Rect, TOwnerDrawState) {
  Canvas.FillRect(Rect);
  const QString text = Item(Index);
  Canvas.TextOut(Rect.Left + 2, Rect.Top + (Rect.Height() - Canvas.TextHeight(text)) / 2, text);
}

void TCustomComboBox::Resize() {
  TCustomControl::Resize();
  d->Combo->setGeometry(0, 0, Width(), Height());
}

void TCustomComboBox::EnabledChanged() { RepaintItems(); }

QSize TCustomComboBox::sizeHint() const {
  const QSize inner = d->Combo->sizeHint();
  return QSize(std::max(inner.width(), 145), std::max(inner.height(), d->ItemHeight + 8));
}

QSize TCustomComboBox::minimumSizeHint() const {
  const QSize inner = d->Combo->minimumSizeHint();
  return QSize(inner.width(), std::max(inner.height(), d->ItemHeight + 8));
}

}  // namespace vyr
