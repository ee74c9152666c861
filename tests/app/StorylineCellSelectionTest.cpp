// Tests of the cell-ID selector: elevation classes and regions picked from the cell selector table.
#include "app/StorylineCellSelection.h"

#include "app/GlobalTables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using namespace app;

class StorylineCellSelection : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int cell = 1; cell <= CellCount10km; ++cell) CellSelectorTable[cell] = "47.5;19;150;1;HU110;10";
        CellSelectorTable[3] = "47.5;19;200;1;HU110;10";
        CellSelectorTable[4] = "47.5;19;200.5;1;HU110;10";
        CellSelectorTable[5] = "47.5;19;500;1;HU110;10";
        CellSelectorTable[6] = "47.5;19;501;1;HU110;10";
        CellSelectorTable[7] = "47.5;19;n/a;1;HU110;10";
        CellSelectorTable[8] = "47.5;19;1200;4;HU212;6";
        CellSelectorTable[9] = "47.5;19;150;1;HU213;10";
        CellSelectorTable[1104] = "47.5;19;350;2;HU221;9";
    }
    // The built-in table again for the other tests.
    void TearDown() override { FillGlobalTables(); }
};

std::string CellsExcept(const std::set<int>& excluded)
{
    std::string cells;
    for (int cell = 1; cell <= CellCount10km; ++cell)
        if (!excluded.count(cell)) cells += std::to_string(cell) + "; ";
    return cells;
}

TEST_F(StorylineCellSelection, ElevationClassesIncludeTheirUpperBound)
{
    // 200 m is a plain-region cell, 500 m a hill-region cell; an unreadable
    // elevation (cell 7) counts as plain.
    EXPECT_EQ(SelectCellIDs(1, CellIDSelectorItems[1]), CellsExcept({4, 5, 6, 8, 1104}));
    EXPECT_EQ(SelectCellIDs(2, CellIDSelectorItems[2]), "4; 5; 1104; ");
    EXPECT_EQ(SelectCellIDs(3, CellIDSelectorItems[3]), "6; 8; ");
}

TEST_F(StorylineCellSelection, RegionsMatchTheFirstFourCharactersOfTheNutsCode)
{
    EXPECT_EQ(SelectCellIDs(6, "HU21 - Central Transdanubia"), "8; 9; ");
    EXPECT_EQ(SelectCellIDs(7, CellIDSelectorItems[7]), "1104; ");
    EXPECT_EQ(SelectCellIDs(4, CellIDSelectorItems[4]), CellsExcept({8, 9, 1104}));
    EXPECT_EQ(SelectCellIDs(11, CellIDSelectorItems[11]), "");
}

TEST_F(StorylineCellSelection, AllOrNoItem)
{
    EXPECT_EQ(SelectCellIDs(0, "ALL"), "ALL");
    EXPECT_EQ(SelectCellIDs(-1, "typed"), "");
    EXPECT_EQ(SelectCellIDs(12, "HU21"), "");
}

}  // namespace
