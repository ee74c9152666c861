// Filter buttons of the header row: the release that opens the value list, and choosing or checking values to filter the grid.
#include <gtest/gtest.h>

#include <SDL.h>
#include <cairo.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "grid/core/FilterLists.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/backend/SdlBackend.h"
#include "platform/ui/Keyboard.h"
#include "tests/grid/GridOnFormTest.h"
#include "tests/support/SdlScreenshots.h"
#include "tests/support/TempDir.h"

namespace {

using ui::THeadlessBackend;
using grid::TDropList;
using testsupport::SaveSurfacePng;
using testsupport::SurfacePixel;

// Column 1 holds a repeated value, an empty cell, values with blanks and numbers.
class ExtGridFilterButtonsTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(10, 20, 400, 300);
        Grid->SetColCount(3);
        Grid->SetRowCount(8);
        Grid->SetColWidths(1, 120);
        const char* values[] = {"maize", "", "winter wheat", "maize", "10", "9", "winter wheat"};
        for (int r = 1; r < 8; ++r) {
            Grid->SetCells(0, r, std::to_string(r));
            Grid->SetCells(1, r, values[r - 1]);
        }
        Grid->SetFilterDropDownAuto(true);
        Form->Show();
        App->ProcessMessages();
    }
    // The release a user's click on column c's filter button makes, dx pixels left of the cell's right edge.
    bool ReleaseOnButton(int c, int dx = 8)
    {
        const rtl::TRect r = Grid->CellRect(c, 0);
        return Grid->FilterButtonRelease(c, 0, r.Right - dx, r.Top + 5);
    }
    std::vector<std::string> Items(const ui::TCustomListBox& list) const
    {
        std::vector<std::string> items;
        for (int i = 0; i < list.Count(); ++i) items.push_back(list.Items().Strings(i));
        return items;
    }
    std::vector<std::string> ShownColumn1() const
    {
        std::vector<std::string> cells;
        for (int r = 1; r < Grid->RowCount(); ++r) cells.push_back(Grid->Cells(1, r));
        return cells;
    }
    int ItemY(const ui::TCustomListBox& list, int index) const
    {
        return index * list.ItemHeight() + list.ItemHeight() / 2;
    }
};

TEST_F(ExtGridFilterButtonsTest, TheValueListHoldsEachValueOnceWithEmptyCellsAndQuotedConditionsForBlanks)
{
    ASSERT_TRUE(Grid->BuildColumnFilter(1, false, false));
    std::vector<std::string> entries;
    for (int i = 0; i < Grid->FilterList().Count(); ++i) entries.push_back(Grid->FilterList().Strings(i));
    // Sorted: the empty cell (a tab and its condition) first, numbers by value, texts in logical order.
    const std::vector<std::string> expected = {"\t\"\"", "(All)", "9", "10", "maize", "winter wheat\t\"winter wheat\""};
    EXPECT_EQ(entries, expected);
}

TEST_F(ExtGridFilterButtonsTest, AReleaseOnTheButtonOpensTheListBelowTheHeaderAndASecondOneClosesIt)
{
    struct Case {
        int dx;
        bool opens;
    };
    // From 16 to 3 pixels inside the right edge, exclusive.
    for (Case c : {Case{2, false}, Case{3, false}, Case{4, true}, Case{15, true}, Case{16, false}}) {
        SCOPED_TRACE(c.dx);
        ReleaseOnButton(1, c.dx);
        EXPECT_EQ(Grid->DropList()->Visible(), c.opens);
        EXPECT_EQ(Grid->FilterColumn(), c.opens ? 1 : -1);
        if (c.opens) ReleaseOnButton(1, c.dx);  // the open column's button closes its list
        EXPECT_FALSE(Grid->DropList()->Visible());
    }
    int closed = -2;
    Grid->OnFilterClose = [&](rtl::TObject*, int col) { closed = col; };
    ASSERT_TRUE(ReleaseOnButton(1));
    const rtl::TRect r = Grid->CellRect(1, 0);
    EXPECT_EQ(Grid->DropList()->Top(), r.Top + 16);
    EXPECT_EQ(Grid->DropList()->Left(), r.Right - 16);
    EXPECT_EQ(Items(*Grid->DropList()), (std::vector<std::string>{"", "(All)", "9", "10", "maize", "winter wheat"}));
    EXPECT_EQ(Grid->DropList()->ItemIndex(), 0);
    ReleaseOnButton(1);
    EXPECT_EQ(closed, 1);
}

