// Switching the string grid's filter on and off, suppressed filtering, narrowing down as text is typed, and the filter-edit row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsSort.h"

using namespace grid;

namespace {

const std::vector<std::string> Fruits = {"Apple", "banana", "Cherry", "Red apple", "Redapple", "grape"};

// One fixed row; column 1 holds the fruits, column 2 their row number.
void FillFruits(TExtStringGrid& g)
{
    g.SetColCount(3);
    g.SetRowCount(static_cast<int>(Fruits.size()) + 1);
    g.SetCells(1, 0, "Fruit");
    for (std::size_t i = 0; i < Fruits.size(); ++i) {
        g.SetCells(1, static_cast<int>(i) + 1, Fruits[i]);
        g.SetCells(2, static_cast<int>(i) + 1, std::to_string(i + 1));
    }
}

// Column 1 of the displayed normal rows joined by ",".
std::string Shown(TExtStringGrid& g)
{
    std::string out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r) out += (out.empty() ? "" : ",") + g.Cells(1, r);
    return out;
}

// Column 1 of the normal rows whose height is above 0.
std::string Unsuppressed(TExtStringGrid& g)
{
    std::string out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        if (!g.IsSuppressedRow(r)) out += (out.empty() ? "" : ",") + g.Cells(1, r);
    return out;
}

void AddCondition(TExtStringGrid& g, int col, const std::string& condition)
{
    TFilterData& item = g.Filter().Insert(g.Filter().Count());
    item.SetColumn(static_cast<std::int16_t>(col));
    item.SetCondition(condition);
    item.SetCaseSensitive(false);
}

const std::string AllFruits = "Apple,banana,Cherry,Red apple,Redapple,grape";

}  // namespace

TEST(ExtGridFilterActive, SwitchingOnHidesFailingRowsAndOffBringsThemBackInOrder)
{
    TExtStringGrid grid(nullptr);
    FillFruits(grid);
    std::vector<int> footerCalcs;
    AddCondition(grid, 1, "*app*");
    grid.SetFilterActive(true);
    EXPECT_TRUE(grid.FilterActive());
    EXPECT_EQ(Shown(grid), "Apple,Red apple,Redapple");
    EXPECT_EQ(grid.FilterLevel(), 1);

    // Setting the value it has does not filter again, even with changed conditions.
    grid.Filter().Items(0).SetCondition("Apple");
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(grid), "Apple,Red apple,Redapple");

    grid.SetFilterActive(false);
    EXPECT_EQ(Shown(grid), AllFruits);
    EXPECT_EQ(grid.Cells(2, 4), "4");
    EXPECT_EQ(grid.FilterLevel(), 0);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.TopRow(), 1);

    // Switched on again, the changed condition takes effect.
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(grid), "Apple");
    grid.SetFilterActive(false);
    EXPECT_EQ(Shown(grid), AllFruits);
}

TEST(ExtGridFilterActive, OffUndoesOnlyItsOwnLevelWhenThePassHidNothing)
{
    TExtStringGrid grid(nullptr);
    FillFruits(grid);
    AddCondition(grid, 1, "*e*");
    grid.ApplyFilter();  // banana leaves as a level of its own
    ASSERT_EQ(grid.FilterLevel(), 1);
    grid.SetFilterActive(true);  // every remaining row has an "e": nothing more hidden
    grid.SetFilterActive(false);
    EXPECT_EQ(grid.FilterLevel(), 1);
    EXPECT_EQ(Shown(grid), "Apple,Cherry,Red apple,Redapple,grape");
}

TEST(ExtGridFilterActive, RowsHiddenBeforeStayHiddenWhenTheFilterGoesOff)
{
    TExtStringGrid grid(nullptr);
    FillFruits(grid);
    grid.HideRow(3);  // Cherry
    AddCondition(grid, 1, "*app*");
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(grid), "Apple,Red apple,Redapple");
    grid.SetFilterActive(false);
    EXPECT_EQ(Shown(grid), "Apple,banana,Red apple,Redapple,grape");
    EXPECT_TRUE(grid.IsHiddenRow(3));
    grid.UnHideRowsAll();
    EXPECT_EQ(Shown(grid), AllFruits);
}

