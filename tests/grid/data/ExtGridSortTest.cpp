// Tests of sorting the string grid: by a column, by sort keys, undoing, what moves with a row, and the header click.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridLists.h"
#include "grid/core/GridOptions.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

// A grid with one fixed row and one fixed column; column 1 holds the keys, column 2 the
// row's name, column 0 the row number.
std::unique_ptr<TExtStringGrid> MakeGrid(const std::vector<std::string>& keys, int footers = 0)
{
    auto grid = std::make_unique<TExtStringGrid>(nullptr);
    grid->SetColCount(3);
    grid->SetRowCount(static_cast<int>(keys.size()) + 1 + footers);
    grid->SetFixedFooters(footers);
    grid->SetCells(1, 0, "key");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        grid->SetCells(0, r, std::to_string(r));
        grid->SetCells(1, r, keys[i]);
        grid->SetCells(2, r, "n" + std::to_string(r));
    }
    for (int f = 0; f < footers; ++f) grid->SetCells(1, grid->RowCount() - footers + f, "footer" + std::to_string(f));
    return grid;
}

std::vector<std::string> Column(TExtStringGrid& grid, int col)
{
    std::vector<std::string> out;
    for (int r = 0; r < grid.RowCount(); ++r) out.push_back(grid.Cells(col, r));
    return out;
}

TEST(ExtGridSort, QSortOrdersNormalRowsAndLeavesHeaderAndFootersInPlace)
{
    auto grid = MakeGrid({"30", "4", "100", "-2"}, 1);
    grid->SortSettings().SetColumn(1);
    grid->QSort();
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "-2", "4", "30", "100", "footer0"}));
    EXPECT_EQ(Column(*grid, 2), (std::vector<std::string>{"", "n4", "n2", "n1", "n3", ""}));
    grid->Sort(1, sdDescending);
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "100", "30", "4", "-2", "footer0"}));
}

TEST(ExtGridSort, NoSortColumnLeavesTheGridUntouched)
{
    auto grid = MakeGrid({"b", "a"});
    grid->QSort();
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "b", "a"}));
    EXPECT_EQ(grid->Swaps(), 0);
}

TEST(ExtGridSort, CellObjectsHeightsAndRowFlagsTravelWithTheirRow)
{
    auto grid = MakeGrid({"c", "a", "b"});
    grid->CreateCellGraphic(2, 1)->SetImageIdx(7, haLeft, vaTop);
    grid->SetRowHeights(1, 40);
    grid->Sort(1, sdAscending);
    // row "c" went from 1 to 3
    ASSERT_NE(grid->GetCellGraphic(2, 3), nullptr);
    EXPECT_EQ(grid->GetCellGraphic(2, 3)->CellIndex(), 7);
    EXPECT_EQ(grid->GetCellGraphic(2, 1), nullptr);
    EXPECT_EQ(grid->RowHeights(3), 40);
    EXPECT_EQ(grid->GetCellPropsDirect(2, 3)->OwnerRow(), 3);
}

TEST(ExtGridSort, UnSortRestoresTheOrderBeforeTheFirstSort)
{
    auto grid = MakeGrid({"b", "d", "a", "c", "a"});
    const auto before = Column(*grid, 2);
    grid->Sort(1, sdAscending);
    grid->Sort(1, sdDescending);
    // the cross-reference names the index each row had before sorting, both ways round
    for (int r = 1; r < grid->RowCount(); ++r) {
        EXPECT_EQ(grid->Cells(2, r), "n" + std::to_string(grid->SortedRowIndex(r)));
        EXPECT_EQ(grid->UnSortedRowIndex(grid->SortedRowIndex(r)), r);
        EXPECT_EQ(grid->UnSortedCells(2, r), "n" + std::to_string(r));
    }
    grid->QUnSort();
    EXPECT_EQ(Column(*grid, 2), before);
    EXPECT_EQ(grid->SortSettings().Column(), -1);
    for (int r = 0; r < grid->RowCount(); ++r) EXPECT_EQ(grid->SortedRowIndex(r), r);
}

