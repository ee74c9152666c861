// Identifier tables of the grid's enumerations and their case-blind look-up.
#include "grid/core/GridTypes.h"

#include <cctype>

namespace grid {

bool FindEnumIdent(std::span<const char* const> names, std::string_view ident, int& ordinal)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string_view name(names[i]);
        if (name.size() != ident.size()) continue;
        bool same = true;
        for (std::size_t k = 0; k < name.size() && same; ++k)
            same = std::tolower(static_cast<unsigned char>(name[k])) ==
                   std::tolower(static_cast<unsigned char>(ident[k]));
        if (same) {
            ordinal = static_cast<int>(i);
            return true;
        }
    }
    return false;
}

#define GRID_ENUM_IDENTS(E, ...)                                  \
    template <>                                                   \
    std::span<const char* const> EnumIdents<E>()                  \
    {                                                             \
        static const char* const names[] = {__VA_ARGS__};         \
        return names;                                             \
    }

GRID_ENUM_IDENTS(TEditorType,
                "edNormal", "edSpinEdit", "edComboEdit", "edComboList", "edEditBtn", "edCheckBox",
                "edDateEdit", "edDateEditUpDown", "edTimeEdit", "edButton", "edDataCheckBox",
                "edNumeric", "edPositiveNumeric", "edFloat", "edCapital", "edMixedCase",
                "edPassword", "edUnitEditBtn", "edLowerCase", "edUpperCase", "edFloatSpinEdit",
                "edTimeSpinEdit", "edDateSpinEdit", "edNumericEditBtn", "edFloatEditBtn",
                "edCustom", "edRichEdit", "edNone", "edDateTimeEdit", "edValidChars",
                "edTrackbarDropDown", "edMemoDropDown", "edCalculatorDropDown",
                "edTimePickerDropDown", "edDetailDropDown", "edGridDropDown",
                "edColorPickerDropDown", "edImagePickerDropDown", "edExtGridDropDown",
                "edControlDropDown", "edPositiveFloat", "edNumericUnitEditBtn",
                "edFloatUnitEditBtn", "edMaskEditBtn")
GRID_ENUM_IDENTS(TNarrowDownOption, "ndCaseSensitive", "ndRemoveAccented")
GRID_ENUM_IDENTS(TCellBorder, "cbTop", "cbLeft", "cbRight", "cbBottom")
GRID_ENUM_IDENTS(TCellGradientDirection, "GradientVertical", "GradientHorizontal")
GRID_ENUM_IDENTS(TSortStyle,
                "ssAutomatic", "ssAlphabetic", "ssNumeric", "ssDate", "ssAlphaNoCase",
                "ssAlphaCase", "ssShortDateEU", "ssShortDateUS", "ssCustom", "ssFinancial",
                "ssAnsiAlphaCase", "ssAnsiAlphaNoCase", "ssRaw", "ssHTML", "ssImages",
                "ssCheckBox", "ssDateTime", "ssTime", "ssAlphaNumeric", "ssAlphaNumericNoCase",
                "ssNatural", "ssVarDate")
