#pragma once
// Turns the steps of a long operation into percent-done events: 0 at the
// start, each whole percent at most once, 100 at the end.
#include <QObject>

#include "foundation/CoreEvents.h"

namespace vyr {

class TPercentProgress {
 public:
  // handler may be empty; totalSteps below 1 counts as 1.
  TPercentProgress(const TOnPercentDoneEvent& handler, QObject* sender, qint64 totalSteps);

  void Advance(qint64 steps = 1) {
    FDone += steps;
    if (FDone >= FNextReport) Report();
  }
  // Reports 100 unless it was already reported.
  void Finish();

 private:
  void Report();

  const TOnPercentDoneEvent& FHandler;
  QObject* FSender;
  qint64 FTotal;
  qint64 FDone = 0;
  qint64 FNextReport = 0;
  int FLastPercent = -1;
};

}  // namespace vyr