// The row-moving partition sort as the grid defines it, on plain values: the pivot is a
// copy, equal values are never exchanged with each other.
void ReferenceSort(std::vector<std::pair<int, int>>& v, int left, int right)
{
    const int pivot = v[static_cast<std::size_t>((left + right) / 2)].first;
    auto cmp = [](int a, int b) { return a > b ? 1 : (a < b ? -1 : 0); };
    int i = left;
    int j = right;
    do {
        while (cmp(pivot, v[static_cast<std::size_t>(i)].first) == 1 && i < right) ++i;
        while (cmp(v[static_cast<std::size_t>(j)].first, pivot) == 1 && j > left) --j;
        if (i <= j) {
            if (i != j && cmp(v[static_cast<std::size_t>(i)].first, v[static_cast<std::size_t>(j)].first) != 0)
                std::swap(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(j)]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (left < j) ReferenceSort(v, left, j);
    if (i < right) ReferenceSort(v, i, right);
}

TEST(ExtGridSort, EqualKeysEndInTheOrderOfTheRowExchangingPartitionSort)
{
    std::mt19937 rng(7);
    std::vector<std::string> keys;
    std::vector<std::pair<int, int>> reference;
    for (int i = 0; i < 400; ++i) {
        const int k = static_cast<int>(rng() % 12);
        keys.push_back(std::to_string(k));
        reference.emplace_back(k, i + 1);
    }
    auto grid = MakeGrid(keys);
    grid->SortSettings().SetFull(false);
    grid->Sort(1, sdAscending);
    ReferenceSort(reference, 0, static_cast<int>(reference.size()) - 1);
    for (std::size_t i = 0; i < reference.size(); ++i)
        ASSERT_EQ(grid->Cells(2, static_cast<int>(i) + 1), "n" + std::to_string(reference[i].second)) << i;
}

TEST(ExtGridSort, FullSortBreaksTiesByTheNextColumns)
{
    auto grid = MakeGrid({"1", "1", "0"});
    grid->SetCells(2, 1, "z");
    grid->SetCells(2, 2, "y");
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(*grid, 2), (std::vector<std::string>{"", "n3", "y", "z"}));
}

TEST(ExtGridSort, BlanksEndLastInBothDirections)
{
    for (TSortDirection dir : {sdAscending, sdDescending}) {
        auto grid = MakeGrid({"", "b", "", "a", "c"});
        grid->SortSettings().SetIgnoreBlanks(true);
        grid->SortSettings().SetBlankPos(blLast);
        grid->Sort(1, dir);
        const auto col = Column(*grid, 1);
        EXPECT_EQ(col[4], "") << dir;
        EXPECT_EQ(col[5], "") << dir;
        EXPECT_EQ(col[1], dir == sdAscending ? "a" : "c");
    }
}

TEST(ExtGridSort, NormalCellsOnlyKeepsTheFixedColumnInPlace)
{
    auto grid = MakeGrid({"c", "a", "b"});
    grid->SortSettings().SetNormalCellsOnly(true);
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(*grid, 0), (std::vector<std::string>{"", "1", "2", "3"}));
    EXPECT_EQ(Column(*grid, 2), (std::vector<std::string>{"", "n2", "n3", "n1"}));
}

TEST(ExtGridSort, SingleColumnMovesOnlyTheSortColumn)
{
    auto grid = MakeGrid({"c", "a", "b"});
    grid->SortSettings().SetSingleColumn(true);
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "a", "b", "c"}));
    EXPECT_EQ(Column(*grid, 2), (std::vector<std::string>{"", "n1", "n2", "n3"}));
}

TEST(ExtGridSort, HiddenColumnCellsMoveWithTheirRow)
{
    auto grid = MakeGrid({"b", "a"});
    grid->HideColumn(2);
    grid->Sort(1, sdAscending);
    grid->UnHideColumn(2);
    EXPECT_EQ(Column(*grid, 2), (std::vector<std::string>{"", "n2", "n1"}));
}

TEST(ExtGridSort, IndexedSortUsesEveryKeyWithItsDirection)
{
    auto grid = MakeGrid({"x", "y", "x", "y"});
    grid->SetCells(2, 1, "1");
    grid->SetCells(2, 2, "5");
    grid->SetCells(2, 3, "3");
    grid->SetCells(2, 4, "2");
    grid->SortIndexes().AddIndex(1, true);
    grid->SortIndexes().AddIndex(2, false);
    grid->QSortIndexed();
    EXPECT_EQ(Column(*grid, 2), (std::vector<std::string>{"", "3", "1", "5", "2"}));
    EXPECT_EQ(grid->SortIndexes().Count(), 2);
}

