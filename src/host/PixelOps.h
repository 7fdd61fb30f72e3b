#pragma once
// Per-pixel arithmetic of pen modes and raster operations on 0xAARRGGBB
// pixels. Only the colour bits combine; the result is always opaque.
#include <cstdint>

#include "host/Canvas.h"

namespace vyr::pixelops {

constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;
constexpr std::uint32_t kOpaque = 0xFF000000u;

inline std::uint32_t ApplyPenMode(TPenMode mode, std::uint32_t pen, std::uint32_t dst) {
  switch (mode) {
    case pmCopy: return kOpaque | (pen & kRgbMask);
    case pmNot: return kOpaque | (~dst & kRgbMask);
    case pmXor: return kOpaque | ((pen ^ dst) & kRgbMask);
    case pmNotXor: return kOpaque | (~(pen ^ dst) & kRgbMask);
    case pmMerge: return kOpaque | ((pen | dst) & kRgbMask);
    case pmMask: return kOpaque | (pen & dst & kRgbMask);
    case pmBlack: return kOpaque;
    case pmWhite: return kOpaque | kRgbMask;
    case pmNop: return dst;
  }
  return dst;
}

// The raster operation of a copy mode applied to source S and destination D.
// Modes that involve a pattern brush behave as a plain source copy.
inline std::uint32_t ApplyCopyMode(TCopyMode mode, std::uint32_t s, std::uint32_t d) {
  std::uint32_t r;
  switch (mode) {
    case cmBlackness: r = 0; break;
    case cmNotSrcErase: r = ~(s | d); break;
    case cmNotSrcCopy: r = ~s; break;
    case cmSrcErase: r = s & ~d; break;
    case cmDstInvert: r = ~d; break;
    case cmSrcInvert: r = s ^ d; break;
    case cmSrcAnd: r = s & d; break;
    case cmMergePaint: r = ~s | d; break;
    case cmSrcPaint: r = s | d; break;
    case cmWhiteness: r = kRgbMask; break;
    default: r = s; break;
  }
  return kOpaque | (r & kRgbMask);
}

}  // namespace vyr::pixelops