TEST(ExtGridFilterActive, NodeRowsStayWithFilterNormalCellsOnly)
{
    TExtStringGrid grid(nullptr);
    FillFruits(grid);
    grid.AddNode(2, 3);  // banana heads banana, Cherry, Red apple
    AddCondition(grid, 1, "grape");
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(grid), "banana,grape");
    grid.SetFilterActive(false);

    grid.SetFilterNormalCellsOnly(false);
    grid.SetFilterActive(true);
    EXPECT_EQ(Shown(grid), "grape");
    grid.SetFilterActive(false);
    EXPECT_EQ(Shown(grid), AllFruits);
    EXPECT_TRUE(grid.IsNode(2));
}

TEST(ExtGridFilterActive, SuppressModeKeepsRowsWithHeightZeroAndRestoresTheirHeights)
{
    TExtStringGrid grid(nullptr);
    FillFruits(grid);
    grid.SetFilterType(ftSuppress);
    grid.SetRowHeights(2, 31);
    grid.SetRowHeights(3, 17);
    AddCondition(grid, 1, "*app*");
    grid.SetFilterActive(true);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.FilterLevel(), 0);
    EXPECT_EQ(Unsuppressed(grid), "Apple,Red apple,Redapple");
    EXPECT_EQ(grid.RowHeights(2), 0);

    grid.SetFilterActive(false);
    EXPECT_EQ(Unsuppressed(grid), AllFruits);
    EXPECT_EQ(grid.RowHeights(2), 31);
    EXPECT_EQ(grid.RowHeights(3), 17);
    EXPECT_EQ(grid.RowHeights(6), grid.DefaultRowHeight());
}

TEST(ExtGridSuppressRows, SuppressingTwiceKeepsTheSavedHeight)
{
    TExtStringGrid grid(nullptr);
    FillFruits(grid);
    grid.SetRowHeights(2, 24);
    grid.SuppressRow(2);
    grid.SuppressRow(2);
    EXPECT_TRUE(grid.IsSuppressedRow(2));
    grid.UnSuppressRow(2);
    EXPECT_EQ(grid.RowHeights(2), 24);

    grid.SuppressRows(1, 3);
    grid.UnSuppressAllRows();
    for (int r = 0; r < grid.RowCount(); ++r) EXPECT_EQ(grid.SuppressRowSizes().Items(r), grid.RowHeights(r));
    EXPECT_EQ(grid.RowHeights(2), 24);
}

// A suppressed row gets its own height back after rows above it were hidden or shown again,
// by each way of unsuppressing.
TEST(ExtGridSuppressRows, SuppressedRowKeepsItsOwnHeightWhileRowsAboveHideAndShow)
{
    enum class Way { One, All, AllOpen };
    for (Way way : {Way::One, Way::All, Way::AllOpen}) {
        TExtStringGrid grid(nullptr);
        FillFruits(grid);
        grid.SetRowHeights(2, 20);
        grid.SetRowHeights(4, 40);  // "Red apple"
        grid.SuppressRow(4);
        grid.HideRows(1, 1);  // "Red apple" now shows at row 3
        ASSERT_EQ(grid.Cells(1, 3), "Red apple");
        if (way == Way::One) grid.UnSuppressRow(3);
        if (way == Way::All) grid.UnSuppressAllRows();
        if (way == Way::AllOpen) grid.UnSuppressAllOpenRows();
        EXPECT_EQ(grid.RowHeights(3), 40) << static_cast<int>(way);
        EXPECT_EQ(grid.RowHeights(1), 20) << static_cast<int>(way);

        grid.SuppressRow(3);
        grid.UnHideRowsAll();  // back at row 4
        ASSERT_EQ(grid.Cells(1, 4), "Red apple");
        grid.UnSuppressRow(4);
        EXPECT_EQ(grid.RowHeights(4), 40) << static_cast<int>(way);
    }
}

