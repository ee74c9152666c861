// The grid's filter list windows, filter icons and filter-type menu, driven through real keys, clicks and messages.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "tests/grid/GridOnFormTest.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/FilterLists.h"
#include "grid/core/GridOptionsFilter.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Keyboard.h"

using namespace grid;
using ui::THeadlessBackend;

namespace {

class FilterListsTest : public gridtest::GridOnFormTest {
protected:
    void SetUp() override
    {
        GridOnFormTest::SetUp();
        Grid->SetBounds(0, 0, 450, 350);
        Grid->OnFilterSelect = [this](TSender, int col, int index, const std::string& name, std::string&) {
            Events.push_back("select " + std::to_string(col) + " " + std::to_string(index) + " " + name);
        };
        Grid->OnFilterCheck = [this](TSender, int col, std::vector<std::string>& checked) {
            std::string line = "check " + std::to_string(col);
            for (const std::string& s : checked) line += " " + s;
            Events.push_back(line);
        };
        Grid->OnFilterClose = [this](TSender, int col) { Events.push_back("close " + std::to_string(col)); };
        Form->Show();
    }
    // Opens the list as the header's filter button does: filled, placed and focused.
    template <class TList>
    TList& Open(TList* list)
    {
        list->Items().Clear();
        for (const char* s : {"alpha", "beta", "gamma"}) list->Items().Add(s);
        list->SetBounds(50, 40, 120, 100);
        list->SetVisible(true);
        list->SetFocus();
        Grid->SetFilterColumn(2);
        return *list;
    }
    void CancelModeWithCursorAt(ui::TWinControl& list, int x, int y)
    {
        ui::SetCursorPosState(list.ClientToScreen({x, y}));
        list.Perform(CM_CANCELMODE, 0, 0);
    }

    std::vector<std::string> Events;
};

}  // namespace

TEST_F(FilterListsTest, GridOwnsHiddenEmptyListsParentedToItself)
{
    for (ui::TWinControl* list : std::vector<ui::TWinControl*>{Grid->DropList(), Grid->DropCheckList()}) {
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->Parent(), Grid);
        EXPECT_EQ(list->Owner(), Grid);
        EXPECT_FALSE(list->Visible());
        EXPECT_EQ(list->Width(), 0);
        EXPECT_EQ(list->Height(), 0);
    }
}

TEST_F(FilterListsTest, DropListPicksWithEnterOrAClickAndClosesWithEscapeWithoutAChoice)
{
    TDropList& list = Open(Grid->DropList());
    THeadlessBackend::PressKey(ui::VK_DOWN);
    THeadlessBackend::PressKey(ui::VK_DOWN);
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(Events, (std::vector<std::string>{"select 2 1 beta"}));

    Events.clear();
    Open(Grid->DropList());
    THeadlessBackend::PressKey(ui::VK_ESCAPE);
    EXPECT_FALSE(list.Visible());
    EXPECT_TRUE(Events.empty());

    Open(Grid->DropList());
    Form->PaintPending();
    const rtl::TRect third = list.ItemRect(2);
    THeadlessBackend::Click(&list, third.Left + 5, third.Top + 2);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(Events, (std::vector<std::string>{"select 2 2 gamma"}));
}

TEST_F(FilterListsTest, CancelModeOutsideTheListAbandonsTheColumnButNotJustAboveIt)
{
    TDropList& list = Open(Grid->DropList());
    CancelModeWithCursorAt(list, 10, -15);  // on the header cell's filter button
    EXPECT_TRUE(list.Visible());
    EXPECT_EQ(Grid->FilterColumn(), 2);
    CancelModeWithCursorAt(list, 10, 20);  // inside
    EXPECT_TRUE(list.Visible());
    CancelModeWithCursorAt(list, 10, -25);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(Grid->FilterColumn(), -1);
    EXPECT_EQ(Events, (std::vector<std::string>{"close 2"}));

    // The check list has no such margin above it.
    Events.clear();
    TDropCheckList& checks = Open(Grid->DropCheckList());
    CancelModeWithCursorAt(checks, 10, -5);
    EXPECT_FALSE(checks.Visible());
    EXPECT_EQ(Events, (std::vector<std::string>{"close 2"}));
}

