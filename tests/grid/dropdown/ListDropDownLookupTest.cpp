// The typed lookup both list drop-downs share: prefix matching with and without regard to case,
// and Backspace typed into the open list.
#include <gtest/gtest.h>

#include <string>

#include "grid/dropdown/ListLookup.h"
#include "platform/backend/HeadlessBackend.h"
#include "tests/grid/dropdown/ListDropDownKinds.h"

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

template <class Kind>
using OpenListLookupTest = dropdowntest::ListDropDownTest<Kind>;
TYPED_TEST_SUITE(OpenListLookupTest, dropdowntest::ListDropDownKinds);

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
