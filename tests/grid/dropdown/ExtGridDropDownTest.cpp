// The grid drop-down driven by keys, the mouse and the wheel on a headless form: heights, width
// spreading, key lookup in each mode and style, auto-completion, Escape, the wheel, narrowing,
// sorting, the application's own grid, the grid's events and the pop-up on pixels.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtCustomGridDropDown.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/ScreenModel.h"
#include "tests/grid/dropdown/ColumnDropDownFixture.h"

namespace {

using namespace grid;
using ui::THeadlessBackend;

class GridDropDownTest
    : public dropdowntest::ColumnDropDownTest<TExtGridDropDown, griddropdown::TDropDownColumn,
                                              griddropdown::TDropDownItem> {
protected:
    // The key's press brings its character.
    static void Backspace() { THeadlessBackend::PressKey(ui::VK_BACK); }
    griddropdown::TExtColGrid& Grid() const { return *Drop->GetColGrid(); }
    int DataRows() const { return Grid().RowCount() - Grid().FixedRows(); }
    std::string CurrentRowText() const { return Grid().Cells(0, Grid().Row()); }
    void ClickRow(int row)
    {
        const rtl::TRect cell = Grid().CellRect(0, row);
        THeadlessBackend::Click(&Grid(), cell.Left + 5, cell.Top + 5);
    }
};

TEST_F(GridDropDownTest, SizeableAndFixedPopupsBothShowWholeRowsBelowTheHeader)
{
    Drop->ShowDropDown();
    ASSERT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(PopupHeight(), 185);  // (200 - 25 - 2) div 22 = 7 rows of 22, + 25 + 6
    Drop->HideDropDown(false);

    Drop->SetDropDownSizeable(false);
    Drop->ResetUserDropDownSize();
    Drop->ShowDropDown();
    ASSERT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(PopupHeight(), 185);
    Drop->HideDropDown(false);

    // A visible header bar counts outside the rows.
    Drop->DropDownHeader().SetVisible(true);
    Drop->ResetUserDropDownSize();
    Drop->ShowDropDown();
    const int bar = Drop->DropDownHeader().Height();
    EXPECT_EQ(PopupHeight(), (200 - bar - 27) / 22 * 22 + bar + 31);
}

TEST_F(GridDropDownTest, AutoWidthTakesTheColumnsAndSpreadingSharesThePopupWidth)
{
    Drop->SetColumnSizeWithDropDown(false);
    Drop->ShowDropDown();
    EXPECT_EQ(Drop->DropDownForm()->Width(), 152) << "100 + 50 and a 1-pixel frame on each side";
    Drop->HideDropDown(false);

    Drop->Columns().Items(0)->SetWidth(100);
    Drop->Columns().Items(1)->SetWidth(200);
    Drop->SetColumnSizeWithDropDown(true);
    Drop->SetDropDownAutoWidth(false);
    Drop->SetDropDownWidth(302);  // 300 inside the frame
    Drop->ShowDropDown();
    EXPECT_EQ(Grid().ColWidths(0), 100);
    EXPECT_EQ(Grid().ColWidths(1), 199) << "300 / 301 of 200, rounded";
    EXPECT_LE(Grid().ColWidths(0) + Grid().ColWidths(1), Grid().ClientWidth());
}

TEST_F(GridDropDownTest, TypingInThePopupLooksUpByPrefixAndAFailedKeyEmptiesTheEntry)
{
    THeadlessBackend::PressKey(ui::VK_F4);
    ASSERT_TRUE(Drop->DroppedDown());
    ASSERT_EQ(ui::TInputRouter::Focus(), &Grid());
    struct Step {
        const char* keys;
        int item;
        const char* text;
        const char* entry;
    } steps[] = {
        {"a", 0, "Apple", "a"},
        {"p", 0, "Apple", "ap"},
        {"r", 1, "Apricot", "apr"},
        {"b", 1, "Apricot", ""},  // "aprb" matches nothing: the entry starts over
        {"b", 2, "Banana", "b"},
        {"a", 2, "Banana", "ba"},
        {"r", 4, "barley", "bar"},  // case does not count
        {"(", 4, "barley", ""},
        {"(", 3, "(paren)", "("},  // punctuation is looked up like letters
    };
    for (const Step& s : steps) {
        Type(s.keys);
        EXPECT_EQ(Drop->ItemIndex(), s.item) << s.keys;
        EXPECT_EQ(Drop->Text(), s.text) << s.keys;
        EXPECT_EQ(Drop->LookupEntry(), s.entry) << s.keys;
        EXPECT_EQ(CurrentRowText(), s.text) << s.keys;
    }
    EXPECT_EQ(Drop->SelText(), "paren)") << "the untyped tail is selected";
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 3);
    EXPECT_EQ(Drop->Text(), "(paren)");
    EXPECT_EQ(Selects, 1);
}