TEST(ExtGridSort, IndexedSortWithoutKeysRaisesAndChangesNothing)
{
    auto grid = MakeGrid({"b", "a"});
    try {
        grid->QSortIndexed();
        FAIL() << "no exception";
    } catch (const rtl::Exception& e) {
        EXPECT_EQ(e.Message(), "No indexes specified for indexed sort");
    }
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "b", "a"}));
    EXPECT_EQ(grid->UpdateCount(), 0);
}

TEST(ExtGridSort, AnExceptionInACompareLeavesTheRowsAndTheUpdateCountAsTheyWere)
{
    auto grid = MakeGrid({"c", "a", "b", "d"});
    grid->SortSettings().SetNormalCellsOnly(true);
    grid->SortSettings().SetAutoFormat(false);
    grid->SortSettings().SetDefaultFormat(ssCustom);
    int calls = 0;
    grid->OnCustomCompare = [&](TSender, const std::string& a, const std::string& b, int& res) {
        if (++calls == 3) throw rtl::Exception("compare failed");
        res = a.compare(b);
    };
    EXPECT_THROW(grid->Sort(1, sdAscending), rtl::Exception);
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "c", "a", "b", "d"}));
    EXPECT_EQ(Column(*grid, 0), (std::vector<std::string>{"", "1", "2", "3", "4"}));
    EXPECT_EQ(grid->UpdateCount(), 0);
    grid->OnCustomCompare = [](TSender, const std::string& a, const std::string& b, int& res) {
        res = a < b ? -1 : (a > b ? 1 : 0);
    };
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "a", "b", "c", "d"}));
}

TEST(ExtGridSort, RangeSortAndSortLineWorkOnTheRowsGiven)
{
    auto grid = MakeGrid({"d", "c", "b", "a"});
    grid->SortSettings().SetDirection(sdAscending);
    grid->QuickSort(1, 2, 3);
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "d", "b", "c", "a"}));
    EXPECT_TRUE(grid->SortLine(1, 1, 4));
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "a", "b", "c", "d"}));
    EXPECT_FALSE(grid->SortLine(1, 1, 4));
}

TEST(ExtGridSort, MoveRowOnSortKeepsTheFocusOnItsData)
{
    auto grid = MakeGrid({"c", "a", "b"});
    grid->SetRow(1);
    int changingFrom = -1, changingTo = -1;
    grid->OnRowChanging = [&](TSender, int o, int n, bool&) {
        changingFrom = o;
        changingTo = n;
    };
    grid->Navigation().SetMoveRowOnSort(true);
    grid->Sort(1, sdAscending);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Cells(1, grid->Row()), "c");
    EXPECT_EQ(changingFrom, 1);
    EXPECT_EQ(changingTo, 3);
    grid->Navigation().SetMoveRowOnSort(false);
    int changedTo = -1;
    grid->OnRowChanged = [&](TSender, int, int n) { changedTo = n; };
    grid->Sort(1, sdDescending);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(changedTo, 3);
}

// A descendant sees every exchange through its own SortSwapRows.
class TCountingGrid : public TExtStringGrid {
public:
    using TExtStringGrid::TExtStringGrid;
    void SortSwapRows(int ARow1, int ARow2) override
    {
        ++Calls;
        TExtStringGrid::SortSwapRows(ARow1, ARow2);
    }
    int Calls = 0;
};

void FillMixed(TExtStringGrid& grid, int rows)
{
    static const char* const values[] = {"10",  "9",     "abc", "",    "1/2/2020", "12/05/2017", "12:30", "9:05",
                                         "2.5", "-3",    "x y", "ABC", "1e2",      "\xC3\x81" "b", "007",   "1/2"};
    // Words around eight letters, the length the comparison of long texts changes at.
    static const char* const words[] = {"pear",     "Pear",       "pineappl",   "pineapple",
                                        "pineapplE", "pineapples", "PINEAPPLEs", "pearl"};
    std::mt19937 rng(99);
    grid.SetColCount(6);
    grid.SetRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r) {
        grid.SetCells(1, r, values[rng() % 16]);
        grid.SetCells(2, r, values[rng() % 16]);
        grid.SetCells(3, r, "n" + std::to_string(r));
        // Columns of one kind each, with many equal keys: numbers and words.
        grid.SetCells(4, r, std::to_string(static_cast<int>(rng() % 40) - 20) + (r % 3 == 0 ? ".5" : ""));
        grid.SetCells(5, r, words[rng() % 8]);
    }
}

