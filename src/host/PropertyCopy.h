#pragma once
// Copying for Assign: each class names, in one list, the published
// properties its Assign copies; CopyProperties writes them from the source
// into the destination through Qt's meta-object system. The class copies
// what is not a property (events, edit state) itself, beside the list.
#include <QObject>
#include <span>

namespace vyr {

// Property names in the order they are written (a limit before what it
// limits).
using TPropertyList = std::span<const char* const>;

// Writes each listed property of source into dest through its setter.
// A name that is not a readable property of source and a writable one of
// dest is a fault in the list: it throws std::logic_error naming it.
void CopyProperties(QObject& dest, const QObject& source, TPropertyList names);

}  // namespace vyr