TEST_F(GridDropDownTest, AListStyleRestartsWithTheLastKeyAndNoLookupMovesNothing)
{
    Drop->SetStyle(dsDropDownList);
    EXPECT_FALSE(Drop->EditorEnabled());
    THeadlessBackend::PressKey(ui::VK_F4);
    Type("a");
    EXPECT_EQ(Drop->Text(), "Apple");
    Type("b");  // nothing starts with "ab", Banana with "b"
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Banana");
    EXPECT_EQ(Drop->LookupEntry(), "b");
    Type("z");  // neither "bz" nor "z": the item stays, the entry empties
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->LookupEntry(), "");
    Drop->HideDropDown(false);

    Drop->SetStyle(dsDropDown);
    Drop->SetLookupMethod(lmNone);
    Drop->SetItemIndex(1);
    THeadlessBackend::PressKey(ui::VK_F4);
    const int row = Grid().Row();
    Type("c");
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Grid().Row(), row);
    Drop->HideDropDown(false);

    // A blank as the first key is trimmed away and finds nothing.
    Drop->SetLookupMethod(lmLookup);
    THeadlessBackend::PressKey(ui::VK_F4);
    Type(" ");
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->LookupEntry(), "");
}

TEST_F(GridDropDownTest, TypingInTheEditCompletesFromTheLookupListAndTheCompletionsChangeEnds)
{
    Drop->SetLookupMethod(lmNone);  // the completion alone, without the key lookup
    std::vector<std::string> changes;
    Drop->OnChange = [&](rtl::TObject*) { changes.push_back(Drop->Text()); };
    Type("a");
    // The typed key, the completed text that the completion sets (its change does not
    // complete again), once more for the new item, and the item's own text on the key's release.
    EXPECT_EQ(changes, (std::vector<std::string>{"a", "apple", "apple", "Apple"}));
    struct Step {
        const char* keys;
        int item;
        const char* text;
        const char* selected;
    } steps[] = {
        {"p", 0, "Apple", "ple"},
        {"r", 1, "Apricot", "icot"},
    };
    for (const Step& s : steps) {
        Type(s.keys);
        EXPECT_EQ(Drop->ItemIndex(), s.item) << s.keys;
        EXPECT_EQ(Drop->Text(), s.text) << s.keys;
        EXPECT_EQ(Drop->SelText(), s.selected) << s.keys;
    }
    // Delete switches the completion off: the deleted tail stays deleted.
    THeadlessBackend::PressKey(ui::VK_DELETE);
    EXPECT_EQ(Drop->Text(), "Apr");

    // With MatchCase the typed case must match: "B" completes Banana, "b" barley.
    Drop->SetMatchCase(true);
    Drop->SetText("");
    Type("b");
    EXPECT_EQ(Drop->Text(), "barley");
    Drop->SetText("");
    Type("B");
    EXPECT_EQ(Drop->Text(), "Banana");
}

TEST_F(GridDropDownTest, AnItemAddedWithoutEndUpdateIsFoundByKeysButNotCompleted)
{
    AddItem({"Zucchini", "Zu"});
    THeadlessBackend::PressKey(ui::VK_F4);
    Type("z");
    EXPECT_EQ(Drop->ItemIndex(), 6) << "the key lookup reads the items";
    Drop->HideDropDown(true);

    Drop->SetLookupMethod(lmNone);
    Drop->SetText("");
    Type("z");
    EXPECT_EQ(Drop->Text(), "z") << "the completion reads the lookup list";
    Drop->EndUpdate();
    Drop->SetText("");
    Type("z");
    EXPECT_EQ(Drop->Text(), "Zucchini");
}

