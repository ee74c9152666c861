// Test fixture: a real grid on a headless form whose cell graphics are drawn onto a real pixel surface.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Forms.h"
#include "tests/grid/foundation/ExtUtilTestCanvas.h"

namespace gridtest {

class GraphicDrawTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 700, 500);
        Grid = new grid::TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 660, 460);
        Grid->SetColCount(4);
        Grid->SetRowCount(4);
        Grid->SetColWidths(1, 120);
        Grid->SetRowHeights(1, 30);
        // Check boxes, radio items and buttons of cells that cannot be edited draw disabled.
        Grid->SetOptions(Grid->Options() | ui::goEditing);
    }
    void TearDown() override { App.reset(); }

    // The cell's graphic drawn on a white surface the size of the cell, at its origin.
    std::unique_ptr<Surface> Draw(int c, int r, const grid::TExtStringGrid::TCellGraphicPaint& work = {})
    {
        auto s = std::make_unique<Surface>(Grid->ColWidths(c), Grid->RowHeights(r));
        s->Canvas().Font().Assign(&Grid->Font());
        Grid->DrawCellGraphic(s->Canvas(), c, r, CellBox(c, r), Grid->GetCellGraphic(c, r), work);
        return s;
    }
    rtl::TRect CellBox(int c, int r) const { return rtl::Rect(0, 0, Grid->ColWidths(c), Grid->RowHeights(r)); }

    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    grid::TExtStringGrid* Grid = nullptr;
};

// Bounding box of the pixels for which `test` holds; empty (0, 0, 0, 0) when none.
inline rtl::TRect InkBox(const Surface& s, const std::function<bool(gfx::TColor)>& test)
{
    rtl::TRect box{s.Width(), s.Height(), -1, -1};
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (test(s.At(x, y))) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    if (box.Right < 0) return {0, 0, 0, 0};
    return box;
}

inline bool Dark(gfx::TColor c) { return gfx::GetRValue(c) + gfx::GetGValue(c) + gfx::GetBValue(c) < 3 * 110; }
inline bool NotWhite(gfx::TColor c) { return (c & 0xFFFFFF) != 0xFFFFFF; }

}  // namespace gridtest
