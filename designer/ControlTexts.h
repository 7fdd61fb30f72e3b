#pragma once
// The tooltip and "What's This" text Designer's widget box shows per control.
#include <QString>

struct ControlTexts {
  QString toolTip;
  QString whatsThis;
};

// registeredName: the control's short class name ("TMeter").
ControlTexts ControlTextsFor(const QString& registeredName);
