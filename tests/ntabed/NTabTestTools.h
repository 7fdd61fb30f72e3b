#pragma once
// Helpers of the table editor tests: a shown editor with keyboard focus,
// typing through real key events to whichever widget takes them, and
// a grid-cell press.
#include <QApplication>
#include <QTest>
#include <memory>

#include "ntabed/Vyr_ntabed.h"

namespace ntabtest {

inline std::unique_ptr<vyr::TNTabEd> ShownEditor(int w = 500, int h = 300) {
  auto ed = std::make_unique<vyr::TNTabEd>();
  ed->resize(w, h);
  ed->show();
  ed->activateWindow();
  ed->setFocus();
  QApplication::processEvents();
  return ed;
}

// An open pop-up list takes the keys first, as it does on screen.
inline QWidget* FocusOr(QWidget* fallback) {
  QWidget* f = QApplication::activePopupWidget();
  if (!f) f = QApplication::focusWidget();
  return f ? f : fallback;
}

inline void Type(QWidget* ed, const QString& text) {
  for (QChar ch : text) QTest::keyClick(FocusOr(ed), ch.toLatin1());
}

inline void Key(QWidget* ed, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::keyClick(FocusOr(ed), key, mods);
}

// Puts the cursor on data cell (c, r) of a shown editor.
inline void Cursor(vyr::TNTabEd& ed, int c, int r) {
  ed.SetSelection({c + ed.ColOffset(), r + ed.RowOffset(), c + ed.ColOffset(), r + ed.RowOffset()});
  ed.setFocus();
}

// The centre of grid cell (col, row) in widget coordinates.
inline QPoint CellCentre(const vyr::TNTabEd& ed, int col, int row) {
  const vyr::TRect r = ed.CellRect(col, row);
  return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

inline void Press(vyr::TNTabEd& ed, int col, int row, vyr::TMouseButton b = vyr::mbLeft) {
  const QPoint p = CellCentre(ed, col, row);
  ed.MouseDown(b, b == vyr::mbLeft ? vyr::ssLeft : vyr::ssRight, p.x(), p.y());
  ed.MouseUp(b, 0, p.x(), p.y());
}

}  // namespace ntabtest