TEST_F(GridDropDownTest, EscapeBringsBackTheItemOfTheOpening)
{
    Drop->SetItemIndex(1);
    THeadlessBackend::PressKey(ui::VK_F4);
    ASSERT_EQ(Grid().Row(), 2);
    THeadlessBackend::PressKey(ui::VK_DOWN);
    THeadlessBackend::PressKey(ui::VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 3) << "each row moved to shows at once";
    EXPECT_EQ(Drop->Text(), "(paren)");
    THeadlessBackend::PressKey(ui::VK_ESCAPE);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Apricot");
    EXPECT_EQ(Selects, 0);
}

TEST_F(GridDropDownTest, ArrowsStepThroughTheClosedListInTheItemsAndTheGridTogether)
{
    THeadlessBackend::PressKey(ui::VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 0) << "from no item every step selects the first";
    THeadlessBackend::PressKey(ui::VK_NEXT);
    EXPECT_EQ(Drop->ItemIndex(), 5) << "fewer than ten remain: the last";
    THeadlessBackend::PressKey(ui::VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 5);
    THeadlessBackend::PressKey(ui::VK_UP);
    EXPECT_EQ(Drop->ItemIndex(), 4);
    EXPECT_EQ(Drop->Text(), "barley");
    THeadlessBackend::PressKey(ui::VK_PRIOR);
    EXPECT_EQ(Drop->ItemIndex(), 0);
    THeadlessBackend::PressKey(ui::VK_END);
    EXPECT_EQ(Drop->ItemIndex(), 0) << "End moves the item only in a list style";
    Drop->SetStyle(dsDropDownList);
    THeadlessBackend::PressKey(ui::VK_END);
    EXPECT_EQ(Drop->ItemIndex(), 5);
}

TEST_F(GridDropDownTest, TheWheelMovesTheRowAndAClickElsewhereKeepsIt)
{
    Drop->SetItemIndex(1);
    THeadlessBackend::PressKey(ui::VK_F4);
    ASSERT_EQ(Grid().Row(), 2);
    THeadlessBackend::Wheel(&Grid(), -120, 20, 40);
    const int row = Grid().Row();
    EXPECT_GT(row, 2) << "the wheel moves the current row";
    EXPECT_EQ(Drop->ItemIndex(), row - 1);
    EXPECT_EQ(Drop->Text(), CurrentRowText());
    EXPECT_FALSE(Grid().FConfirmSelection) << "a wheel step is no confirmed choice";
    Clock.Advance(1000);
    THeadlessBackend::Click(Other, 5, 5);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), row - 1) << "closing by a click elsewhere keeps the choice";

    // Over the closed edit each notch steps one item.
    Drop->SetItemIndex(1);
    Drop->SetFocus();
    THeadlessBackend::Wheel(Drop, -120, 5, 5);
    EXPECT_EQ(Drop->ItemIndex(), 2);
    THeadlessBackend::Wheel(Drop, 120, 5, 5);
    THeadlessBackend::Wheel(Drop, 120, 5, 5);
    EXPECT_EQ(Drop->ItemIndex(), 0);
}

TEST_F(GridDropDownTest, ClickingARowChoosesItAndClosesUnlessTheGridIsEditable)
{
    THeadlessBackend::PressKey(ui::VK_F4);
    ClickRow(5);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 4);
    EXPECT_EQ(Drop->Text(), "barley");
    EXPECT_EQ(Selects, 1);

    Drop->SetGridEditable(true);
    Clock.Advance(1000);
    Drop->SetFocus();
    THeadlessBackend::PressKey(ui::VK_F4);
    ClickRow(3);
    EXPECT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Selects, 2);
}

