// A form with a string grid at run time, for driving the grid's editor controls with real messages.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

// Opens a cell's editor control the way a user does: the cell answers the editor kind,
// the cell is clicked (the grid takes the focus and the cell becomes current) and F2 is
// pressed, so the grid asks its edit permission and shows the control of that kind.
inline void OpenEditorOver(grid::TExtStringGrid& grid, ui::TWinControl& editor, grid::TEditorType kind, int col,
                           int row)
{
    grid.SetOptions(grid.Options() | ui::goEditing);
    const int realCol = grid.RealColIndex(col);
    auto previous = grid.OnGetEditorType;
    grid.OnGetEditorType = [previous, kind, realCol, row](rtl::TObject* sender, int c, int r, grid::TEditorType& e) {
        if (previous) previous(sender, c, r, e);
        if (c == realCol && r == row) e = kind;
    };
    // An editor still open from before covers its cell: it is closed first, as leaving it does.
    if (grid.EditorMode()) grid.HideInplaceEdit();
    if (grid.Col() != col || grid.Row() != row || !grid.Focused()) {
        // Successive clicks land on different spots of their cells, so that two quick
        // clicks on one cell are not taken for a double click.
        static int spot = 0;
        spot = (spot + 1) % 2;
        const rtl::TRect cell = grid.CellRect(col, row);
        ui::THeadlessBackend::Click(&grid, cell.Left + 2 + 10 * spot, cell.Top + 2 + 6 * spot);
    }
    if (!grid.EditorMode()) ui::THeadlessBackend::PressKey(ui::VK_F2);
    EXPECT_EQ(grid.Col(), col);
    EXPECT_EQ(grid.Row(), row);
    EXPECT_TRUE(editor.Visible());
}

class GridEditorFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 600, 400);
        Grid = new grid::TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 500, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Form->Show();
    }
    void TearDown() override { App.reset(); }

    void Open(ui::TWinControl& editor, grid::TEditorType kind, int col, int row)
    {
        OpenEditorOver(*Grid, editor, kind, col, row);
    }
    static void Press(int vk, ui::TShiftState shift = 0) { ui::THeadlessBackend::PressKey(vk, shift); }
    static void Type(const std::string& text) { ui::THeadlessBackend::TypeText(text); }
    // A letter as typing produces it: the character, then the key's release.
    static void TypeKey(char letter)
    {
        ui::THeadlessBackend::TypeText(std::string(1, letter));
        ui::THeadlessBackend::KeyUp(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
    }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    grid::TExtStringGrid* Grid = nullptr;
};
