// The focus frame: rings drawn on the shown picture around the slide under
// the pointer (or moved to by the keys), taken off again by restoring what
// the last paint drew there, without a full paint.
#include "foundation/Frames.h"
#include "thumbnails/ThumbnailsPrivate.h"

namespace vyr {

// The frame's outer ring as a rectangle (right and bottom excluded), kept
// two pixels inside the slide and above the control's bottom frame.
TRect TThumbnails::HiLiteBox(int slide) const {
  const TThumbGeometry g = d->Geometry(Width(), Height());
  const long long x = g.SlideLeft(slide), y = g.SlideTop(slide);
  const long long x2 = x + g.Extent() - 2, y2 = std::min<long long>(y + g.Extent() - 2, Height() - 3);
  return {TRect::Saturate(x + 2), TRect::Saturate(std::max<long long>(y + 2, 2)), TRect::Saturate(x2 + 1),
          TRect::Saturate(y2 + 1)};
}

void TThumbnails::HiLite(int slide) {
  if (slide < d->Min || slide > d->Max || d->FocusLinewidth == 0) return;
  TCanvas& c = Canvas();
  // Before the first paint of this size the coming paint draws the frame.
  if (c.Image() == nullptr || d->Clean.size() != c.Image()->size()) return;
  const TRect box = HiLiteBox(slide);
  // A slide wholly above or below the view gives an inverted box: nothing
  // of its frame shows.
  if (box.IsEmpty()) return;
  c.Pen = TPen{d->ColorFocus};
  for (int k = 1; k <= d->FocusLinewidth; ++k)
    DrawRectangle(c, box.Left + k - 1, box.Top + k - 1, box.Right - k, box.Bottom - k);
  // The margins stay clear, as the paint left them.
  TCanvas clean(&d->Clean);
  const int w = Width(), h = Height();
  c.CopyMode = cmSrcCopy;
  for (const TRect& margin : {TRect{0, 0, w, kMargin}, TRect{0, h - kMargin, w, h}, TRect{0, 0, kMargin, h},
                              TRect{w - kMargin, 0, w, h}}) {
    const TRect part = box.Intersected(margin);
    if (!part.IsEmpty()) c.CopyRect(part, clean, part);
  }
  update();
}

void TThumbnails::ResetLastHiLite() {
  const int slide = d->FocusedSlide;
  if (slide < d->Min || slide > d->Max) return;
  TCanvas& c = Canvas();
  if (c.Image() == nullptr || d->Clean.size() != c.Image()->size()) return;
  const TRect box = HiLiteBox(slide).Intersected({0, 0, Width(), Height()});
  if (box.IsEmpty()) return;
  TCanvas clean(&d->Clean);
  c.CopyMode = cmSrcCopy;
  c.CopyRect(box, clean, box);
  update();
}

void TThumbnails::MoveFocusTo(int slide) {
  if (slide == d->FocusedSlide) return;
  ResetLastHiLite();
  d->FocusedSlide = slide;
  HiLite(slide);
  Raise(OnFocusChange, this);
}

}  // namespace vyr
