#include "foundation/NameTables.h"

#include <array>

namespace vyr {

namespace {

constexpr int kLanguageCount = 4;

using WeekDayTable = std::array<std::array<const char16_t*, 7>, kLanguageCount>;
using MonthTable = std::array<std::array<const char16_t*, 12>, kLanguageCount>;

constexpr WeekDayTable kWeekDayShort = {{
    {u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat", u"Sun"},
    {u"Mo", u"Di", u"Mi", u"Do", u"Fr", u"Sa", u"So"},
    {u"Lun", u"Mar", u"Mer", u"Jeu", u"Ven", u"Sam", u"Dim"},
    {u"Lun", u"Mar", u"Mié", u"Jue", u"Vie", u"Sáb", u"Dom"},
}};

constexpr MonthTable kMonthShort = {{
    {u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun", u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"},
    {u"Jan", u"Feb", u"Mär", u"Apr", u"Mai", u"Jun", u"Jul", u"Aug", u"Sep", u"Okt", u"Nov", u"Dez"},
    {u"Janv", u"Févr", u"Mars", u"Avr", u"Mai", u"Juin", u"Juil", u"Août", u"Sept", u"Oct", u"Nov", u"Déc"},
    {u"Ene", u"Feb", u"Mar", u"Abr", u"May", u"Jun", u"Jul", u"Ago", u"Sep", u"Oct", u"Nov", u"Dic"},
}};

constexpr MonthTable kMonthLong = {{
    {u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August", u"September",
     u"October", u"November", u"December"},
    {u"Januar", u"Februar", u"März", u"April", u"Mai", u"Juni", u"Juli", u"August", u"September",
     u"Oktober", u"November", u"Dezember"},
    {u"Janvier", u"Février", u"Mars", u"Avril", u"Mai", u"Juin", u"Juillet", u"Août", u"Septembre",
     u"Octobre", u"Novembre", u"Décembre"},
    {u"Enero", u"Febrero", u"Marzo", u"Abril", u"Mayo", u"Junio", u"Julio", u"Agosto", u"Septiembre",
     u"Octubre", u"Noviembre", u"Diciembre"},
}};

// Looks up entry index (1-based) of the language's row; empty when either is out of range.
template <std::size_t N>
QString Lookup(const std::array<std::array<const char16_t*, N>, kLanguageCount>& table, TLanguage language,
               int index) {
  if (language < lgEnglish || language > lgSpanish || index < 1 || index > int(N)) return QString();
  return QString::fromUtf16(table[language - lgEnglish][index - 1]);
}

constexpr std::array<TPredefinedColor, kPredefinedColorCount> kPredefinedColors = {{
    {clBlack, "Black"},
    {clMaroon, "Maroon"},
    {clGreen, "Green"},
    {clOlive, "Olive"},
    {clNavy, "Navy"},
    {clPurple, "Purple"},
    {clTeal, "Teal"},
    {clGray, "Gray"},
    {clSilver, "Silver"},
    {clRed, "Red"},
    {clLime, "Lime"},
    {clYellow, "Yellow"},
    {clBlue, "Blue"},
    {clFuchsia, "Fuchsia"},
    {clAqua, "Aqua"},
    {clWhite, "White"},
    {RGB(0xFF, 0xA5, 0x00), "Orange"},
    {RGB(0xA5, 0x2A, 0x2A), "Brown"},
    {RGB(0xFF, 0xC0, 0xCB), "Pink"},
    {RGB(0x40, 0x40, 0x40), "Dark Gray"},
    {clScrollBar, "Scroll Bar"},
    {clBackground, "Desktop"},
    {clActiveCaption, "Active Caption"},
    {clInactiveCaption, "Inactive Caption"},
    {clMenu, "Menu"},
    {clWindow, "Window"},
    {clWindowFrame, "Window Frame"},
    {clMenuText, "Menu Text"},
    {clWindowText, "Window Text"},
    {clCaptionText, "Caption Text"},
    {clActiveBorder, "Active Border"},
    {clInactiveBorder, "Inactive Border"},
    {clAppWorkSpace, "Application Workspace"},
    {clHighlight, "Highlight"},
    {clHighlightText, "Highlight Text"},
    {clBtnFace, "Button Face"},
    {clBtnShadow, "Button Shadow"},
    {clGrayText, "Gray Text"},
    {clBtnText, "Button Text"},
    {clInactiveCaptionText, "Inactive Caption Text"},
    {clBtnHighlight, "Button Highlight"},
    {cl3DDkShadow, "3D Dark Shadow"},
    {cl3DLight, "3D Light"},
    {clInfoText, "Info Text"},
    {clInfoBk, "Info Background"},
    {clHotLight, "Hot Light"},
    {clMenuHighlight, "Menu Highlight"},
}};

}  // namespace

QString WeekDayShort(TLanguage language, int day) { return Lookup(kWeekDayShort, language, day); }

QString MonthShort(TLanguage language, int month) { return Lookup(kMonthShort, language, month); }

QString MonthLong(TLanguage language, int month) { return Lookup(kMonthLong, language, month); }

std::span<const TPredefinedColor> PredefinedColors() { return kPredefinedColors; }

}  // namespace vyr
