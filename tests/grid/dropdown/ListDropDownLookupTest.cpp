// The typed lookup both list drop-downs share: prefix matching with and without regard to case,
// and Backspace typed into the open list.
#include <gtest/gtest.h>

#include <string>

#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
#include "grid/dropdown/ListLookup.h"
#include "platform/backend/HeadlessBackend.h"
#include "tests/grid/dropdown/ColumnDropDownFixture.h"

namespace {

using namespace grid;

TEST(ListLookup, PrefixMatchingFoldsCaseUnlessItCounts)
{
    struct Case {
        const char* text;
        const char* foldedPrefix;
        bool caseSensitive;
        bool starts;
    } cases[] = {
        {"barley", "BAR", false, true},
        {"Barley", "BAR", true, false},
        {"Barley", "Bar", true, true},
        {"bar", "BARLEY", false, false},     // the prefix is longer than the text
        {"Barley", "", false, false},        // an empty prefix matches nothing
        {"őszi búza", "ŐSZI", false, true},  // folded by the locale past ASCII
        {"Őszi búza", "Ősz", true, true},
        {"Őszi búza", "ŐSZ", true, false},
        {"ősz", "ŐSZI", false, false},
        {"oszi", "ŐSZI", false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartsWithFolded(c.text, c.foldedPrefix, c.caseSensitive), c.starts)
            << c.text << " / " << c.foldedPrefix << " / " << c.caseSensitive;
}

struct GridDropDownKind {
    using Drop = TExtGridDropDown;
    using Column = griddropdown::TDropDownColumn;
    using Item = griddropdown::TDropDownItem;
};

struct MultiColumnDropDownKind {
    using Drop = TExtMultiColumnDropDown;
    using Column = multicolumn::TDropDownColumn;
    using Item = multicolumn::TDropDownItem;
};

template <class Kind>
class OpenListLookupTest
    : public dropdowntest::ColumnDropDownTest<typename Kind::Drop, typename Kind::Column, typename Kind::Item> {
protected:
    void Open()
    {
        ui::THeadlessBackend::PressKey(ui::VK_F4);
        ASSERT_TRUE(this->Drop->DroppedDown());
    }
};

using ListDropDownKinds = ::testing::Types<GridDropDownKind, MultiColumnDropDownKind>;
TYPED_TEST_SUITE(OpenListLookupTest, ListDropDownKinds);

TYPED_TEST(OpenListLookupTest, BackspaceDeletesTheCompletedTailAndEndsTheEntry)
{
    this->Open();
    this->Type("apr");
    ASSERT_EQ(this->Drop->Text(), "Apricot");
    ASSERT_EQ(this->Drop->SelText(), "icot");
    ui::THeadlessBackend::PressKey(ui::VK_BACK);
    EXPECT_EQ(this->Drop->Text(), "Apr");
    EXPECT_EQ(this->Drop->SelStart(), 3);
    EXPECT_EQ(this->Drop->SelLength(), 0);
    EXPECT_EQ(this->Drop->LookupEntry(), "");
    EXPECT_EQ(this->Drop->ItemIndex(), 1);
    EXPECT_TRUE(this->Drop->DroppedDown());
}

TYPED_TEST(OpenListLookupTest, BackspaceWithoutASelectionShortensTheEntryIntoTheText)
{
    this->Open();
    this->Type("cherry");
    ASSERT_EQ(this->Drop->SelLength(), 0);
    const std::string entry = this->Drop->LookupEntry();
    ASSERT_EQ(entry.size(), 6u);
    ui::THeadlessBackend::PressKey(ui::VK_BACK);
    EXPECT_EQ(this->Drop->Text(), entry.substr(0, 5));
    EXPECT_EQ(this->Drop->SelStart(), 5);
}

}  // namespace
