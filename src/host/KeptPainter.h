#pragma once
// One QPainter kept open across a canvas's text calls, so that a paint that
// draws many texts opens a painter and sets its font once, not per call.
//
// The painter works on an image object of its own laid over the canvas's
// pixels, never on the canvas's image itself: Qt allows one painter per
// image object and deep-copies an image whose painter is active, so a
// painter held on the canvas's image would make a control's or a user's own
// painter on it fail and every copy of it cost a full copy. Before each use
// the painter checks that the canvas's pixels still lie where it paints (the
// image may have been replaced, resized, reformatted or detached from a copy
// since the last call) and otherwise reopens on them.
#include <QFont>
#include <QImage>
#include <QPainter>

namespace vyr {

class TKeptPainter {
 public:
  // The painter on image's pixels, which the caller has already detached for
  // writing (QImage::bits). Clip, transform and pen are the caller's to set.
  QPainter& On(QImage& image);
  // Font and text smoothing of the painter, set only when they change: a
  // font set on a painter is resolved against its device, which costs.
  void SetFont(const QFont& font, bool antialiased);

 private:
  bool Covers(const QImage& image) const;

  QImage FView;  // declared before the painter, which ends before it goes
  QPainter FPainter;
  QFont FFont;
  bool FAntialiased = true;
  bool FFontSet = false;
};

}  // namespace vyr