TEST_F(GridDropDownTest, NarrowingShowsOnlyMatchingRowsAndAnEmptiedEntryShowsThemAll)
{
    Drop->SetLookupMethod(lmNarrowDown);
    THeadlessBackend::PressKey(ui::VK_F4);
    auto shown = [&] {
        std::vector<std::string> rows;
        for (int r = Grid().FixedRows(); r < Grid().RowCount(); ++r) rows.push_back(Grid().Cells(0, r));
        return rows;
    };
    Type("ba");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Banana", "barley"}));
    EXPECT_EQ(Grid().Row(), 1);
    EXPECT_EQ(Drop->Text(), "Banana");
    EXPECT_EQ(Drop->ItemIndex(), 2);
    Type("rl");  // one row remains, the entry goes on
    EXPECT_EQ(shown(), (std::vector<std::string>{"barley"}));
    EXPECT_EQ(Drop->LookupEntry(), "barl");
    EXPECT_EQ(Drop->ItemIndex(), 4) << "the row still knows its item";
    EXPECT_EQ(Grid().Cells(0, 0), "Crop") << "the header row stays";

    // Each Backspace takes a key off the entry and shows the rows of the shorter one.
    Backspace();
    EXPECT_EQ(Drop->LookupEntry(), "bar");
    EXPECT_EQ(shown(), (std::vector<std::string>{"barley"}));
    Backspace();
    EXPECT_EQ(Drop->LookupEntry(), "ba");
    EXPECT_EQ(shown(), (std::vector<std::string>{"Banana", "barley"}));
    EXPECT_EQ(Drop->Text(), "Banana");
    Backspace();
    Backspace();
    EXPECT_EQ(Drop->LookupEntry(), "");
    EXPECT_EQ(DataRows(), 6) << "the filter is dropped";
    EXPECT_EQ(Drop->Text(), CurrentRowText()) << "the first row is current";
    EXPECT_EQ(Grid().FilterLevel(), 0);

    Type("ch");
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 5);
    EXPECT_EQ(Drop->Text(), "Cherry");
    // Opening again fills every item, narrowed by nothing.
    Drop->SetFocus();
    Clock.Advance(1000);
    THeadlessBackend::PressKey(ui::VK_F4);
    EXPECT_EQ(DataRows(), 6);
    EXPECT_EQ(CurrentRowText(), "Cherry");
}

TEST_F(GridDropDownTest, AHeaderClickSortKeepsTheItemAndTheGridEventsCarryTheirSenders)
{
    std::vector<std::string> log;
    auto senderName = [&](rtl::TObject* s) { return s == Drop ? "drop" : s == &Grid() ? "grid" : "?"; };
    Drop->OnGridCanSort = [&](rtl::TObject* s, int col, bool&) {
        log.push_back(std::string("cansort ") + senderName(s) + " " + std::to_string(col));
    };
    Drop->OnGridClickSort = [&](rtl::TObject* s, int col) {
        log.push_back(std::string("clicksort ") + senderName(s) + " " + std::to_string(col));
    };
    Drop->OnGridMouseDown = [&](rtl::TObject* s, ui::TMouseButton, ui::TShiftState, int, int) {
        log.push_back(std::string("mousedown ") + senderName(s));
    };
    Drop->OnGridKeyPress = [&](rtl::TObject* s, char32_t& key) {
        log.push_back(std::string("keypress ") + senderName(s) + " " + static_cast<char>(key));
    };
    int colorCalls = 0;
    Drop->OnGridGetCellColor = [&](rtl::TObject* s, int, int, ui::TGridDrawState, gfx::TBrush*, gfx::TFont*) {
        EXPECT_EQ(s, &Grid());
        ++colorCalls;
    };
    Drop->SetSorting(gsSingleColumn);
    Drop->SetItemIndex(1);
    THeadlessBackend::PressKey(ui::VK_F4);
    App->ProcessMessages();
    EXPECT_GT(colorCalls, 0);
    ASSERT_EQ(CurrentRowText(), "Apricot");
    const rtl::TRect header = Grid().CellRect(0, 0);
    THeadlessBackend::Click(&Grid(), header.Left + 20, header.Top + 8);
    EXPECT_EQ(log, (std::vector<std::string>{"mousedown grid", "cansort drop 0", "clicksort drop 0"}));
    EXPECT_NE(Grid().Cells(0, 2), "Apricot") << "the rows were sorted";
    EXPECT_EQ(CurrentRowText(), "Apricot") << "the chosen item's row is current again";
    EXPECT_EQ(Drop->ItemIndex(), 1);

    log.clear();
    Type("ch");
    EXPECT_EQ(CurrentRowText(), "Cherry");
    EXPECT_EQ(Drop->ItemIndex(), 5);
    EXPECT_EQ(log, (std::vector<std::string>{"keypress drop c", "keypress drop h"}));
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_EQ(Drop->ItemIndex(), 5);
    EXPECT_EQ(Drop->Text(), "Cherry");
}

