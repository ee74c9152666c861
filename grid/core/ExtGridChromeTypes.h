// Vocabulary of the grid's styles and of the windows it keeps around its cells, for the string grid's declaration.
#pragma once

#include <cstdint>

namespace ui {
class TPopupMenu;
class TScrollBar;
}

namespace grid {

// The style presets of the grid: the same values in the same order as TJyxStyle, so a
// TJyxStyle is applied as the TExtGridStyle of the same ordinal.
enum TExtGridStyle : std::uint8_t {
    gsOffice2003Blue,
    gsOffice2003Silver,
    gsOffice2003Olive,
    gsOffice2003Classic,
    gsOffice2007Luna,
    gsOffice2007Obsidian,
    gsWindowsXP,
    gsWhidbey,
    gsCustom,
    gsOffice2007Silver,
    gsWindowsVista,
    gsWindows7,
    gsTerminal,
    gsOffice2010Blue,
    gsOffice2010Silver,
    gsOffice2010Black,
    gsWindows8,
    gsOffice2013white,
    gsOffice2013LightGray,
    gsOffice2013Gray,
    gsWindows10,
    gsOffice2016white,
    gsOffice2016Gray,
    gsOffice2016Black,
};

// XP colour schemes of SetTheme.
enum TXPColorScheme : std::uint8_t { xpNone, xpBlue, xpGreen, xpGray, vistaAero };

class TScrollControl;
class THeaderDragButton;
class TNoActiveForm;
struct TExtGridChromeObjects;

}  // namespace grid