GRID_ENUM_IDENTS(TVAlignment, "vtaTop", "vtaCenter", "vtaBottom")
GRID_ENUM_IDENTS(TArrowDirection, "arrUp", "arrDown", "arrLeft", "arrRight")
GRID_ENUM_IDENTS(TExtGridButtonStyle, "tasButton", "tasCheck")
GRID_ENUM_IDENTS(TSearchDirection, "sdTopBottom", "sdLeftRight")
GRID_ENUM_IDENTS(THighlightType, "hMatchingText", "hFullCell")
GRID_ENUM_IDENTS(TSearchType, "stSearch", "stNarrowDown")
GRID_ENUM_IDENTS(THomeEndAction, "heFirstLastColumn", "heFirstLastRow", "heFirstLastCell", "heDefault")
GRID_ENUM_IDENTS(TClipboardPasteAction, "paReplace", "paInsert")
GRID_ENUM_IDENTS(TClipboardCutAction, "caClear", "caRemove")
GRID_ENUM_IDENTS(TAdvanceDirection, "adLeftRight", "adTopBottom", "adLeftRightInRow", "adTopBottomInCol")
GRID_ENUM_IDENTS(TInsertPosition, "pInsertBefore", "pInsertAfter")
GRID_ENUM_IDENTS(TCursorAdvance, "caDefault", "caSnake", "caLoop")
GRID_ENUM_IDENTS(TToggleTriStateCheck, "tsAllStates", "tsCheckUnCheck")
GRID_ENUM_IDENTS(TGridFixedCellEdit, "fceNone", "fceDblClick", "fceLeftClick", "fceRightClick")
GRID_ENUM_IDENTS(TGridFixedCellEditor, "fceEdit", "fceComboEdit", "fceComboList")
GRID_ENUM_IDENTS(TWheelAction, "waMoveSelection", "waScroll")
GRID_ENUM_IDENTS(TWheelActive, "waFocus", "waMouseOver")
GRID_ENUM_IDENTS(TColumnCalcType,
                "acNONE", "acSUM", "acAVG", "acCOUNT", "acMIN", "acMAX", "acSPREAD", "acCUSTOM",
                "acDISTINCT", "acSTDDEV")
GRID_ENUM_IDENTS(TGridSelectionStyle, "ssDefault", "ssVista", "ssWin7", "ssOffice2007")
GRID_ENUM_IDENTS(THoverRowCell, "hcNormal", "hcFixed", "hcSelected", "hcGroupHeader", "hcGroupSummary")
GRID_ENUM_IDENTS(TCellType,
                "ctBitmap", "ctIcon", "ctNone", "ctImageList", "ctCheckBox", "ctDataCheckBox",
                "ctRotated", "ctDataImage", "ctNode", "ctRadio", "ctEmpty", "ctImages",
                "ctPicture", "ctFilePicture", "ctValue", "ctProgress", "ctComment", "ctButton",
                "ctBitButton", "ctVirtCheckBox", "ctRowCheckBox", "ctProgressPie", "ctSummary",
                "ctRangeIndicator", "ctXPProgress", "ctInterface", "ctScrollbar", "ctRadioButton",
                "ctBalloon", "ctShape", "ctRating", "ctTriStateCheckBox", "ctExpand",
                "ctDataPicture")
GRID_ENUM_IDENTS(TCellHAlign, "haLeft", "haRight", "haCenter", "haBeforeText", "haAfterText", "haFull")
GRID_ENUM_IDENTS(TCellVAlign, "vaTop", "vaBottom", "vaCenter", "vaUnderText", "vaAboveText", "vaFull")
GRID_ENUM_IDENTS(TStretchMode,
                "noStretch", "Stretch", "StretchWithAspectRatio", "Shrink",
                "ShrinkWithAspectRatio")
GRID_ENUM_IDENTS(TRadioButtonGroup, "rgNone", "rgCol", "rgRow")
GRID_ENUM_IDENTS(TColumnSizeLocation, "clRegistry", "clIniFile")
GRID_ENUM_IDENTS(TAutoSizeRows, "arAll", "arNormal", "arFixed")
GRID_ENUM_IDENTS(TPrintPosition,
                "ppNone", "ppTopLeft", "ppTopRight", "ppTopCenter", "ppBottomLeft",
                "ppBottomRight", "ppBottomCenter")
GRID_ENUM_IDENTS(TPrintBorders,
                "pbNoborder", "pbSingle", "pbDouble", "pbVertical", "pbHorizontal", "pbAround",
                "pbAroundVertical", "pbAroundHorizontal", "pbCustom")
GRID_ENUM_IDENTS(TFitToPage, "fpNever", "fpGrow", "fpShrink", "fpAlways", "fpCustom")
GRID_ENUM_IDENTS(TPrinterOrientation, "poPortrait", "poLandscape")

#undef GRID_ENUM_IDENTS

}  // namespace grid
