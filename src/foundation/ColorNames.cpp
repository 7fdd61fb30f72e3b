#include "foundation/ColorNames.h"

#include "foundation/NameTables.h"

namespace vyr {

QString ColorToString(TColor color) {
  for (const TPredefinedColor& entry : PredefinedColors())
    if (entry.Color == color) return QString::fromLatin1(entry.Name);
  const TColor rgb = ColorToRGB(color);
  return QStringLiteral("#%1%2%3")
      .arg(GetRValue(rgb), 2, 16, QLatin1Char('0'))
      .arg(GetGValue(rgb), 2, 16, QLatin1Char('0'))
      .arg(GetBValue(rgb), 2, 16, QLatin1Char('0'))
      .toUpper();
}

}  // namespace vyr
