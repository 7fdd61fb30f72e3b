#include "ControlTexts.h"

#include <QHash>

ControlTexts ControlTextsFor(const QString& registeredName) {
  static const QHash<QString, ControlTexts> texts{
      {"TNumIO2", {"Numeric input field", "A field for a number in decimal, hexadecimal, binary, float or exponential form, with optional buttons and range."}},
      {"TNumIO", {"Edit-based numeric field", "A line edit that accepts numbers only, within a range, in the chosen input format."}},
      {"TNumLab", {"Numeric label", "Shows a number, date or time in a chosen format, with a left and right caption."}},
      {"TRotLab", {"Rotated label", "A caption drawn at any angle, with an optional 3-D look."}},
      {"TSevenSeg", {"Seven-segment display", "Shows digits and a few letters as the segments of an LED or LCD readout."}},
      {"TRasterLab", {"Dot-matrix label", "Shows text as the dots of a matrix display; the text may scroll."}},
      {"TMeter", {"Analog meter", "A dial with a needle, scale, thresholds and alarms, linear or logarithmic."}},
      {"TProgBar", {"Progress bar", "A bar, horizontal or vertical, showing a value within a range, optionally in a colour gradient."}},
      {"TOnOffBut", {"On/off button", "A two-state switch shown as a picture (lamp, slide switch, check box, ...) with captions."}},
      {"TReportListView", {"Report list", "A table of text cells with sorting, filtering, row editing, clipboard and file export."}},
      {"TNTabEd", {"Numeric table editor", "A grid for editing a table of numbers with row and column headers."}},
      {"TMiniCal", {"Month calendar", "A small calendar of one month, with holidays and a selectable day."}},
      {"TThumbnails", {"Thumbnail strip", "A grid of small pictures (slides) that the program supplies on request; slides can be selected."}},
      {"TFolderTree", {"Folder tree", "A tree of the file system's folders for choosing a directory."}},
      {"TMarkSel", {"Mark selector", "Picks one of the plot marks from a grid."}},
      {"TColSel", {"Colour selector", "A drop-down list of named colours to pick one from."}},
      {"TColorButton", {"Colour button", "A button showing a colour that opens the colour dialog when pressed."}},
      {"TRepSpeedButton", {"Repeating speed button", "A flat button that repeats its click while it is held down."}},
      {"TGradFill", {"Gradient fill", "Fills its area with colour bands stepping from a first to a last colour."}},
  };
  const auto it = texts.constFind(registeredName);
  if (it != texts.constEnd()) return *it;
  return {registeredName + QStringLiteral(" control"), registeredName + QStringLiteral(", a control of the Vyr library.")};
}
