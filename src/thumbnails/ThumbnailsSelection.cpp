// The selection: one bit per slide Min..Max, and how clicks and keys change
// it in single and multiple selection modes.
#include "thumbnails/ThumbnailsPrivate.h"

namespace vyr {

bool TThumbnails::SlideSelected(int SldNum) const {
  if (SldNum < d->Min || SldNum > d->Max) return false;
  return d->Selected.GetBit(SldNum - d->Min);
}

void TThumbnails::SetSlideSelected(int SldNum, bool value) {
  if (SldNum < d->Min || SldNum > d->Max || SlideSelected(SldNum) == value) return;
  d->Selected.SetBit(SldNum - d->Min, value);
  Repaint();
}

void TThumbnails::ResetAllSelections() {
  d->Selected.Clear();
  Repaint();
}

int TThumbnails::FirstSelectedSlide() const {
  const int bit = d->Selected.FirstTrueBit();
  return bit < 0 ? 0 : d->Min + bit;
}

int TThumbnails::NumSlidesSelected() const { return d->Selected.CountTrueBits(); }

// Both ends inclusive, in either order; the ends lie in Min..Max.
void TThumbnails::SelectRange(int from, int to) {
  d->Selected.SetRange(std::min(from, to) - d->Min, std::max(from, to) - d->Min, true);
}

bool TThumbnails::SelectByClick(int slide, TShiftState Shift) {
  if (d->SelectMode == ssmDisabled) return false;
  const bool inRange = slide >= d->Min && slide <= d->Max;
  const int countBefore = NumSlidesSelected(), firstBefore = FirstSelectedSlide();
  const bool wasSelected = SlideSelected(slide);
  const bool multiple = d->SelectMode == ssmMultiple;
  if (multiple && (Shift & ssShift) && inRange && d->LastClickedSlide != 0) {
    if (!(Shift & ssCtrl)) d->Selected.Clear();
    SelectRange(d->LastClickedSlide, slide);
    return true;
  }
  if (multiple && (Shift & ssCtrl)) {
    if (!inRange) return false;
    d->Selected.SetBit(slide - d->Min, !wasSelected);
    d->LastClickedSlide = slide;
    return true;
  }
  d->Selected.Clear();
  if (inRange) d->Selected.SetBit(slide - d->Min, true);
  d->LastClickedSlide = inRange ? slide : 0;
  // Only the clicked slide (or none) is selected now.
  return NumSlidesSelected() != countBefore || FirstSelectedSlide() != firstBefore;
}

}  // namespace vyr
