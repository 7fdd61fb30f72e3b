#include "host/TreeView.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTreeView>
#include <algorithm>

#include "host/Application.h"
#include "host/KeyCodes.h"
#include "host/TreeBranches.h"
#include "host/TreeModel.h"

namespace vyr {

// The Qt tree view inside: reports input, focus and painting to the owner
// and draws the classic branches.
class TCustomTreeView::Widget : public QTreeView {
 public:
  explicit Widget(TCustomTreeView* owner) : QTreeView(owner), FOwner(owner) {
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setAnimated(false);
    setMouseTracking(true);
  }
  // The owner is going: nothing is reported to it any more.
  void Detach() { FOwner = nullptr; }
  void Relayout() { scheduleDelayedItemsLayout(); }
  void LayoutNow() { executeDelayedItemsLayout(); }
  QPoint ToOwner(QPointF viewportPos) const {
    return FOwner->ToClient(viewport()->mapTo(FOwner, viewportPos.toPoint()));
  }

 protected:
  void paintEvent(QPaintEvent* e) override {
    if (FOwner) Guarded([&] { FOwner->ConfirmShownNodes(); });
    QTreeView::paintEvent(e);
    if (hasFocus()) DrawFocusRow();
  }
  // A click (Ctrl+click included) selects; nothing the user does clears
  // the selection.
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index, const QEvent* event) const override {
    const auto flags = QTreeView::selectionCommand(index, event);
    if (!(flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))) return flags;
    return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
  }
  void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override {
    if (!FOwner) return;
    if (FOwner->TreeLook() == tlExplorer) {
      if (FOwner->ShowButtons()) QTreeView::drawBranches(painter, rect, index);
      return;
    }
    const TTreeNode* node = static_cast<const TTreeNode*>(index.internalPointer());
    TBranchLook look;
    look.Indent = indentation();
    look.ShowRoot = rootIsDecorated();
    look.ShowLines = FOwner->ShowLines();
    look.ShowButtons = FOwner->ShowButtons();
    look.Expanded = isExpanded(index);
    look.Line = ToQColor(clBtnShadow);
    look.Box = ToQColor(clBtnShadow);
    look.Face = ToQColor(clWindow);
    look.Sign = ToQColor(clWindowText);
    DrawClassicBranches(*painter, rect, *node, look);
  }
  void mousePressEvent(QMouseEvent* e) override {
    if (!Report(e, [&](QPoint p, TShiftState s) { FOwner->MouseDown(ButtonOf(e), s, p.x(), p.y()); })) return;
    FClickPending = e->button() == Qt::LeftButton;
    QTreeView::mousePressEvent(e);
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    if (!Report(e, [&](QPoint p, TShiftState s) { FOwner->MouseMove(s, p.x(), p.y()); })) return;
    QTreeView::mouseMoveEvent(e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    QPointer<Widget> self(this);
    QTreeView::mouseReleaseEvent(e);
    if (!self || !FOwner) return;
    const bool click = FClickPending && e->button() == Qt::LeftButton && viewport()->rect().contains(e->position().toPoint());
    FClickPending = false;
    if (click) Guarded([&] { FOwner->Click(); });
    if (self) Report(e, [&](QPoint p, TShiftState s) { FOwner->MouseUp(ButtonOf(e), s, p.x(), p.y()); });
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    FClickPending = false;
    if (e->button() == Qt::LeftButton && FOwner) {
      QPointer<Widget> self(this);
      Guarded([&] { FOwner->DblClick(); });
      if (!self) return;
    }
    QTreeView::mouseDoubleClickEvent(e);
  }
  void keyPressEvent(QKeyEvent* e) override {
    if (FOwner && FOwner->PassesKeyToParent(e)) return e->ignore();
    QPointer<Widget> self(this);
    if (FOwner) {
      quint16 key = VirtualKeyFromQt(e->key(), e->modifiers());
      const bool known = key != 0;
      Guarded([&] {
        if (known) FOwner->KeyDown(key, ShiftStateFromQt(e->modifiers()));
        for (QChar ch : e->text())
          if (self && FOwner && !ch.isNull() && !(known && key == 0)) FOwner->KeyPress(ch);
      });
      // A handler that cleared the key keeps it from the tree.
      if (!self || (known && key == 0)) return;
    }
    QTreeView::keyPressEvent(e);
  }
  void keyReleaseEvent(QKeyEvent* e) override {
    quint16 key = VirtualKeyFromQt(e->key(), e->modifiers());
    if (FOwner && key != 0 && !e->isAutoRepeat())
      Guarded([&] { FOwner->KeyUp(key, ShiftStateFromQt(e->modifiers())); });
    QTreeView::keyReleaseEvent(e);
  }
  void focusInEvent(QFocusEvent* e) override {
    QTreeView::focusInEvent(e);
    if (FOwner) Guarded([&] { FOwner->DoEnter(); });
  }
  void focusOutEvent(QFocusEvent* e) override {
    QTreeView::focusOutEvent(e);
    if (FOwner) Guarded([&] { FOwner->DoExit(); });
  }

 private:
  TCustomTreeView* FOwner;
  bool FClickPending = false;

  static TMouseButton ButtonOf(const QMouseEvent* e) {
    if (e->button() == Qt::RightButton) return mbRight;
    return e->button() == Qt::MiddleButton ? mbMiddle : mbLeft;
  }
  // Hands the event to the owner in client coordinates; false when the
  // handler took this widget away.
  template <typename F>
  bool Report(QMouseEvent* e, F&& f) {
    if (!FOwner) return true;
    QPointer<Widget> self(this);
    Guarded([&] { f(ToOwner(e->position()), ShiftStateFromQt(e->modifiers(), e->buttons())); });
    return bool(self);
  }
  // A dotted frame around the current row, so the focus can be found
  // whatever the style draws.
  void DrawFocusRow() {
    const QRect r = visualRect(currentIndex());
    if (r.isEmpty()) return;
    QPainter p(viewport());
    p.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
};

struct TCustomTreeView::Private {
  TTreeModel* Model = nullptr;
  Widget* View = nullptr;
  bool ShowButtons = true;
  bool ShowLines = true;
  bool HotTrack = false;
  bool Fetching = false;
  TTreeLook Look = tlClassic;
};

// ---- nodes ----

TTreeNode::~TTreeNode() = default;

TTreeNode* TTreeNode::Item(int index) const {
  return index >= 0 && index < Count() ? FChildren[size_t(index)].get() : nullptr;
}

int TTreeNode::SiblingCount() const { return FParent ? FParent->Count() : FOwner->TopCount(); }

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* p = FParent; p; p = p->FParent) ++level;
  return level;
}

