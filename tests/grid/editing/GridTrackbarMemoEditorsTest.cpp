// The grid's track-bar and memo cell editors driven by real keys and clicks: opened over the
// cell, filled from it, a value chosen, stored on close, and Escape keeping the cell.
#include <string>
#include <vector>

#include "GridEditorFixture.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/editing/GridMemoDropDown.h"
#include "grid/editing/GridTrackbarDropDown.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/ComCtrls.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;

class TrackbarEditorTest : public GridEditorFixture {
protected:
    TGridTrackbarDropDown& Editor() { return *GridTrackbarDropDown(*Grid); }
    void OpenCell(int col, int row) { Open(Editor(), edTrackbarDropDown, col, row); }
};

TEST_F(TrackbarEditorTest, OpensOverTheCellAtItsIntegerAndStoresTheTrackBarsChoice)
{
    Grid->SetCells(2, 2, "4");
    OpenCell(2, 2);
    const rtl::TRect cell = Grid->CellRect(2, 2);
    EXPECT_EQ(Editor().Left(), cell.Left);
    EXPECT_EQ(Editor().Top(), cell.Top);
    EXPECT_EQ(ui::TInputRouter::Focus(), &Editor());
    EXPECT_EQ(Editor().Position(), 4);
    EXPECT_EQ(Editor().Text(), "4");

    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Editor().DroppedDown());
    EXPECT_TRUE(Grid->EditorMode()) << "Alt+Down opens the pop-up without ending the edit";
    ASSERT_EQ(ui::TInputRouter::Focus(), Editor().TrackBar());
    Press(ui::VK_RIGHT);
    Press(ui::VK_RIGHT);
    EXPECT_EQ(Editor().Text(), "6");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Editor().Visible());
    EXPECT_FALSE(Editor().DropDownForm()->Visible());
    EXPECT_EQ(Grid->Cells(2, 2), "6");
}

TEST_F(TrackbarEditorTest, EscapeKeepsTheCellAndTypingMovesTheTrackBar)
{
    Grid->SetCells(1, 1, "3");
    OpenCell(1, 1);
    Editor().SelectAll();
    Type("8");
    EXPECT_EQ(Editor().Position(), 8);
    EXPECT_EQ(Editor().TrackBar()->Position(), 8);
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "3");
    EXPECT_EQ(ui::TInputRouter::Focus(), Grid);

    // Down stores the typed value and moves to the next row.
    OpenCell(1, 1);
    Editor().SelectAll();
    Type("9");
    Press(ui::VK_DOWN);
    EXPECT_EQ(Grid->Cells(1, 1), "9");
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(TrackbarEditorTest, ACellThatIsNoIntegerIsLeftAsItWasUnlessAValueIsChosen)
{
    Grid->SetCells(3, 1, "n/a");
    OpenCell(3, 1);
    EXPECT_EQ(Editor().Position(), 0);
    Press(ui::VK_ESCAPE);
    EXPECT_EQ(Grid->Cells(3, 1), "n/a");
    OpenCell(3, 1);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(3, 1), "n/a") << "nothing was chosen";
    OpenCell(3, 1);
    Press(ui::VK_F4);
    Press(ui::VK_RIGHT);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(3, 1), "1");
}

TEST_F(TrackbarEditorTest, ItWantsEnterAndEscapeAndTabOnlyWhenTheGridHandlesTab)
{
    Grid->SetCells(2, 2, "1");
    OpenCell(2, 2);
    auto wants = [&](ui::WORD key) { return Editor().Perform(ui::CM_WANTSPECIALKEY, key, 0) != 0; };
    EXPECT_TRUE(wants(ui::VK_RETURN));
    EXPECT_TRUE(wants(ui::VK_ESCAPE));
    EXPECT_FALSE(wants(ui::VK_TAB));
    Grid->SetOptions(Grid->Options() | ui::goTabs);
    EXPECT_TRUE(wants(ui::VK_TAB));
}

class MemoEditorTest : public GridEditorFixture {
protected:
    TGridMemoDropDown& Editor() { return *GridMemoDropDown(*Grid); }
    void OpenCell(int col, int row) { Open(Editor(), edMemoDropDown, col, row); }
    std::vector<std::string> Lines()
    {
        std::vector<std::string> out;
        const rtl::TStrings& s = Editor().MemoText();
        for (int i = 0; i < s.GetCount(); ++i) out.push_back(s.Get(i));
        return out;
    }
};

TEST_F(MemoEditorTest, OpensWithTheCellsLinesAndStoresTheMemoLinesEachEndedByALineBreak)
{
    Grid->SetCells(2, 3, "sow\r\nharrow");
    OpenCell(2, 3);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"sow", "harrow"}));
    EXPECT_EQ(Editor().Text(), "sow");
    EXPECT_EQ(Editor().SelStart(), 0);
    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Editor().DroppedDown());
    ASSERT_EQ(ui::TInputRouter::Focus(), Editor().Memo());
    // The memo holds each line followed by a line break: its end starts a new line.
    Press(ui::VK_END, ui::ssCtrl);
    Type("harvest");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"sow", "harrow", "harvest"}));
    Press(ui::VK_RETURN);
    EXPECT_TRUE(Grid->EditorMode()) << "Enter in the memo takes a new line";
    Type("bale");
    Press(ui::VK_TAB);
    EXPECT_FALSE(Editor().DroppedDown());
    EXPECT_TRUE(Grid->EditorMode());
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 3), "sow\r\nharrow\r\nharvest\r\nbale\r\n");
}

TEST_F(MemoEditorTest, EscapeKeepsTheCellAndAnUntouchedEditLeavesItAsItWas)
{
    Grid->SetCells(1, 2, "plough\r\nroll");
    OpenCell(1, 2);
    Press(ui::VK_F4);
    Type("till");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"plough", "roll", "till"}));
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 2), "plough\r\nroll");
    EXPECT_EQ(ui::TInputRouter::Focus(), Grid);

    OpenCell(1, 2);
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(1, 2), "plough\r\nroll");
}

TEST_F(MemoEditorTest, TypingInTheEditReachesTheGridsEventsAndARefusalKeepsTheEditorOpen)
{
    std::vector<std::string> changes;
    Grid->OnEditChange = [&](rtl::TObject*, int c, int r, std::string& v) {
        changes.push_back(std::to_string(c) + "," + std::to_string(r) + ":" + v);
    };
    Grid->OnCellValidate = [](rtl::TObject*, int, int, std::string& value, bool& valid) {
        valid = value.find('!') == std::string::npos;
        if (!valid) value = "fix me";
    };
    Grid->SetCells(2, 1, "drill\r\nrows");
    OpenCell(2, 1);
    Press(ui::VK_END);
    Type("!");
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), "2,1:drill!");
    EXPECT_EQ(Lines(), (std::vector<std::string>{"drill!"})) << "typing in the edit keeps the one edited line";
    Press(ui::VK_RETURN);
    EXPECT_TRUE(Editor().Visible());
    EXPECT_EQ(Editor().Text(), "fix me");
    EXPECT_EQ(Editor().SelLength(), 6);
    EXPECT_EQ(Grid->Row(), 1);
}

TEST(ListEditorOwnerTest, AnOwnerThatIsNoGridIsRefused)
{
    rtl::TComponent owner(nullptr);
    EXPECT_THROW(TGridTrackbarDropDown editor(&owner), rtl::EInvalidCast);
    EXPECT_THROW(TGridMemoDropDown editor(&owner), rtl::EInvalidCast);
}

}  // namespace
