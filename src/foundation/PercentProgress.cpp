#include "foundation/PercentProgress.h"

#include <algorithm>

namespace vyr {

TPercentProgress::TPercentProgress(const TOnPercentDoneEvent& handler, QObject* sender, qint64 totalSteps)
    : FHandler(handler), FSender(sender), FTotal(std::max<qint64>(totalSteps, 1)) {
  Report();
}

void TPercentProgress::Report() {
  const int percent = static_cast<int>(std::min<qint64>(FDone, FTotal) * 100 / FTotal);
  // The first step that reaches the next whole percent.
  FNextReport = ((percent + 1) * FTotal + 99) / 100;
  if (percent <= FLastPercent) return;
  FLastPercent = percent;
  if (FHandler) FHandler(FSender, percent);
}

void TPercentProgress::Finish() {
  FDone = FTotal;
  Report();
}

}  // namespace vyr
