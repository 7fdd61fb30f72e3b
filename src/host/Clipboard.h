#pragma once
// The clipboard's plain text.
#include <QString>

namespace vyr {

class TClipboard {
 public:
  bool HasText() const;
  QString AsText() const;
  void SetAsText(const QString& text);
};

TClipboard& Clipboard();

}  // namespace vyr
