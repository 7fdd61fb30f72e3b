#pragma once
// Byte enumerations shared by the controls. Stored properties may hold any
// byte value; code reading them treats ordinals without a name as documented
// at each type.
#include <cstdint>
#include <vector>

namespace vyr {

// A list of numbers passed to and from the controls (preferred values,
// table columns).
using TDoubleArray = std::vector<double>;

// The look of a frame drawn by DrawFrame. Ordinals above 5 draw nothing.
enum TFrameStyle : std::uint8_t {
  fsNone = 0,     // no frame
  fsSingle = 1,   // one line
  fsLowered = 2,  // two-line bevel, sunk into the surface
  fsRaised = 3,   // two-line bevel, standing out of the surface
  fsBump = 4,     // double line that looks like a ridge
  fsEtched = 5,   // double line that looks like a groove
};

// Where frame line colours come from: ordinal 0 gives the fixed colours,
// every other ordinal the system's button shadow and highlight colours.
enum TColorScheme : std::uint8_t {
  csFixed = 0,
  csSystem = 1,
};

// Language of the name tables and calendar captions; 0 and ordinals above 4
// have no texts.
enum TLanguage : std::uint8_t {
  lgEnglish = 1,
  lgGerman = 2,
  lgFrench = 3,
  lgSpanish = 4,
};

enum TOrientation : std::uint8_t {
  orDown = 0,
  orRight = 1,
};

// The way a bar grows from its start.
enum TDirection : std::uint8_t {
  diBottomToTop = 0,
  diTopToBottom = 1,
  diRightToLeft = 2,
  diLeftToRight = 3,
};

// How a background picture is placed: at its natural size in the top-left
// corner, stretched over the whole area, or repeated as tiles.
enum TBkgFill : std::uint8_t {
  bfNatural = 0,
  bfStretch = 1,
  bfTile = 2,
};

// How a caller's own verdict combines with a built-in test: both must hold
// (loAnd), either (loOr), exactly one (loXor), or the caller's verdict alone
// decides and the built-in test is skipped (loNone). Other ordinals act as
// loAnd.
enum TLogicOp : std::uint8_t {
  loAnd = 0,
  loOr = 1,
  loXor = 2,
  loNone = 3,
};

// The field separator of CSV files. Other ordinals are refused by the
// routines that take one.
enum TCSVDelimiters : std::uint8_t {
  csvComma = 0,
  csvSemicolon = 1,
  csvTab = 2,
  csvSpace = 3,
};

}  // namespace vyr