struct SettingsCase {
    const char* Name;
    std::function<void(TSortSettings&)> Apply;
};

class ExtGridSortEquivalence : public ::testing::TestWithParam<SettingsCase> {};

// The grid reads the sort column once per sort when cells read the same every time; a
// display hook that returns the text unchanged makes it read the cells at every comparison.
// Both must give the same order and the same comparison count, also on mixed columns where
// the order depends on which text is compared first, and on columns of one kind with many
// equal keys, where ties go on to the next columns.
TEST_P(ExtGridSortEquivalence, ReadingTheColumnOnceGivesTheOrderOfReadingItEveryTime)
{
    TExtStringGrid once(nullptr);
    TExtStringGrid every(nullptr);
    FillMixed(once, 300);
    FillMixed(every, 300);
    every.OnGetDisplText = [](TSender, int, int, std::string&) {};
    GetParam().Apply(once.SortSettings());
    GetParam().Apply(every.SortSettings());
    for (int col : {1, 4, 5}) {
        for (TSortDirection dir : {sdAscending, sdDescending}) {
            once.Sort(col, dir);
            every.Sort(col, dir);
            ASSERT_EQ(Column(once, 3), Column(every, 3)) << "column " << col << " direction " << dir;
        }
    }
    EXPECT_EQ(once.Compares(), every.Compares());
}

const SettingsCase kSettingsCases[] = {
    {"automatic", [](TSortSettings&) {}},
    {"automatic_no_case_blanks_last",
     [](TSortSettings& s) {
         s.SetIgnoreCase(true);
         s.SetIgnoreBlanks(true);
         s.SetBlankPos(blLast);
     }},
    {"numeric_not_full",
     [](TSortSettings& s) {
         s.SetAutoFormat(false);
         s.SetDefaultFormat(ssNumeric);
         s.SetFull(false);
     }},
    {"alphanumeric",
     [](TSortSettings& s) {
         s.SetAutoFormat(false);
         s.SetDefaultFormat(ssAlphaNumericNoCase);
     }},
    {"date_blanks_first",
     [](TSortSettings& s) {
         s.SetAutoFormat(false);
         s.SetDefaultFormat(ssDate);
         s.SetIgnoreBlanks(true);
     }},
    {"natural", [](TSortSettings& s) {
         s.SetAutoFormat(false);
         s.SetDefaultFormat(ssNatural);
     }},
};

