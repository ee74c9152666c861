// The grid's time cell editor driven by real keys and clicks on a headless form: opened over the
// cell with its text, a time typed or chosen on the clock and stored on close, Escape keeping the
// cell.
#include <string>
#include <vector>

#include "GridEditorFixture.h"
#include "grid/dropdown/ExtWatch.h"
#include "grid/editing/GridTimepickerDropDown.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;

class TimePickerEditorTest : public GridEditorFixture {
protected:
    void SetUp() override
    {
        FSavedSeparator = rtl::FormatSettings.TimeSeparator;
        rtl::FormatSettings.TimeSeparator = ':';
        GridEditorFixture::SetUp();
        Grid->OnEditChange = [this](rtl::TObject*, int, int, std::string& value) { Changes.push_back(value); };
    }
    void TearDown() override
    {
        GridEditorFixture::TearDown();
        rtl::FormatSettings.TimeSeparator = FSavedSeparator;
    }
    TGridTimepickerDropDown& Editor() { return *GridTimepickerDropDown(*Grid); }
    void OpenCell(int col, int row) { Open(Editor(), edTimePickerDropDown, col, row); }

    char FSavedSeparator = ':';
    std::vector<std::string> Changes;
};

TEST_F(TimePickerEditorTest, OpensOverTheCellEditableAndStoresATypedTimeOnEnter)
{
    Grid->SetCells(2, 3, "08:15:00");
    OpenCell(2, 3);
    const rtl::TRect cell = Grid->CellRect(2, 3);
    EXPECT_EQ(Editor().Left(), cell.Left);
    EXPECT_EQ(Editor().Top(), cell.Top);
    EXPECT_EQ(ui::TInputRouter::Focus(), &Editor());
    EXPECT_TRUE(Editor().EditorEnabled());
    EXPECT_FALSE(Editor().FocusDraw());
    EXPECT_EQ(Editor().Text(), "08:15:00");
    EXPECT_EQ(Editor().Time(), rtl::EncodeTime(8, 15, 0, 0));
    // Typed over the hour: each change reaches the grid with the editor's text.
    Press(ui::VK_HOME);
    Type("09");
    EXPECT_EQ(Editor().Text(), "09:15:00");
    ASSERT_FALSE(Changes.empty());
    EXPECT_EQ(Changes.back(), "09:15:00");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(Grid->Cells(2, 3), "09:15:00");
}

TEST_F(TimePickerEditorTest, AltDownOpensTheClockAndTheChosenTimeIsStoredOnEnter)
{
    Grid->SetCells(1, 1, "10:05:00");
    OpenCell(1, 1);
    Editor().SetAnimation(false);
    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Editor().DroppedDown());
    ASSERT_TRUE(Grid->EditorMode()) << "Alt+Down opens the pop-up without ending the edit";
    TExtWatch& clock = *Editor().Watch();
    EXPECT_EQ(clock.Time(), rtl::EncodeTime(10, 5, 0, 0));
    // Below the face: the ring at half past.
    ui::THeadlessBackend::Click(&clock, clock.Center().X, clock.Center().Y + clock.Radius() + 4);
    EXPECT_EQ(Editor().Text(), "10:30:00");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "10:30:00");
    EXPECT_EQ(ui::TInputRouter::Focus(), Grid);
}

TEST_F(TimePickerEditorTest, EscapeKeepsTheCellAfterTypingAndAfterAClockChoice)
{
    Grid->SetCells(3, 2, "17:45:00");
    OpenCell(3, 2);
    Press(ui::VK_HOME);
    Type("06");
    EXPECT_EQ(Editor().Text(), "06:45:00");
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(3, 2), "17:45:00");
    EXPECT_EQ(ui::TInputRouter::Focus(), Grid);

    OpenCell(3, 2);
    Editor().SetAnimation(false);
    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Editor().DroppedDown());
    TExtWatch& clock = *Editor().Watch();
    ui::THeadlessBackend::Click(&clock, clock.Center().X, clock.Center().Y + clock.Radius() + 4);
    EXPECT_EQ(Editor().Text(), "17:30:00");
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(3, 2), "17:45:00");
}

TEST_F(TimePickerEditorTest, LeavingByClickOnAnotherCellStoresTheTextAndDownMovesOn)
{
    Grid->SetCells(1, 2, "11:00:00");
    OpenCell(1, 2);
    Press(ui::VK_HOME);
    Type("14");
    // Down is the grid's: the value is stored and the next row becomes current.
    Press(ui::VK_DOWN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 2), "14:00:00");
    EXPECT_EQ(Grid->Row(), 3);
    Grid->SetCells(1, 3, "05:20:00");
    OpenCell(1, 3);
    Press(ui::VK_HOME);
    Type("1");
    const rtl::TRect other = Grid->CellRect(3, 4);
    ui::THeadlessBackend::Click(Grid, other.Left + 3, other.Top + 3);
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(Grid->Cells(1, 3), "15:20:00");
}

TEST_F(TimePickerEditorTest, AShortTimeReadsIntoTheMaskAndAnUntouchedEditKeepsTheCellAsItWas)
{
    Grid->SetCells(2, 1, "8:15:00");
    OpenCell(2, 1);
    EXPECT_EQ(Editor().Text(), " 8:15:00");
    EXPECT_EQ(Editor().Time(), rtl::EncodeTime(8, 15, 0, 0));
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 1), "8:15:00");
    // Typed into, the cell takes what the edit shows.
    OpenCell(2, 1);
    Press(ui::VK_END);
    Press(ui::VK_BACK);
    Type("9");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(2, 1), " 8:15:09");
}

}  // namespace
