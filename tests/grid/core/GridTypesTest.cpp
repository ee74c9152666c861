// Tests of the grid's enumerations: stored ordinals, one-byte sets and identifier tables.
#include "grid/core/GridTypes.h"

#include <gtest/gtest.h>

#include <cctype>

using namespace grid;

// Ordinals are stored in settings and compared in code.
static_assert(edNormal == 0 && edNumeric == 11 && edRichEdit == 26 && edNone == 27 && edMaskEditBtn == 43);
static_assert(ssAutomatic == 0 && ssFinancial == 9 && ssHTML == 13 && ssVarDate == 21);
static_assert(ctBitmap == 0 && ctIcon == 1 && ctNone == 2 && ctCheckBox == 4 && ctImages == 11 &&
              ctComment == 16 && ctRowCheckBox == 20 && ctInterface == 25 && ctTriStateCheckBox == 31 &&
              ctDataPicture == 33);
static_assert(acNONE == 0 && acSTDDEV == 9 && ssOffice2007 == 3 && hcGroupSummary == 4);
static_assert(heDefault == 3 && adTopBottomInCol == 3 && caLoop == 2 && fceRightClick == 3 && fceComboList == 2);
static_assert(haFull == 5 && vaFull == 5 && ShrinkWithAspectRatio == 4 && rgRow == 2);
static_assert(ppBottomCenter == 6 && pbCustom == 8 && fpCustom == 4 && arFixed == 2 && clIniFile == 1);
static_assert(sizeof(TCellBorders) == 1 && sizeof(TNarrowDownOptions) == 1 && sizeof(THoverRowCells) == 1);

TEST(GridTypesTest, SetsKeepValueNInBitN)
{
    THoverRowCells cells{hcNormal, hcSelected};
    EXPECT_EQ(cells.Bits(), 0b101);
    EXPECT_TRUE(cells.Contains(hcSelected));
    EXPECT_FALSE(cells.Contains(hcFixed));
    cells.Include(hcGroupSummary).Exclude(hcNormal);
    EXPECT_EQ(cells.Bits(), 0b10100);
    TCellBorders borders = TCellBorders{cbTop, cbBottom} + TCellBorders{cbLeft};
    EXPECT_EQ(borders.Bits(), 0b1011);
    EXPECT_EQ((borders - TCellBorders{cbTop}).Bits(), 0b1010);
    EXPECT_EQ((borders * TCellBorders{cbLeft, cbRight}), TCellBorders{cbLeft});
    EXPECT_TRUE(TNarrowDownOptions{}.Empty());
    EXPECT_EQ(TNarrowDownOptions::FromBits(2), TNarrowDownOptions{ndRemoveAccented});
}

namespace {
// Every identifier reads back as its own ordinal, also in other letter case.
template <typename E>
void ExpectIdentsRoundTrip(std::size_t count, const char* first, const char* last)
{
    auto names = EnumIdents<E>();
    ASSERT_EQ(names.size(), count) << first;
    EXPECT_STREQ(names.front(), first);
    EXPECT_STREQ(names.back(), last);
    for (std::size_t i = 0; i < names.size(); ++i) {
        E value{};
        std::string upper = names[i];
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        ASSERT_TRUE(EnumFromIdent(upper, value)) << names[i];
        EXPECT_EQ(static_cast<std::size_t>(value), i);
        EXPECT_EQ(EnumIdent(static_cast<E>(i)), names[i]);
    }
}
}  // namespace

TEST(GridTypesTest, IdentifierTablesNameEveryValueInOrdinalOrder)
{
    ExpectIdentsRoundTrip<TEditorType>(44, "edNormal", "edMaskEditBtn");
    ExpectIdentsRoundTrip<TSortStyle>(22, "ssAutomatic", "ssVarDate");
    ExpectIdentsRoundTrip<TCellType>(34, "ctBitmap", "ctDataPicture");
    ExpectIdentsRoundTrip<TColumnCalcType>(10, "acNONE", "acSTDDEV");
    ExpectIdentsRoundTrip<THoverRowCell>(5, "hcNormal", "hcGroupSummary");
    ExpectIdentsRoundTrip<TGridSelectionStyle>(4, "ssDefault", "ssOffice2007");
    ExpectIdentsRoundTrip<TCellHAlign>(6, "haLeft", "haFull");
    ExpectIdentsRoundTrip<TCellVAlign>(6, "vaTop", "vaFull");
    ExpectIdentsRoundTrip<TStretchMode>(5, "noStretch", "ShrinkWithAspectRatio");
    ExpectIdentsRoundTrip<TPrintBorders>(9, "pbNoborder", "pbCustom");
    ExpectIdentsRoundTrip<TPrintPosition>(7, "ppNone", "ppBottomCenter");
    ExpectIdentsRoundTrip<TGridFixedCellEdit>(4, "fceNone", "fceRightClick");
    ExpectIdentsRoundTrip<TGridFixedCellEditor>(3, "fceEdit", "fceComboList");
    ExpectIdentsRoundTrip<TAdvanceDirection>(4, "adLeftRight", "adTopBottomInCol");
    ExpectIdentsRoundTrip<THomeEndAction>(4, "heFirstLastColumn", "heDefault");
    ExpectIdentsRoundTrip<TCellGradientDirection>(2, "GradientVertical", "GradientHorizontal");
}

TEST(GridTypesTest, UnknownIdentifierOrOrdinalIsNotFound)
{
    TEditorType editor = edSpinEdit;
    EXPECT_FALSE(EnumFromIdent("edNothing", editor));
    EXPECT_FALSE(EnumFromIdent("", editor));
    EXPECT_EQ(editor, edSpinEdit);
    EXPECT_EQ(EnumIdent(static_cast<TCellType>(34)), "");
    auto pairs = EnumIdentPairs<TCellType>();
    ASSERT_EQ(pairs.size(), 34u);
    EXPECT_EQ(pairs[2].first, "ctNone");
    EXPECT_EQ(pairs[2].second, ctNone);
}

TEST(GridTypesTest, GridErrorIsAPlatformExceptionWithItsMessage)
{
    try {
        throw VIdoZovuVozir("Invalid row index");
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid row index");
    }
}
