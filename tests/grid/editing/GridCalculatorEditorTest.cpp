// The grid's calculator cell editor driven by real keys and clicks: opened over the cell with
// its number, computing, storing the result on close, and Escape keeping the cell.
#include <string>
#include <vector>

#include "GridEditorFixture.h"
#include "grid/dropdown/ButtonPanel.h"
#include "grid/dropdown/DropDownForm.h"
#include "grid/editing/GridCalculatorDropDown.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/ui/InputRouter.h"

namespace {

using namespace grid;

class CalculatorEditorTest : public GridEditorFixture {
protected:
    void SetUp() override
    {
        rtl::FormatSettings.DecimalSeparator = '.';
        rtl::FormatSettings.ThousandSeparator = ',';
        GridEditorFixture::SetUp();
    }
    TGridCalculatorDropDown& Editor() { return *GridCalculatorDropDown(*Grid); }
    void OpenCell(int col, int row) { Open(Editor(), edCalculatorDropDown, col, row); }
    void ClickKey(const std::string& caption)
    {
        TCustomButtonPanel& pad = *Editor().ButtonPanel();
        for (int i = 0; i < pad.Buttons().Count(); ++i) {
            if (pad.Buttons().Items(i)->Caption() != caption) continue;
            const rtl::TRect r = pad.Buttons().Items(i)->Rect();
            ui::THeadlessBackend::Click(&pad, r.Left + 5, r.Top + 5);
            return;
        }
        ADD_FAILURE() << "no key " << caption;
    }
};

TEST_F(CalculatorEditorTest, OpensOverTheCellAndEnterComputesThePendingOperationAndStoresIt)
{
    Grid->SetCells(2, 2, "12");
    OpenCell(2, 2);
    const rtl::TRect cell = Grid->CellRect(2, 2);
    EXPECT_EQ(Editor().Left(), cell.Left);
    EXPECT_EQ(Editor().Top(), cell.Top);
    EXPECT_EQ(ui::TInputRouter::Focus(), &Editor());
    EXPECT_EQ(Editor().Text(), "12.00");
    Type("+3");
    EXPECT_EQ(Editor().Text(), "3.00");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_FALSE(Editor().Visible());
    EXPECT_EQ(Grid->Cells(2, 2), "15.00");
}

TEST_F(CalculatorEditorTest, EscapeKeepsTheCellAndAnUntouchedCellKeepsItsText)
{
    Grid->SetCells(1, 1, "7");
    OpenCell(1, 1);
    Type("*6");
    Press(ui::VK_ESCAPE);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 1), "7");
    EXPECT_EQ(ui::TInputRouter::Focus(), Grid);

    // A text that is no number shows as 0 in the editor but is not rewritten by leaving it.
    Grid->SetCells(3, 1, "n/a");
    OpenCell(3, 1);
    EXPECT_EQ(Editor().Text(), "0.00");
    Press(ui::VK_DOWN);
    EXPECT_EQ(Grid->Cells(3, 1), "n/a");
    EXPECT_EQ(Grid->Row(), 2);
    OpenCell(3, 1);
    Press(ui::VK_HOME);  // the click may have put the caret among the decimals
    Type("4=");
    Press(ui::VK_DOWN);
    EXPECT_EQ(Grid->Cells(3, 1), "4.00") << "the multiplication left pending in another cell is gone";
}

TEST_F(CalculatorEditorTest, TheKeypadComputesInTheOpenPopupAndTheResultIsStored)
{
    Grid->SetCells(2, 3, "");
    OpenCell(2, 3);
    Press(ui::VK_DOWN, ui::ssAlt);
    ASSERT_TRUE(Editor().DroppedDown());
    EXPECT_TRUE(Grid->EditorMode()) << "Alt+Down opens the pop-up without ending the edit";
    for (const char* key : {"7", "*", "6", "-", "2"}) ClickKey(key);
    EXPECT_EQ(Editor().Text(), "2.00");
    Press(ui::VK_RETURN);  // in the pop-up: equals, and the pop-up closes
    EXPECT_FALSE(Editor().DropDownForm()->Visible());
    EXPECT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Editor().Text(), "40.00");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(2, 3), "40.00");
}

TEST_F(CalculatorEditorTest, TheGridSeesEveryCharacterAndARefusedValueStaysInTheEditor)
{
    std::vector<char32_t> keys;
    Grid->OnKeyPress = [&](rtl::TObject* sender, char32_t& key) {
        if (sender == &Editor()) keys.push_back(key);
    };
    Grid->OnCellValidate = [](rtl::TObject*, int, int, std::string& value, bool& valid) {
        valid = value != "5.00";
    };
    Grid->SetCells(1, 2, "2");
    OpenCell(1, 2);
    Type("+3");
    Press(ui::VK_RETURN);
    EXPECT_EQ(keys, (std::vector<char32_t>{U'+', U'3', 13}));
    EXPECT_TRUE(Grid->EditorMode()) << "refused";
    EXPECT_EQ(Editor().Text(), "5.00");
    EXPECT_EQ(Editor().SelLength(), 4);
    EXPECT_EQ(Grid->Row(), 2);
    Type("*2");
    Press(ui::VK_RETURN);
    EXPECT_FALSE(Grid->EditorMode());
    EXPECT_EQ(Grid->Cells(1, 2), "10.00");
}

// The grid's handler runs ahead of the calculator's keys and the edit's filter, which would drop
// the letter, and sees each character once, whether the calculator consumes it or the edit
// takes it.
TEST_F(CalculatorEditorTest, TheGridsKeyPressRunsFirstAndOnce)
{
    std::u32string seen;
    Grid->OnKeyPress = [&](rtl::TObject*, char32_t& key) {
        seen += key;
        if (key == U'x') key = U'*';
    };
    Grid->SetCells(1, 3, "2");
    OpenCell(1, 3);
    Type("x34");
    EXPECT_EQ(seen, U"x34");
    EXPECT_EQ(Editor().Text(), "34.00");
    Press(ui::VK_RETURN);
    EXPECT_EQ(seen, U"x34\r");
    EXPECT_EQ(Grid->Cells(1, 3), "68.00");
}

TEST_F(CalculatorEditorTest, ADigitTypedOnTheGridOpensTheEditorWithIt)
{
    Grid->SetCells(4, 2, "3");
    OpenCell(4, 2);
    Press(ui::VK_ESCAPE);
    ASSERT_FALSE(Grid->EditorMode());
    TypeKey('8');
    ASSERT_TRUE(Grid->EditorMode());
    EXPECT_EQ(Editor().Text(), "8") << "the typed digit replaces the selected cell value";
    Type("*2");
    Press(ui::VK_RETURN);
    EXPECT_EQ(Grid->Cells(4, 2), "16.00");
}

TEST_F(CalculatorEditorTest, OnlyAGridOwnsIt)
{
    ui::TForm other(nullptr);
    EXPECT_THROW(TGridCalculatorDropDown calc(&other), rtl::EInvalidCast);
}

}  // namespace