TEST(ExtGridNarrowDown, TypingAndDeletingCharactersStacksAndUndoesLevels)
{
    TExtStringGrid grid(nullptr);
    FillFruits(grid);
    struct Step {
        const char* Typed;
        const char* Shown;
        int Level;
    };
    // "b" → "ba" hides nothing more; deleting back to "b" must keep banana's level.
    const Step steps[] = {
        {"a", "Apple,banana,Red apple,Redapple,grape", 1},
        {"ap", "Apple,Red apple,Redapple,grape", 2},
        {"a", "Apple,banana,Red apple,Redapple,grape", 1},
        {"", AllFruits.c_str(), 0},
        {"b", "banana", 1},
        {"ba", "banana", 1},
        {"b", "banana", 1},
        {"che", "Cherry", 1},  // not one character more: starts over
    };
    for (const Step& s : steps) {
        grid.NarrowDown(s.Typed, 1);
        EXPECT_EQ(Shown(grid), s.Shown) << "after \"" << s.Typed << "\"";
        EXPECT_EQ(grid.FilterLevel(), s.Level) << "after \"" << s.Typed << "\"";
    }
    EXPECT_TRUE(grid.FixedRowAlways());
    grid.NarrowDown("", 1);
    EXPECT_EQ(Shown(grid), AllFruits);
    EXPECT_EQ(grid.GridItemCount(), 0);
    EXPECT_EQ(grid.Filter().Count(), 0);
}

TEST(ExtGridNarrowDown, AnEmptyTextKeepsRowsHiddenBeforeNarrowing)
{
    TExtStringGrid grid(nullptr);
    FillFruits(grid);
    grid.HideRow(2);  // banana
    grid.NarrowDown("e", 1);
    EXPECT_EQ(Shown(grid), "Apple,Cherry,Red apple,Redapple,grape");
    grid.NarrowDown("ed", 1);
    EXPECT_EQ(Shown(grid), "Red apple,Redapple");
    grid.NarrowDown("", 1);
    EXPECT_EQ(Shown(grid), "Apple,Cherry,Red apple,Redapple,grape");
    ASSERT_TRUE(grid.IsHiddenRow(2));
    grid.UnHideRow(2);
    EXPECT_EQ(Shown(grid), AllFruits);
}

TEST(ExtGridNarrowDown, BlanksTakePartAndOptionsReachTheCondition)
{
    TExtStringGrid grid(nullptr);
    FillFruits(grid);
    grid.NarrowDown("d a", 1);
    EXPECT_EQ(Shown(grid), "Red apple");
    ASSERT_EQ(grid.Filter().Count(), 1);
    EXPECT_EQ(grid.Filter().Items(0).Condition(), "\"*d a*\"");
    EXPECT_EQ(grid.Filter().Items(0).Data(), fcNormal);

    TNarrowDownOptions options;
    options.Include(ndCaseSensitive);
    grid.NarrowDown("A", options, 1);
    EXPECT_EQ(Shown(grid), "Apple");

    grid.SetNarrowDownFromStart(true);
    grid.NarrowDown("re", 1);
    EXPECT_EQ(Shown(grid), "Red apple,Redapple");
    EXPECT_EQ(grid.Filter().Items(0).Condition(), "=re*");

    // Whole rows: the row number column counts as well.
    grid.SetNarrowDownFromStart(false);
    grid.NarrowDown("6", -1);
    EXPECT_EQ(Shown(grid), "grape");
    EXPECT_EQ(grid.Filter().Items(0).Data(), fcRow);
}

TEST(ExtGridNarrowDown, SuppressModeSuppressesAndEmptyTextRestores)
{
    TExtStringGrid grid(nullptr);
    FillFruits(grid);
    grid.SetFilterType(ftSuppress);
    grid.NarrowDown("ap", 1);
    EXPECT_EQ(Unsuppressed(grid), "Apple,Red apple,Redapple,grape");
    grid.NarrowDown("app", 1);
    EXPECT_EQ(Unsuppressed(grid), "Apple,Red apple,Redapple");
    grid.NarrowDown("ap", 1);
    EXPECT_EQ(Unsuppressed(grid), "Apple,Red apple,Redapple,grape");
    grid.NarrowDown("", 1);
    EXPECT_EQ(Unsuppressed(grid), AllFruits);
    EXPECT_EQ(grid.RowCount(), 7);
}

