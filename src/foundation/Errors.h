#pragma once
// The library's own exception classes. Every unit that raises derives its
// class from EVyrError.
#include "host/Exception.h"

namespace vyr {

class EVyrError : public Exception {
 public:
  using Exception::Exception;
};

// A string-table cell read as a number that holds no number.
class EVyrDStructError : public EVyrError {
 public:
  using EVyrError::EVyrError;
};

// "Component "<Name>": <what>", the message form of component errors.
inline QString ComponentMessage(const QString& name, const QString& what) {
  return QStringLiteral("Component \"%1\": %2").arg(name, what);
}

}  // namespace vyr
