// The multi-column drop-down driven by keys, the mouse and the wheel on a headless form: heights,
// width spreading, key lookup, auto-completion, Escape, the wheel, and the list on pixels.
#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtMultiColumnDropDown.h"
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

class MultiColumnDropDownTest
    : public dropdowntest::ColumnDropDownTest<TExtMultiColumnDropDown, multicolumn::TDropDownColumn,
                                              multicolumn::TDropDownItem> {
protected:
    multicolumn::TExtColGrid& Grid() const { return *Drop->ColGrid(); }
};

TEST_F(MultiColumnDropDownTest, ASizeablePopupKeepsItsHeightAndAFixedOneSnapsToWholeRows)
{
    Drop->ShowDropDown();
    ASSERT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(PopupHeight(), 200);
    Drop->HideDropDown(false);

    Drop->SetDropDownSizeable(false);
    Drop->ResetUserDropDownSize();
    Drop->ShowDropDown();
    ASSERT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(PopupHeight(), 181);  // (200 - 25 - 2) div 22 = 7 rows of 22, + 25 + 2
}

TEST_F(MultiColumnDropDownTest, ADisabledOrReadOnlyControlDoesNotOpen)
{
    Drop->SetReadOnly(true);
    Drop->ShowDropDown();
    EXPECT_FALSE(Drop->DroppedDown());
    Drop->SetReadOnly(false);
    Drop->SetEnabled(false);
    Drop->ShowDropDown();
    EXPECT_FALSE(Drop->DroppedDown());
}

TEST_F(MultiColumnDropDownTest, AutoWidthTakesTheColumnsAndSpreadingSharesThePopupWidth)
{
    Drop->SetColumnSizeWithDropDown(false);
    Drop->ShowDropDown();
    // 100 + 50 and a 1-pixel frame on each side; all six rows fit, so no scroll bar.
    EXPECT_EQ(Drop->DropDownForm()->Width(), 152);
    Drop->HideDropDown(false);

    // Spreading: each column gets its share, a rounding carry above 1 adds a pixel.
    Drop->Columns().Clear();
    for (int i = 0; i < 4; ++i) AddColumn("c", 40);
    Drop->SetColumnSizeWithDropDown(true);
    Drop->SetDropDownAutoWidth(false);
    Drop->SetDropDownWidth(102);
    Drop->ShowDropDown();
    ASSERT_EQ(Grid().ColCount(), 4);
    std::vector<int> widths;
    for (int c = 0; c < 4; ++c) widths.push_back(Grid().ColWidths(c));
    EXPECT_EQ(widths, (std::vector<int>{25, 25, 26, 25}));
}

TEST_F(MultiColumnDropDownTest, TypingInTheOpenListLooksUpByPrefixAndRestartsWithTheLastKey)
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
        // The key's release completes the edit; the entry keeps the typed part as shown.
        {"a", 0, "Apple", "A"},
        {"p", 0, "Apple", "Ap"},
        {"r", 1, "Apricot", "Apr"},
        {"b", 2, "Banana", "B"},    // "Aprb" matches nothing: "b" alone finds Banana
        {"a", 2, "Banana", "Ba"},
        {"r", 4, "barley", "bar"},  // case does not count
        {"(", 3, "(paren)", "("},   // punctuation is looked up like letters
        {"z", 3, "(paren)", "("},   // nothing starts with z: the item and its typed part stay
    };
    for (const Step& s : steps) {
        Type(s.keys);
        EXPECT_EQ(Drop->ItemIndex(), s.item) << s.keys;
        EXPECT_EQ(Drop->Text(), s.text) << s.keys;
        EXPECT_EQ(Drop->LookupEntry(), s.entry) << s.keys;
        EXPECT_EQ(Grid().Row(), s.item + 1) << s.keys;
        EXPECT_EQ(Drop->SelText(), std::string(s.text).substr(std::string(s.entry).size())) << s.keys;
    }
    EXPECT_TRUE(Drop->DroppedDown());
    THeadlessBackend::PressKey(ui::VK_RETURN);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 3);
    EXPECT_EQ(Drop->Text(), "(paren)");
}

