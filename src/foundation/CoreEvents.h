#pragma once
// Event types of the core data structures. The sender is the object that
// raises the event.
#include <QObject>
#include <QString>
#include <functional>

namespace vyr {

// Progress of a long operation in percent, 0..100, rising.
using TOnPercentDoneEvent = std::function<void(QObject* Sender, int Percent)>;

// Called for every cell text s that takes part in a sort; t starts as a copy
// of s and is the text the sort compares (the handler may change it).
using TBeforeSortExchgEvent = std::function<void(QObject* Sender, const QString& s, QString& t)>;

}  // namespace vyr
