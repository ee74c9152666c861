// Tests of the string grid's row comparison: sort styles, detection from the text, blanks and tie-breaking.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsSort.h"
#include "grid/data/ExtGridSortCompare.h"
#include "grid/foundation/ExtUtilNumbers.h"
#include "platform/rtl/FormatSettings.h"

using namespace grid;

namespace {

// Restores the process-wide format settings a test changes.
class FormatSettingsScope {
public:
    FormatSettingsScope() : FSaved(rtl::FormatSettings) {}
    ~FormatSettingsScope() { rtl::FormatSettings = FSaved; }
    FormatSettingsScope(const FormatSettingsScope&) = delete;
    FormatSettingsScope& operator=(const FormatSettingsScope&) = delete;

private:
    rtl::TFormatSettings FSaved;
};

struct CompareCase {
    const char* Name;
    std::string Text1;
    std::string Text2;
    std::function<void(TExtStringGrid&, rtl::TFormatSettings&)> Setup;
    int Direction;
    int Expected;
};

class ExtGridSortCompareTable : public ::testing::TestWithParam<CompareCase> {};

TEST_P(ExtGridSortCompareTable, ComparesTwoCellsByTheStyleInForce)
{
    const CompareCase& tc = GetParam();
    FormatSettingsScope scope;
    rtl::FormatSettings = rtl::DefaultFormatSettings();
    TExtStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SetCells(1, 1, tc.Text1);
    grid.SetCells(1, 2, tc.Text2);
    if (tc.Setup) tc.Setup(grid, rtl::FormatSettings);
    EXPECT_EQ(grid.CompareRows(1, 1, tc.Direction, 2), tc.Expected) << tc.Name;
}

void Style(TExtStringGrid& g, TSortStyle s)
{
    g.SortSettings().SetAutoFormat(false);
    g.SortSettings().SetIgnoreCase(false);
    g.SortSettings().SetDefaultFormat(s);
}

const CompareCase kCompareCases[] = {
    {"auto_numbers", "10", "9", nullptr, 0, 1},
    {"auto_number_first_makes_text_zero", "10", "abc", nullptr, 0, 1},
    {"auto_text_first_compares_as_text", "abc", "10", nullptr, 0, 1},
    {"auto_empty_counts_as_zero", "-3", "", nullptr, 0, -1},
    {"auto_empty_first_compares_as_text", "", "-3", nullptr, 0, -1},
    {"auto_text_case_sensitive", "a", "B", nullptr, 0, 1},
    {"auto_ignore_case", "a", "B", [](TExtStringGrid& g, auto&) { g.SortSettings().SetIgnoreCase(true); }, 0, -1},
    {"auto_dates", "12/05/2017", "01/06/2017", nullptr, 0, -1},
    {"auto_date_without_partner_is_text", "1/2", "x", nullptr, 0, -1},
    {"auto_date_needs_digits_around_separator", "a/b/c", "1/1/2000", nullptr, 0, 1},
    {"auto_times", "10:30", "9:15", nullptr, 0, 1},
    {"auto_date_time", "01/06/2017 10:00", "01/06/2017 9:00", nullptr, 0, 1},
    {"alpha_no_case_ascii_only_equal", "abc", "ABC", [](TExtStringGrid& g, auto&) { Style(g, ssAlphaNoCase); }, 0, 0},
    {"alpha_no_case_leaves_accents", "\xC3\xA1", "\xC3\x81", [](TExtStringGrid& g, auto&) { Style(g, ssAlphaNoCase); },
     0, 1},
    {"alpha_case", "b", "a", [](TExtStringGrid& g, auto&) { Style(g, ssAlphaCase); }, 0, 1},
    {"ansi_no_case", "\xC5\x91", "\xC5\x90", [](TExtStringGrid& g, auto&) { Style(g, ssAnsiAlphaNoCase); }, 0, 0},
    {"numeric_prefix_text_value", "12abc", "9", [](TExtStringGrid& g, auto&) { Style(g, ssNumeric); }, 0, 1},
    {"numeric_both_failing_equal", "abc", "xyz", [](TExtStringGrid& g, auto&) { Style(g, ssNumeric); }, 0, 0},
    {"numeric_exponent", "1e3", "999", [](TExtStringGrid& g, auto&) { Style(g, ssNumeric); }, 0, 1},
    {"numeric_locale_decimal_comma", "1,5", "1,25",
     [](TExtStringGrid& g, rtl::TFormatSettings& fs) {
         Style(g, ssNumeric);
         fs.DecimalSeparator = ',';
         fs.ThousandSeparator = '.';
     },
     0, 1},
    {"numeric_suffix_from_format_event", "12 kg", "9 kg",
     [](TExtStringGrid& g, auto&) {
         g.OnGetFormat = [](TSender, int, TSortStyle& s, std::string&, std::string& suffix) {
             s = ssNumeric;
             suffix = " kg";
         };
     },
     0, 1},
    {"financial_currency_and_thousands", "$1,200.00", "$ 999.50",
     [](TExtStringGrid& g, auto&) { Style(g, ssFinancial); }, 0, 1},
    {"short_date_eu", "02/01/20", "01/02/20", [](TExtStringGrid& g, auto&) { Style(g, ssShortDateEU); }, 0, -1},
    {"short_date_us", "02/01/20", "01/02/20", [](TExtStringGrid& g, auto&) { Style(g, ssShortDateUS); }, 0, 1},
    {"var_date_is_month_first", "02/01/2020", "01/02/2020", [](TExtStringGrid& g, auto&) { Style(g, ssVarDate); }, 0,
     1},
    {"date_failing_counts_zero", "garbage", "01/02/2020", [](TExtStringGrid& g, auto&) { Style(g, ssDate); }, 0, -1},
    {"natural", "item2", "item10", [](TExtStringGrid& g, auto&) { Style(g, ssNatural); }, 0, -1},
    {"html_stripped", "<b>b</b>", "<i>a</i>", [](TExtStringGrid& g, auto&) { Style(g, ssHTML); }, 0, 1},
    {"alphanumeric_numbers", "10", "9", [](TExtStringGrid& g, auto&) { Style(g, ssAlphaNumeric); }, 0, 1},
    {"alphanumeric_mixed_is_text", "10", "9x", [](TExtStringGrid& g, auto&) { Style(g, ssAlphaNumeric); }, 0, -1},
    {"custom_without_handler_equal", "a", "b", [](TExtStringGrid& g, auto&) { Style(g, ssCustom); }, 0, 0},
    {"raw_without_handler_equal", "a", "b", [](TExtStringGrid& g, auto&) { Style(g, ssRaw); }, 0, 0},
    {"custom_handler_decides", "a", "b",
     [](TExtStringGrid& g, auto&) {
         Style(g, ssCustom);
         g.OnCustomCompare = [](TSender, const std::string& s1, const std::string& s2, int& res) {
             res = s1 == "a" && s2 == "b" ? 1 : -1;
         };
     },
     0, 1},
    {"raw_handler_gets_rows", "a", "b",
     [](TExtStringGrid& g, auto&) {
         Style(g, ssRaw);
         g.OnRawCompare = [](TSender, int col, int r1, int r2, int& res) { res = col == 1 && r1 == 1 && r2 == 2 ? -1 : 1; };
     },
     0, -1},
    {"blank_last_ascending", "", "5",
     [](TExtStringGrid& g, auto&) {
         g.SortSettings().SetIgnoreBlanks(true);
         g.SortSettings().SetBlankPos(blLast);
     },
     0, 1},
    {"blank_last_descending", "", "5",
     [](TExtStringGrid& g, auto&) {
         g.SortSettings().SetIgnoreBlanks(true);
         g.SortSettings().SetBlankPos(blLast);
     },
     1, -1},
    {"blank_first_second_text_empty", "5", "",
     [](TExtStringGrid& g, auto&) {
         g.SortSettings().SetIgnoreBlanks(true);
         g.SortSettings().SetBlankPos(blFirst);
     },
     0, 1},
    {"blank_after_suffix_removal", "kg", "5kg",
     [](TExtStringGrid& g, auto&) {
         g.SortSettings().SetIgnoreBlanks(true);
         g.SortSettings().SetBlankPos(blLast);
         g.OnGetFormat = [](TSender, int, TSortStyle& s, std::string&, std::string& suffix) {
             s = ssNumeric;
             suffix = "kg";
         };
     },
     0, 1},
    {"virtual_cells_read_display_text", "1", "2",
     [](TExtStringGrid& g, auto&) {
         g.OnGetDisplText = [](TSender, int, int r, std::string& v) { v = r == 1 ? "9" : v; };
     },
     0, 1},
    {"stored_text_without_virtual_cells", "1", "2",
     [](TExtStringGrid& g, auto&) {
         g.SortSettings().SetSortOnVirtualCells(false);
         g.OnGetDisplText = [](TSender, int, int r, std::string& v) { v = r == 1 ? "9" : v; };
     },
     0, -1},
};

INSTANTIATE_TEST_SUITE_P(Styles, ExtGridSortCompareTable, ::testing::ValuesIn(kCompareCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ExtGridSortCompare, CheckBoxCellsSortCheckedAfterUnchecked)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.CreateCellGraphic(1, 1)->SetCheckBox(true, false, false, haLeft, vaTop);
    grid.CreateCellGraphic(1, 2)->SetCheckBox(false, false, false, haLeft, vaTop);
    grid.SetCells(1, 1, "a");
    grid.SetCells(1, 2, "b");
    EXPECT_EQ(grid.CompareRows(1, 1, 0, 2), 1);
    EXPECT_EQ(grid.CompareRows(1, 2, 0, 1), -1);
    grid.CreateCellGraphic(1, 2)->SetCheckBox(true, false, false, haLeft, vaTop);
    EXPECT_EQ(grid.CompareRows(1, 1, 0, 2), 0);
}

TEST(ExtGridSortCompare, ImageCellsSortByIndex)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(4);
    grid.SortSettings().SetAutoFormat(false);
    grid.SortSettings().SetDefaultFormat(ssImages);
    grid.CreateCellGraphic(1, 1)->SetImageIdx(3, haLeft, vaTop);
    grid.CreateCellGraphic(1, 2)->SetImageIdx(1, haLeft, vaTop);
    EXPECT_EQ(grid.CompareRows(1, 1, 0, 2), 1);
    EXPECT_EQ(grid.CompareRows(1, 3, 0, 2), -1);  // no image: -1
}

