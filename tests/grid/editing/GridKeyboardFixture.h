// A headless form with a string grid that has the focus, driven by real key and mouse messages on a clock only the test moves.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/ui/Clock.h"
#include "platform/ui/Forms.h"
#include "platform/ui/StdCtrls.h"

namespace gridtest {

class GridKeyboardTest : public ::testing::Test {
public:
    void TearDown() override
    {
        App.reset();
        ui::SetMonotonicClock(nullptr);
    }

    // The form (640 × 420) with the grid (520 × 300, Cols × Rows, goEditing plus Extra) and
    // a second edit to take the focus away from it; the grid has the focus.
    void MakeGrid(int Cols, int Rows, ui::TGridOptions Extra = 0)
    {
        ui::SetMonotonicClock(&Clock);
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(10, 10, 640, 420);
        Grid = new grid::TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 520, 300);
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows);
        Grid->SetOptions(Grid->Options() | ui::goEditing | Extra);
        Other = new ui::TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(530, 10, 90, 22);
        Form->Show();
        Grid->SetFocus();
    }

    static void Press(int vk, ui::TShiftState shift = 0) { ui::THeadlessBackend::PressKey(vk, shift); }
    static void Type(const std::string& text) { ui::THeadlessBackend::TypeText(text); }
    // A click a little inside the cell; successive clicks alternate their spot so that two
    // quick clicks on one cell are no double click.
    void Click(int col, int row)
    {
        Spot = 1 - Spot;
        const rtl::TRect r = Grid->CellRect(col, row);
        ui::THeadlessBackend::Click(Grid, r.Left + 3 + 12 * Spot, r.Top + 3 + 4 * Spot);
    }
    // Moves the cursor to the cell with a click (no editor opens: the cell is not current).
    void GoTo(int col, int row)
    {
        if (Grid->Col() != col || Grid->Row() != row) Click(col, row);
    }
    std::string Cell() const { return std::to_string(Grid->Col()) + "," + std::to_string(Grid->Row()); }

    ui::TManualClock Clock;
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    grid::TExtStringGrid* Grid = nullptr;
    ui::TEdit* Other = nullptr;
    int Spot = 0;
};

}  // namespace gridtest