INSTANTIATE_TEST_SUITE_P(Settings, ExtGridSortEquivalence, ::testing::ValuesIn(kSettingsCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ExtGridSort, DescendantExchangesRowsThroughItsSortSwapRowsWithTheSameResult)
{
    TExtStringGrid plain(nullptr);
    TCountingGrid derived(nullptr);
    for (TExtStringGrid* g : {&plain, static_cast<TExtStringGrid*>(&derived)}) {
        FillMixed(*g, 200);
        g->CreateCellGraphic(3, 5)->SetImageIdx(5, haLeft, vaTop);
        g->SetRowHeights(7, 33);
        g->SetRow(9);
        g->Navigation().SetMoveRowOnSort(true);
        g->Sort(2, sdAscending);
        g->Sort(1, sdDescending);
    }
    EXPECT_GT(derived.Calls, 0);
    EXPECT_EQ(derived.Calls, derived.Swaps());
    EXPECT_EQ(plain.Swaps(), derived.Swaps());
    EXPECT_EQ(Column(plain, 3), Column(derived, 3));
    EXPECT_EQ(plain.Row(), derived.Row());
    EXPECT_EQ(plain.Cells(3, plain.Row()), "n9");
    for (int r = 0; r < plain.RowCount(); ++r) {
        EXPECT_EQ(plain.RowHeights(r), derived.RowHeights(r)) << r;
        EXPECT_EQ(plain.SortedRowIndex(r), derived.SortedRowIndex(r)) << r;
        EXPECT_EQ(plain.GetCellGraphic(3, r) != nullptr, derived.GetCellGraphic(3, r) != nullptr) << r;
    }
    const int moved = plain.UnSortedRowIndex(5);
    ASSERT_NE(plain.GetCellGraphic(3, moved), nullptr);
    EXPECT_EQ(plain.GetCellGraphic(3, moved)->CellIndex(), 5);
    EXPECT_EQ(plain.RowHeights(plain.UnSortedRowIndex(7)), 33);
}

TEST(ExtGridSort, GroupSortOrdersOnlyTheChildrenOfTheDeepestExpandedNodes)
{
    // rows 1..5: node A (level 0) with children; row 2 is a nested node B over rows 2..4
    auto grid = MakeGrid({"z", "y", "c", "a", "b", "q", "x", "m", "k"});
    grid->AddNode(1, 6);  // rows 1..6
    grid->AddNode(2, 3);  // rows 2..4, deeper
    grid->AddNode(7, 3);  // rows 7..9, level 0 only
    ASSERT_GT(grid->GetNodeLevel(2), grid->GetNodeLevel(1));
    grid->SortSettings().SetColumn(1);
    grid->QSortGroup();
    EXPECT_EQ(Column(*grid, 1),
              (std::vector<std::string>{"key", "z", "y", "a", "c", "b", "q", "x", "m", "k"}));
}

// ---------------------------------------------------------------- header click

class ExtGridClickSortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 500, 300);
        Grid = new TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 480, 280);
        Grid->SetColCount(3);
        Grid->SetRowCount(5);
        const char* keys[] = {"b", "c", "a", "d"};
        for (int r = 1; r < 5; ++r) Grid->SetCells(1, r, keys[r - 1]);
        Grid->SortSettings().SetShow(true);
        Grid->OnClickSort = [this](TSender, int col) { Clicked.push_back(col); };
        Form->Show();
        App->ProcessMessages();
    }
    void TearDown() override { App.reset(); }
    void ClickCell(int c, int r)
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        const int x = (rc.Left + rc.Right) / 2;
        const int y = (rc.Top + rc.Bottom) / 2;
        ui::THeadlessBackend::MouseDown(Grid, x, y);
        ui::THeadlessBackend::MouseUp(Grid, x, y);
        App->ProcessMessages();
    }
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtStringGrid* Grid = nullptr;
    std::vector<int> Clicked;
};

TEST_F(ExtGridClickSortTest, HeaderClicksSortThenFlipTheDirection)
{
    ClickCell(1, 0);
    EXPECT_EQ(Column(*Grid, 1), (std::vector<std::string>{"", "a", "b", "c", "d"}));
    EXPECT_EQ(Grid->SortSettings().Column(), 1);
    ClickCell(1, 0);
    EXPECT_EQ(Column(*Grid, 1), (std::vector<std::string>{"", "d", "c", "b", "a"}));
    EXPECT_EQ(Clicked, (std::vector<int>{1, 1}));
}

TEST_F(ExtGridClickSortTest, UndoSortOnTheThirdClickRestoresTheOrder)
{
    Grid->SortSettings().SetUndoSort(true);
    ClickCell(1, 0);
    ClickCell(1, 0);
    ClickCell(1, 0);
    EXPECT_EQ(Column(*Grid, 1), (std::vector<std::string>{"", "b", "c", "a", "d"}));
    EXPECT_EQ(Grid->SortSettings().Column(), -1);
}

TEST_F(ExtGridClickSortTest, NoSortOffTheSortRowWhenRefusedOrWithoutShow)
{
    ClickCell(1, 2);  // a normal cell
    bool asked = false;
    Grid->OnCanSort = [&](TSender, int, bool& doSort) {
        asked = true;
        doSort = false;
    };
    ClickCell(1, 0);
    EXPECT_TRUE(asked);
    Grid->OnCanSort = nullptr;
    Grid->SortSettings().SetShow(false);
    ClickCell(1, 0);
    EXPECT_EQ(Column(*Grid, 1), (std::vector<std::string>{"", "b", "c", "a", "d"}));
    EXPECT_TRUE(Clicked.empty());
}