TEST(ExtGridSortCompare, FullTieBreakUsesNextColumnsAndSkipsIgnoredOnes)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(3);
    const char* rows[2][4] = {{"", "x", "b", "1"}, {"", "x", "a", "2"}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c) grid.SetCells(c, r + 1, rows[r][c]);
    const int before = grid.Compares();
    EXPECT_EQ(grid.CompareRowsFull(1, 1, 2), 1);
    EXPECT_EQ(grid.Compares() - before, 2);
    grid.IgnoreColumns().Add(2);
    EXPECT_EQ(grid.CompareRowsFull(1, 1, 2), -1);
    grid.SortSettings().SetFull(false);
    EXPECT_EQ(grid.CompareRowsFull(1, 1, 2), 0);
}

TEST(ExtGridSortCompare, IndexedComparisonFollowsKeyDirectionsAndCascade)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(3);
    grid.SetCells(1, 1, "x");
    grid.SetCells(1, 2, "x");
    grid.SetCells(3, 1, "1");
    grid.SetCells(3, 2, "2");
    grid.SortIndexes().AddIndex(1, true);
    grid.SortIndexes().AddIndex(3, false);
    EXPECT_EQ(grid.CompareRowsIndexed(0, 1, 2), 1);  // descending second key
    EXPECT_EQ(grid.CompareRowsIndexed(1, 1, 2), 1);
    grid.SortSettings().SetFull(false);
    EXPECT_EQ(grid.CompareRowsIndexed(0, 1, 2), 0);
}

