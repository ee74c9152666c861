// The grid's grid drop-down cell editor driven by real keys and clicks: it opens over the cell
// on the cell's item, a row chosen in the pop-up is stored on leaving, Escape keeps the cell.
#include <string>

#include "FruitDropDownEditorFixture.h"
#include "grid/editing/GridExtGridDropDown.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;

using GridExtGridDropDownTest = FruitDropDownEditorFixture<TGridExtGridDropDown, ExtGridDropDown, edExtGridDropDown>;

TEST_F(GridExtGridDropDownTest, OpensOverTheCellOnTheCellsItemAndStoresTheRowChosenInThePopup)
{
    OpenCell();
    EXPECT_EQ(Editor().Text(), "Banana");
    EXPECT_EQ(Editor().ItemIndex(), 1);
    EXPECT_EQ(ui::TInputRouter::Focus(), &Editor());
    const rtl::TRect cell = Grid->CellRect(2, 2);
    EXPECT_EQ(Editor().Left(), cell.Left);
    EXPECT_EQ(Editor().Top(), cell.Top);

    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Editor().DroppedDown());
    EXPECT_TRUE(Grid->EditorMode());
    TExtStringGrid& popupGrid = *Editor().Grid();
    EXPECT_TRUE(popupGrid.FixedRowAlways());
    EXPECT_EQ(popupGrid.Row(), 2);
    const rtl::TRect row = popupGrid.CellRect(0, 4);
    ui::THeadlessBackend::Click(&popupGrid, row.Left + 4, row.Top + 4);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_EQ(Editor().Text(), "Damson");
    EXPECT_TRUE(Grid->EditorMode());

    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(Grid->Cells(2, 2), "Damson");
}

TEST_F(GridExtGridDropDownTest, TypingLooksUpAndEnterStoresTheItemFound)
{
    OpenCell();
    Editor().SelectAll();
    TypeKey('C');
    EXPECT_EQ(Editor().Text(), "Cherry");
    EXPECT_EQ(Editor().ItemIndex(), 2);
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 2), "Cherry");
}

TEST_F(GridExtGridDropDownTest, EscapeKeepsTheCellWithThePopupOpenOrClosed)
{
    ExpectEscapeKeepsTheCell("moving in the pop-up shows each row at once");
}

TEST_F(GridExtGridDropDownTest, AnOwnerThatIsNotAGridIsRefused)
{
    EXPECT_THROW(TGridExtGridDropDown editor(Form), rtl::EInvalidCast);
}

}  // namespace