TEST_F(MultiColumnDropDownTest, CaseSensitiveLookupSkipsItemsOfTheOtherCase)
{
    Drop->SetCaseSensitive(true);
    THeadlessBackend::PressKey(ui::VK_F4);
    Type("b");
    EXPECT_EQ(Drop->ItemIndex(), 4);
    EXPECT_EQ(Drop->Text(), "barley");
}

TEST_F(MultiColumnDropDownTest, TypingInTheEditCompletesFromTheItemsAndSelectsTheTail)
{
    std::vector<std::string> changes;
    Drop->OnChange = [&](rtl::TObject*) { changes.push_back(Drop->Text()); };
    Type("a");
    // The typed key changes the text, the completion once more, and its change ends there.
    EXPECT_EQ(changes, (std::vector<std::string>{"a", "apple"}));
    Type("p");
    EXPECT_EQ(Drop->Text(), "apple") << "the typed part keeps its case";
    EXPECT_EQ(Drop->SelStart(), 2);
    EXPECT_EQ(Drop->SelLength(), 3);
    EXPECT_EQ(Drop->ItemIndex(), 0);
    Type("r");
    EXPECT_EQ(Drop->Text(), "apricot");
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->SelStart(), 3);
    EXPECT_EQ(Drop->SelText(), "icot");

    // Delete removes the completed tail and its release does not put it back.
    THeadlessBackend::PressKey(ui::VK_DELETE);
    EXPECT_EQ(Drop->Text(), "apr");

    // The typed text keeps its case; no completion for a prefix nothing starts with.
    Drop->SetText("");
    Type("BAN");
    EXPECT_EQ(Drop->Text(), "BANana");
    EXPECT_EQ(Drop->ItemIndex(), 2);
    Drop->SetText("");
    Type("q");
    EXPECT_EQ(Drop->Text(), "q");
    EXPECT_EQ(Drop->ItemIndex(), 2) << "no item matched, the stored one stays";
}

TEST_F(MultiColumnDropDownTest, ArrowsStepThroughTheClosedListAndEscapeGoesBackToTheOpeningItem)
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
    EXPECT_EQ(Selects, 3) << "a step that changes nothing fires nothing";
    THeadlessBackend::PressKey(ui::VK_ESCAPE);
    EXPECT_EQ(Drop->ItemIndex(), 0) << "never opened: the remembered item is the first";

    Drop->SetItemIndex(2);
    THeadlessBackend::PressKey(ui::VK_F4);
    THeadlessBackend::PressKey(ui::VK_RETURN);
    THeadlessBackend::PressKey(ui::VK_DOWN);
    THeadlessBackend::PressKey(ui::VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 4);
    THeadlessBackend::PressKey(ui::VK_ESCAPE);
    EXPECT_EQ(Drop->ItemIndex(), 2);
    EXPECT_EQ(Drop->Text(), "Banana");
}

// An earlier item that begins with the chosen one's text must not take its place when the
// arrow key is released.
TEST_F(MultiColumnDropDownTest, ReleasingAnArrowDoesNotCompleteTheChosenItemIntoAnEarlierOne)
{
    Drop->Items().Clear();
    AddItem({"Apple pie"});
    AddItem({"Apple"});
    Drop->EndUpdate();
    Drop->SetItemIndex(0);
    THeadlessBackend::PressKey(ui::VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Apple");
}

TEST_F(MultiColumnDropDownTest, ArrowsInTheOpenListMoveTheItemAndEscapeCancelsIt)
{
    Drop->SetItemIndex(1);
    THeadlessBackend::PressKey(ui::VK_F4);
    THeadlessBackend::PressKey(ui::VK_DOWN);
    THeadlessBackend::PressKey(ui::VK_DOWN);
    EXPECT_EQ(Drop->ItemIndex(), 3) << "each step in the list shows at once";
    EXPECT_EQ(Drop->Text(), "(paren)");
    THeadlessBackend::PressKey(ui::VK_ESCAPE);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Apricot");
}

TEST_F(MultiColumnDropDownTest, TheWheelScrollsTheListWithoutChoosingAndAClickChooses)
{
    Drop->SetItemIndex(1);
    THeadlessBackend::PressKey(ui::VK_F4);
    THeadlessBackend::Wheel(&Grid(), -120, 20, 40);
    THeadlessBackend::Wheel(&Grid(), -120, 20, 40);
    EXPECT_EQ(Grid().Row(), 4);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    Clock.Advance(1000);
    THeadlessBackend::Click(Other, 5, 5);  // closing without a click in the list or a key
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 1);
    EXPECT_EQ(Drop->Text(), "Apricot");

    Drop->SetFocus();
    Clock.Advance(1000);
    THeadlessBackend::PressKey(ui::VK_F4);
    rtl::TRect cell = Grid().CellRect(0, 5);
    THeadlessBackend::Click(&Grid(), cell.Left + 5, cell.Top + 5);
    EXPECT_FALSE(Drop->DroppedDown());
    EXPECT_EQ(Drop->ItemIndex(), 4);
    EXPECT_EQ(Drop->Text(), "barley");
    EXPECT_EQ(Selects, 1);
}

