#pragma once
// Colours are 32-bit values 0x00BBGGRR (red in the low byte). A value whose
// high byte is 0xFF is a system colour: its low byte indexes a table of
// system colours (the classic defaults, overridable) and it is resolved to
// RGB when drawn.
#include <QColor>
#include <cstdint>

namespace vyr {

using TColor = std::uint32_t;

constexpr TColor kSystemColorFlag = 0xFF000000u;
constexpr int kSystemColorCount = 31;

// Direct colours.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
// "No colour": a marker value, never drawn.
constexpr TColor clNone = 0x1FFFFFFF;
// What reading a pixel outside a bitmap returns.
constexpr TColor clInvalid = 0xFFFFFFFF;

// System colours (0xFF000000 + index).
constexpr TColor clScrollBar = 0xFF000000;
constexpr TColor clBackground = 0xFF000001;
constexpr TColor clActiveCaption = 0xFF000002;
constexpr TColor clInactiveCaption = 0xFF000003;
constexpr TColor clMenu = 0xFF000004;
constexpr TColor clWindow = 0xFF000005;
constexpr TColor clWindowFrame = 0xFF000006;
constexpr TColor clMenuText = 0xFF000007;
constexpr TColor clWindowText = 0xFF000008;
constexpr TColor clCaptionText = 0xFF000009;
constexpr TColor clActiveBorder = 0xFF00000A;
constexpr TColor clInactiveBorder = 0xFF00000B;
constexpr TColor clAppWorkSpace = 0xFF00000C;
constexpr TColor clHighlight = 0xFF00000D;
constexpr TColor clHighlightText = 0xFF00000E;
constexpr TColor clBtnFace = 0xFF00000F;
constexpr TColor clBtnShadow = 0xFF000010;
constexpr TColor clGrayText = 0xFF000011;
constexpr TColor clBtnText = 0xFF000012;
constexpr TColor clInactiveCaptionText = 0xFF000013;
constexpr TColor clBtnHighlight = 0xFF000014;
constexpr TColor cl3DDkShadow = 0xFF000015;
constexpr TColor cl3DLight = 0xFF000016;
constexpr TColor clInfoText = 0xFF000017;
constexpr TColor clInfoBk = 0xFF000018;
constexpr TColor clHotLight = 0xFF00001A;
constexpr TColor clGradientActiveCaption = 0xFF00001B;
constexpr TColor clGradientInactiveCaption = 0xFF00001C;
constexpr TColor clMenuHighlight = 0xFF00001D;
constexpr TColor clMenuBar = 0xFF00001E;

inline constexpr bool IsSystemColor(TColor c) { return (c & 0xFF000000u) == kSystemColorFlag; }

// Resolves a system colour through the table; direct colours lose any high byte.
TColor ColorToRGB(TColor c);
// Overrides one entry of the system colour table (index 0..30); others are ignored.
void SetSystemColor(int index, TColor rgb);
// Restores the classic default table.
void ResetSystemColors();

inline constexpr int GetRValue(TColor c) { return int(c & 0xFF); }
inline constexpr int GetGValue(TColor c) { return int((c >> 8) & 0xFF); }
inline constexpr int GetBValue(TColor c) { return int((c >> 16) & 0xFF); }
inline constexpr TColor RGB(int r, int g, int b) {
  return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

// Conversions to and from the 0xAARRGGBB pixels of 32-bit images.
inline constexpr std::uint32_t ColorToPixel(TColor rgb) {
  return 0xFF000000u | (std::uint32_t(GetRValue(rgb)) << 16) | (std::uint32_t(GetGValue(rgb)) << 8) |
         std::uint32_t(GetBValue(rgb));
}
inline constexpr TColor PixelToColor(std::uint32_t px) {
  return RGB(int((px >> 16) & 0xFF), int((px >> 8) & 0xFF), int(px & 0xFF));
}
inline QColor ToQColor(TColor c) {
  TColor rgb = ColorToRGB(c);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}
inline TColor FromQColor(const QColor& q) { return RGB(q.red(), q.green(), q.blue()); }

}  // namespace vyr