// Choosing a value by clicking it in the list filters the grid; the value with a blank is
// matched as a whole text; the clear entry shows every row again.
TEST_F(ExtGridFilterButtonsTest, ChoosingAValueInTheListFiltersTheColumn)
{
    struct Case {
        int item;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {5, {"winter wheat", "winter wheat"}},
        {0, {""}},
        {4, {"maize", "maize"}},
        {1, {"maize", "", "winter wheat", "maize", "10", "9", "winter wheat"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        ASSERT_TRUE(ReleaseOnButton(1));
        THeadlessBackend::Click(Grid->DropList(), 10, ItemY(*Grid->DropList(), c.item));
        EXPECT_FALSE(Grid->DropList()->Visible());
        EXPECT_EQ(ShownColumn1(), c.shown);
        EXPECT_EQ(Grid->FilterColumn(), -1);
    }
}

TEST_F(ExtGridFilterButtonsTest, CheckingItemsFiltersByAllOfThemAndReopeningShowsTheirChecks)
{
    Grid->SetFilterDropDownCheck(true);
    ASSERT_TRUE(ReleaseOnButton(1));
    grid::TDropCheckList& list = *Grid->DropCheckList();
    ASSERT_TRUE(list.Visible());
    // No clear entry in the check list; the value with a blank in quotes.
    EXPECT_EQ(Items(list), (std::vector<std::string>{"", "9", "10", "maize", "\"winter wheat\""}));
    THeadlessBackend::Click(&list, 5, ItemY(list, 4));
    THeadlessBackend::Click(&list, 5, ItemY(list, 1));
    EXPECT_TRUE(list.Visible());  // the check list stays open
    EXPECT_EQ(ShownColumn1(), (std::vector<std::string>{"winter wheat", "9", "winter wheat"}));
    ASSERT_EQ(Grid->Filter().Count(), 1);
    EXPECT_EQ(Grid->Filter().Items(0).Condition(), "9|\"winter wheat\"");
    // Closing and opening again checks exactly the values of the column's condition.
    ReleaseOnButton(1);
    ASSERT_TRUE(ReleaseOnButton(1));
    for (int i = 0; i < list.Count(); ++i) EXPECT_EQ(list.Checked(i), i == 1 || i == 4) << i;
}

TEST_F(ExtGridFilterButtonsTest, OnFilterShowRefusingLeavesTheListFilledButHidden)
{
    Grid->OnFilterShow = [](rtl::TObject*, int, bool& allow) { allow = false; };
    ReleaseOnButton(1);
    EXPECT_FALSE(Grid->DropList()->Visible());
    EXPECT_EQ(Grid->DropList()->Count(), 6);
}

// A list that would reach past the grid's right edge ends at its header cell's right edge.
TEST_F(ExtGridFilterButtonsTest, AListAtTheRightEdgeIsMovedBackInsideTheGrid)
{
    Grid->SetColWidths(2, 200);
    Grid->SetCells(2, 1, "spring barley");
    ASSERT_TRUE(ReleaseOnButton(2));
    const rtl::TRect header = Grid->CellRect(2, 0);
    ASSERT_GT(header.Right - 16 + Grid->FilterDropDown().Width(), Grid->ClientWidth());
    EXPECT_EQ(Grid->DropList()->Left() + Grid->DropList()->Width(), header.Right);
    EXPECT_EQ(Grid->DropList()->Width(), Grid->FilterDropDown().Width());
}

// AutoSize: more values than fit make the list as high as the grid below the header and
// as wide as its widest value with the scroll bar beside it.
TEST_F(ExtGridFilterButtonsTest, AnAutoSizedListTooLongForTheGridTakesItsHeightAndAScrollBar)
{
    Grid->SetRowCount(60);
    for (int r = 1; r < 60; ++r) Grid->SetCells(1, r, "value " + std::to_string(r));
    Grid->FilterDropDown().SetAutoSize(true);
    ASSERT_TRUE(ReleaseOnButton(1));
    TDropList& list = *Grid->DropList();
    EXPECT_EQ(list.Height(), Grid->Height() - Grid->RowHeights(0));
    int widest = 0;
    for (int i = 0; i < list.Count(); ++i) widest = std::max(widest, list.Canvas().TextWidth(list.Items().Strings(i)));
    EXPECT_EQ(list.Width(), widest + 8 + 2 * ui::GetSystemMetrics(ui::SM_CXEDGE) + ui::GetSystemMetrics(ui::SM_CXVSCROLL));
}

// The filter-type button: a release strictly inside the 16-pixel square at the top-left of a
// filter edit cell, in the column whose button was pressed, pops the menu up for that column.
TEST_F(ExtGridFilterButtonsTest, AReleaseOnTheFilterTypeButtonPopsUpTheMenuForThatColumn)
{
    Grid->SetFixedRows(2);
    Grid->FilterEdit().SetRow(1);
    Grid->FilterEdit().SetEnabled(true);
    long long poppedFor = -1;
    Grid->FilterPopup().OnPopup = [&](rtl::TObject*) { poppedFor = Grid->FilterPopup().Tag(); };
    const rtl::TRect r = Grid->CellRect(1, 1);
    struct Case {
        int pressedCol;
        int dx;
        int dy;
        bool pops;
    };
    const Case cases[] = {
        {1, 1, 5, true}, {1, 15, 15, true}, {1, 0, 5, false}, {1, 16, 5, false}, {1, 5, 16, false}, {2, 5, 5, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pressedCol << " " << c.dx << " " << c.dy);
        poppedFor = -1;
        Grid->SetFilterPopPressCol(c.pressedCol);
        EXPECT_EQ(Grid->FilterButtonRelease(1, 1, r.Left + c.dx, r.Top + c.dy), c.pops);
        EXPECT_EQ(poppedFor, c.pops ? 1 : -1);
    }
    EXPECT_EQ(Grid->FilterPopup().Items().Items(0)->Caption(), Grid->FilterEdit().TypeNames().Strings(0));
}

// The drop-down under a real display (Xvfb in the test run), kept as a screenshot.
TEST(ExtGridFilterDropDownScreen, TheOpenListShowsOnTheRealWindow)
{
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') GTEST_SKIP() << "no DISPLAY; run under xvfb-run";
    ui::TApplication application;
    auto backend = std::make_unique<ui::TSdlBackend>();
    ui::TSdlBackend* sdl = backend.get();
    application.SetBackend(std::move(backend));
    auto* form = new ui::TForm(&application);
    form->SetBounds(40, 40, 420, 320);
    auto* g = new grid::TExtStringGrid(form);
    g->SetParent(form);
    g->SetBounds(10, 10, 400, 300);
    g->SetColCount(3);
    g->SetRowCount(8);
    g->SetColWidths(1, 140);
    const char* values[] = {"Crop", "maize", "", "winter wheat", "maize", "sunflower", "barley", "winter wheat"};
    for (int r = 0; r < 8; ++r) g->SetCells(1, r, values[r]);
    g->SetFilterDropDownAuto(true);
    form->Show();
    application.ProcessMessages();
    const rtl::TRect header = g->CellRect(1, 0);
    ASSERT_TRUE(g->FilterButtonRelease(1, 0, header.Right - 8, header.Top + 5));
    grid::TDropList* list = g->DropList();
    ASSERT_TRUE(list->Visible());
    EXPECT_EQ(list->Count(), 6);  // the empty cell, the clear entry and four values

    SDL_Window* window = sdl->SdlWindow(form);
    ASSERT_NE(window, nullptr);
    // The selected first item is painted in the highlight colour once the window shows.
    const rtl::TPoint origin = list->ClientOriginInWindow();
    const rtl::TPoint firstItem{origin.X + 30, origin.Y + list->ItemHeight() / 2};
    SDL_Surface* surface = nullptr;
    bool drawn = false;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (!drawn && std::chrono::steady_clock::now() < until) {
        application.ProcessMessages();
        surface = SDL_GetWindowSurface(window);
        if (surface != nullptr && surface->w >= origin.X + 40) {
            SDL_LockSurface(surface);
            drawn = SurfacePixel(surface, firstItem.X, firstItem.Y) == gfx::ColorToRGB(gfx::clHighlight);
            SDL_UnlockSurface(surface);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(drawn);
    SaveSurfacePng(surface, testsupport::BuildDir() / "screenshots" / "grid-filter-dropdown.png");
    EXPECT_TRUE(std::filesystem::exists(testsupport::BuildDir() / "screenshots" / "grid-filter-dropdown.png"));
}

}  // namespace