class ExtGridFilterEditRow : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        gridtest::GridOnFormTest::SetUp();
        FillFruits(*Grid);
        Grid->InsertRows(1, 1);
        Grid->SetFixedRows(2);
        Grid->FilterEdit().SetRow(1);
        Grid->FilterEdit().SetCaseSensitive(false);
        Grid->OnFilterEditUpdate = [this](TSender, int ACol, const std::string& Condition, TFilterType Type) {
            Updates.push_back(std::to_string(ACol) + ":" + Condition + ":" + std::to_string(Type));
            if (TakeOver) Grid->SetDoAutoEditFilter(false);
        };
    }
    std::vector<std::string> Updates;
    bool TakeOver = false;
};

TEST_F(ExtGridFilterEditRow, TheRowTextFiltersAtOnceAndClearShowsAllAgain)
{
    // The update event comes first, then the before-filter event with all rows still shown,
    // then the done event with the rows filtered.
    Grid->OnBeforeFilter = [&](TSender) { Updates.push_back("before " + Shown(*Grid)); };
    Grid->OnFilterDone = [&](TSender) { Updates.push_back("done " + Shown(*Grid)); };
    Grid->SetCells(1, 1, "re");
    Grid->ApplyEditRowFilter(1, ftStartsWith);
    EXPECT_EQ(Shown(*Grid), "Red apple,Redapple");
    EXPECT_EQ(Grid->Filter().Items(0).Condition(), "re*");
    EXPECT_TRUE(Grid->FilterActive());
    EXPECT_EQ(Updates, (std::vector<std::string>{"1:re:0", "before " + AllFruits, "done Red apple,Redapple"}));
    Grid->OnBeforeFilter = nullptr;
    Grid->OnFilterDone = nullptr;
    Updates.clear();

    // A new type for the same column replaces the condition over all rows.
    Grid->ApplyEditRowFilter(1, ftNotContains);
    EXPECT_EQ(Shown(*Grid), "Apple,banana,Cherry,grape");
    EXPECT_EQ(Grid->Filter().Count(), 1);

    Grid->ApplyEditRowFilter(1, ftClear);
    EXPECT_EQ(Grid->Cells(1, 1), "");
    EXPECT_EQ(Shown(*Grid), AllFruits);
    EXPECT_EQ(Grid->Filter().Items(0).FilterType(), ftContains);
    EXPECT_FALSE(Grid->Filter().Items(0).Enabled());
    EXPECT_EQ(Updates, (std::vector<std::string>{"1:re:3", "1::2"}));
}

TEST_F(ExtGridFilterEditRow, AHandlerThatTakesOverGetsTheDeferredDoneEvent)
{
    Form->Show();
    App->ProcessMessages();
    TakeOver = true;
    std::vector<std::string> doneCalls;
    std::vector<TFilterType> doneTypes;
    Grid->OnFilterEditDone = [&](TSender, int ACol, const std::string& Condition, TFilterType FilterType) {
        doneCalls.push_back(std::to_string(ACol) + ":" + Condition);
        doneTypes.push_back(FilterType);
    };
    Grid->SetCells(1, 1, "gr");
    Grid->ApplyEditRowFilter(1, ftNone);
    EXPECT_FALSE(Grid->FilterActive());
    EXPECT_EQ(Shown(*Grid), AllFruits);
    EXPECT_TRUE(doneCalls.empty());
    App->ProcessMessages();
    EXPECT_EQ(doneCalls, (std::vector<std::string>{"1:gr"}));
    // The item's type goes with it, so the application filters the way the user chose.
    EXPECT_EQ(doneTypes, (std::vector<TFilterType>{ftContains}));
    // ftNone keeps the new item's type (contains).
    EXPECT_EQ(Grid->Filter().Items(0).Condition(), "*gr*");
    Grid->SetCells(1, 1, "rry");
    Grid->ApplyEditRowFilter(1, ftEndsWith);
    App->ProcessMessages();
    EXPECT_EQ(doneCalls.back(), "1:rry");
    EXPECT_EQ(doneTypes.back(), ftEndsWith);
}
