// Enumerations, small sets and the error class that every unit of the grid family shares.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/rtl/Exceptions.h"

namespace grid {

class TBaseGrid;
class TExtStringGrid;

// The grid's own error: invalid row, column and cell-value accesses, failed file loads and saves.
class VIdoZovuVozir : public rtl::Exception {
public:
    using rtl::Exception::Exception;
};

// The ordinals below are stored in settings files and compared in code: the
// declaration order binds, never reorder or insert.

// In-place editor kind of a cell (44 values).
enum TEditorType : std::uint8_t {
    edNormal, edSpinEdit, edComboEdit, edComboList, edEditBtn, edCheckBox, edDateEdit,
    edDateEditUpDown, edTimeEdit, edButton, edDataCheckBox, edNumeric, edPositiveNumeric,
    edFloat, edCapital, edMixedCase, edPassword, edUnitEditBtn, edLowerCase, edUpperCase,
    edFloatSpinEdit, edTimeSpinEdit, edDateSpinEdit, edNumericEditBtn, edFloatEditBtn,
    edCustom, edRichEdit, edNone, edDateTimeEdit, edValidChars, edTrackbarDropDown,
    edMemoDropDown, edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown,
    edGridDropDown, edColorPickerDropDown, edImagePickerDropDown, edExtGridDropDown,
    edControlDropDown, edPositiveFloat, edNumericUnitEditBtn, edFloatUnitEditBtn, edMaskEditBtn
};

enum TNarrowDownOption : std::uint8_t { ndCaseSensitive, ndRemoveAccented };
enum TCellBorder : std::uint8_t { cbTop, cbLeft, cbRight, cbBottom };
enum TCellGradientDirection : std::uint8_t { GradientVertical, GradientHorizontal };

// How a column compares when sorting (22 values).
enum TSortStyle : std::uint8_t {
    ssAutomatic, ssAlphabetic, ssNumeric, ssDate, ssAlphaNoCase, ssAlphaCase, ssShortDateEU,
    ssShortDateUS, ssCustom, ssFinancial, ssAnsiAlphaCase, ssAnsiAlphaNoCase, ssRaw, ssHTML,
    ssImages, ssCheckBox, ssDateTime, ssTime, ssAlphaNumeric, ssAlphaNumericNoCase, ssNatural,
    ssVarDate
};

enum TVAlignment : std::uint8_t { vtaTop, vtaCenter, vtaBottom };
enum TArrowDirection : std::uint8_t { arrUp, arrDown, arrLeft, arrRight };
enum TExtGridButtonStyle : std::uint8_t { tasButton, tasCheck };
enum TSearchDirection : std::uint8_t { sdTopBottom, sdLeftRight };
enum THighlightType : std::uint8_t { hMatchingText, hFullCell };
enum TSearchType : std::uint8_t { stSearch, stNarrowDown };
enum THomeEndAction : std::uint8_t { heFirstLastColumn, heFirstLastRow, heFirstLastCell, heDefault };
enum TClipboardPasteAction : std::uint8_t { paReplace, paInsert };
enum TClipboardCutAction : std::uint8_t { caClear, caRemove };
enum TAdvanceDirection : std::uint8_t { adLeftRight, adTopBottom, adLeftRightInRow, adTopBottomInCol };
enum TInsertPosition : std::uint8_t { pInsertBefore, pInsertAfter };
enum TCursorAdvance : std::uint8_t { caDefault, caSnake, caLoop };
enum TToggleTriStateCheck : std::uint8_t { tsAllStates, tsCheckUnCheck };
enum TGridFixedCellEdit : std::uint8_t { fceNone, fceDblClick, fceLeftClick, fceRightClick };
enum TGridFixedCellEditor : std::uint8_t { fceEdit, fceComboEdit, fceComboList };
enum TWheelAction : std::uint8_t { waMoveSelection, waScroll };
enum TWheelActive : std::uint8_t { waFocus, waMouseOver };

// Of the base grid.
enum TColumnCalcType : std::uint8_t {
    acNONE, acSUM, acAVG, acCOUNT, acMIN, acMAX, acSPREAD, acCUSTOM, acDISTINCT, acSTDDEV
};
enum TGridSelectionStyle : std::uint8_t { ssDefault, ssVista, ssWin7, ssOffice2007 };
enum THoverRowCell : std::uint8_t { hcNormal, hcFixed, hcSelected, hcGroupHeader, hcGroupSummary };

// Cell graphics: kind (34 values), placement and picture stretching.
enum TCellType : std::uint8_t {
    ctBitmap, ctIcon, ctNone, ctImageList, ctCheckBox, ctDataCheckBox, ctRotated, ctDataImage,
    ctNode, ctRadio, ctEmpty, ctImages, ctPicture, ctFilePicture, ctValue, ctProgress, ctComment,
    ctButton, ctBitButton, ctVirtCheckBox, ctRowCheckBox, ctProgressPie, ctSummary,
    ctRangeIndicator, ctXPProgress, ctInterface, ctScrollbar, ctRadioButton, ctBalloon, ctShape,
    ctRating, ctTriStateCheckBox, ctExpand, ctDataPicture
};
enum TCellHAlign : std::uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum TCellVAlign : std::uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };
enum TStretchMode : std::uint8_t { noStretch, Stretch, StretchWithAspectRatio, Shrink, ShrinkWithAspectRatio };
enum TRadioButtonGroup : std::uint8_t { rgNone, rgCol, rgRow };

