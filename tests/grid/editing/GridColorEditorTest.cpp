// The grid's colour picker cell editor driven by real keys and clicks: opened over the cell at
// the cell's colour, a colour picked in the pop-up, its text and colour stored on close, and
// Escape keeping the cell.
#include <string>
#include <vector>

#include "GridEditorFixture.h"
#include "grid/dropdown/ItemSelector.h"
#include "grid/editing/GridColorDropDown.h"
#include "grid/foundation/ExtUtilShapes.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;

constexpr int kBlue = 12;  // list index of Blue (0xFF0000) among the standard colours
constexpr int kLime = 10;  // Lime (0x00FF00)

class ColorEditorTest : public GridEditorFixture {
protected:
    TGridColorDropDown& Editor() { return *GridColorDropDown(*Grid); }
    void OpenCell(int col, int row) { Open(Editor(), edColorPickerDropDown, col, row); }
    // Opens the pop-up with Alt+Down and clicks the colour at a list index.
    void PickWithMouse(int index)
    {
        Press(ui::VK_DOWN, ui::ssAlt);
        ASSERT_TRUE(Editor().DroppedDown());
        ASSERT_TRUE(Grid->EditorMode()) << "Alt+Down opens the pop-up without ending the edit";
        TExtCustomItemSelector* list = Editor().ColorList();
        TCustomItemSelector* panel = list->SelectorPanel();
        list->ScrollItemInView(index);
        const rtl::TRect r = panel->GetItemRect(index);
        ui::THeadlessBackend::Click(panel, r.Left + 5, r.Top + 5);
        App->ProcessMessages();
        ASSERT_FALSE(Editor().DroppedDown());
    }
    gfx::TColor CellPixel(int col, int row)
    {
        Form->PaintPending();
        const rtl::TRect r = Grid->CellRect(col, row);
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Grid, r.Right - 3, r.Bottom - 3)) & 0xFFFFFF;
    }
};

TEST_F(ColorEditorTest, OpensOverTheCellAtItsColourAndStoresThePickedColoursNameAndBackground)
{
    Grid->SetCells(2, 2, "old");
    Grid->SetColors(2, 2, 0x0000FF);
    OpenCell(2, 2);
    const rtl::TRect cell = Grid->CellRect(2, 2);
    EXPECT_EQ(Editor().Left(), cell.Left);
    EXPECT_EQ(Editor().Top(), cell.Top);
    EXPECT_EQ(ui::TInputRouter::Focus(), &Editor());
    EXPECT_EQ(Editor().SelectedColor(), 0x0000FFu);
    EXPECT_EQ(Editor().SelectedColorText(), "Red");

    PickWithMouse(kBlue);
    EXPECT_TRUE(Grid->EditorMode()) << "a pick closes the pop-up, not the edit";
    EXPECT_EQ(Editor().SelectedColor(), 0xFF0000u);
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(Grid->Cells(2, 2), "Blue");
    EXPECT_EQ(Grid->Colors(2, 2), 0xFF0000u);
    // Painted in it once another cell is current.
    OpenCell(1, 1);
    Press(ui::VK_ESCAPE);
    EXPECT_EQ(CellPixel(2, 2), 0xFF0000u);
}

TEST_F(ColorEditorTest, EscapeAfterAPickKeepsTheCellsTextAndColour)
{
    Grid->SetCells(1, 3, "keep");
    OpenCell(1, 3);
    EXPECT_EQ(Editor().SelectedColor(), gfx::ColorToRGB(Grid->Color())) << "a cell without colour shows the grid's";
    PickWithMouse(kLime);
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 3), "keep");
    EXPECT_EQ(Grid->Colors(1, 3), gfx::clNone);
    EXPECT_EQ(ui::TInputRouter::Focus(), Grid);

    // Enter without a pick leaves the cell as it was too.
    OpenCell(1, 3);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 3), "keep");
    EXPECT_EQ(Grid->Colors(1, 3), gfx::clNone);
}

