// Row filtering of the string grid: which rows pass the filter conditions, and filter levels that hide and show rows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsSort.h"

using namespace grid;

namespace {

// One fixed row and column; normal rows 1 to 4.
void FillCells(TExtStringGrid& g)
{
    g.SetColCount(4);
    g.SetRowCount(5);
    const char* cells[4][3] = {
        {"Apple", "10", "<b>red</b>"}, {"banana", "25", "yellow"}, {"Cherry", "5", "red"}, {"", "100", "green"}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) g.SetCells(c + 1, r + 1, cells[r][c]);
}

// "1" for each normal row that passes, "0" for each that fails.
std::string Passing(TExtStringGrid& g)
{
    std::string out;
    for (int r = 1; r < g.RowCount(); ++r) out += g.MatchFilterRow(r) ? "1" : "0";
    return out;
}

TFilterData& AddItem(TExtStringGrid& g, int col, const std::string& condition, TFilterOperation op = foSHORT)
{
    TFilterData& item = g.Filter().Insert(g.Filter().Count());
    item.SetColumn(static_cast<std::int16_t>(col));
    item.SetCondition(condition);
    item.SetCaseSensitive(false);
    item.SetOperation(op);
    return item;
}

struct RowCase {
    const char* Name;
    std::function<void(TExtStringGrid&)> Setup;
    std::string Expected;
};

class ExtGridMatchFilterRowTable : public ::testing::TestWithParam<RowCase> {};

TEST_P(ExtGridMatchFilterRowTable, RowsPassAsTheConditionsSay)
{
    const RowCase& tc = GetParam();
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    if (tc.Setup) tc.Setup(grid);
    EXPECT_EQ(Passing(grid), tc.Expected) << tc.Name;
}

const RowCase RowCases[] = {
    {"no conditions", nullptr, "1111"},
    {"empty condition accepts every row", [](TExtStringGrid& g) { AddItem(g, 1, ""); }, "1111"},
    {"wildcard ignoring case", [](TExtStringGrid& g) { AddItem(g, 1, "a*"); }, "1000"},
    {"wildcard with case",
     [](TExtStringGrid& g) { AddItem(g, 1, "a*").SetCaseSensitive(true); }, "0000"},
    {"comparison as numbers", [](TExtStringGrid& g) { AddItem(g, 2, ">20"); }, "0101"},
    {"shown text is tested without its tags", [](TExtStringGrid& g) { AddItem(g, 3, "red"); }, "1010"},
    {"stored text keeps its tags",
     [](TExtStringGrid& g) { AddItem(g, 3, "red").SetData(fcNormal); }, "0010"},
    {"disabled condition is skipped",
     [](TExtStringGrid& g) {
         AddItem(g, 1, "zzz").SetEnabled(false);
         AddItem(g, 2, ">20");
     },
     "0101"},
    {"a failing first condition ends the chain",
     [](TExtStringGrid& g) {
         AddItem(g, 1, "x*");
         AddItem(g, 2, ">0", foOR);
     },
     "0000"},
    {"or after a plain first condition",
     [](TExtStringGrid& g) {
         AddItem(g, 1, "b*", foNONE);
         AddItem(g, 2, ">50", foOR);
     },
     "0101"},
    {"and", [](TExtStringGrid& g) {
         AddItem(g, 3, "red", foNONE);
         AddItem(g, 2, "<8", foAND);
     },
     "0010"},
    {"exclusive or",
     [](TExtStringGrid& g) {
         AddItem(g, 2, ">20", foNONE);
         AddItem(g, 3, "*e*", foXOR);
     },
     "1010"},
    {"suffix cut before matching",
     [](TExtStringGrid& g) { AddItem(g, 2, "1").SetSuffix("0"); }, "1000"},
    {"prefix cut before matching",
     [](TExtStringGrid& g) { AddItem(g, 1, "herry").SetPrefix("C"); }, "0010"},
    {"literal alternatives",
     [](TExtStringGrid& g) { AddItem(g, 1, "banana|Cherry").SetMethod(fmLiteral); }, "0110"},
    {"literal has no wildcards",
     [](TExtStringGrid& g) { AddItem(g, 1, "a*").SetMethod(fmLiteral); }, "0000"},
    {"literal empty text",
     [](TExtStringGrid& g) { AddItem(g, 1, "\"\"").SetMethod(fmLiteral); }, "0001"},
    {"whole row contains",
     [](TExtStringGrid& g) { AddItem(g, -1, "ell").SetData(fcRow); }, "0100"},
    {"whole row from the start of a cell",
     [](TExtStringGrid& g) {
         g.SetNarrowDownFromStart(true);
         AddItem(g, -1, "ell").SetData(fcRow);
     },
     "0000"},
    {"whole row from the start of a later cell",
     [](TExtStringGrid& g) {
         g.SetNarrowDownFromStart(true);
         AddItem(g, -1, "gre").SetData(fcRow);
     },
     "0001"},
    {"whole row without the ignored columns",
     [](TExtStringGrid& g) {
         g.IgnoreColumns().Add(3);
         AddItem(g, -1, "red").SetData(fcRow);
     },
     "0000"},
    {"custom filter has the last word",
     [](TExtStringGrid& g) {
         AddItem(g, 2, ">0");
         g.OnCustomFilter = [](TSender, int, int row, const std::string&, bool& accept) { accept = accept && row != 2; };
     },
     "1011"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ExtGridMatchFilterRowTable, ::testing::ValuesIn(RowCases));

}  // namespace

TEST(ExtGridFilterRows, AccentsAreFoldedOnRequest)
{
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    grid.SetCells(1, 4, "Árvíztűrő");
    AddItem(grid, 1, "arv*");
    EXPECT_EQ(Passing(grid), "0000");
    grid.Filter().Items(0).SetRemoveAccented(true);
    EXPECT_EQ(Passing(grid), "0001");
}

TEST(ExtGridFilterRows, ApplyFilterHidesFailingRowsAsOneLevelThatRemoveLastFilterUndoes)
{
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    std::vector<int> progress;
    grid.OnFilterProgress = [&](TSender, int p) { progress.push_back(p); };
    AddItem(grid, 2, ">20");
    grid.ApplyFilter();
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cells(1, 1), "banana");
    EXPECT_EQ(grid.Cells(1, 2), "");
    EXPECT_EQ(grid.Cells(2, 2), "100");
    EXPECT_EQ(grid.FilterLevel(), 1);
    // Each of the four rows tested reports its share, then the final figure once more;
    // how many rows fail does not matter.
    EXPECT_EQ(progress, (std::vector<int>{25, 50, 75, 100, 100}));

    EXPECT_FALSE(grid.RemoveLastFilter());
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.Cells(1, 1), "Apple");
    EXPECT_EQ(grid.Cells(1, 3), "Cherry");
    EXPECT_EQ(grid.FilterLevel(), 0);
    EXPECT_EQ(grid.Filter().Count(), 0);
}

TEST(ExtGridFilterRows, RemoveAllFiltersUndoesEveryLevel)
{
    TExtStringGrid grid(nullptr);
    FillCells(grid);
    AddItem(grid, 2, ">7");
    grid.ApplyFilter();
    grid.Filter().Clear();
    AddItem(grid, 1, "*an*");
    grid.ApplyFilter();
    ASSERT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.FilterLevel(), 2);
    grid.RemoveAllFilters();
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FilterLevel(), 0);
    EXPECT_EQ(grid.Cells(1, 3), "Cherry");
}