void TTreeNode::SetHasChildren(bool value, bool confirmed) {
  FHasChildren = value;
  FConfirmed = confirmed;
}

bool TTreeNode::Expanded() const { return FOwner->IsExpanded(this); }
void TTreeNode::Expand() { FOwner->Expand(this); }
void TTreeNode::Collapse() { FOwner->Collapse(this); }

// ---- the control ----

TCustomTreeView::TCustomTreeView(QWidget* AOwner) : TCustomControl(AOwner), d(std::make_unique<Private>()) {
  d->Model = new TTreeModel(this);
  d->Model->setParent(this);
  d->View = new Widget(this);
  d->View->setModel(d->Model);
  d->View->setIndentation(19);
  setFocusProxy(d->View);
  TCustomControl::SetColor(clWindow);
  ApplyPalette();
  connect(d->View, &QTreeView::expanded, this,
          [this](const QModelIndex& i) { Guarded([&] { Expanded(d->Model->NodeOf(i)); }); });
  connect(d->View, &QTreeView::collapsed, this, [this](const QModelIndex& i) {
    QPointer<TCustomTreeView> self(this);
    Guarded([&] {
      SelectShownNode();
      if (self) Collapsed(d->Model->NodeOf(i));
    });
  });
  connect(d->View->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { Guarded([&] { Change(Selected()); }); });
  resize(121, 97);
}

