// Tests of the string grid's editing hooks: selection visibility, edit permission, storing from editors, old value and cell cache.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

class ExtGridEditorHooksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 500, 300);
        Other = new ui::TForm(App.get());
        Grid = new TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetColCount(5);
        Grid->SetRowCount(5);
        Form->Show();
    }
    void TearDown() override { App.reset(); }
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    ui::TForm* Other = nullptr;
    TExtStringGrid* Grid = nullptr;
};

TEST_F(ExtGridEditorHooksTest, SelectionIsVisibleByShowSelectionAutoHideAndFocus)
{
    Grid->SetFocus();
    ASSERT_TRUE(Grid->Focused());
    EXPECT_TRUE(Grid->SelectionVisible());
    Grid->SetAutoHideSelection(true);
    EXPECT_TRUE(Grid->SelectionVisible());
    Grid->SetShowSelection(false);
    EXPECT_FALSE(Grid->SelectionVisible());
    Grid->SetShowSelection(true);
    Other->Show();
    Other->SetFocus();
    ASSERT_FALSE(Grid->Focused());
    EXPECT_FALSE(Grid->SelectionVisible());
    Grid->SetAutoHideSelection(false);
    EXPECT_TRUE(Grid->SelectionVisible());
}

TEST_F(ExtGridEditorHooksTest, DisableEditingRemovesOnlyTheEditingOption)
{
    Grid->SetOptions(Grid->Options() | ui::goEditing | ui::goTabs);
    Grid->DisableEditing();
    EXPECT_EQ(Grid->Options() & ui::goEditing, 0u);
    EXPECT_NE(Grid->Options() & ui::goTabs, 0u);
}

TEST_F(ExtGridEditorHooksTest, EditorValueReachesTheCellThroughTheEditTextEventAtTheDisplayedColumn)
{
    std::vector<std::string> edits;
    Grid->OnSetEditText = [&](rtl::TObject*, int c, int r, const std::string& v) {
        edits.push_back(std::to_string(c) + "," + std::to_string(r) + "=" + v);
    };
    Grid->HideColumn(1);
    // Real column 3 is shown as column 2 while column 1 is hidden.
    Grid->SetCellFromEditor(3, 2, "wheat");
    EXPECT_EQ(edits, (std::vector<std::string>{"2,2=wheat"}));
    Grid->UnHideColumn(1);
    EXPECT_EQ(Grid->Cells(3, 2), "wheat");
}

TEST_F(ExtGridEditorHooksTest, OldValueAndCellCacheRememberTheTextsOfTheEditStart)
{
    Grid->SetCells(2, 3, "old");
    Grid->SetModified(true);
    Grid->SaveOldCellValue(2, 3);
    Grid->SetCells(2, 3, "new");
    EXPECT_EQ(Grid->OldCol(), 2);
    EXPECT_EQ(Grid->OldRow(), 3);
    EXPECT_EQ(Grid->OldCellText(), "old");

    Grid->SetCol(2);
    Grid->SetRow(3);
    Grid->SetCellCache("cached");
    Grid->RestoreCellCache();
    EXPECT_EQ(Grid->Cells(2, 3), "cached");
}

TEST_F(ExtGridEditorHooksTest, BlockFocusHooksFireTheirEvents)
{
    std::string log;
    Grid->StartBlockFocus();  // no handler: nothing happens
    Grid->OnStartBlockFocus = [&](TSender s) { log += s == Grid ? "start;" : "?"; };
    Grid->OnEndBlockFocus = [&](TSender s) { log += s == Grid ? "end;" : "?"; };
    Grid->StartBlockFocus();
    Grid->EndBlockFocus();
    EXPECT_EQ(log, "start;end;");
}

}  // namespace
