// Tests of the grid's small containers: integer lists, sort keys, cell controls, line-wise string lists.
#include "grid/core/GridLists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/rtl/Exceptions.h"
#include "platform/ui/Controls.h"
#include "tests/support/TempDir.h"

using grid::TControlList;
using grid::TFileStringList;
using grid::TIntList;
using grid::TSortIndexList;

namespace {

TIntList ListOf(std::initializer_list<int> values)
{
    TIntList list(-1, -1);
    for (int v : values) list.Add(v);
    return list;
}

// Records every change event a list fires.
struct ChangeLog {
    struct Entry {
        rtl::TObject* sender;
        int col;
        int row;
    };
    std::vector<Entry> entries;
    void Bind(TIntList& list)
    {
        list.OnChange = [this](rtl::TObject* s, int c, int r) { entries.push_back({s, c, r}); };
    }
};

}  // namespace

TEST(IntListTest, ChangeEventsCarryTheListAndItsCellOnlyForAddDeleteAndWrites)
{
    TIntList list(3, 7);
    ChangeLog log;
    log.Bind(list);

    list.Add(10);
    list.Add(20);
    list.Insert(0, 5);  // positional insert: no event
    list.SetInteger(1, 11);
    list.DeleteValue(99);  // absent: nothing
    list.DeleteValue(20);
    list.Delete(0);
    list.Clear();  // no event

    ASSERT_EQ(log.entries.size(), 5u);
    for (const auto& e : log.entries) {
        EXPECT_EQ(e.sender, &list);
        EXPECT_EQ(e.col, 3);
        EXPECT_EQ(e.row, 7);
    }
    EXPECT_EQ(list.Count(), 0);
}

TEST(IntListTest, OperationsKeepTheItemsInOrder)
{
    TIntList list = ListOf({4, 8, 15});
    list.Insert(1, 6);
    list.Insert(4, 42);  // at Count: appends
    EXPECT_EQ(list.Values(), (std::vector<int>{4, 6, 8, 15, 42}));
    list.SetItems(0, -4);
    list.Delete(2);
    EXPECT_EQ(list.Values(), (std::vector<int>{-4, 6, 15, 42}));
    EXPECT_TRUE(list.HasValue(15));
    EXPECT_FALSE(list.HasValue(8));
    EXPECT_EQ(list.IndexOf(42), 3);
    EXPECT_EQ(list[1], 6);
}

