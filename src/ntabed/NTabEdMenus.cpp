// The data menu and the heading menu: items, captions, masks, enabling and
// the actions that work on marks, selection and structure.
#include "foundation/TextCut.h"
#include "host/Application.h"
#include "host/Bitmap.h"
#include "host/Modal.h"
#include "ntabed/NTabEdPrivate.h"

namespace vyr {

namespace {

constexpr const char* kDCaptions[12] = {"Mark as type A", "Mark as type B",       "Unmark type A",
                                        "Unmark type B",  "Unmark All",           "Clear",
                                        "Copy",           "Paste",                "Data Read-Only",
                                        "Extract from Clipboard", "Select All",   "Toggle Empty State"};
constexpr const char* kSubCaptions[4] = {"Range", "Column", "Row", "All"};
constexpr const char* kSubNames[4] = {"M1It", "M2It", "U1It", "U2It"};
constexpr const char* kHCaptions[5] = {"Edit Heading", "Change Precision", "Select..", "Insert..", "Delete.."};

constexpr int kMaxCaption = 50;

bool Bit(std::uint32_t mask, int k) { return (mask >> k) & 1u; }

// Clears a flag at the end of a scope, also when a handler raises.
struct TMenuScope {
  explicit TMenuScope(bool& f) : flag(f) { flag = true; }
  ~TMenuScope() { flag = false; }
  bool& flag;
};

}  // namespace

void TNTabEd::BuildMenus() {
  d->PopupD = new TPopupMenu(this);
  d->PopupD->setObjectName(QStringLiteral("PopupDTAction"));
  for (int k = 0; k < 12; ++k) {
    TMenuItem* item;
    if (k < 4) {
      QMenu* sub = d->PopupD->addMenu(QString::fromLatin1(kDCaptions[k]));
      d->SubMenus[std::size_t(k)] = sub;
      item = sub->menuAction();
      for (int s = 0; s < 4; ++s) {
        QAction* a = sub->addAction(QString::fromLatin1(kSubCaptions[s]));
        a->setObjectName(QString::fromLatin1(kSubNames[k]) + QString::number(s + 1));
        d->SubItems[std::size_t(k)][std::size_t(s)] = a;
      }
    } else {
      item = d->PopupD->addAction(QString::fromLatin1(kDCaptions[k]));
    }
    item->setObjectName(QStringLiteral("DIt%1").arg(k + 1));
    d->DItems[std::size_t(k)] = item;
  }
  auto on = [this](TMenuItem* item, void (TNTabEd::*handler)(TObject*)) {
    connect(item, &QAction::triggered, this, [this, item, handler] { Guarded([&] { (this->*handler)(item); }); });
  };
  using Handler = void (TNTabEd::*)(TObject*);
  static constexpr Handler kMarkHandlers[4][4] = {
      {&TNTabEd::PopupMenuClickMarkARange, &TNTabEd::PopupMenuClickMarkACol, &TNTabEd::PopupMenuClickMarkARow,
       &TNTabEd::PopupMenuClickMarkAAll},
      {&TNTabEd::PopupMenuClickMarkBRange, &TNTabEd::PopupMenuClickMarkBCol, &TNTabEd::PopupMenuClickMarkBRow,
       &TNTabEd::PopupMenuClickMarkBAll},
      {&TNTabEd::PopupMenuClickUnMarkARange, &TNTabEd::PopupMenuClickUnMarkACol, &TNTabEd::PopupMenuClickUnMarkARow,
       &TNTabEd::PopupMenuClickUnMarkAAll},
      {&TNTabEd::PopupMenuClickUnMarkBRange, &TNTabEd::PopupMenuClickUnMarkBCol, &TNTabEd::PopupMenuClickUnMarkBRow,
       &TNTabEd::PopupMenuClickUnMarkBAll}};
  for (std::size_t k = 0; k < 4; ++k)
    for (std::size_t s = 0; s < 4; ++s) on(d->SubItems[k][s], kMarkHandlers[k][s]);
  on(d->DItems[4], &TNTabEd::PopupMenuClickUnMarkAll);
  on(d->DItems[5], &TNTabEd::PopupMenuClickClear);
  on(d->DItems[6], &TNTabEd::PopupMenuClickCopy);
  on(d->DItems[7], &TNTabEd::PopupMenuClickPaste);
  on(d->DItems[8], &TNTabEd::PopupMenuClickEdit);
  on(d->DItems[9], &TNTabEd::PopupMenuClickExtClip);
  on(d->DItems[10], &TNTabEd::PopupMenuClickSelAll);
  on(d->DItems[11], &TNTabEd::PopupMenuClickEmptyCells);
  d->DItems[7]->setEnabled(false);

  d->PopupH = new TPopupMenu(this);
  d->PopupH->setObjectName(QStringLiteral("PopupHTAction"));
  for (int k = 0; k < 5; ++k) {
    TMenuItem* item = d->PopupH->addAction(QString::fromLatin1(kHCaptions[k]));
    item->setObjectName(QStringLiteral("HIt%1").arg(k + 1));
    d->HItems[std::size_t(k)] = item;
  }
  on(d->HItems[0], &TNTabEd::PopupMenuClickChangeID);
  on(d->HItems[1], &TNTabEd::PopupMenuClickPrecision);
  // Items 3 to 5 act on the column or the row of the pressed cell.
  connect(d->HItems[2], &QAction::triggered, this, [this] {
    Guarded([&] { PressedCell().X > d->ColOffset ? PopupMenuClickSelectCol() : PopupMenuClickSelectRow(); });
  });
  connect(d->HItems[3], &QAction::triggered, this, [this] {
    Guarded([&] { PressedCell().X > d->ColOffset ? PopupMenuClickInsertCol() : PopupMenuClickInsertRow(); });
  });
  connect(d->HItems[4], &QAction::triggered, this, [this] {
    Guarded([&] { PressedCell().X > d->ColOffset ? PopupMenuClickDeleteCol() : PopupMenuClickDeleteRow(); });
  });
}

TPopupMenu* TNTabEd::DataMenu() const { return d->PopupD; }
TPopupMenu* TNTabEd::HeadingMenu() const { return d->PopupH; }
TGridCoord TNTabEd::PressedCell() const { return d->PressCell; }
void TNTabEd::SetPressedCell(TGridCoord cell) { d->PressCell = cell; }

std::uint32_t TNTabEd::PopupDMask() const { return d->DMask; }
void TNTabEd::SetPopupDMask(std::uint32_t v) {
  d->DMask = v;
  for (int k = 0; k < 12; ++k) d->DItems[std::size_t(k)]->setEnabled(Bit(v, k));
  d->DItems[7]->setEnabled(Bit(v, 7) && d->DataCopyAvail);
  Notify(OnChangeSetup);
}

std::uint32_t TNTabEd::PopupHMask() const { return d->HMask; }
void TNTabEd::SetPopupHMask(std::uint32_t v) {
  d->HMask = v;
  for (int k = 0; k < 5; ++k) d->HItems[std::size_t(k)]->setEnabled(Bit(v, k));
  Notify(OnChangeSetup);
}

std::uint32_t TNTabEd::PopupMMask() const { return d->MMask; }
void TNTabEd::SetPopupMMask(std::uint32_t v) { d->MMask = v; }
std::uint32_t TNTabEd::PopupUMask() const { return d->UMask; }
void TNTabEd::SetPopupUMask(std::uint32_t v) { d->UMask = v; }

QString TNTabEd::PopupDCaptions(int ix) const {
  return ix >= 1 && ix <= 12 ? d->DItems[std::size_t(ix - 1)]->text() : QString();
}
void TNTabEd::SetPopupDCaptions(int ix, const QString& v) {
  if (ix >= 1 && ix <= 12) d->DItems[std::size_t(ix - 1)]->setText(CutToLength(v, kMaxCaption));
}
QString TNTabEd::PopupHCaptions(int ix) const {
  return ix >= 1 && ix <= 5 ? d->HItems[std::size_t(ix - 1)]->text() : QString();
}
void TNTabEd::SetPopupHCaptions(int ix, const QString& v) {
  if (ix >= 1 && ix <= 5) d->HItems[std::size_t(ix - 1)]->setText(CutToLength(v, kMaxCaption));
}
QString TNTabEd::PopupMCaptions(int ix) const {
  return ix >= 1 && ix <= 4 ? d->SubItems[0][std::size_t(ix - 1)]->text() : QString();
}
void TNTabEd::SetPopupMCaptions(int ix, const QString& v) {
  if (ix < 1 || ix > 4) return;
  for (int m : {0, 1}) d->SubItems[std::size_t(m)][std::size_t(ix - 1)]->setText(CutToLength(v, kMaxCaption));
}
QString TNTabEd::PopupUCaptions(int ix) const {
  return ix >= 1 && ix <= 4 ? d->SubItems[2][std::size_t(ix - 1)]->text() : QString();
}
void TNTabEd::SetPopupUCaptions(int ix, const QString& v) {
  if (ix < 1 || ix > 4) return;
  for (int m : {2, 3}) d->SubItems[std::size_t(m)][std::size_t(ix - 1)]->setText(CutToLength(v, kMaxCaption));
}

void TNTabEd::ShowDataMenu(int X, int Y) {
  if (d->InMenu) return;
  TMenuScope open(d->InMenu);
  TBitmap glyph;
  glyph.LoadFromResourceName(d->ReadOnly ? QStringLiteral("CHECKEDBOX") : QStringLiteral("EMPTYBOX"));
  TPopupMenu::SetItemBitmap(d->DItems[8], glyph);
  Raise(OnBeforePopup, this, d->PopupD);
  PopupMenuDLoadPopup(d->PopupD);
  const QPoint p = mapToGlobal(QPoint(X + 10, Y - 20));
  d->PopupD->Popup(p.x(), p.y());
}

void TNTabEd::PopupMenuDLoadPopup(TObject*) {
  d->DItems[7]->setEnabled(d->DataCopyAvail && Bit(d->DMask, 7) && !d->ReadOnly);
  d->DItems[5]->setEnabled(!d->ReadOnly && Bit(d->DMask, 5));
  d->DItems[9]->setEnabled(!d->ReadOnly && Bit(d->DMask, 9));
}

void TNTabEd::ShowHeadingMenu() {
  if (d->InMenu) return;
  TMenuScope open(d->InMenu);
  const TGridCoord cell = d->PressCell;
  const bool column = cell.X > d->ColOffset;
  if (Bit(d->HMask, 1)) d->HItems[1]->setEnabled(column);
  d->HItems[2]->setEnabled(Bit(d->HMask, 2));
  d->HItems[3]->setEnabled(Bit(d->HMask, 3) && !d->ReadOnly);
  d->HItems[4]->setEnabled(Bit(d->HMask, 4) && !d->ReadOnly);
  d->HItems[2]->setText(column ? QStringLiteral("Select Column") : QStringLiteral("Select Row"));
  d->HItems[3]->setText(column ? QStringLiteral("Insert Column") : QStringLiteral("Insert Row"));
  d->HItems[4]->setText(column ? QStringLiteral("Delete Column") : QStringLiteral("Delete Row"));
  InvertCellFrame(cell);
  Raise(OnBeforePopup, this, d->PopupH);
  const TRect r = CellRect(cell.X, cell.Y);
  const QPoint p = mapToGlobal(QPoint(r.Left + 20, r.Top + 20));
  d->PopupH->Popup(p.x(), p.y());
  InvertCellFrame(cell);
}

void TNTabEd::InvertCellFrame(TGridCoord cell) {
  const TRect r = CellRect(cell.X, cell.Y);
  if (r.IsEmpty()) return;
  TCanvas& cv = Canvas();
  cv.Pen = {clBlack, 1, psSolid, pmNot};
  cv.Brush.Style = bsClear;
  cv.Rectangle({r.Left, r.Top, r.Right + 1, r.Bottom + 1});
  cv.Pen = TPen{};
  cv.Brush.Style = bsSolid;
  update();
}

void TNTabEd::MarkCells(std::uint8_t Mask, bool Mark, int Scope) {
  int c1, r1, c2, r2;
  if (!SelectedData(c1, r1, c2, r2) && Scope != 4) return;
  if (Scope == 2 || Scope == 4) r1 = 1, r2 = NrOfRows();
  if (Scope == 3 || Scope == 4) c1 = 1, c2 = NrOfColumns();
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    TDataTable& t = Data();
    for (int r = r1; r <= r2; ++r)
      for (int c = c1; c <= c2; ++c) {
        const std::uint8_t s = t.GetCellState(c, r);
        t.SetCellState(c, r, Mark ? std::uint8_t(s | Mask) : std::uint8_t(s & ~Mask));
      }
  }
  StateChanged();
}