TEST_F(ExtGridClickSortTest, ReleaseNextToAColumnEdgeWithColumnSizingDoesNotSort)
{
    Grid->SetOptions(Grid->Options() | ui::goColSizing);
    const rtl::TRect rc = Grid->CellRect(1, 0);
    const int y = (rc.Top + rc.Bottom) / 2;
    for (int x : {rc.Left + 2, rc.Right - 3}) {
        ui::THeadlessBackend::MouseDown(Grid, x, y);
        ui::THeadlessBackend::MouseUp(Grid, x, y);
        App->ProcessMessages();
    }
    EXPECT_EQ(Column(*Grid, 1), (std::vector<std::string>{"", "b", "c", "a", "d"}));
    ClickCell(1, 0);
    EXPECT_EQ(Column(*Grid, 1), (std::vector<std::string>{"", "a", "b", "c", "d"}));
}

// The right end of a header keeps its click for the filter button only when the column
// shows a filter list; without FilterDropDownAuto every header sorts there too.
TEST_F(ExtGridClickSortTest, ReleaseAtAHeadersRightEndSortsUnlessTheColumnShowsAFilterList)
{
    const rtl::TRect rc = Grid->CellRect(1, 0);
    const int x = rc.Right - 6;
    const int y = (rc.Top + rc.Bottom) / 2;
    auto releaseAtRightEnd = [&] {
        ui::THeadlessBackend::MouseDown(Grid, x, y);
        ui::THeadlessBackend::MouseUp(Grid, x, y);
        App->ProcessMessages();
    };
    Grid->SetFilterDropDownAuto(true);
    releaseAtRightEnd();
    EXPECT_EQ(Column(*Grid, 1), (std::vector<std::string>{"", "b", "c", "a", "d"}));
    Grid->SetFilterDropDownAuto(false);
    releaseAtRightEnd();
    EXPECT_EQ(Column(*Grid, 1), (std::vector<std::string>{"", "a", "b", "c", "d"}));
}

TEST_F(ExtGridClickSortTest, IndexKeyClickAddsASecondSortKey)
{
    Grid->SortSettings().SetIndexShow(true);
    for (int r = 1; r < 5; ++r) Grid->SetCells(2, r, r % 2 == 0 ? "x" : "y");
    ClickCell(2, 0);
    const rtl::TRect rc = Grid->CellRect(1, 0);
    const int x = (rc.Left + rc.Right) / 2;
    const int y = (rc.Top + rc.Bottom) / 2;
    ui::THeadlessBackend::MouseDown(Grid, x, y);
    Grid->Perform(ui::WM_LBUTTONUP, ui::MK_SHIFT, ui::MAKELPARAM(x, y));
    App->ProcessMessages();
    EXPECT_EQ(Grid->SortIndexes().SaveToString(), "u2;u1");
    EXPECT_EQ(Column(*Grid, 1), (std::vector<std::string>{"", "c", "d", "a", "b"}));
}

}  // namespace

// A handler may answer with any magnitude; only its sign orders the rows, both ways.
TEST(ExtGridSort, CompareHandlersAnsweringWithADifferenceSortByItsSign)
{
    auto grid = MakeGrid({"ccc", "a", "bbbbbbb", "dd", "eeeee"});
    grid->SortSettings().SetNormalCellsOnly(true);
    grid->SortSettings().SetAutoFormat(false);
    grid->SortSettings().SetDefaultFormat(ssCustom);
    grid->OnCustomCompare = [](TSender, const std::string& a, const std::string& b, int& res) {
        res = (static_cast<int>(a.size()) - static_cast<int>(b.size())) * 1000;
    };
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "a", "dd", "ccc", "eeeee", "bbbbbbb"}));
    grid->Sort(1, sdDescending);
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "bbbbbbb", "eeeee", "ccc", "dd", "a"}));

    grid->SortSettings().SetDefaultFormat(ssRaw);
    grid->OnRawCompare = [&](TSender, int ACol, int ARow1, int ARow2, int& res) {
        res = static_cast<int>(grid->Cells(ACol, ARow2).size()) - static_cast<int>(grid->Cells(ACol, ARow1).size());
    };
    grid->Sort(1, sdAscending);
    EXPECT_EQ(Column(*grid, 1), (std::vector<std::string>{"key", "bbbbbbb", "eeeee", "ccc", "dd", "a"}));
}
