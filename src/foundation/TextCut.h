#pragma once
// Length limits on stored text. Lengths count UTF-16 units; a cut never
// separates the two halves of a surrogate pair, so a text that would end in
// a lone high surrogate loses that unit as well.
#include <QString>
#include <QStringView>

namespace vyr {

// The first at most maxLength units of text (maxLength below 0 counts as 0).
QStringView CutToLength(QStringView text, qsizetype maxLength);
QString CutToLength(const QString& text, qsizetype maxLength);

}  // namespace vyr
