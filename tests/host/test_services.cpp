// Application services: beep, decimal separator, cursor, clipboard, modal
// runs and their interception, popup menus, and component copying.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QLineEdit>
#include <stdexcept>

#include "host/Application.h"
#include "host/Clipboard.h"
#include "host/Exception.h"
#include "host/Modal.h"
#include "host/PopupMenu.h"

using namespace vyr;

TEST(Services, BeepsAreCounted) {
  Application().SetSilent(true);
  int before = Application().BeepCount();
  Application().MessageBeep();
  Application().MessageBeep();
  EXPECT_EQ(Application().BeepCount(), before + 2);
}

TEST(Services, DecimalSeparatorCanBeOverriddenAndRestored) {
  QChar system = Application().DecimalSeparator();
  Application().SetDecimalSeparator(QLatin1Char(','));
  EXPECT_EQ(Application().DecimalSeparator(), QLatin1Char(','));
  Application().ResetDecimalSeparator();
  EXPECT_EQ(Application().DecimalSeparator(), system);
}

TEST(Services, WaitCursorIsRestoredAlsoWhenAnExceptionPasses) {
  Application().SetScreenCursor(crIBeam);
  try {
    TWaitCursor wait;
    EXPECT_EQ(Application().ScreenCursor(), crHourGlass);
    throw std::runtime_error("fail");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(Application().ScreenCursor(), crIBeam);
  Application().SetScreenCursor(crDefault);
}

TEST(Services, ClipboardText) {
  Clipboard().SetAsText(QStringLiteral("12.5\t3"));
  EXPECT_TRUE(Clipboard().HasText());
  EXPECT_EQ(Clipboard().AsText(), QStringLiteral("12.5\t3"));
}

TEST(Services, ModalRunsCanBeInterceptedAndResultsMapped) {
  auto previous = SetDialogInterceptor([](QDialog& d) {
    d.findChild<QLineEdit*>()->setText(QStringLiteral("typed"));
    return int(QDialog::Accepted);
  });
  QDialog dialog;
  auto* edit = new QLineEdit(&dialog);
  EXPECT_EQ(RunModal(dialog), mrOk);
  EXPECT_EQ(edit->text(), QStringLiteral("typed"));
  SetDialogInterceptor([](QDialog&) { return int(QDialog::Rejected); });
  EXPECT_EQ(RunModal(dialog), mrCancel);
  SetDialogInterceptor([](QDialog&) { return int(mrRetry); });
  EXPECT_EQ(RunModal(dialog), mrRetry);
  SetDialogInterceptor(previous);
}

TEST(Services, ColourDialogGoesThroughTheSameEntryPoint) {
  auto previous = SetDialogInterceptor([](QDialog& d) {
    auto* c = qobject_cast<QColorDialog*>(&d);
    EXPECT_NE(c, nullptr);
    EXPECT_EQ(c->currentColor(), QColor(0x10, 0x20, 0x30));
    c->setCurrentColor(QColor(0xFF, 0x80, 0x00));
    return int(QDialog::Accepted);
  });
  TColor color = RGB(0x10, 0x20, 0x30);
  EXPECT_TRUE(ExecuteColorDialog(color));
  EXPECT_EQ(color, TColor(0x0080FF));
  SetDialogInterceptor([](QDialog&) { return int(QDialog::Rejected); });
  EXPECT_FALSE(ExecuteColorDialog(color));
  EXPECT_EQ(color, TColor(0x0080FF));
  SetDialogInterceptor(previous);
}

TEST(Services, PopupMenuRunsThroughTheInterceptorAndItemsFire) {
  TPopupMenu menu;
  int clicked = 0;
  TMenuItem* copy = menu.AddItem(QStringLiteral("Copy"), [&] { ++clicked; });
  TMenuItem* mark = menu.AddCheckItem(QStringLiteral("Mark"), true);
  TPoint shownAt;
  auto previous = SetMenuInterceptor([&](QMenu& m, TPoint at) {
    shownAt = at;
    m.actions().first()->trigger();
  });
  menu.Popup(40, 50);
  EXPECT_EQ(shownAt, (TPoint{40, 50}));
  EXPECT_EQ(clicked, 1);
  EXPECT_TRUE(mark->isChecked());
  copy->trigger();
  EXPECT_EQ(clicked, 2);
  SetMenuInterceptor(previous);
}

TEST(Services, ExceptionHandlerDefaultsBackWhenCleared) {
  std::vector<std::string> seen;
  Application().SetOnException([&](const std::exception& e) { seen.push_back(e.what()); });
  Guarded([] { throw Exception(QStringLiteral("Component \"A\": no timer available")); });
  Guarded([] { throw 42; });
  Application().SetOnException({});
  EXPECT_EQ(seen, (std::vector<std::string>{"Component \"A\": no timer available", "Unknown exception"}));
}
