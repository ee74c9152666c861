// The grid's detail drop-down cell editor driven by real keys, clicks and the wheel: opened over
// the cell with the item of the cell's caption selected, a caption typed or picked stored on
// close, Escape keeping the cell, and a cell text that names no item kept as it is.
#include <string>

#include "GridEditorFixture.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/dropdown/ItemAppearance.h"
#include "grid/dropdown/ItemSelector.h"
#include "grid/editing/GridDetailPickerDropDown.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;

class DetailPickerEditorTest : public GridEditorFixture {
protected:
    void SetUp() override
    {
        GridEditorFixture::SetUp();
        // The application fills the editor's items when the grid asks for the cell's editor.
        Grid->OnGetEditorProp = [this](rtl::TObject*, int, int, rtl::TObject*) {
            TDetailItems& items = Editor().Items();
            if (items.Count() > 0) return;
            for (const char* caption : {"Maize", "Barley", "Millet"}) {
                TDetailItem* item = items.Add();
                item->SetCaption(caption);
                item->SetNotes("<i>cereal</i>");
            }
        };
    }
    TGridDetailPickerDropDown& Editor() { return *GridDetailPickerDropDown(*Grid); }
    void OpenCell(int col, int row) { Open(Editor(), edDetailDropDown, col, row); }
    void ClickRow(int index)
    {
        TCustomItemSelector* panel = Editor().ItemSelector()->SelectorPanel();
        const rtl::TRect r = panel->GetItemRect(index);
        ui::THeadlessBackend::Click(panel, r.Left + 40, r.Top + 5);
        App->ProcessMessages();
    }
};

TEST_F(DetailPickerEditorTest, OpensOverTheCellWithItsItemAndStoresARowPickedInThePopup)
{
    Grid->SetCells(2, 2, "Barley");
    OpenCell(2, 2);
    const rtl::TRect cell = Grid->CellRect(2, 2);
    EXPECT_EQ(Editor().Left(), cell.Left);
    EXPECT_EQ(Editor().Top(), cell.Top);
    EXPECT_EQ(ui::TInputRouter::Focus(), &Editor());
    EXPECT_EQ(Editor().Text(), "Barley");
    EXPECT_EQ(Editor().ItemIndex(), 1);

    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Editor().DroppedDown());
    EXPECT_TRUE(Grid->EditorMode()) << "Alt+Down opens the pop-up without ending the edit";
    EXPECT_EQ(Editor().ItemSelector()->ItemIndex(), 1);
    ClickRow(2);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_TRUE(Grid->EditorMode()) << "a pick closes the pop-up, not the edit";
    EXPECT_EQ(Editor().Text(), "Millet");

    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(Grid->Cells(2, 2), "Millet");
}

TEST_F(DetailPickerEditorTest, TypingCompletesACaptionAndEscapeKeepsTheCell)
{
    Grid->SetCells(1, 1, "Barley");
    OpenCell(1, 1);
    // The opened text is selected whole, so the first letter replaces it; the typed letters
    // stay as typed, the caption gives the rest.
    TypeKey('m');
    TypeKey('i');
    EXPECT_EQ(Editor().Text(), "millet");
    EXPECT_EQ(Editor().SelStart(), 2);
    EXPECT_EQ(Editor().SelLength(), 4);
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(ui::TInputRouter::Focus(), Grid);
    EXPECT_EQ(Grid->Cells(1, 1), "Barley");

    OpenCell(1, 1);
    TypeKey('M');
    TypeKey('a');
    EXPECT_EQ(Editor().Text(), "Maize");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 1), "Maize");
}

// Selecting no item empties the edit; opening a cell whose text names no item must not lose
// that text, nor complete a cell text that only begins a caption.
TEST_F(DetailPickerEditorTest, ACellTextThatNamesNoItemIsShownAndStoredAsItIs)
{
    Grid->SetCells(1, 1, "Maize");
    Grid->SetCells(1, 2, "Rye");
    Grid->SetCells(1, 3, "Bar");
    OpenCell(1, 1);
    ASSERT_EQ(Editor().ItemIndex(), 0);
    Press(ui::VK_RETURN);

    for (int row : {2, 3}) {
        const std::string text = Grid->Cells(1, row);
        OpenCell(1, row);
        EXPECT_EQ(Editor().Text(), text);
        EXPECT_EQ(Editor().ItemIndex(), -1) << text;
        Press(ui::VK_RETURN);
        EXPECT_FALSE(Grid->EditorMode());
        EXPECT_EQ(Grid->Cells(1, row), text);
    }
}

TEST_F(DetailPickerEditorTest, WheelOverTheOpenPopupMovesTheSelectionWithoutClosingIt)
{
    Grid->SetCells(3, 2, "Maize");
    OpenCell(3, 2);
    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Editor().DroppedDown());
    TDropDownForm* popup = Editor().DropDownForm();
    ui::THeadlessBackend::Wheel(popup, -120, 20, 10);
    App->ProcessMessages();
    EXPECT_TRUE(Editor().DroppedDown());
    EXPECT_EQ(Editor().ItemSelector()->ItemIndex(), 1);
    EXPECT_EQ(Editor().Text(), "Barley");
    ui::THeadlessBackend::Wheel(popup, 120, 20, 10);
    ui::THeadlessBackend::Wheel(popup, 120, 20, 10);
    App->ProcessMessages();
    EXPECT_EQ(Editor().ItemSelector()->ItemIndex(), 0) << "nothing before the first";
    ui::THeadlessBackend::Wheel(popup, -120, 20, 10);
    ui::THeadlessBackend::Wheel(popup, -120, 20, 10);
    App->ProcessMessages();
    EXPECT_EQ(Editor().Text(), "Millet");

    // Enter with the pop-up open stores what it shows.
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(3, 2), "Millet");
}

TEST_F(DetailPickerEditorTest, TakesTheGridsStyleForItsRowsAndRefusesAnOwnerThatIsNoGrid)
{
    Grid->SetComponentStyle(tsWindows7);
    OpenCell(1, 1);
    EXPECT_EQ(Editor().GetComponentStyle(), tsWindows7);
    EXPECT_EQ(Editor().ItemAppearance().BorderColor(), 0xCEA27Du);
    EXPECT_EQ(Editor().ItemAppearance().ColorSelected(), 0xFCEBDCu);
    Press(ui::VK_ESCAPE);

    EXPECT_THROW(TGridDetailPickerDropDown editor(Form), rtl::EInvalidCast);
}

}  // namespace
