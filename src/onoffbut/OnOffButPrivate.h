#pragma once
// The state behind TOnOffBut.
#include <QString>
#include <array>
#include <memory>

#include "onoffbut/Vyr_onoffbut.h"

namespace vyr {

struct TOnOffBut::Private {
  bool OnOff = true;
  TOnOffButStyle ButtonStyle = oobsColSlideLR;
  TOOButMode Mode = oobmNormalBut;
  TOOButMouseAction MouseAction = oomaFocused;
  int GroupIndex = 0;
  bool AllowAllOff = true;
  bool AutoCenter = true;
  int LeftSpace = 35;
  int TopSpace = 18;
  QString LeftText, RightText, TopText, BottomText;
  TAlignment LeftTextAlignment = taRightJustify;
  TAlignment RightTextAlignment = taLeftJustify;
  TAlignment TopTextAlignment = taCenter;
  TAlignment BottomTextAlignment = taCenter;
  TColor ColorText = clBlack;
  TColor ColorBackgnd = clBtnFace;
  TColorScheme ColorScheme = csFixed;
  TFrameStyle FrameStyle = fsLowered;
  bool Transparent = false;

  // Indexed by 2 * on + enabled.
  std::array<TBitmap, 4> States;
  std::array<TBitmap, 4> Users;
  int GlyphWidth = 0;
  int GlyphHeight = 0;

  // A speed-button press lit the button and waits for its release.
  bool PressLit = false;
  // Space is held: its auto-repeat does not toggle again.
  bool SpaceHeld = false;
  // The parent the button last announced itself to.
  QWidget* GroupParent = nullptr;

  // Off-screen picture and mask, kept between paints.
  TBitmap Bitmap;
  TBitmap Mask;
};

// The sheet's background colour; such pixels become the control's
// background (and parent-coloured where transparent).
constexpr TColor kSheetBackground = 0xEBBEEB;

// The name of the resource holding the style's picture sheet; empty for
// oobsUser.
QString OnOffSheetName(TOnOffButStyle style);

// The initial user pictures, 20 x 20: blank, a cross, blank, a circle.
void MakeDefaultUserPictures(std::array<TBitmap, 4>& users);

}  // namespace vyr
