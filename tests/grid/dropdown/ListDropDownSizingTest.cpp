// Both list drop-downs fit their open list to the item texts: word-wrapped columns size the
// rows (a long text wraps onto several lines, a short one keeps the least height, a list
// without wrapped columns keeps its own row height) and an auto-sized column takes the width of
// its widest item.
#include <gtest/gtest.h>

#include <string>

#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "tests/grid/dropdown/ColumnDropDownFixture.h"

namespace {

using namespace grid;

struct GridDropDownKind {
    using Drop = TExtGridDropDown;
    using Column = griddropdown::TDropDownColumn;
    using Item = griddropdown::TDropDownItem;
    static ui::TCustomGrid& List(Drop& d) { return *d.GetColGrid(); }
};

struct MultiColumnDropDownKind {
    using Drop = TExtMultiColumnDropDown;
    using Column = multicolumn::TDropDownColumn;
    using Item = multicolumn::TDropDownItem;
    static ui::TCustomGrid& List(Drop& d) { return *d.ColGrid(); }
};

template <class Kind>
class ListSizingTest
    : public dropdowntest::ColumnDropDownTest<typename Kind::Drop, typename Kind::Column, typename Kind::Item> {
protected:
    ui::TCustomGrid& List() { return Kind::List(*this->Drop); }
    // Opens the list with a seventh item whose crop name is long.
    void OpenWithLongItem()
    {
        this->Drop->BeginUpdate();
        this->AddItem({"Winter wheat sown in the autumn", "Ww"});
        this->Drop->EndUpdate();
        Open();
    }
    void Open()
    {
        ui::THeadlessBackend::PressKey(ui::VK_F4);
        ASSERT_TRUE(this->Drop->DroppedDown());
    }
};

using ListDropDownKinds = ::testing::Types<GridDropDownKind, MultiColumnDropDownKind>;
TYPED_TEST_SUITE(ListSizingTest, ListDropDownKinds);

TYPED_TEST(ListSizingTest, AWrappedColumnSizesEachItemRow)
{
    this->Drop->Columns().Items(0)->SetWordwrap(true);
    this->OpenWithLongItem();
    ui::TCustomGrid& list = this->List();
    ASSERT_EQ(list.RowCount(), 8);
    EXPECT_EQ(list.RowHeights(1), 24) << "a short text keeps the least height of a wrapped row";
    EXPECT_EQ(list.RowHeights(6), 24);
    EXPECT_GT(list.RowHeights(7), 40) << "the long text wraps onto several lines";
}

TYPED_TEST(ListSizingTest, WithoutWrappedColumnsTheRowsKeepTheirHeight)
{
    this->OpenWithLongItem();
    ui::TCustomGrid& list = this->List();
    EXPECT_EQ(list.RowHeights(1), list.DefaultRowHeight());
    EXPECT_EQ(list.RowHeights(7), list.DefaultRowHeight());
}

TYPED_TEST(ListSizingTest, AnAutoSizedColumnTakesTheWidthOfItsWidestItem)
{
    this->Drop->SetColumnSizeWithDropDown(false);
    this->Drop->Columns().Items(0)->SetAutoSize(true);
    this->Open();
    const int shortNames = this->List().ColWidths(0);
    EXPECT_LT(shortNames, 100) << "the widest of the six short names is narrower than the column was";
    EXPECT_GT(shortNames, 20);
    EXPECT_EQ(this->List().ColWidths(1), 50) << "a column without auto-size keeps its width";
    this->Drop->HideDropDown(false);
    this->OpenWithLongItem();
    EXPECT_GT(this->List().ColWidths(0), 2 * shortNames);
}

}  // namespace
