#pragma once
// Walks a class's list of copied properties: every listed property of a
// source is moved off its initial value, Assign copies the source into a
// fresh control, and each listed property must then read the same on both.
// Properties of the class that are not listed must be named as not copied,
// so a property added later has to be placed on one side or the other.
#include <QObject>
#include <QVariantMap>
#include <functional>
#include <memory>
#include <span>

#include "host/Component.h"

namespace vyrtest {

using MakeComponent = std::function<std::unique_ptr<QObject>()>;

// Moves each listed property of object off its current value (a flipped
// flag, the next enumerator, a neighbouring number, a longer text, another
// colour); returns the names it could not move.
QStringList MoveOffInitialValues(QObject& object, std::span<const char* const> names);

// The checks described above; notCopied lists the class's own properties
// that Assign leaves alone, given holds values for properties that need a
// real one (an existing file). Reports failures through GoogleTest.
void ExpectAssignCopiesList(const MakeComponent& make, std::span<const char* const> copied,
                            std::span<const char* const> notCopied, const QVariantMap& given = {});

}  // namespace vyrtest
