#pragma once
// TNumIO's state. It lives here, out of the installed header, so that a
// field added later leaves the layout of the public class unchanged.
#include <QString>

#include "numio/Vyr_NumIO.h"

namespace vyr {

struct TNumIO::Private {
  TInFormat FInFormat = itDynamic;
  int FFixPDecPl = 2;
  // The last accepted text, which a refused change brings back.
  QString FOldText;
  // The next change of the text is the field's own write: not checked.
  bool FInternalChg = false;
  bool FBeep = false;
  double FMinimum = 0.0;
  double FMaximum = 0.0;
  TDecPSep FDecPSep = dsSystem;
  // The application set a range end; the designer's defaults stay away.
  bool FRangeSet = false;
};

// What the check makes of a text.
struct TNumIOVerdict {
  enum TKind {
    Accept,   // the text passes; Shown is what the box shows for it
    Restore,  // the accepted text comes back silently, the caret at Caret
    Refuse,   // the accepted text comes back with the beep
  };
  TKind Kind = Refuse;
  QString Shown;
  int Caret = 0;
};

}  // namespace vyr