TEST(ExtGridSortCompare, ColumnTypeJudgesTheFirstTwoNormalRows)
{
    FormatSettingsScope scope;
    rtl::FormatSettings = rtl::DefaultFormatSettings();
    TExtStringGrid grid(nullptr);
    grid.SetColCount(7);
    grid.SetRowCount(4);
    const char* values[6][2] = {{"1", "22"}, {"1.5", "2.25"}, {"12/05/2017", "01/06/2017"},
                                {"10:30", "11:45"}, {"1", "x"}, {"", ""}};
    const TExtStringGrid::TColumnType expected[6] = {TExtStringGrid::ctNumeric, TExtStringGrid::ctFloat,
                                                     TExtStringGrid::ctDate,    TExtStringGrid::ctTime,
                                                     TExtStringGrid::ctAlpha,   TExtStringGrid::ctAlpha};
    for (int c = 0; c < 6; ++c) {
        grid.SetCells(c, 1, values[c][0]);
        grid.SetCells(c, 2, values[c][1]);
        EXPECT_EQ(grid.ColumnType(c), expected[c]) << "column " << c;
    }
    grid.CreateCellGraphic(6, 1)->SetCheckBox(true, false, false, haLeft, vaTop);
    grid.CreateCellGraphic(6, 2)->SetCheckBox(false, false, false, haLeft, vaTop);
    EXPECT_EQ(grid.ColumnType(6), TExtStringGrid::ctBoolean);
}

