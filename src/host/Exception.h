#pragma once
// The base of every exception the library raises: a message, readable both
// as QString and through std::exception::what().
#include <QByteArray>
#include <QString>
#include <exception>

namespace vyr {

class Exception : public std::exception {
 public:
  explicit Exception(QString message) : FMessage(std::move(message)), FUtf8(FMessage.toUtf8()) {}
  const QString& Message() const { return FMessage; }
  const char* what() const noexcept override { return FUtf8.constData(); }

 private:
  QString FMessage;
  QByteArray FUtf8;
};

// A picture file or resource that cannot be read.
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
};

// Assign between objects that cannot take each other's state.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// A file or stream that cannot be opened, read or written; the message
// names it.
class EInOutError : public Exception {
 public:
  using Exception::Exception;
};

// The platform refused a resource (a timer, a window).
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace vyr
