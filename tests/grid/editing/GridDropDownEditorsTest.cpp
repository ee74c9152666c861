// The grid's control drop-down cell editor driven by real keys and clicks: the pop-up with the
// control look's bars, keys that store, restore, validate and leave, and button clicks per cell.
#include <memory>
#include <string>
#include <vector>

#include "GridEditorFixture.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ExtBars.h"
#include "grid/editing/GridDropDownEditors.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/ExtCtrls.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/StdCtrlsButtons.h"

namespace {

using namespace grid;

class ControlDropDownTest : public GridEditorFixture {
protected:
    void SetUp() override
    {
        GridEditorFixture::SetUp();
        Grid->SetCells(2, 2, "stored");
        // The application's own control shown in the pop-up.
        Panel = new ui::TPanel(Form);
        Panel->SetBounds(0, 0, 160, 80);
        Editor().SetControl(Panel);
    }
    TGridControlDropDown& Editor() { return *GridControlDropDown(*Grid); }
    void OpenCell() { Open(Editor(), edControlDropDown, 2, 2); }

    ui::TPanel* Panel = nullptr;
};

TEST_F(ControlDropDownTest, OpensOverTheCellAndItsPopupCarriesTheControlLooksBars)
{
    Grid->ControlLook().DropDownHeader().SetCaption("Pick one");
    Grid->ControlLook().DropDownFooter().Buttons().Add()->SetCaption("Apply");
    Grid->ControlLook().DropDownFooter().Buttons().Items(0)->SetModalResult(1);
    std::vector<std::string> clicks;
    Grid->OnDropDownFooterButtonClick = [&](rtl::TObject* sender, int col, int row, int index) {
        clicks.push_back(std::to_string(col) + "," + std::to_string(row) + ":" + std::to_string(index));
        EXPECT_EQ(sender, Grid);
    };
    OpenCell();
    EXPECT_EQ(Editor().Text(), "stored");
    EXPECT_EQ(ui::TInputRouter::Focus(), &Editor());
    const rtl::TRect cell = Grid->CellRect(2, 2);
    EXPECT_EQ(Editor().Left(), cell.Left);
    EXPECT_EQ(Editor().Top(), cell.Top);

    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Editor().DroppedDown());
    EXPECT_TRUE(Grid->EditorMode()) << "Alt+Down opens the pop-up without ending the edit";
    TDropDownForm* popup = Editor().DropDownForm();
    ASSERT_NE(popup->Header(), nullptr);
    ASSERT_NE(popup->Footer(), nullptr);
    EXPECT_TRUE(popup->Header()->Visible());
    EXPECT_EQ(Editor().DropDownHeader().Caption(), "Pick one");
    ASSERT_EQ(popup->Footer()->ButtonCount(), 1);
    EXPECT_TRUE(Panel->Visible());
    EXPECT_EQ(Panel->Parent(), popup);

    // The application writes the choice; the footer button's modal result closes the pop-up
    // keeping it, and the click is reported by the grid, its current cell the edited one.
    Editor().SetTextDirect("chosen");
    TExtButton* apply = popup->Footer()->Button(0);
    ui::THeadlessBackend::Click(apply, 3, 3);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_EQ(clicks, (std::vector<std::string>{"2,2:0"}));
    EXPECT_TRUE(Grid->EditorMode());

    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(Grid->Cells(2, 2), "chosen");
}

TEST_F(ControlDropDownTest, HeaderAndFooterButtonClicksCarryTheEditedCellAndTheButtonIndex)
{
    Grid->SetCells(3, 1, "other");
    THeaderButtons& headerButtons = Grid->ControlLook().DropDownHeader().Buttons();
    headerButtons.Add()->SetCaption("A");
    headerButtons.Add()->SetCaption("B");
    Grid->ControlLook().DropDownFooter().Buttons().Add()->SetCaption("Keep");
    std::vector<std::string> clicks;
    Grid->OnDropDownHeaderButtonClick = [&](rtl::TObject* sender, int col, int row, int index) {
        EXPECT_EQ(sender, Grid);
        clicks.push_back("header " + std::to_string(col) + "," + std::to_string(row) + ":" + std::to_string(index));
    };
    Grid->OnDropDownFooterButtonClick = [&](rtl::TObject* sender, int col, int row, int index) {
        EXPECT_EQ(sender, Grid);
        clicks.push_back("footer " + std::to_string(col) + "," + std::to_string(row) + ":" + std::to_string(index));
    };
    Open(Editor(), edControlDropDown, 3, 1);
    Press(ui::VK_F4);
    ASSERT_TRUE(Editor().DroppedDown());
    TDropDownForm* popup = Editor().DropDownForm();
    ASSERT_EQ(popup->Header()->ButtonCount(), 2);
    // The second collection item stands left of the first; a click on it reports index 1.
    ui::THeadlessBackend::Click(popup->Header()->Button(1), 3, 3);
    ui::THeadlessBackend::Click(popup->Footer()->Button(0), 3, 3);
    EXPECT_TRUE(Editor().DroppedDown()) << "buttons without a modal result leave the pop-up open";
    EXPECT_EQ(clicks, (std::vector<std::string>{"header 3,1:1", "footer 3,1:0"}));
}

