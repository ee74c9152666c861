// Typed cell values of the string grid in both decimal-separator locales, dates, form-control values, fills, distinct values, swaps and range formatting.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/StringList.h"

using namespace grid;

namespace {

// Sets the locale's separators for one test and puts the previous ones back.
class LocaleScope {
public:
    LocaleScope(char decimal, char thousand) : FSaved(rtl::FormatSettings)
    {
        rtl::FormatSettings.DecimalSeparator = decimal;
        rtl::FormatSettings.ThousandSeparator = thousand;
    }
    ~LocaleScope() { rtl::FormatSettings = FSaved; }

private:
    rtl::TFormatSettings FSaved;
};

struct TypedCase {
    const char* Name;
    char Decimal;
    char Thousand;
    const char* Text;
    std::function<double(TExtStringGrid&)> Read;
    double Expected;
    const char* Error;  // the message raised instead, or nullptr
};

double Ints(TExtStringGrid& g) { return g.Ints(1, 1); }
double AllInts(TExtStringGrid& g) { return g.AllInts(1, 1); }
double Floats(TExtStringGrid& g) { return g.Floats(1, 1); }
double AllFloats(TExtStringGrid& g) { return g.AllFloats(1, 1); }

const char* const NoInt = "Cell does not contain integer value";
const char* const NoFloat = "Cell does not contain a float value";

class TypedValueTable : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedValueTable, ReadsTheCellOrRaisesTheGridsMessage)
{
    const TypedCase& tc = GetParam();
    LocaleScope locale(tc.Decimal, tc.Thousand);
    TExtStringGrid grid(nullptr);
    grid.SetCells(1, 1, tc.Text);
    if (tc.Error == nullptr) {
        EXPECT_DOUBLE_EQ(tc.Read(grid), tc.Expected);
        return;
    }
    try {
        tc.Read(grid);
        ADD_FAILURE() << "no error for " << tc.Text;
    } catch (const VIdoZovuVozir& e) {
        EXPECT_EQ(e.Message(), tc.Error);
    }
    EXPECT_EQ(grid.Cells(1, 1), tc.Text);  // nothing written on failure
}