// The inner view goes first, while the owner is still whole.
TCustomTreeView::~TCustomTreeView() {
  d->View->Detach();
  delete d->View;
}

QTreeView& TCustomTreeView::TreeWidget() const { return *d->View; }

int TCustomTreeView::TopCount() const { return d->Model->Root().Count(); }
TTreeNode* TCustomTreeView::TopItem(int index) const { return d->Model->Root().Item(index); }

TTreeNode* TCustomTreeView::AddChild(TTreeNode* parent, const QString& text) {
  d->Model->Append(parent, {text}, false);
  TTreeNode& above = d->Model->Below(parent);
  return above.Item(above.Count() - 1);
}

void TCustomTreeView::AddChildren(TTreeNode* parent, const QStringList& texts, bool hasChildren) {
  d->Model->Append(parent, texts, hasChildren);
}

void TCustomTreeView::DeleteChildren(TTreeNode* parent) { d->Model->RemoveChildren(parent); }
void TCustomTreeView::Clear() { d->Model->RemoveChildren(nullptr); }

std::vector<TTreeNode*> TCustomTreeView::AllNodes() const {
  std::vector<TTreeNode*> nodes;
  std::vector<const TTreeNode*> stack{&d->Model->Root()};
  while (!stack.empty()) {
    const TTreeNode* n = stack.back();
    stack.pop_back();
    if (n != &d->Model->Root()) nodes.push_back(const_cast<TTreeNode*>(n));
    for (int i = n->Count() - 1; i >= 0; --i) stack.push_back(n->Item(i));
  }
  return nodes;
}

TTreeNode* TCustomTreeView::Selected() const {
  const QModelIndexList rows = d->View->selectionModel()->selectedIndexes();
  return rows.isEmpty() ? nullptr : d->Model->NodeOf(rows.first());
}

void TCustomTreeView::SetSelected(TTreeNode* node) {
  QItemSelectionModel* s = d->View->selectionModel();
  if (!node) {
    s->clear();
    return;
  }
  const QModelIndex i = d->Model->IndexOf(node);
  s->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
  d->View->scrollTo(i);
}

void TCustomTreeView::Expand(TTreeNode* node) {
  if (!node) return;
  // Children are read now, not when the view next lays itself out, so the
  // caller finds them on return.
  if (d->Model->canFetchMore(d->Model->IndexOf(node))) RunExpanding(node);
  d->View->expand(d->Model->IndexOf(node));
}

void TCustomTreeView::Collapse(TTreeNode* node) {
  if (node) d->View->collapse(d->Model->IndexOf(node));
}

bool TCustomTreeView::IsExpanded(const TTreeNode* node) const {
  return node && d->View->isExpanded(d->Model->IndexOf(node));
}

void TCustomTreeView::FullCollapse() {
  d->View->collapseAll();
  SelectShownNode();
}

// A collapse that hides the selected node selects the outermost collapsed
// node above it, the one that now shows in its place.
void TCustomTreeView::SelectShownNode() {
  TTreeNode* shown = Selected();
  for (TTreeNode* p = shown ? shown->Parent() : nullptr; p; p = p->Parent())
    if (!IsExpanded(p)) shown = p;
  if (shown != Selected()) SetSelected(shown);
}

void TCustomTreeView::RunExpanding(TTreeNode* node) {
  if (d->Fetching) return;
  d->Fetching = true;
  QPointer<TCustomTreeView> self(this);
  Guarded([&] { Expanding(node); });
  if (!self) return;
  d->Fetching = false;
  if (node->Count() == 0 && node->FHasChildren) {
    node->SetHasChildren(false);
    d->View->Relayout();
  }
}

void TCustomTreeView::ConfirmShownNodes() {
  Widget& v = *d->View;
  v.LayoutNow();
  const int height = v.viewport()->height();
  bool changed = false;
  for (QModelIndex i = v.indexAt(QPoint(v.viewport()->width() - 1, 0)); i.isValid(); i = v.indexBelow(i)) {
    if (v.visualRect(i).top() >= height) break;
    TTreeNode* node = d->Model->NodeOf(i);
    if (!node->Unconfirmed()) continue;
    node->FConfirmed = true;
    ConfirmChildren(node);
    changed = changed || !node->HasChildren();
  }
  if (!changed) return;
  v.Relayout();
  v.LayoutNow();
}

