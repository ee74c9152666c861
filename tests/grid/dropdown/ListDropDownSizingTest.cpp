// Both list drop-downs fit their open list to the item texts: word-wrapped columns size the
// rows (a long text wraps onto several lines, a short one keeps the least height, a list
// without wrapped columns keeps its own row height) and an auto-sized column takes the width of
// its widest item.
#include <gtest/gtest.h>

#include <string>

#include "tests/grid/dropdown/ListDropDownKinds.h"

namespace {

using namespace grid;

template <class Kind>
class ListSizingTest : public dropdowntest::ListDropDownTest<Kind> {
protected:
    // Opens the list with a seventh item whose crop name is long.
    void OpenWithLongItem()
    {
        this->Drop->BeginUpdate();
        this->AddItem({"Winter wheat sown in the autumn", "Ww"});
        this->Drop->EndUpdate();
        this->Open();
    }
};

TYPED_TEST_SUITE(ListSizingTest, dropdowntest::ListDropDownKinds);

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