INSTANTIATE_TEST_SUITE_P(
    BothLocales, TypedValueTable,
    ::testing::Values(
        TypedCase{"IntEmpty", '.', ',', "", Ints, 0, nullptr},
        TypedCase{"IntBlanks", '.', ',', "   ", Ints, 0, nullptr},
        TypedCase{"IntDash", '.', ',', "-", Ints, 0, nullptr},
        TypedCase{"IntPlain", '.', ',', "12", Ints, 12, nullptr},
        TypedCase{"IntHalfDown", '.', ',', "2.5", Ints, 2, nullptr},
        TypedCase{"IntHalfUp", '.', ',', "3.5", Ints, 4, nullptr},
        TypedCase{"IntThousands", '.', ',', "1,234", Ints, 0, NoInt},
        TypedCase{"IntBold", '.', ',', "<b>42</b>", Ints, 42, nullptr},
        TypedCase{"IntHex", '.', ',', "$1F", Ints, 31, nullptr},
        TypedCase{"IntWord", '.', ',', "abc", Ints, 0, NoInt},
        TypedCase{"IntCommaLocale", ',', '.', "2,5", Ints, 0, NoInt},
        TypedCase{"IntCommaLocalePlain", ',', '.', "-7", Ints, -7, nullptr},
        TypedCase{"AllIntNoFloatPath", '.', ',', "2.5", AllInts, 0, NoInt},
        TypedCase{"AllIntDash", '.', ',', " - ", AllInts, 0, nullptr},
        TypedCase{"AllIntPlain", ',', '.', "1104", AllInts, 1104, nullptr},
        TypedCase{"FloatFinancial", '.', ',', "(1,234.50)", Floats, -1234.5, nullptr},
        TypedCase{"FloatDollar", '.', ',', "$ 12.5", Floats, 12.5, nullptr},
        TypedCase{"FloatUnit", '.', ',', "12.5 kg", Floats, 12.5, nullptr},
        TypedCase{"FloatLetters", '.', ',', "abc", Floats, 0, nullptr},
        TypedCase{"FloatDash", '.', ',', "-", Floats, 0, nullptr},
        TypedCase{"FloatRange", '.', ',', "1-2", Floats, 0, NoFloat},
        TypedCase{"FloatCommaLocale", ',', '.', "(1.234,50)", Floats, -1234.5, nullptr},
        TypedCase{"FloatCommaLocaleUnit", ',', '.', "3,25 mm", Floats, 3.25, nullptr},
        TypedCase{"FloatCommaLocaleRange", ',', '.', "1-2", Floats, 0, NoFloat},
        TypedCase{"AllFloatPoint", '.', ',', "0.125", AllFloats, 0.125, nullptr},
        TypedCase{"AllFloatComma", ',', '.', "0,125", AllFloats, 0.125, nullptr}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ExtGridCellValues, WritersUseTheFormatAndTheLocaleSeparator)
{
    TExtStringGrid grid(nullptr);
    {
        LocaleScope locale('.', ',');
        grid.SetFloats(1, 1, 3.14159);
        EXPECT_EQ(grid.Cells(1, 1), "3.14");
    }
    {
        LocaleScope locale(',', '.');
        grid.SetFloats(1, 1, 3.14159);
        EXPECT_EQ(grid.Cells(1, 1), "3,14");
        grid.SetAllFloats(2, 1, 0.5);
        EXPECT_EQ(grid.Cells(2, 1), "0,50");
        EXPECT_DOUBLE_EQ(grid.AllFloats(2, 1), 0.5);
    }
    grid.SetAllInts(3, 2, -17);
    EXPECT_EQ(grid.Cells(3, 2), "-17");
}

TEST(ExtGridCellValues, AllValuesReachHiddenRows)
{
    TExtStringGrid grid(nullptr);
    grid.SetRowCount(6);
    grid.SetCells(1, 3, "30");
    grid.SetCells(1, 4, "40");
    grid.HideRow(3);
    EXPECT_EQ(grid.AllInts(1, 3), 30);  // real row 3, now hidden
    EXPECT_EQ(grid.AllInts(1, 4), 40);
    grid.SetAllInts(1, 3, 33);
    EXPECT_EQ(grid.Cells(1, 3), "40");  // the shown row 3 is real row 4
    grid.UnHideRow(3);
    EXPECT_EQ(grid.Cells(1, 3), "33");
}

TEST(ExtGridCellValues, DatesAndTimesFollowTheLocaleAndShowNullDates)
{
    LocaleScope locale('.', ',');
    TExtStringGrid grid(nullptr);
    grid.SetDates(1, 1, rtl::EncodeDate(2020, 1, 2));
    EXPECT_EQ(grid.Cells(1, 1), "02/01/2020");
    EXPECT_DOUBLE_EQ(grid.Dates(1, 1), rtl::EncodeDate(2020, 1, 2));
    grid.SetDates(1, 1, 0);
    EXPECT_EQ(grid.Cells(1, 1), "30/12/1899");
    grid.SetShowNullDates(false);
    grid.SetDates(1, 1, 0);
    EXPECT_EQ(grid.Cells(1, 1), "");
    grid.SetTimes(2, 1, rtl::EncodeTime(13, 5, 9, 0));
    EXPECT_EQ(grid.Cells(2, 1), "13:05:09");
    EXPECT_NEAR(grid.Times(2, 1), rtl::EncodeTime(13, 5, 9, 0), 1e-9);
    grid.SetCells(3, 1, "no date");
    EXPECT_THROW(grid.Dates(3, 1), rtl::EConvertError);
    EXPECT_THROW(grid.Times(3, 1), rtl::EConvertError);
}

TEST(ExtGridCellValues, ControlValuesReadAndRewriteTheTagOfThatId)
{
    TExtStringGrid grid(nullptr);
    grid.SetCells(1, 1, "Name: <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"Tom\" WIDTH=\"40\">");
    EXPECT_EQ(grid.ControlValues(1, 1, "e1"), "Tom");
    EXPECT_EQ(grid.ControlValues(1, 1, "other"), "");
    grid.SetCtrlVal(1, 1, "e1", "Jerry");
    EXPECT_EQ(grid.ControlValues(1, 1, "e1"), "Jerry");
    grid.SetCells(2, 1, "plain");
    grid.SetCtrlVal(2, 1, "e1", "x");
    EXPECT_EQ(grid.Cells(2, 1), "plain");
}

TEST(ExtGridCellValues, FillsCoverTheNormalOrEveryCellRowByRow)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetFixedRightCols(1);
    grid.SetFixedFooters(1);
    grid.LinearFill(false);
    EXPECT_EQ(grid.Cells(1, 1), "1:1");
    EXPECT_EQ(grid.Cells(2, 2), "2:2");
    EXPECT_EQ(grid.Cells(3, 1), "");  // fixed right column
    EXPECT_EQ(grid.Cells(1, 3), "");  // footer row
    EXPECT_EQ(grid.Cells(0, 0), "");
    grid.FormatFill(true, "c%d r%d");
    EXPECT_EQ(grid.Cells(0, 0), "c0 r0");
    EXPECT_EQ(grid.Cells(3, 2), "c3 r2");
    grid.TextFill(false, "x");
    EXPECT_EQ(grid.Cells(2, 1), "x");
    EXPECT_EQ(grid.Cells(0, 1), "c0 r1");
    grid.RandomFill(false, 3);
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 2; ++c) {
            const int v = grid.Ints(c, r);
            EXPECT_TRUE(v >= 0 && v < 3) << v;
        }
}

std::vector<std::string> Lines(const rtl::TStringList& list)
{
    std::vector<std::string> lines;
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
    return lines;
}

