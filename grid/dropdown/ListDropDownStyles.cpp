// The table colours that a component style gives the list drop-downs.
#include "grid/dropdown/ListDropDownStyles.h"

#include <array>

namespace grid {

namespace {

using gfx::clBtnFace;
using gfx::clHighlight;
using gfx::clHighlightText;
using gfx::clNone;

// clNone as header font colour: unchanged; as selection colour: from the selection style.
constexpr std::array<TListTableStyle, 23> TableStyles{{
    {tsOffice2003Blue, 0xD68759, 0x933803, scOffice2007, 0xFFFFFF, 0x962D00, 0x962D00, clNone, 0x000000},
    {tsOffice2003Silver, 0xBDA4A5, 0x957475, scOffice2007, clNone, 0x947C7C, 0x947C7C, clNone, 0x000000},
    {tsOffice2003Olive, 0x82C0AF, 0x447A63, scOffice2007, clNone, 0x588060, 0x588060, clNone, 0x000000},
    {tsOffice2003Classic, 0x808080, 0x808080, scOffice2007, clNone, 0x808080, 0x808080, clNone, 0x000000},
    {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, scOffice2007, 0x723708, 0xFFD2AF, 0xFFD2AF, clNone, 0x000000},
    {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, scOffice2007, 0x433C37, 0x5C534C, 0x5C534C, clNone, 0x000000},
    {tsWindowsXP, clBtnFace, clBtnFace, scCustom, 0x000000, 0xC0C0C0, 0x000000, clHighlight, clHighlightText},
    {tsWhidbey, 0xEBEEEF, 0x7E9898, scOffice2007, 0xFFFFFF, 0x962D00, 0x962D00, clNone, 0x000000},
    {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, scOffice2007, 0x8B4215, 0x74706F, 0x74706F, clNone, 0x000000},
    {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, scWindowsVista, 0x000000, 0xFCF2DA, 0xFCF2DA, clNone, 0x000000},
    {tsWindows7, 0xFDFBFA, 0xFDF3EB, scWindows7, 0x000000, 0xFBD6B8, 0xFBD6B8, clNone, 0x000000},
    {tsTerminal, clBtnFace, clBtnFace, scCustom, 0x000000, 0x808080, 0x808080, clHighlight, clHighlightText},
    {tsOffice2010Blue, 0xEDDBCD, clNone, scCustom, 0x5B391E, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0x000000},
    {tsOffice2010Silver, 0xEDE9E5, clNone, scCustom, 0x5B391E, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0x000000},
    {tsOffice2010Black, 0x828282, clNone, scCustom, 0xD7D7D6, 0xEEDDCF, 0xEEDDCF, 0x6CD0FF, 0x000000},
    {tsWindows8, 0xF7F6F5, clNone, scCustom, 0x000000, 0xE4E3E2, 0xE4E3E2, 0xF7E0C9, 0x000000},
    {tsOffice2013White, 0xFFFFFF, clNone, scCustom, 0x000000, 0xD4D4D4, 0xD4D4D4, 0xFCE2C8, 0x000000},
    {tsOffice2013LightGray, 0xF6F6F6, clNone, scCustom, 0x000000, 0xC6C6C6, 0xC6C6C6, 0xFCE2C8, 0x000000},
    {tsOffice2013Gray, 0xE5E5E5, clNone, scCustom, 0x000000, 0xABABAB, 0xABABAB, 0xFCE2C8, 0x000000},
    {tsWindows10, 0xF7F6F5, clNone, scCustom, 0x000000, 0xE4E3E2, 0xE4E3E2, 0xF7E0C9, 0x000000},
    {tsOffice2016White, 0xFFFFFF, clNone, scCustom, 0x000000, 0xD4D4D4, 0xD4D4D4, 0xE3BDA3, 0x000000},
    {tsOffice2016Gray, 0x444444, clNone, scCustom, 0xF0F0F0, 0x444444, 0x444444, 0xB2B2B2, 0x000000},
    {tsOffice2016Black, 0x444444, clNone, scCustom, 0xFFFFFF, 0x6A6A6A, 0x6A6A6A, 0x444444, 0xFFFFFF},
}};

}  // namespace

std::optional<TListTableStyle> FindListTableStyle(TJyxStyle style)
{
    for (const TListTableStyle& row : TableStyles)
        if (row.Style == style) return row;
    return std::nullopt;
}

std::optional<TListLineColors> ListLineColorsOf(TSelectionColorStyle style)
{
    switch (style) {
    case scOffice2007: return TListLineColors{0xF1EDEB, 0xD1BBA4};
    case scWindowsVista:
    case scWindows7: return TListLineColors{0xECECF0, 0xD4D2D1};
    case scCustom: break;
    }
    return std::nullopt;
}

}  // namespace grid
