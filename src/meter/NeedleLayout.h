#pragma once
// TNeedleLayout: the look of one meter needle, an arrow from the pivot
// towards the scale with an optional drop shadow. Every change notifies the
// owner through OnChange.
#include <QObject>

#include "host/Color.h"
#include "host/Events.h"

namespace vyr {

class TNeedleLayout : public QObject {
  Q_OBJECT
  Q_PROPERTY(uint ColorBody READ ColorBody WRITE SetColorBody)
  Q_PROPERTY(uint ColorOutline READ ColorOutline WRITE SetColorOutline)
  Q_PROPERTY(int HeadSize READ HeadSize WRITE SetHeadSize)
  Q_PROPERTY(int Thickness READ Thickness WRITE SetThickness)
  Q_PROPERTY(int PercentNeedleLength READ PercentNeedleLength WRITE SetPercentNeedleLength)
  Q_PROPERTY(int HeadAngle READ HeadAngle WRITE SetHeadAngle)
  Q_PROPERTY(int HeadMidLeng READ HeadMidLeng WRITE SetHeadMidLeng)
  Q_PROPERTY(int ShadowDx READ ShadowDx WRITE SetShadowDx)
  Q_PROPERTY(int ShadowDy READ ShadowDy WRITE SetShadowDy)
  Q_PROPERTY(uint ShadowColor READ ShadowColor WRITE SetShadowColor)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)

 public:
  // Every field starts at zero (black, invisible); the owner sets its look.
  explicit TNeedleLayout(QObject* owner = nullptr) : QObject(owner) {}

  TColor ColorBody() const { return FColorFill; }
  TColor ColorOutline() const { return FColorLine; }
  // Length of the two barbs of the arrow head, in pixels.
  int HeadSize() const { return FSize1; }
  // Width of the shaft in pixels; 0 draws the shaft as a line.
  int Thickness() const { return FThickness; }
  // Needle length in percent of the space inside the scale, 0..100.
  int PercentNeedleLength() const { return FPctNeedleLeng; }
  // Opening angle of the arrow head in degrees, 0..180.
  int HeadAngle() const { return FAngle1; }
  // Distance from the tip back to where the shaft meets the head, in pixels.
  int HeadMidLeng() const { return FBackShift1; }
  // The shadow lies ShadowDx, ShadowDy pixels left of and above the needle.
  int ShadowDx() const { return FShadowDx; }
  int ShadowDy() const { return FShadowDy; }
  TColor ShadowColor() const { return FShadowColor; }
  bool Visible() const { return FVisible; }

  void SetColorBody(TColor value);
  void SetColorOutline(TColor value);
  void SetHeadSize(int value);
  void SetThickness(int value);
  void SetPercentNeedleLength(int value);
  void SetHeadAngle(int value);
  void SetHeadMidLeng(int value);
  void SetShadowDx(int value);
  void SetShadowDy(int value);
  void SetShadowColor(TColor value);
  void SetVisible(bool value);

  // Takes every property of source (not OnChange) and notifies once.
  void Assign(const TNeedleLayout& source);
  // Calls OnChange when it is assigned.
  void Changed();

  TNotifyEvent OnChange;

 private:
  template <typename T>
  void Store(T& field, T value);

  TColor FColorFill = 0;
  TColor FColorLine = 0;
  int FSize1 = 0;
  int FThickness = 0;
  int FPctNeedleLeng = 0;
  int FAngle1 = 0;
  int FBackShift1 = 0;
  int FShadowDx = 0;
  int FShadowDy = 0;
  TColor FShadowColor = 0;
  bool FVisible = false;
};

}  // namespace vyr