TEST(ExtGridSortCompare, StrictNumberConversionReportsPartialTexts)
{
    struct Case {
        const char* Text;
        double Value;
        bool Converted;
    };
    const Case cases[] = {{"  -12.5", -12.5, true}, {"+3", 3, true}, {"1e2", 100, true},   {".5", 0.5, true},
                          {"12abc", 12, false},    {"abc", 0, false}, {"", 0, false},     {"inf", 0, false},
                          {"12 ", 12, false},      {"-", 0, false}};
    for (const Case& c : cases) {
        const TSortNumber n = ParseSortNumber(c.Text);
        EXPECT_DOUBLE_EQ(n.Value, c.Value) << c.Text;
        EXPECT_EQ(n.Converted, c.Converted) << c.Text;
    }
}

// The sort answers the number test for plain texts from their characters; every answer must
// be the one the full classification gives, whatever the locale's separators.
TEST(ExtGridSortCompare, NumberTestAgreesWithTheFullClassificationInEveryLocale)
{
    FormatSettingsScope scope;
    struct Locale {
        char Decimal, Thousand, Date, Time;
    };
    const Locale locales[] = {{'.', ',', '/', ':'}, {',', ' ', '.', ':'}, {',', '.', '-', ':'}, {'.', '\0', '-', '.'}};
    const char* const texts[] = {"0",     "12",     "-12",    "-",      "--1",    "1-",    "12.5",   "12,5",
                                 ".5",    "5.",     ".",      ",",      "1.2.3",  "1,2,3", "1,234.5", "1.234,5",
                                 "1 234", "1e5",    "1E-5",   "e5",     "+5",     "5+",    "12/05",  "12/05/2017",
                                 "1-2-3", "12:30",  "9.05",   "12ab",   "ab12",   "kalo",  " 12",    "12 ",
                                 "\xD9\xA3", "1\xD9\xA3", "\xC3\x81" "b", "1/2",  "-1.5",   "-.5",    "0012"};
    for (const Locale& l : locales) {
        rtl::FormatSettings = rtl::DefaultFormatSettings();
        rtl::FormatSettings.DecimalSeparator = l.Decimal;
        rtl::FormatSettings.ThousandSeparator = l.Thousand;
        rtl::FormatSettings.DateSeparator = l.Date;
        rtl::FormatSettings.TimeSeparator = l.Time;
        for (const char* text : texts) {
            const int kind = ClassifyNumberText(text);
            const bool number = kind == nkInteger || kind == nkFloat || kind == nkScientific;
            EXPECT_EQ(IsSortNumberText(text), number) << "'" << text << "' decimal '" << l.Decimal << "'";
        }
    }
}

}  // namespace
