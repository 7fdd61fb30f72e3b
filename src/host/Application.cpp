#include "host/Application.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QLocale>
#include <cstdio>

#include "host/Clock.h"
#include "host/Exception.h"

namespace vyr {

TApplication& Application() {
  static TApplication app;
  return app;
}

void TApplication::HandleException(const std::exception& e) noexcept {
  try {
    if (FOnException) {
      FOnException(e);
      return;
    }
    std::fprintf(stderr, "Exception: %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "Exception in the exception handler\n");
  }
}

void TApplication::HandleUnknownException() noexcept {
  HandleException(Exception(QStringLiteral("Unknown exception")));
}

void TApplication::MessageBeep() {
  ++FBeepCount;
  if (!FSilent && qobject_cast<QApplication*>(QCoreApplication::instance())) QApplication::beep();
}

QChar TApplication::DecimalSeparator() const {
  if (!FDecimalSeparator.isNull()) return FDecimalSeparator;
  QString point = QLocale::system().decimalPoint();
  return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

void TApplication::SetScreenCursor(TCursor cursor) {
  if (cursor == FCursor) return;
  bool gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
  if (gui && FCursor != crDefault) QGuiApplication::restoreOverrideCursor();
  FCursor = cursor;
  if (!gui || cursor == crDefault) return;
  Qt::CursorShape shape = Qt::ArrowCursor;
  switch (cursor) {
    case crHourGlass: shape = Qt::WaitCursor; break;
    case crCross: shape = Qt::CrossCursor; break;
    case crIBeam: shape = Qt::IBeamCursor; break;
    case crSizeWE: shape = Qt::SizeHorCursor; break;
    default: break;
  }
  QGuiApplication::setOverrideCursor(QCursor(shape));
}

TClock& TApplication::Clock() {
  if (!FClock) FClock = std::make_unique<TQtClock>();
  return *FClock;
}

void TApplication::SetClock(std::unique_ptr<TClock> clock) { FClock = std::move(clock); }

void TApplication::ProcessMessages() { QCoreApplication::processEvents(); }

}  // namespace vyr