void TCustomTreeView::Expanding(TTreeNode* Node) { Raise(OnExpanding, this, Node); }
void TCustomTreeView::Expanded(TTreeNode* Node) { Raise(OnExpanded, this, Node); }
void TCustomTreeView::Collapsed(TTreeNode* Node) { Raise(OnCollapsed, this, Node); }
void TCustomTreeView::Change(TTreeNode* Node) { Raise(OnChange, this, Node); }
void TCustomTreeView::ConfirmChildren(TTreeNode*) {}

bool TCustomTreeView::ShowButtons() const { return d->ShowButtons; }
bool TCustomTreeView::ShowLines() const { return d->ShowLines; }
bool TCustomTreeView::ShowRoot() const { return d->View->rootIsDecorated(); }
bool TCustomTreeView::HotTrack() const { return d->HotTrack; }
int TCustomTreeView::Indent() const { return d->View->indentation(); }
TTreeLook TCustomTreeView::TreeLook() const { return d->Look; }

void TCustomTreeView::SetShowButtons(bool value) {
  d->ShowButtons = value;
  d->View->viewport()->update();
}

void TCustomTreeView::SetShowLines(bool value) {
  d->ShowLines = value;
  d->View->viewport()->update();
}

void TCustomTreeView::SetShowRoot(bool value) { d->View->setRootIsDecorated(value); }

// Hot tracking underlines the node under the pointer.
void TCustomTreeView::SetHotTrack(bool value) {
  d->HotTrack = value;
  d->View->setStyleSheet(value ? QStringLiteral("QTreeView::item:hover { text-decoration: underline; }") : QString());
}

void TCustomTreeView::SetIndent(int value) { d->View->setIndentation(std::clamp(value, 0, kMaxIndent)); }

void TCustomTreeView::SetTreeLook(TTreeLook value) {
  d->Look = value;
  d->View->viewport()->update();
}

void TCustomTreeView::SetColor(TColor color) {
  TCustomControl::SetColor(color);
  ApplyPalette();
}

void TCustomTreeView::SetFont(const TFont& font) {
  TCustomControl::SetFont(font);
  d->View->setFont(font.ToQFont());
  ApplyPalette();
  updateGeometry();
}

void TCustomTreeView::ApplyPalette() {
  QPalette pal = d->View->palette();
  pal.setColor(QPalette::Base, ToQColor(Color()));
  pal.setColor(QPalette::Text, ToQColor(Font().Color));
  d->View->setPalette(pal);
}

TRect TCustomTreeView::NodeRect(const TTreeNode* node) const {
  if (!node) return {};
  const QRect r = d->View->visualRect(d->Model->IndexOf(node));
  if (r.isEmpty()) return {};
  const QPoint tl = ToClient(d->View->viewport()->mapTo(this, r.topLeft()));
  return {tl.x(), tl.y(), tl.x() + r.width(), tl.y() + r.height()};
}

QString TCustomTreeView::AccessibleValue() const {
  const TTreeNode* node = Selected();
  return node ? node->Text() : QString();
}

void TCustomTreeView::Resize() {
  TCustomControl::Resize();
  const TRect c = ClientRect();
  d->View->setGeometry(c.Left, c.Top, c.Width(), c.Height());
}

void TCustomTreeView::BorderStyleChanged() { Resize(); }

void TCustomTreeView::EnabledChanged() { d->View->viewport()->update(); }

QSize TCustomTreeView::sizeHint() const { return QSize(121, 97).expandedTo(minimumSizeHint()); }

QSize TCustomTreeView::minimumSizeHint() const {
  const int row = QFontMetrics(Font().ToQFont()).height() + 2;
  return QSize(4 * Indent() + 40, 3 * row + 4);
}

}  // namespace vyr
