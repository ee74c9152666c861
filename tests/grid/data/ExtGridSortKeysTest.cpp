// Tests of sorting from keys read once per sort: the order and the comparison count must be those of comparing the displayed cells at every step.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/gfx/Color.h"

using namespace grid;

namespace {

// Column 1 mixes numbers, dates, times and words, and holds coloured cells, check boxes and
// a merged cell (whose covered part shows its base cell's text); columns 2, 3 and 4 hold
// words, numbers (with blanks) and words again, each with many equal keys, so that ties go
// on from column to column; column 5 names the row.
void Fill(TExtStringGrid& grid, int rows)
{
    static const char* const mixed[] = {"10",  "9",   "abc", "",    "1/2/2020", "12/05/2017", "12:30", "9:05",
                                        "2.5", "-3",  "x y", "ABC", "1e2",      "\xC3\x81" "b", "007",   "1/2"};
    // Words around eight letters, the length the comparison of long texts changes at.
    static const char* const words[] = {"pear",      "Pear",       "pineappl",   "pineapple",
                                        "pineapplE", "pineapples", "PINEAPPLEs", "pearl"};
    std::mt19937 rng(4242);
    grid.SetColCount(6);
    grid.SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r) {
        grid.SetCells(0, r, std::to_string(r));
        grid.SetCells(1, r, mixed[rng() % 16]);
        grid.SetCells(2, r, words[rng() % 8]);
        const int n = static_cast<int>(rng() % 12);
        grid.SetCells(3, r, n == 11 ? "" : std::to_string(n - 5) + (n % 4 == 0 ? ".5" : ""));
        grid.SetCells(4, r, words[rng() % 3]);
        grid.SetCells(5, r, "n" + std::to_string(r));
    }
    for (int r = 1; r <= rows; r += 7) grid.SetColors(1, r, gfx::clYellow);
    for (int r = 5; r <= rows; r += 23) grid.AddCheckBox(1, r, r % 2 == 0, false);
    grid.MergeCells(1, 10, 1, 2);
}

std::vector<std::string> Names(TExtStringGrid& grid)
{
    std::vector<std::string> out;
    for (int r = 0; r < grid.RowCount(); ++r) out.push_back(grid.Cells(5, r));
    return out;
}

struct KeysCase {
    const char* Name;
    std::function<void(TExtStringGrid&)> Apply;
};

class ExtGridSortKeys : public ::testing::TestWithParam<KeysCase> {};

// A display hook that gives the text unchanged makes the grid compare the cells themselves
// at every step; without it the grid reads each column once. Ties on the sort column go on
// to the next columns (with Full), which are read once too when the ties keep reaching them;
// so are the columns of an indexed sort.
TEST_P(ExtGridSortKeys, ReadingColumnsOnceGivesTheOrderAndCountOfComparingCells)
{
    TExtStringGrid once(nullptr);
    TExtStringGrid every(nullptr);
    Fill(once, 2000);
    Fill(every, 2000);
    every.OnGetDisplText = [](TSender, int, int, std::string&) {};
    GetParam().Apply(once);
    GetParam().Apply(every);
    for (int col : {1, 2, 3}) {
        for (TSortDirection dir : {sdAscending, sdDescending}) {
            once.Sort(col, dir);
            every.Sort(col, dir);
            ASSERT_EQ(Names(once), Names(every)) << "column " << col << " direction " << dir;
            ASSERT_EQ(once.Compares(), every.Compares()) << "column " << col << " direction " << dir;
        }
    }
    // Sort keys in their own directions: words, numbers descending, words.
    for (TExtStringGrid* g : {&once, &every}) {
        g->SortIndexes().Clear();
        g->SortIndexes().AddIndex(4, true);
        g->SortIndexes().AddIndex(3, false);
        g->SortIndexes().AddIndex(2, true);
        g->QSortIndexed();
    }
    EXPECT_EQ(Names(once), Names(every));
    EXPECT_EQ(once.Compares(), every.Compares());
}

const KeysCase kKeysCases[] = {
    {"automatic", [](TExtStringGrid&) {}},
    {"no_case_blanks_last",
     [](TExtStringGrid& g) {
         g.SortSettings().SetIgnoreCase(true);
         g.SortSettings().SetIgnoreBlanks(true);
         g.SortSettings().SetBlankPos(blLast);
     }},
    {"blanks_first",
     [](TExtStringGrid& g) {
         g.SortSettings().SetIgnoreBlanks(true);
         g.SortSettings().SetBlankPos(blFirst);
     }},
    {"numeric_blanks_last",
     [](TExtStringGrid& g) {
         g.SortSettings().SetAutoFormat(false);
         g.SortSettings().SetDefaultFormat(ssNumeric);
         g.SortSettings().SetIgnoreBlanks(true);
         g.SortSettings().SetBlankPos(blLast);
     }},
    {"numeric_column_ignored",
     [](TExtStringGrid& g) { g.IgnoreColumns().Add(3); }},
    {"alphanumeric_no_case",
     [](TExtStringGrid& g) {
         g.SortSettings().SetAutoFormat(false);
         g.SortSettings().SetDefaultFormat(ssAlphaNumericNoCase);
     }},
    {"not_full",
     [](TExtStringGrid& g) { g.SortSettings().SetFull(false); }},
};

INSTANTIATE_TEST_SUITE_P(Settings, ExtGridSortKeys, ::testing::ValuesIn(kKeysCases),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
