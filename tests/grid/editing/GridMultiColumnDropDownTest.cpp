// The grid's multi-column drop-down cell editor driven by real keys and clicks: it opens over
// the cell on the cell's item, a row chosen in the list is stored on leaving, Escape keeps the cell.
#include <string>

#include "FruitDropDownEditorFixture.h"
#include "grid/editing/GridMultiColumnDropDown.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;

using GridMultiColumnDropDownTest = FruitDropDownEditorFixture<TGridGridDropDown, GridDropDown, edGridDropDown>;

TEST_F(GridMultiColumnDropDownTest, OpensOverTheCellOnTheCellsItemAndStoresTheRowChosenInTheList)
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
    multicolumn::TExtColGrid& list = *Editor().ColGrid();
    EXPECT_EQ(list.Row(), 2);
    const rtl::TRect row = list.CellRect(0, 4);
    ui::THeadlessBackend::Click(&list, row.Left + 4, row.Top + 4);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_EQ(Editor().Text(), "Damson");
    EXPECT_TRUE(Grid->EditorMode());

    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(Grid->Cells(2, 2), "Damson");
}

TEST_F(GridMultiColumnDropDownTest, TypingCompletesAndEnterStoresTheCompletedItem)
{
    OpenCell();
    Editor().SelectAll();
    TypeKey('C');
    EXPECT_EQ(Editor().Text(), "Cherry");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 2), "Cherry");
}

TEST_F(GridMultiColumnDropDownTest, EscapeWithTheListOpenKeepsTheCell)
{
    ExpectEscapeKeepsTheCell("moving in the list shows each row at once");
}

TEST_F(GridMultiColumnDropDownTest, AnOwnerThatIsNotAGridIsRefused)
{
    EXPECT_THROW(TGridGridDropDown editor(Form), rtl::EInvalidCast);
}

}  // namespace