void TNTabEd::PopupMenuClickUnMarkAll(TObject*) { UnMarkAllElems(); }

void TNTabEd::PopupMenuClickEdit(TObject*) {
  SetDataReadOnly(!d->ReadOnly);
  Notify(OnChangeSetup);
}

void TNTabEd::PopupMenuClickSelAll(TObject*) {
  SelectData(1, 1, NrOfColumns(), NrOfRows());
  Repaint();
  Notify(OnSelectionChanged);
}

void TNTabEd::PopupMenuClickEmptyCells(TObject*) {
  int c1, r1, c2, r2;
  if (d->ReadOnly || !SelectedData(c1, r1, c2, r2)) return;
  {
    TFlagScope quiet(d->InternSuppPaint, true);
    TDataTable& t = Data();
    for (int r = r1; r <= r2; ++r)
      for (int c = c1; c <= c2; ++c)
        if (!(t.GetCellState(c, r) & csbReadOnly)) t.SetCellState(c, r, t.GetCellState(c, r) ^ csbEmpty);
  }
  StateChanged();
}

void TNTabEd::PopupMenuClickChangeID(TObject*) { OpenHeadingEditor(); }

// Each choice steps the precision down (from -1 to 10) and shows the menu
// again at the same place, until another item is chosen or it is closed.
void TNTabEd::PopupMenuClickPrecision(TObject*) {
  if (d->PrecisionRepeat) return;  // chosen again from the reopened menu
  const int col = d->PressCell.X - d->ColOffset;
  if (col < 1 || col > NrOfColumns()) return;
  TFlagScope repeat(d->PrecisionRepeat, false);
  bool again = true;
  while (again) {
    const int p = Precision(col);
    SetPrecision(col, p <= -1 ? 10 : p - 1);
    InvertCellFrame(d->PressCell);
    const TRect r = CellRect(d->PressCell.X, d->PressCell.Y);
    const QPoint pos = mapToGlobal(QPoint(r.Left + 20, r.Top + 20));
    again = false;
    QMetaObject::Connection once =
        connect(d->HItems[1], &QAction::triggered, this, [&again] { again = true; });
    {
      TFlagScope inner(d->PrecisionRepeat, true);
      d->PopupH->Popup(pos.x(), pos.y());
    }
    disconnect(once);
    InvertCellFrame(d->PressCell);
  }
  LayoutChanged();
}