// Option records.
enum TColumnSizeLocation : std::uint8_t { clRegistry, clIniFile };
enum TAutoSizeRows : std::uint8_t { arAll, arNormal, arFixed };
enum TPrintPosition : std::uint8_t {
    ppNone, ppTopLeft, ppTopRight, ppTopCenter, ppBottomLeft, ppBottomRight, ppBottomCenter
};
enum TPrintBorders : std::uint8_t {
    pbNoborder, pbSingle, pbDouble, pbVertical, pbHorizontal, pbAround, pbAroundVertical,
    pbAroundHorizontal, pbCustom
};
enum TFitToPage : std::uint8_t { fpNever, fpGrow, fpShrink, fpAlways, fpCustom };
enum TPrinterOrientation : std::uint8_t { poPortrait, poLandscape };

// A set of up to eight values of enumeration E, one byte: bit n is the value with ordinal n.
template <typename E>
class TSmallSet {
public:
    constexpr TSmallSet() = default;
    constexpr TSmallSet(std::initializer_list<E> values)
    {
        for (E v : values) Include(v);
    }
    static constexpr TSmallSet FromBits(std::uint8_t bits)
    {
        TSmallSet s;
        s.FBits = bits;
        return s;
    }
    constexpr std::uint8_t Bits() const { return FBits; }
    constexpr bool Contains(E v) const { return (FBits & Bit(v)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TSmallSet& Include(E v) { FBits = static_cast<std::uint8_t>(FBits | Bit(v)); return *this; }
    constexpr TSmallSet& Exclude(E v) { FBits = static_cast<std::uint8_t>(FBits & ~Bit(v)); return *this; }
    friend constexpr TSmallSet operator+(TSmallSet a, TSmallSet b) { return FromBits(a.FBits | b.FBits); }
    friend constexpr TSmallSet operator-(TSmallSet a, TSmallSet b) { return FromBits(a.FBits & ~b.FBits); }
    friend constexpr TSmallSet operator*(TSmallSet a, TSmallSet b) { return FromBits(a.FBits & b.FBits); }
    friend constexpr bool operator==(TSmallSet, TSmallSet) = default;

private:
    static constexpr std::uint8_t Bit(E v) { return static_cast<std::uint8_t>(1u << static_cast<unsigned>(v)); }
    std::uint8_t FBits = 0;
};

using TNarrowDownOptions = TSmallSet<TNarrowDownOption>;
using TCellBorders = TSmallSet<TCellBorder>;
using THoverRowCells = TSmallSet<THoverRowCell>;

// Identifiers of an enumeration's values as form descriptions and settings write them;
// element n names the value with ordinal n. Specialised (in GridTypes.cpp) for every
// enumeration above.
template <typename E>
std::span<const char* const> EnumIdents();

// Identifier of one value ("" for an ordinal outside the enumeration).
template <typename E>
std::string_view EnumIdent(E value)
{
    auto names = EnumIdents<E>();
    auto i = static_cast<std::size_t>(value);
    return i < names.size() ? std::string_view(names[i]) : std::string_view();
}

// Value of an identifier, compared without regard to case; false when none matches.
bool FindEnumIdent(std::span<const char* const> names, std::string_view ident, int& ordinal);

template <typename E>
bool EnumFromIdent(std::string_view ident, E& value)
{
    int ordinal = 0;
    if (!FindEnumIdent(EnumIdents<E>(), ident, ordinal)) return false;
    value = static_cast<E>(ordinal);
    return true;
}

// The (identifier, value) pairs in ordinal order, the shape the form reader's enumeration
// properties take.
template <typename E>
std::vector<std::pair<std::string, E>> EnumIdentPairs()
{
    std::vector<std::pair<std::string, E>> pairs;
    auto names = EnumIdents<E>();
    pairs.reserve(names.size());
    for (std::size_t i = 0; i < names.size(); ++i) pairs.emplace_back(names[i], static_cast<E>(i));
    return pairs;
}

#define GRID_DECLARE_ENUM_IDENTS(E) template <> std::span<const char* const> EnumIdents<E>();
GRID_DECLARE_ENUM_IDENTS(TEditorType)
GRID_DECLARE_ENUM_IDENTS(TNarrowDownOption)
GRID_DECLARE_ENUM_IDENTS(TCellBorder)
GRID_DECLARE_ENUM_IDENTS(TCellGradientDirection)
GRID_DECLARE_ENUM_IDENTS(TSortStyle)
GRID_DECLARE_ENUM_IDENTS(TVAlignment)
GRID_DECLARE_ENUM_IDENTS(TArrowDirection)
GRID_DECLARE_ENUM_IDENTS(TExtGridButtonStyle)
GRID_DECLARE_ENUM_IDENTS(TSearchDirection)
GRID_DECLARE_ENUM_IDENTS(THighlightType)
GRID_DECLARE_ENUM_IDENTS(TSearchType)
GRID_DECLARE_ENUM_IDENTS(THomeEndAction)
GRID_DECLARE_ENUM_IDENTS(TClipboardPasteAction)
GRID_DECLARE_ENUM_IDENTS(TClipboardCutAction)
GRID_DECLARE_ENUM_IDENTS(TAdvanceDirection)
GRID_DECLARE_ENUM_IDENTS(TInsertPosition)
GRID_DECLARE_ENUM_IDENTS(TCursorAdvance)
GRID_DECLARE_ENUM_IDENTS(TToggleTriStateCheck)
GRID_DECLARE_ENUM_IDENTS(TGridFixedCellEdit)
GRID_DECLARE_ENUM_IDENTS(TGridFixedCellEditor)
GRID_DECLARE_ENUM_IDENTS(TWheelAction)
GRID_DECLARE_ENUM_IDENTS(TWheelActive)
GRID_DECLARE_ENUM_IDENTS(TColumnCalcType)
GRID_DECLARE_ENUM_IDENTS(TGridSelectionStyle)
GRID_DECLARE_ENUM_IDENTS(THoverRowCell)
GRID_DECLARE_ENUM_IDENTS(TCellType)
GRID_DECLARE_ENUM_IDENTS(TCellHAlign)
GRID_DECLARE_ENUM_IDENTS(TCellVAlign)
GRID_DECLARE_ENUM_IDENTS(TStretchMode)
GRID_DECLARE_ENUM_IDENTS(TRadioButtonGroup)
GRID_DECLARE_ENUM_IDENTS(TColumnSizeLocation)
GRID_DECLARE_ENUM_IDENTS(TAutoSizeRows)
GRID_DECLARE_ENUM_IDENTS(TPrintPosition)
GRID_DECLARE_ENUM_IDENTS(TPrintBorders)
GRID_DECLARE_ENUM_IDENTS(TFitToPage)
GRID_DECLARE_ENUM_IDENTS(TPrinterOrientation)
#undef GRID_DECLARE_ENUM_IDENTS

}  // namespace grid