TEST(IntListTest, IndexOutsideTheListRaisesListErrorAndChangesNothing)
{
    TIntList list = ListOf({1, 2, 3});
    int events = 0;
    list.OnChange = [&](rtl::TObject*, int, int) { ++events; };

    EXPECT_THROW(list.GetInteger(3), rtl::EListError);
    EXPECT_THROW(list.GetInteger(-1), rtl::EListError);
    EXPECT_THROW(list.SetInteger(3, 0), rtl::EListError);
    EXPECT_THROW(list.Delete(-1), rtl::EListError);
    EXPECT_THROW(list.Insert(4, 9), rtl::EListError);
    try {
        list.Delete(5);
        FAIL();
    } catch (const rtl::EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (5)");
    }
    EXPECT_EQ(list.Values(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(events, 0);
}

TEST(IntListTest, SortedPosOfIsTheInsertionPointThatKeepsTheListAscending)
{
    struct Case {
        std::initializer_list<int> items;
        int value;
        int pos;
    };
    const Case cases[] = {
        {{1, 3, 5, 7}, 5, 2}, {{1, 3, 7}, 5, 2}, {{1, 3}, 5, 2}, {{}, 5, 0},
        {{1, 3, 5, 7}, 0, 0}, {{1, 3, 5, 7}, 8, 4}, {{5}, 5, 0}, {{5}, 6, 1},
    };
    for (const auto& c : cases) {
        TIntList list = ListOf(c.items);
        EXPECT_EQ(list.SortedPosOf(c.value), c.pos) << list.StrValue() << " / " << c.value;
    }
}

TEST(IntListTest, SortedIndexOfFindsEqualItemsOrAnswersMinusOne)
{
    EXPECT_EQ(ListOf({}).SortedIndexOf(1), -1);
    EXPECT_EQ(ListOf({4}).SortedIndexOf(4), 0);
    EXPECT_EQ(ListOf({4}).SortedIndexOf(5), -1);
    TIntList list = ListOf({1, 3, 5, 7, 9});
    for (int i = 0; i < 5; ++i) EXPECT_EQ(list.SortedIndexOf(1 + 2 * i), i);
    EXPECT_EQ(list.SortedIndexOf(4), -1);
    EXPECT_EQ(list.SortedIndexOf(10), -1);
    EXPECT_EQ(list.SortedIndexOf(0), -1);
}

TEST(IntListTest, SortedInsertFiresOnlyIntoAnEmptyList)
{
    TIntList list = ListOf({1, 3, 7});
    int events = 0;
    list.OnChange = [&](rtl::TObject*, int, int) { ++events; };
    list.Insert(4);
    EXPECT_EQ(list.StrValue(), "1,3,4,7");
    EXPECT_EQ(events, 0);

    TIntList empty(0, 0);
    empty.OnChange = [&](rtl::TObject*, int, int) { ++events; };
    empty.Insert(4);
    EXPECT_EQ(empty.StrValue(), "4");
    EXPECT_EQ(events, 1);
}

TEST(IntListTest, SortedInsertsOfManyValuesKeepTheListSortedWithDuplicatesTogether)
{
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> dist(-50, 50);
    TIntList list(0, 0);
    std::vector<int> expected;
    for (int i = 0; i < 500; ++i) {
        int v = dist(rng);
        list.Insert(v);
        expected.push_back(v);
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(list.Values(), expected);
    for (int v : {-50, 0, 17, 50}) {
        int i = list.SortedIndexOf(v);
        if (std::binary_search(expected.begin(), expected.end(), v)) {
            ASSERT_GE(i, 0);
            EXPECT_EQ(list[i], v);
        } else {
            EXPECT_EQ(i, -1);
        }
    }
}

TEST(IntListTest, TextFormRoundTripsAndFiresOncePerItem)
{
    TIntList list = ListOf({1, 20, 3});
    EXPECT_EQ(list.StrValue(), "1,20,3");
    EXPECT_EQ(ListOf({}).StrValue(), "");
    EXPECT_EQ(ListOf({-7}).StrValue(), "-7");

    TIntList target(0, 0);
    int events = 0;
    target.OnChange = [&](rtl::TObject*, int, int) { ++events; };
    target.SetStrValue("4, 5");
    EXPECT_EQ(target.Values(), (std::vector<int>{4, 5}));
    EXPECT_EQ(events, 2);

    target.SetStrValue(list.StrValue());
    EXPECT_EQ(target.Values(), list.Values());
    target.SetStrValue("8 9,\"10\"");
    EXPECT_EQ(target.Values(), (std::vector<int>{8, 9, 10}));
    target.SetStrValue("");
    EXPECT_EQ(target.Count(), 0);
}

TEST(IntListTest, TextWithAPieceThatIsNoIntegerRaisesConvertErrorKeepingTheItemsBefore)
{
    TIntList list = ListOf({9, 9});
    try {
        list.SetStrValue("1,2,x3,4");
        FAIL();
    } catch (const rtl::EConvertError& e) {
        EXPECT_NE(e.Message().find("x3"), std::string::npos);
    }
    EXPECT_EQ(list.Values(), (std::vector<int>{1, 2}));
}

TEST(IntListTest, EveryListTakesTheNextCreationNumber)
{
    TIntList a(0, 0);
    TIntList b(0, 0);
    TSortIndexList c;
    EXPECT_EQ(b.Tag(), a.Tag() + 1);
    EXPECT_EQ(c.Tag(), b.Tag() + 1);
}

TEST(SortIndexListTest, KeysHoldColumnAndDirection)
{
    TSortIndexList keys;
    keys.AddIndex(3, true);
    keys.AddIndex(5, false);
    EXPECT_EQ(keys[0], 3);
    EXPECT_LT(keys[1], 0);  // descending: bit 31 set
    EXPECT_EQ(keys.SortColumns(1), 5);
    EXPECT_TRUE(keys.SortDirections(0));
    EXPECT_FALSE(keys.SortDirections(1));
    EXPECT_EQ(keys.FindIndex(5), 1);
    EXPECT_EQ(keys.FindIndex(4), -1);

    keys.SetSortColumns(1, 6);
    EXPECT_EQ(keys.SortColumns(1), 6);
    EXPECT_FALSE(keys.SortDirections(1));
    keys.SetSortDirections(1, true);
    keys.SetSortDirections(0, false);
    EXPECT_EQ(keys.SaveToString(), "d3;u6");

    keys.ToggleIndex(3);
    EXPECT_TRUE(keys.SortDirections(0));
    keys.ToggleIndex(9);  // absent: nothing
    EXPECT_EQ(keys.SaveToString(), "u3;u6");
    EXPECT_THROW(keys.SortColumns(2), rtl::EListError);
    EXPECT_THROW(keys.SetSortDirections(-1, true), rtl::EListError);
}

TEST(SortIndexListTest, SortKeyTextLoadsSkippingShortPiecesAndSavesBack)
{
    struct Case {
        const char* text;
        const char* saved;
    };
    const Case cases[] = {
        {"u3;d5;x;u", "u3;d5"}, {"x7", "d7"}, {"", ""}, {";;", ""}, {"u12;dab", "u12;d0"}, {"u0;d65535", "u0;d65535"},
    };
    for (const auto& c : cases) {
        TSortIndexList keys;
        keys.AddIndex(99, true);  // cleared by the load
        keys.LoadFromString(c.text);
        EXPECT_EQ(keys.SaveToString(), c.saved) << c.text;
    }
    TSortIndexList keys;
    keys.LoadFromString("u3;d5;x;u");
    ASSERT_EQ(keys.Count(), 2);
    EXPECT_EQ(keys.SortColumns(0), 3);
    EXPECT_TRUE(keys.SortDirections(0));
    EXPECT_EQ(keys.SortColumns(1), 5);
    EXPECT_FALSE(keys.SortDirections(1));
}

TEST(ControlListTest, FindsControlsByCellAndNeverFreesThem)
{
    auto first = std::make_unique<ui::TWinControl>(nullptr);
    auto second = std::make_unique<ui::TWinControl>(nullptr);
    {
        TControlList list;
        EXPECT_EQ(list.ControlIndex(1, 1), -1);
        list.AddControl(1, 2, first.get());
        list.AddControl(3, 4, second.get());
        list.AddControl(1, 2, second.get());
        EXPECT_EQ(list.ControlIndex(1, 2), 0);
        EXPECT_EQ(list.ControlIndex(3, 4), 1);
        EXPECT_EQ(list.ControlIndex(2, 1), -1);
        EXPECT_EQ(list.Control(1)->Control(), second.get());
        EXPECT_EQ(list.Control(1)->X(), 3);
        EXPECT_EQ(list.Control(1)->Y(), 4);
        EXPECT_THROW(list.GetControl(3), rtl::EListError);

        EXPECT_TRUE(list.HasHandle(second->Handle()));
        EXPECT_FALSE(list.HasHandle(second->Handle() + 1000));

        list.RemoveControl(0);
        EXPECT_EQ(list.Count(), 2);
        EXPECT_EQ(list.ControlIndex(1, 2), 1);
        list.ClearControls();
        EXPECT_EQ(list.Count(), 0);
        list.AddControl(5, 5, first.get());
    }
    // The controls outlive the list.
    first->SetName("StillAlive");
    EXPECT_EQ(first->Name(), "StillAlive");
}

TEST(FileStringListTest, WritesPendingTextIntoLinesAndReadsThemBack)
{
    testsupport::TempDir dir;
    TFileStringList out;
    out.WriteLn("a");
    out.Write("b");
    out.WriteLn("c");
    ASSERT_EQ(out.Count(), 2);
    EXPECT_EQ(out[0], "a");
    EXPECT_EQ(out[1], "bc");
    out.SaveToFile(dir.File("lines.txt"));
    EXPECT_EQ(testsupport::ReadFileBytes(dir.File("lines.txt")), "a\r\nbc\r\n");

    TFileStringList in;
    in.LoadFromFile(dir.File("lines.txt"));
    in.Reset();
    std::string line;
    std::vector<std::string> read;
    while (!in.Eof()) {
        in.ReadLn(line);
        read.push_back(line);
    }
    EXPECT_EQ(read, (std::vector<std::string>{"a", "bc"}));
    EXPECT_THROW(in.ReadLn(line), rtl::EStringListError);
    in.Reset();
    in.ReadLn(line);
    EXPECT_EQ(line, "a");
}

TEST(FileStringListTest, ResetDropsTheTextOfAnUnfinishedLine)
{
    TFileStringList out;
    out.Write("lost");
    out.Reset();
    out.WriteLn("kept");
    ASSERT_EQ(out.Count(), 1);
    EXPECT_EQ(out[0], "kept");
}
