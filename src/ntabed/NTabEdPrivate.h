#pragma once
// The state of a TNTabEd, kept out of the installed header.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <array>
#include <cstdint>
#include <vector>

#include "ntabed/NTabEd.h"

namespace vyr {

// Sets a flag for the length of a scope and gives it back its former
// value however the scope ends.
class TFlagScope {
 public:
  TFlagScope(bool& flag, bool value) : FFlag(flag), FOld(flag) { flag = value; }
  ~TFlagScope() { FFlag = FOld; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
  bool FOld;
};

struct TNTabPalette {
  TColor Background = clWindow;
  TColor Fixed = clBtnFace;
  TColor Normal = 0x002000;
  TColor Selected = 0x404040;
  TColor MarkedA = 0x0000FF;
  TColor MarkedB = 0xFF0000;
  TColor MarkedBoth = 0xCC00BB;
  TColor RangeSelFG = 0x80552C;
  TColor RangeSelBG = 0xF8E8E0;
};

struct TNTabEd::Private {
  TDataTable OwnData;
  QPointer<TDataTable> ExtData;  // a table bound from outside, not owned
  TDataTable DataCopy;
  bool DataCopyAvail = false;
  QString DataCopyText;  // what the last copy put on the clipboard
  bool StandardKeyTaken = false;  // the last key-down ran a command
  std::vector<std::int8_t> DecP;  // decimal places of data column c at c - 1

  bool AutoAdvance = true;
  int AutoAdvDir = orDown;
  TGridRect OldSel{-1, -1, -1, -1};
  int ClassColWidth = 32;
  bool OptRowHeight = false;
  int ColOffset = 1, RowOffset = 0;
  bool ClipUseFullPrec = true;
  bool ShowCellCursor = true;
  int NumWidth = 1;
  bool SortIncludeHd = false;
  bool SuppressPaint = false;
  bool InternSuppPaint = true;
  bool BlockIntPopup = false;
  bool CommEdAllowed = true;
  bool ReadOnly = false;
  bool BoldSelHeads = true, BoldMarks = true;
  TNTabPalette Colors;
  int DropdownCount = 8;

  // Menus, their items (data item k at k - 1; submenus mark A, mark B,
  // unmark A, unmark B) and masks.
  TPopupMenu* PopupD = nullptr;
  TPopupMenu* PopupH = nullptr;
  std::array<TMenuItem*, 12> DItems{};
  std::array<QMenu*, 4> SubMenus{};
  std::array<std::array<TMenuItem*, 4>, 4> SubItems{};
  std::array<TMenuItem*, 5> HItems{};
  std::uint32_t DMask = kAllMenuItems, HMask = kAllMenuItems, MMask = kAllMenuItems, UMask = kAllMenuItems;
  bool InMenu = false;           // a menu is open or its handler runs
  bool PrecisionRepeat = false;  // the reopened precision menu asked again

  // Child editors.
  QPointer<QLineEdit> NameEd;
  QPointer<QPlainTextEdit> CommentMM;
  bool NameEdActive = false, CommentMMActive = false;
  TGridCoord NameEdCell{-1, -1};

  // Mouse memory of this editor: cell of the last press or release, the
  // pixel of the last press inside the grid, the cell the menus act on.
  TGridCoord LastCell{-1, -1};
  TPoint LastPress{-1, -1};
  TGridCoord PressCell{-1, -1};

  // The cell as it was when the in-place editor opened, and the text last
  // applied to it.
  struct {
    int Col = -1, Row = -1;
    double Value = 0;
    std::uint8_t State = 0;
    QString Text, Applied;
  } EditStart;
  bool EditWriting = false;  // the in-place editor writes its cell

  TDataTable& Table() { return ExtData ? *ExtData : OwnData; }
  const TDataTable& Table() const { return ExtData ? *ExtData : OwnData; }
  int Dec(int c) const { return c >= 1 && c <= int(DecP.size()) ? DecP[std::size_t(c - 1)] : 0; }
  bool Suppressed() const { return SuppressPaint || InternSuppPaint; }
};

}  // namespace vyr
