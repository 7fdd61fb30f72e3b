#pragma once
// TColorDialog: the colour dialog as a component that a form holds and
// controls share. Execute runs it modally through the host's modal entry
// point (host/Modal.h), so tests answer it like any dialog.
#include <QObject>

#include "host/Color.h"
#include "host/Component.h"

namespace vyr {

class TColorDialog : public QObject, public TComponentBase {
  Q_OBJECT
  Q_PROPERTY(uint Color READ Color WRITE SetColor)

 public:
  explicit TColorDialog(QObject* AOwner = nullptr) : QObject(AOwner) {}
  QObject* AsObject() override { return this; }

  // The colour the dialog starts at, and after a confirmed run the chosen one.
  TColor Color() const { return FColor; }
  void SetColor(TColor color) { FColor = color; }
  // True when the user confirmed; Color then holds the choice.
  bool Execute();

 private:
  TColor FColor = clBlack;
};

}  // namespace vyr
