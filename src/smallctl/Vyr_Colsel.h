#pragma once
// TColSel: a drop-down list of up to 47 colours, each item a colour bar
// followed by the colour's name. Entries marked user-editable carry a small
// pencil-like marker in their bar; pressing the mouse on the bar of such an
// entry opens the colour dialog for it before the list opens.
//
// The palette has 47 entries, counted from 1; NumColors (1..47) of them
// are in the list. Entry i of a fresh selector is PredefinedColors
// element i - 1, named by ColorToString, none editable; 20 are shown and
// entry 1 is selected. Indexed reads outside 1..NumColors give 0, an empty
// name or false, and writes there do nothing.
//
// Choices where the description is open or unsound:
//  - A selector created in code fills its list at once (not only after a
//    stored form is loaded), so it never shows an empty list.
//  - Writing a name (SetArrayColorName) stores it as written (not offered
//    to OnColorNameChange, since the application chose it) and the list
//    item shows it.
//  - Colour names: the PredefinedColors names ("Black", "Button Face", ...)
//    and "#RRGGBB" for other colours.
//  - The highlighted item (under the pointer in the open list; the closed
//    box while the selector has the focus) shows the highlight colour
//    around its bar and behind its name, in the highlight text colour.
//  - Keyboard: an ordinary combo box (arrows, Home, End, first letter,
//    Alt+Down or F4 to open, Enter, Escape). A list opened by the keyboard
//    never opens the colour dialog; only a press on a colour bar does.
//  - ColorBarWidth accepts any non-negative width; a bar wider than the
//    item is drawn as wide as the item, with no name beside it.
#include <QString>
#include <functional>
#include <memory>

#include "host/ComboBox.h"
#include "host/PropertyCopy.h"

namespace vyr {

using TOnColorNameChangeEvent = std::function<void(TObject* Sender, QString& ColorName)>;

class TColSel : public TCustomComboBox {
  Q_OBJECT
  Q_PROPERTY(int ColorBarWidth READ ColorBarWidth WRITE SetColorBarWidth)
  Q_PROPERTY(int NumColors READ NumColors WRITE SetNumColors)
  Q_PROPERTY(uint SelColor READ SelColor WRITE SetSelColor)

 public:
  static constexpr int kMaxColors = 47;

  explicit TColSel(QWidget* AOwner = nullptr);
  ~TColSel() override;

  // Pixels of the colour bar; negative writes are ignored.
  int ColorBarWidth() const;
  void SetColorBarWidth(int value);
  // 1..47; other writes are ignored. A change selects entry 1 and refills
  // the list.
  int NumColors() const;
  void SetNumColors(int value);
  // The colour of the selected entry. Writing selects the first entry of
  // the same RGB value; without one, the selected entry takes the colour
  // (and its name).
  TColor SelColor() const;
  void SetSelColor(TColor value);
  // The selected entry, 1..NumColors.
  int SelColorIndex() const;

  TColor GetArrayColor(int i) const;
  void SetArrayColor(int i, TColor color);
  QString GetArrayColorName(int i) const;
  void SetArrayColorName(int i, const QString& name);
  bool GetArrayAllowEdit(int i) const;
  void SetArrayAllowEdit(int i, bool allow);
  // The name of the selected entry; empty while the list has no current item.
  QString GetSelColorID() const;
  void SetAllColorEditFlags();
  void ResetAllColorEditFlags();

  // Palettes from PredefinedColors: the 16 basic colours, those and four
  // more (20), all 47, or the 27 system colours. Each selects entry 1.
  void LoadBasicVGAPalette();
  void LoadExtendedPalette();
  void LoadStandardPalette();
  void LoadWindowsSystemPalette();
  // One list item per entry 1..NumColors; the selected entry is current.
  void LoadColorsIntoComboList();

  // 1 while the pointer was last over the colour bar part, else 0.
  int MouseAreaCode() const;

  void Loaded() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  // The chosen item becomes the selected entry, then OnClick.
  void Click() override;
  // With the pointer on the bar of an editable entry, the colour dialog
  // first; then OnDropDown.
  void DropDown() override;
  void SetEnabled(bool value) override;

  // From another TColSel: the properties of CopiedProperties, then the
  // palette, names, edit flags, selected entry and handlers.
  void Assign(const TComponentBase* Source) override;
  static TPropertyList CopiedProperties();
  void AssignTo(TComponentBase* Dest) const override;

  QString AccessibleValue() const override { return GetSelColorID(); }

  TOnColorNameChangeEvent OnColorNameChange;

 protected:
  void DrawItem(TCanvas& Canvas, int Index, const TRect& Rect, TOwnerDrawState State) override;

 private:
  struct Private;
  std::unique_ptr<Private> d;

  bool InRange(int i) const;
  // ColorToString of the colour, offered to OnColorNameChange.
  QString OfferedName(TColor color);
  void LoadPalette(int count, int first);
  void NameChanged(int i);
  void DrawColorBar(TCanvas& c, int entry, const TRect& r, int width);
};

}  // namespace vyr