TEST_F(ColorEditorTest, AShapeCellOpensAtItsShapeColourAndTakesThePickIntoTheShape)
{
    Grid->SetColors(3, 1, 0xC0C0C0);
    Grid->AddShape(3, 1, csCircle, 0x0000FF, 0, haCenter, vaCenter);
    OpenCell(3, 1);
    EXPECT_EQ(Editor().SelectedColor(), 0x0000FFu);
    PickWithMouse(kLime);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(3, 1), "Lime");
    EXPECT_EQ(Grid->GetShapeColor(3, 1), 0x00FF00u);
    EXPECT_EQ(Grid->Colors(3, 1), 0xC0C0C0u) << "the background stays";
}

TEST_F(ColorEditorTest, EnterValidatesTheColourTextAndOnColorSelectedMayChangeWhatIsStored)
{
    std::vector<std::string> validated;
    bool refuse = true;
    Grid->OnCellValidate = [&](rtl::TObject*, int, int, std::string& value, bool& valid) {
        validated.push_back(value);
        valid = !refuse;
    };
    Grid->OnColorSelected = [](rtl::TObject*, int c, int r, gfx::TColor& color, std::string& value) {
        value += " at " + std::to_string(c) + "," + std::to_string(r);
        color = 0x00FFFF;
    };
    Grid->SetCells(2, 1, "x");
    OpenCell(2, 1);
    PickWithMouse(kBlue);
    Press(ui::VK_RETURN);
    EXPECT_EQ(validated, std::vector<std::string>{"Blue"});
    EXPECT_TRUE(Grid->EditorMode()) << "a refused colour keeps the editor open";
    EXPECT_EQ(Grid->Row(), 1);
    refuse = false;
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 1), "Blue at 2,1");
    EXPECT_EQ(Grid->Colors(2, 1), 0x00FFFFu);
}

TEST_F(ColorEditorTest, UpAndDownEndTheEditWithoutValidationAndHomeEndsItLikePageUp)
{
    int validations = 0;
    Grid->OnCellValidate = [&](rtl::TObject*, int, int, std::string&, bool&) { ++validations; };
    struct Case {
        ui::WORD key;
        int rowAfter;
    };
    for (const Case& c : {Case{ui::VK_DOWN, 3}, Case{ui::VK_UP, 1}, Case{ui::VK_HOME, 2}, Case{ui::VK_PRIOR, 2}}) {
        SCOPED_TRACE(c.key);
        Grid->SetCells(1, 2, "y");
        Grid->SetColors(1, 2, 0x0000FF);
        OpenCell(1, 2);
        PickWithMouse(kBlue);
        Press(c.key);
        EXPECT_FALSE(Grid->EditorMode());
        EXPECT_EQ(Grid->Cells(1, 2), "Blue") << "the picked colour is stored";
        EXPECT_EQ(Grid->Row(), c.rowAfter);
    }
    EXPECT_EQ(validations, 0);
}

TEST_F(ColorEditorTest, ItWantsEnterAndEscapeAndTabOnlyWhenTheGridHandlesTab)
{
    OpenCell(2, 2);
    auto wants = [&](ui::WORD key) { return Editor().Perform(ui::CM_WANTSPECIALKEY, key, 0) != 0; };
    EXPECT_TRUE(wants(ui::VK_RETURN));
    EXPECT_TRUE(wants(ui::VK_ESCAPE));
    EXPECT_FALSE(wants(ui::VK_TAB));
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    EXPECT_TRUE(wants(ui::VK_TAB));
}

TEST(ColorEditorOwnerTest, AnOwnerThatIsNoGridIsRefused)
{
    rtl::TComponent owner(nullptr);
    EXPECT_THROW(TGridColorDropDown editor(&owner), rtl::EInvalidCast);
}

}  // namespace
