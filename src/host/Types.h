#pragma once
// Plain geometry and state types shared by the canvas, the controls and the
// grid base. Rectangles exclude their right and bottom edges.
#include <algorithm>
#include <climits>
#include <cstdint>

namespace vyr {

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  // Saturating, so that rectangles spanning the whole int range are safe.
  int Width() const { return Saturate(0LL + Right - Left); }
  int Height() const { return Saturate(0LL + Bottom - Top); }
  static int Saturate(long long v) { return int(std::clamp<long long>(v, INT_MIN, INT_MAX)); }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  // The same rectangle with its corners ordered so that Left <= Right, Top <= Bottom.
  TRect Normalized() const {
    return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
  }
  TRect Intersected(const TRect& o) const {
    TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right), std::min(Bottom, o.Bottom)};
    return r.IsEmpty() ? TRect{} : r;
  }
  TRect Translated(int dx, int dy) const {
    return {Saturate(0LL + Left + dx), Saturate(0LL + Top + dy), Saturate(0LL + Right + dx), Saturate(0LL + Bottom + dy)};
  }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
inline TRect Bounds(int left, int top, int width, int height) {
  return {left, top, TRect::Saturate(0LL + left + width), TRect::Saturate(0LL + top + height)};
}

// Mouse buttons and the shift state that come with input events.
enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftStateFlag : unsigned {
  ssShift = 1u << 0,
  ssAlt = 1u << 1,
  ssCtrl = 1u << 2,
  ssLeft = 1u << 3,
  ssRight = 1u << 4,
  ssMiddle = 1u << 5,
  ssDouble = 1u << 6,
};
using TShiftState = unsigned;

// Component state bits: set while a stored form is read, or in a designer.
enum TComponentStateFlag : unsigned {
  csLoading = 1u << 0,
  csReading = 1u << 1,
  csDesigning = 1u << 2,
  csDestroying = 1u << 3,
};
using TComponentState = unsigned;

// A windowed control's border: none, or a sunken edge two pixels wide
// around its client area.
enum TBorderStyle { bsNone, bsSingle };

// Drag and drop: whether a left press and move starts a drag by itself, and
// which moment of a drag over a control an OnDragOver reports.
enum TDragMode { dmManual, dmAutomatic };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// Horizontal text alignment used by captions and cells. A fixed underlying
// type, so that a number out of range written through the property system
// is a value the setter can clamp, not an invalid enumeration value.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

}  // namespace vyr
