// Clearing whole rows and columns of the string grid, and the same within its normal cells.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "grid/core/ExtGrid.h"

using namespace grid;

namespace {

// A 5 × 5 grid with one fixed row and column, one fixed right column and one fixed footer row,
// every cell holding "x"; the picture shows each row as five characters, '.' for an empty cell.
struct ClearCase {
    const char* Name;
    std::function<void(TExtStringGrid&)> Clear;
    const char* Expected;
};

std::string Picture(TExtStringGrid& g)
{
    std::string out;
    for (int r = 0; r < g.RowCount(); ++r) {
        for (int c = 0; c < g.ColCount(); ++c) out += g.Cells(c, r).empty() ? '.' : 'x';
        out += '/';
    }
    return out;
}

class ExtGridClearLines : public ::testing::TestWithParam<ClearCase> {};

TEST_P(ExtGridClearLines, ClearsExactlyItsCells)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(5);
    grid.SetRowCount(5);
    grid.SetFixedRightCols(1);
    grid.SetFixedFooters(1);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) grid.SetCells(c, r, "x");
    GetParam().Clear(grid);
    EXPECT_EQ(Picture(grid), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtGridClearLines,
    ::testing::Values(
        ClearCase{"Rows", [](TExtStringGrid& g) { g.ClearRows(1, 2); }, "xxxxx/...../...../xxxxx/xxxxx/"},
        ClearCase{"Cols", [](TExtStringGrid& g) { g.ClearCols(3, 2); }, "xxx../xxx../xxx../xxx../xxx../"},
        ClearCase{"NormalRows", [](TExtStringGrid& g) { g.ClearNormalRows(2, 1); }, "xxxxx/xxxxx/x...x/xxxxx/xxxxx/"},
        ClearCase{"NormalCols", [](TExtStringGrid& g) { g.ClearNormalCols(2, 1); }, "xxxxx/xx.xx/xx.xx/xx.xx/xxxxx/"},
        ClearCase{"NoCount", [](TExtStringGrid& g) {
                      g.ClearRows(1, 0);
                      g.ClearCols(1, -1);
                  },
                  "xxxxx/xxxxx/xxxxx/xxxxx/xxxxx/"}),
    [](const ::testing::TestParamInfo<ClearCase>& info) { return std::string(info.param.Name); });

TEST(ExtGridClearLinesHidden, ClearingRowsReachesTheCellsOfHiddenColumns)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(3);
    for (int c = 0; c < 4; ++c) grid.SetCells(c, 1, "v" + std::to_string(c));
    grid.HideColumn(2);
    grid.ClearRows(1, 1);
    grid.UnHideColumnsAll();
    for (int c = 0; c < 4; ++c) EXPECT_EQ(grid.Cells(c, 1), "") << c;
}

}  // namespace
