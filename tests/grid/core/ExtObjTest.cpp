// Tests of the ExtObj unit's string grid subclass and of the drawing-event types handlers plug into.
#include "grid/core/ExtObj.h"

#include <gtest/gtest.h>

#include "grid/core/GridEventsDraw.h"
#include "platform/gfx/GraphicsObjects.h"

using namespace grid;

TEST(ExtObjTest, ObjectStringGridIsThePlatformGridWithItsSparseCells)
{
    TObjStringGrid grid(nullptr);
    ui::TStringGrid* platform = &grid;
    EXPECT_EQ(platform->ClassName(), "TObjStringGrid");
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCells(7, 1, "beyond");  // cells may lie beyond ColCount
    EXPECT_EQ(grid.Cells(7, 1), "beyond");
}

TEST(ExtObjTest, DrawingEventsTakeTheGridDrawStateAndAnswerAlignments)
{
    ui::TGridDrawState seen = 0;
    TGridColorEvent onColor = [&](TSender, int, int, ui::TGridDrawState state, gfx::TBrush* brush, gfx::TFont*) {
        seen = state;
        brush->SetColor(gfx::clRed);
    };
    gfx::TBrush brush;
    gfx::TFont font;
    onColor(nullptr, 1, 2, ui::gdFixed | ui::gdFocused, &brush, &font);
    EXPECT_EQ(seen, ui::gdFixed | ui::gdFocused);
    EXPECT_EQ(brush.Color(), gfx::clRed);

    TGridAlignEvent onAlign = [](TSender, int, int, ui::TAlignment& h, TVAlignment& v) {
        h = ui::taRightJustify;
        v = vtaBottom;
    };
    ui::TAlignment h = ui::taLeftJustify;
    TVAlignment v = vtaTop;
    onAlign(nullptr, 0, 0, h, v);
    EXPECT_EQ(h, ui::taRightJustify);
    EXPECT_EQ(v, vtaBottom);
}