TEST(ExtGridCellValues, DistinctValuesKeepTheFirstMetAndIncludeHiddenRows)
{
    TExtStringGrid grid(nullptr);
    grid.SetRowCount(6);
    const char* values[] = {"b", "A", "a", "b", "c"};
    for (int i = 0; i < 5; ++i) grid.SetCells(1, i + 1, values[i]);
    EXPECT_EQ(Lines(*grid.DistinctValues(1, false)), (std::vector<std::string>{"A", "b", "c"}));
    grid.HideRow(5);  // "c" lives on in the hidden row
    EXPECT_EQ(Lines(*grid.DistinctValues(1, true)), (std::vector<std::string>{"a", "A", "b", "c"}));
}

// The values are the texts the grid saves: a save hook and HTML tags count, whatever path
// the column is read by.
TEST(ExtGridCellValues, DistinctValuesAreTheSavedTexts)
{
    TExtStringGrid grid(nullptr);
    grid.SetRowCount(4);
    grid.SetCells(1, 1, "12.50");
    grid.SetCells(1, 2, "<b>x</b>");
    grid.SetCells(1, 3, "12.50");
    EXPECT_EQ(Lines(*grid.DistinctValues(1, true)), (std::vector<std::string>{"12.50", "<b>x</b>"}));
    grid.SetSaveWithHTML(false);
    EXPECT_EQ(Lines(*grid.DistinctValues(1, true)), (std::vector<std::string>{"12.50", "x"}));
    grid.OnSaveCell = [](rtl::TObject*, int, int r, std::string& v) { v += "/" + std::to_string(r); };
    EXPECT_EQ(Lines(*grid.DistinctValues(1, true)), (std::vector<std::string>{"12.50/1", "12.50/3", "x/2"}));
}

// Rows never written count as the empty value, and a cell with properties (a comment) is
// read through its saved text like any other.
TEST(ExtGridCellValues, DistinctValuesCountUnwrittenRowsAndCellsWithProperties)
{
    TExtStringGrid grid(nullptr);
    grid.SetRowCount(8);
    grid.SetCells(1, 1, "x");
    grid.SetCells(1, 3, "y");
    grid.AddComment(1, 3, "note");
    grid.SetCells(1, 4, "x");
    grid.SetCells(1, 5, "z");
    grid.AddComment(1, 5, "note");
    EXPECT_EQ(Lines(*grid.DistinctValues(1, true)), (std::vector<std::string>{"", "x", "y", "z"}));
}

TEST(ExtGridCellValues, SwapCellsExchangesTextsAndEverythingTheCellsCarry)
{
    TExtStringGrid grid(nullptr);
    grid.SetCells(1, 1, "one");
    grid.AddComment(1, 1, "note");
    grid.SetCells(2, 2, "two");
    grid.SwapCells({1, 1}, {2, 2});
    EXPECT_EQ(grid.Cells(1, 1), "two");
    EXPECT_EQ(grid.Cells(2, 2), "one");
    EXPECT_EQ(grid.GetComment(2, 2), "note");
    EXPECT_EQ(grid.GetComment(1, 1), "");
}

TEST(ExtGridCellValues, RangeFormattingSetsAndAsksEveryCellOfTheRectangle)
{
    TExtStringGrid grid(nullptr);
    const ui::TGridRect block{1, 1, 2, 3};
    EXPECT_FALSE(grid.IsFontStyle(block, gfx::fsBold));
    grid.SetFontStyle(block, gfx::fsBold, true);
    EXPECT_TRUE(grid.IsFontStyle(block, gfx::fsBold));
    grid.SetFontStyle(ui::TGridRect{2, 3, 2, 3}, gfx::fsBold, false);
    EXPECT_FALSE(grid.IsFontStyle(block, gfx::fsBold));
    EXPECT_TRUE(grid.IsFontStyle(ui::TGridRect{1, 1, 1, 3}, gfx::fsBold));

    grid.SetAlignment(block, ui::taRightJustify);
    EXPECT_TRUE(grid.IsAlignment(block, ui::taRightJustify));
    EXPECT_FALSE(grid.IsAlignment(ui::TGridRect{1, 1, 3, 3}, ui::taRightJustify));
    EXPECT_TRUE(grid.IsAlignment(ui::TGridRect{3, 1, 2, 1}, ui::taCenter));  // Right < Left visits nothing

    grid.SetCellColor(block, gfx::clYellow);
    grid.SetCellTextColor(block, gfx::clRed);
    grid.SetCellFontName(block, "Courier New");
    grid.SetCellFontSize(block, 12);
    const TCellProperties* p = grid.GetCellPropsDirect(2, 2);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->BrushColor(), gfx::clYellow);
    EXPECT_EQ(p->FontColor(), gfx::clRed);
    EXPECT_EQ(p->FontName(), "Courier New");
    gfx::TFont twelve;
    twelve.SetSize(12);
    EXPECT_EQ(p->FontSize(), twelve.Height());
    EXPECT_EQ(grid.GetCellPropsDirect(3, 2), nullptr);  // outside the rectangle
}

}  // namespace
