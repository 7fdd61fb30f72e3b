#pragma once
// TMarkSel's state, out of the installed header.
#include <array>

#include "smallctl/Vyr_marksel.h"

namespace vyr {

// Cell size and grid places of the shown marks for a control size.
struct TMarkLayout {
  int DistH = 0, DistV = 0;
  // The centre of each mark's cell; (-1, -1) for marks not shown.
  std::array<TPoint, TMarkSel::kMarks> Coords{};
  // The shown marks in index order.
  std::array<int, TMarkSel::kMarks> Order{};
  int Shown = 0;
};

TMarkLayout LayOutMarks(int width, int height, int columns, int rows,
                        const std::array<bool, TMarkSel::kMarks>& visible);

struct TMarkSel::Private {
  int NrCols = 8;
  int NrRows = 6;
  int Selected = -1;
  bool ZeroAsCross = true;
  TColor ColorBG = clBtnFace;
  TColor ColorFG = clBlack;
  TColor ColorSelFG = 0x800000;
  TColor ColorSelBG = 0xFFFFFF;
  TColor ColorHiLite = 0x0000FF;
  TColor ColorHiSymb = 0xFFFFFF;
  TFrameStyle FrameStyle = fsEtched;
  std::array<bool, TMarkSel::kMarks> MarkVis;
  int LastHiLite = 0;
  // Whether LastHiLite shows highlighted at present.
  bool HiLiteShown = false;
  TPoint LastDown{-1, -1};

  Private() { MarkVis.fill(true); }
};

}  // namespace vyr