void TNTabEd::PopupMenuClickSelectCol(TObject*) {
  const int c = d->PressCell.X - d->ColOffset;
  if (c < 1 || c > NrOfColumns()) return;
  SelectData(c, 1, c, NrOfRows());
  Repaint();
  Notify(OnSelectionChanged);
}

void TNTabEd::PopupMenuClickSelectRow(TObject*) {
  const int r = d->PressCell.Y - d->RowOffset;
  if (r < 1 || r > NrOfRows()) return;
  SelectData(1, r, NrOfColumns(), r);
  Repaint();
  Notify(OnSelectionChanged);
}

void TNTabEd::PopupMenuClickInsertCol(TObject*) {
  if (d->ReadOnly) return;
  const int c = d->PressCell.X - d->ColOffset;
  if (c < 1 || c > NrOfColumns()) return;
  InsertColumn(c);
  Data().SetColName(c, QStringLiteral("(...)"));
}

void TNTabEd::PopupMenuClickInsertRow(TObject*) {
  if (d->ReadOnly) return;
  const int r = d->PressCell.Y - d->RowOffset;
  if (r < 1 || r > NrOfRows()) return;
  InsertRow(r);
  Data().SetRowName(r, QStringLiteral("(...)"));
}

void TNTabEd::PopupMenuClickDeleteCol(TObject*) {
  if (d->ReadOnly) return;
  RemoveColumn(d->PressCell.X - d->ColOffset);
  Notify(OnChangeSetup);
}

void TNTabEd::PopupMenuClickDeleteRow(TObject*) {
  if (d->ReadOnly) return;
  RemoveRow(d->PressCell.Y - d->RowOffset);
  Notify(OnChangeSetup);
}

}  // namespace vyr
