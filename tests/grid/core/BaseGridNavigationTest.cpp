// Tests of keyboard and wheel navigation over merged blocks: entering at the base cell, leaving on the far side.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"
#include "platform/ui/Messages.h"

using namespace grid;

namespace {

class BaseGridNavigationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 700, 400);
        Grid = new TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 680, 380);
        Grid->SetColCount(8);
        Grid->SetRowCount(8);
        Grid->MergeCells(2, 2, 3, 2);  // columns 2..4, rows 2..3
        Form->Show();
        App->ProcessMessages();
        Grid->SetFocus();
    }
    void TearDown() override { App.reset(); }
    void Place(int c, int r)
    {
        Grid->SetCol(c);
        Grid->SetRow(r);
    }
    std::string Current() const { return std::to_string(Grid->Col()) + "," + std::to_string(Grid->Row()); }
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtStringGrid* Grid = nullptr;
};

struct MoveCase {
    const char* Name;
    int StartCol, StartRow;
    std::vector<int> Keys;
    std::vector<std::string> Expected;  // the current cell after each key
};

TEST_F(BaseGridNavigationTest, ArrowKeysEnterABlockAtItsBaseCellAndLeaveItOnTheFarSide)
{
    const MoveCase cases[] = {
        {"right through the block", 1, 2, {ui::VK_RIGHT, ui::VK_RIGHT, ui::VK_RIGHT}, {"2,2", "5,2", "6,2"}},
        {"right from the block's lower row", 1, 3, {ui::VK_RIGHT, ui::VK_RIGHT}, {"2,2", "5,2"}},
        {"down through the block", 3, 1, {ui::VK_DOWN, ui::VK_DOWN}, {"2,2", "2,4"}},
        {"left through the block", 5, 3, {ui::VK_LEFT, ui::VK_LEFT}, {"2,2", "1,2"}},
        {"up through the block", 4, 4, {ui::VK_UP, ui::VK_UP}, {"2,2", "2,1"}},
    };
    for (const MoveCase& tc : cases) {
        Place(tc.StartCol, tc.StartRow);
        for (std::size_t i = 0; i < tc.Keys.size(); ++i) {
            ui::THeadlessBackend::PressKey(tc.Keys[i]);
            EXPECT_EQ(Current(), tc.Expected[i]) << tc.Name << ", key " << i;
        }
    }
}

TEST_F(BaseGridNavigationTest, BlockAtTheGridsEdgeKeepsTheCurrentCellOnItsBase)
{
    Grid->MergeCells(5, 5, 3, 3);  // reaches the last column and row
    Place(5, 5);
    ui::THeadlessBackend::PressKey(ui::VK_RIGHT);
    EXPECT_EQ(Current(), "5,5");
    ui::THeadlessBackend::PressKey(ui::VK_DOWN);
    EXPECT_EQ(Current(), "5,5");
}

TEST_F(BaseGridNavigationTest, WheelMovesRestOnTheBaseCell)
{
    Grid->MouseActions().SetWheelIncrement(1);  // one row per notch, into the block
    Place(3, 1);
    rtl::TRect r = Grid->CellRect(3, 1);
    ui::THeadlessBackend::Wheel(Grid, -120, r.Left + 2, r.Top + 2);
    EXPECT_EQ(Current(), "2,2");
    Place(3, 4);
    ui::THeadlessBackend::Wheel(Grid, 120, r.Left + 2, r.Top + 2);
    EXPECT_EQ(Current(), "2,2");
}

}  // namespace