TEST_F(ControlDropDownTest, EscapeRestoresTheStoredValueAndEnterStoresTheTypedOne)
{
    OpenCell();
    Type("xyz");
    EXPECT_NE(Editor().Text(), "stored");
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 2), "stored");
    EXPECT_EQ(ui::TInputRouter::Focus(), Grid);

    OpenCell();
    Press(ui::VK_END);
    Type("!");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 2), "stored!");
    EXPECT_FALSE(Editor().Visible());
}

TEST_F(ControlDropDownTest, EnterWithThePopupOpenStoresAndEndsTheEditAtOnce)
{
    OpenCell();
    Press(ui::VK_F4);
    ASSERT_TRUE(Editor().DroppedDown());
    Editor().SetTextDirect("from the pop-up");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_FALSE(Editor().DropDownForm()->Visible());
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 2), "from the pop-up");
}

TEST_F(ControlDropDownTest, WithWantArrowsTheCursorKeysStayWithTheOpenPopup)
{
    // A hosted control that takes no focus: the pop-up hands its keys to the edit.
    auto* label = new ui::TLabel(Form);
    label->SetCaption("pick");
    Editor().SetControl(label);
    Editor().WantArrows = true;
    OpenCell();
    Press(ui::VK_F4);
    ASSERT_TRUE(Editor().DroppedDown());
    for (int key : {ui::VK_DOWN, ui::VK_NEXT, ui::VK_END, ui::VK_UP}) {
        Press(key);
        EXPECT_TRUE(Editor().DroppedDown()) << key;
        EXPECT_TRUE(Grid->EditorMode()) << key;
    }
    EXPECT_EQ(Grid->Row(), 2);

    // Without it, Down with the pop-up open ends the edit where it is.
    Editor().WantArrows = false;
    Press(ui::VK_DOWN);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(ControlDropDownTest, ARefusedValueStaysSelectedInTheEditorAndTheGridDoesNotAdvance)
{
    Grid->OnCellValidate = [](rtl::TObject*, int, int, std::string& value, bool& valid) {
        valid = value.find('!') == std::string::npos;
        if (!valid) value = "fix me";
    };
    OpenCell();
    Press(ui::VK_END);
    Type("!");
    Press(ui::VK_RETURN);
    EXPECT_TRUE(Editor().Visible());
    EXPECT_EQ(Editor().Text(), "fix me");
    EXPECT_EQ(Editor().SelStart(), 0);
    EXPECT_EQ(Editor().SelLength(), 6);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_TRUE(Grid->NoAutoAdvance());
}

TEST_F(ControlDropDownTest, TypedCharactersReachTheGridsEvents)
{
    std::vector<std::string> changes;
    std::string pressed;
    Grid->OnEditChange = [&](rtl::TObject*, int c, int r, std::string& v) {
        changes.push_back(std::to_string(c) + "," + std::to_string(r) + ":" + v);
    };
    Grid->OnKeyPress = [&](rtl::TObject* sender, char32_t& key) {
        EXPECT_EQ(sender, &Editor());
        pressed += static_cast<char>(key);
    };
    OpenCell();
    Press(ui::VK_END);
    Type("a");
    EXPECT_EQ(pressed, "a");
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), "2,2:storeda");
}

TEST(ControlDropDownOwnerTest, AnOwnerThatIsNoGridIsRefused)
{
    rtl::TComponent owner(nullptr);
    EXPECT_THROW(TGridControlDropDown editor(&owner), rtl::EInvalidCast);
}

}  // namespace