TEST_F(MultiColumnDropDownTest, TheWheelOverTheClosedEditSteps)
{
    THeadlessBackend::Wheel(Drop, -120, 5, 5);
    THeadlessBackend::Wheel(Drop, -120, 5, 5);
    EXPECT_EQ(Drop->ItemIndex(), 1);
    THeadlessBackend::Wheel(Drop, 120, 5, 5);
    EXPECT_EQ(Drop->ItemIndex(), 0);
}

TEST_F(MultiColumnDropDownTest, AnEmptyListShowsTheHeaderAndOneEmptyRow)
{
    Drop->Items().Clear();
    THeadlessBackend::PressKey(ui::VK_F4);
    ASSERT_TRUE(Drop->DroppedDown());
    EXPECT_EQ(Grid().RowCount(), 2);
    EXPECT_EQ(Grid().FixedRows(), 1);
    EXPECT_EQ(Grid().RowHeights(0), 25);
}

TEST_F(MultiColumnDropDownTest, TheSelectedRowAndTheHeaderBandOnPixels)
{
    Drop->SetSelectionColorStyle(scCustom);
    Drop->SetSelectionColor(gfx::clRed);
    Drop->SetHeaderColor(gfx::clYellow);
    Drop->SetHeaderColorTo(gfx::clBlue);
    Drop->Columns().Items(0)->SetColor(gfx::clLime);
    Drop->SetItemIndex(2);
    THeadlessBackend::PressKey(ui::VK_F4);
    App->ProcessMessages();
    const rtl::TRect selected = Grid().CellRect(0, 3);
    const rtl::TRect plain = Grid().CellRect(0, 1);
    const rtl::TRect header = Grid().CellRect(0, 0);
    // Right edge of the cells: clear of the text.
    EXPECT_EQ(THeadlessBackend::Pixel(&Grid(), selected.Right - 8, selected.Top + 3), gfx::clRed);
    EXPECT_EQ(THeadlessBackend::Pixel(&Grid(), plain.Right - 8, plain.Top + 3), gfx::clLime);
    const auto top = static_cast<gfx::TColor>(THeadlessBackend::Pixel(&Grid(), header.Right - 8, header.Top + 1));
    const auto bottom = static_cast<gfx::TColor>(THeadlessBackend::Pixel(&Grid(), header.Right - 8, header.Bottom - 3));
    EXPECT_GT(gfx::GetRValue(top), 200) << "the gradient starts yellow";
    EXPECT_GT(gfx::GetBValue(bottom), 200) << "and ends blue";

    Drop->HideDropDown(false);
    Drop->SetHeaderColorTo(gfx::clNone);
    THeadlessBackend::PressKey(ui::VK_F4);
    App->ProcessMessages();
    EXPECT_EQ(THeadlessBackend::Pixel(&Grid(), header.Right - 8, header.Bottom - 3), gfx::clYellow)
        << "one colour of none gives a flat header";
}

}  // namespace