TEST_F(FilterListsTest, CheckListReportsEveryTickAndStaysOpenUntilEscape)
{
    TDropCheckList& list = Open(Grid->DropCheckList());
    list.SetItemIndex(0);
    THeadlessBackend::PressKey(ui::VK_SPACE);
    THeadlessBackend::PressKey(ui::VK_DOWN);
    THeadlessBackend::PressKey(ui::VK_DOWN);
    THeadlessBackend::PressKey(ui::VK_SPACE);
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_TRUE(list.Visible());
    EXPECT_EQ(Events, (std::vector<std::string>{"check 2 alpha", "check 2 alpha gamma"}));
    THeadlessBackend::PressKey(ui::VK_ESCAPE);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(Events.size(), 2u);
}

TEST_F(FilterListsTest, NineDistinctFilterIconsInFilterTypeOrder)
{
    gfx::TImageList& icons = Grid->FilterIcons();
    ASSERT_EQ(icons.Count(), 9);
    EXPECT_EQ(icons.Width(), 16);
    EXPECT_EQ(icons.Height(), 16);
    std::vector<std::string> seen;
    for (int i = 0; i < icons.Count(); ++i) {
        gfx::TBitmap b(16, 16);
        b.Canvas().Brush().SetColor(gfx::clWhite);
        b.Canvas().FillRect(rtl::Rect(0, 0, 16, 16));
        icons.Draw(b.Canvas(), 0, 0, i);
        std::string pixels;
        int inked = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const gfx::TColor c = b.Canvas().Pixels(x, y);
                pixels += std::to_string(c) + ",";
                inked += c != gfx::clWhite;
            }
        EXPECT_EQ(b.Canvas().Pixels(0, 0), gfx::clWhite) << i;  // the corner is transparent
        EXPECT_GT(inked, 10) << i;
        for (const std::string& other : seen) EXPECT_NE(pixels, other) << i;
        seen.push_back(pixels);
    }
}

TEST_F(FilterListsTest, FilterMenuHasOneItemPerTypeNameAndItsClickBuildsTheColumnsCondition)
{
    ui::TMenuItem& items = Grid->FilterPopup().Items();
    ASSERT_EQ(items.Count(), 9);
    for (int i = 0; i < 9; ++i) {
        auto* item = dynamic_cast<TFilterMenuItem*>(items.Items(i));
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->Caption(), Grid->FilterEdit().TypeNames().Strings(i));
        EXPECT_EQ(item->Tag(), i);
        EXPECT_EQ(item->ImageIndex(), i);
    }
    EXPECT_EQ(items.Items(0)->Caption(), "Starts with");
    EXPECT_EQ(items.Items(8)->Caption(), "Clear");

    Grid->FilterEdit().SetEnabled(true);
    Grid->SetCells(2, 0, "ab");
    std::vector<std::string> updates;
    Grid->OnFilterEditUpdate = [&](TSender, int col, const std::string& text, TFilterType type) {
        updates.push_back(std::to_string(col) + " " + text + " " + std::to_string(type));
    };
    Grid->SetFilterPopupColumn(2);
    items.Items(ftEndsWith)->Click();
    ASSERT_TRUE(Grid->Filter().HasFilter(2));
    EXPECT_EQ(Grid->Filter().GetColFilter(2).Condition(), "*ab");
    EXPECT_TRUE(Grid->Filter().GetColFilter(2).Enabled());

    // Clearing empties the filter cell and leaves a disabled "contains" condition.
    items.Items(ftClear)->Click();
    EXPECT_EQ(Grid->Cells(2, 0), "");
    EXPECT_EQ(Grid->Filter().GetColFilter(2).FilterType(), ftContains);
    EXPECT_FALSE(Grid->Filter().GetColFilter(2).Enabled());
    EXPECT_EQ(updates, (std::vector<std::string>{"2 ab 1", "2  2"}));
}
