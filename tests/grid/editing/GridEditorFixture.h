// A form with a string grid at run time, for driving the grid's editor controls with real messages.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Forms.h"

// Puts an editor control over a cell as the grid shows it: the cell becomes current, its
// value is kept for undo and cancel, the editor kind is recorded and the control enabled,
// shown and focused.
inline void OpenEditorOver(grid::TExtStringGrid& grid, ui::TWinControl& editor, grid::TEditorType kind, int col,
                           int row)
{
    grid.SetCol(col);
    grid.SetRow(row);
    grid.SaveOldCellValue(col, row);
    grid.SetCellCache(grid.Cells(col, row));
    grid.SetEditControl(kind);
    editor.SetBounds(50, 50, 120, 22);
    editor.SetEnabled(true);
    editor.SetVisible(true);
    editor.SetFocus();
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
