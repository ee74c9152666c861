// Tests of the management tables' mapping: which cell is which event field, and the edit, empty and fill rules.
#include "app/StorylineTables.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

using namespace app;

TEST(StorylineTables, EachTableHasAColumnPerFieldAndARowPerSlot)
{
    const char* const gridNames[] = {"plantingTB",   "harvestTB", "fertilizationTB", "irrigationTB",
                                     "cultivationTB", "grazingTB", "mowingTB",        "thinningTB"};
    for (TEventKind kind : AllEventKinds) {
        const TEventTable& t = EventTable(kind);
        EXPECT_EQ(t.Kind, kind);
        EXPECT_STREQ(t.GridName, gridNames[kind]);
        EXPECT_EQ(t.ColCount, EventFieldCount(kind)) << t.GridName;
        EXPECT_EQ(t.SlotCount, EventSlotCount(kind)) << t.GridName;
        for (int c = 0; c < t.ColCount; ++c) {
            EXPECT_NE(t.Columns[c].Header, nullptr) << t.GridName << c;
            EXPECT_GT(t.Columns[c].Width, 0) << t.GridName << c;
        }
    }
    EXPECT_EQ(EventTable(ekPlanting).RowCount(), 6);
    EXPECT_EQ(EventTable(ekIrrigation).RowCount(), 21);
    EXPECT_STREQ(EventTable(ekMowing).Title, " Moving");
    EXPECT_STREQ(EventTable(ekGrazing).Columns[1].Header, "DATE END");
    EXPECT_STREQ(EventTable(ekGrazing).Columns[1].Meaning, "End Date of Grazing (yyyy-mm-dd)");
    EXPECT_STREQ(EventTable(ekThinning).Columns[4].Header, "TAKENnw");
    EXPECT_EQ(EventTable(ekPlanting).Columns[1].Width, 150);
}

TEST(StorylineTables, AnEditedCellIsStoredAtOnceInTheCurrentPeriod)
{
    TStorylineEditor editor;
    NewStoryline(editor);
    AddPeriod(editor);  // period 2 current

    EXPECT_TRUE(StoreTableEdit(editor, ekIrrigation, 0, 3, "2001-07-10"));
    EXPECT_TRUE(StoreTableEdit(editor, ekIrrigation, 1, 3, "25"));
    EXPECT_TRUE(StoreTableEdit(editor, ekThinning, 4, 20, "60"));
    const Tdomain& d = editor.CurrentDomain();
    EXPECT_EQ(d.irrigation[2].date[3], "2001-07-10");
    EXPECT_EQ(d.irrigation[2].amount[3], "25");
    EXPECT_EQ(d.thinning[2].takennw[20], "60");
    EXPECT_EQ(d.irrigation[1].date[3], "");
}

TEST(StorylineTables, CellsOutsideTheEventRowsAndEditsWithoutStorylineStoreNothing)
{
    TStorylineEditor none;
    EXPECT_FALSE(StoreTableEdit(none, ekPlanting, 0, 1, "2001-04-20"));
    EXPECT_TRUE(none.CurrentStoryline.domains.empty());

    TStorylineEditor editor;
    NewStoryline(editor);
    const std::pair<int, int> outside[] = {{0, 0}, {0, 6}, {4, 1}, {-1, 1}};
    for (auto [col, row] : outside) EXPECT_FALSE(StoreTableEdit(editor, ekPlanting, col, row, "x")) << col << row;
    EXPECT_FALSE(StoreTableEdit(editor, ekIrrigation, 2, 1, "x"));
    EXPECT_FALSE(StoreTableEdit(editor, ekIrrigation, 0, 21, "x"));
}

TEST(StorylineTables, FillingATableSetsEveryEventCellFromTheChosenPeriod)
{
    TStorylineEditor editor;
    NewStoryline(editor);
    StoreTableEdit(editor, ekHarvest, 0, 1, "2001-09-30");
    StoreTableEdit(editor, ekHarvest, 2, 5, "80");
    AddPeriod(editor);
    StoreTableEdit(editor, ekHarvest, 1, 2, "40");

    // Switching back to period 1: every event cell is set, the empty ones too,
    // so nothing of period 2 stays in the grid.
    SelectPeriod(editor, 1);
    std::map<std::pair<int, int>, std::string> grid;
    grid[{1, 2}] = "40";
    for (const TTableCellText& c : PeriodTableCells(editor, ekHarvest)) grid[{c.Col, c.Row}] = c.Text;
    EXPECT_EQ(grid.size(), 15u);
    EXPECT_EQ(grid.count({0, 0}), 0u);  // header row untouched
    EXPECT_EQ((grid[{0, 1}]), "2001-09-30");
    EXPECT_EQ((grid[{2, 5}]), "80");
    EXPECT_EQ((grid[{1, 2}]), "");

    const auto empty = EmptyTableCells(ekFertilization);
    EXPECT_EQ(empty.size(), 80u);
    for (const TTableCellText& c : empty) {
        EXPECT_TRUE(c.Text.empty());
        EXPECT_GE(c.Row, 1);
        EXPECT_LE(c.Row, 20);
    }
}

TEST(StorylineTables, ReadingATableTakesEveryEventCell)
{
    const TEventTableTexts t =
        ReadEventTable(ekIrrigation, [](int col, int row) { return std::to_string(col) + ":" + std::to_string(row); });
    ASSERT_EQ(t.Rows.size(), 20u);
    ASSERT_EQ(t.Rows[0].size(), 2u);
    EXPECT_EQ(t.Rows[0][0], "0:1");
    EXPECT_EQ(t.Rows[19][1], "1:20");
}

}  // namespace