TEST_F(GridDropDownTest, AnApplicationFilledGridGivesTheTextOfItsLookupColumn)
{
    Drop->SetUseItems(false);
    Drop->SetLookupColumn(1);
    Drop->Columns().Clear();
    griddropdown::TExtColGrid& grid = Grid();
    grid.SetColCount(3);
    grid.SetRowCount(4);
    const char* rows[][3] = {{"1", "Maize", "MZ"}, {"2", "Wheat", "WW"}, {"3", "Rye", "RY"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) grid.SetCells(c, r + 1, rows[r][c]);

    Drop->SetItemIndex(1);
    EXPECT_EQ(Drop->Text(), "Wheat");
    // An index that names no data row is ignored rather than reading past the last row.
    for (int index : {3, 4, 100}) {
        EXPECT_NO_THROW(Drop->SetItemIndex(index)) << index;
        EXPECT_EQ(Drop->ItemIndex(), 1) << index;
        EXPECT_EQ(Drop->Text(), "Wheat") << index;
    }
    std::string found;
    int position = -1;
    EXPECT_TRUE(Drop->FindLookupRow("r", found, position));
    EXPECT_EQ(found, "Rye");
    EXPECT_EQ(position, 3) << "without items the position is the grid row";

    THeadlessBackend::PressKey(ui::VK_F4);
    ASSERT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(grid.Row(), 2) << "the row whose lookup text starts with the edit's";
    EXPECT_EQ(Drop->Columns().Count(), 3) << "a column for each of the grid's";
    THeadlessBackend::PressKey(ui::VK_DOWN);
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Rye");
}

TEST_F(GridDropDownTest, WrappedColumnsOfAnApplicationGridMeasureItsOwnCells)
{
    Drop->SetUseItems(false);
    Drop->SetAutoSizeColumns(false);
    Drop->Columns().Clear();
    AddColumn("Crop", 60);
    Drop->Columns().Items(0)->SetWordwrap(true);
    griddropdown::TExtColGrid& grid = Grid();
    grid.SetColCount(1);
    grid.SetRowCount(3);
    grid.SetCells(0, 1, "Oat");
    grid.SetCells(0, 2, "Winter wheat sown in the autumn");
    THeadlessBackend::PressKey(ui::VK_F4);
    ASSERT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(grid.RowHeights(1), 24);
    EXPECT_GT(grid.RowHeights(2), 40) << "the long text wraps onto several lines";
}

TEST_F(GridDropDownTest, TheSelectedRowAndTheHeaderBandOnPixels)
{
    Drop->Columns().Items(0)->SetColor(gfx::clLime);
    Drop->SetItemIndex(2);
    THeadlessBackend::PressKey(ui::VK_F4);
    App->ProcessMessages();
    auto pixel = [&](int row) {
        const rtl::TRect cell = Grid().CellRect(0, row);
        return static_cast<gfx::TColor>(THeadlessBackend::Pixel(&Grid(), cell.Right - 8, cell.Top + 4));
    };
    const gfx::TColor selection = pixel(3);
    EXPECT_EQ(pixel(1), gfx::clLime) << "a column's colour fills its cells";
    EXPECT_NE(selection, gfx::clLime) << "the selected row shows the selection";
    const rtl::TRect header = Grid().CellRect(0, 0);
    EXPECT_EQ(header.Height(), 25);
    const auto band = static_cast<gfx::TColor>(THeadlessBackend::Pixel(&Grid(), header.Right - 8, header.Top + 12));
    EXPECT_NE(band, gfx::clLime);
    EXPECT_NE(band, selection);

    // The selection moves with the row.
    THeadlessBackend::PressKey(ui::VK_DOWN);
    App->ProcessMessages();
    ASSERT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(Grid().Row(), 4);
    EXPECT_EQ(Grid().LeftCol(), 0) << "the spread columns fit: nothing scrolls sideways";
    EXPECT_EQ(pixel(3), gfx::clLime);
    EXPECT_EQ(pixel(4), selection);
}

}  // namespace
