// Tests of the string grid's zoom: column widths and row heights change by the step, within the zoom range.
#include <gtest/gtest.h>

#include <memory>

#include "grid/core/ExtGrid.h"

using namespace grid;

namespace {

TEST(ExtGridZoomTest, ZoomStepsStopAtTwentyAndKeepZeroAndTooSmallSizes)
{
    TExtStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(3);
    grid.SetColWidths(1, 3);
    grid.SetColWidths(2, 0);
    grid.SetRowHeights(2, 4);
    const int w0 = grid.ColWidths(0);
    const int h0 = grid.RowHeights(0);

    grid.Zoom(-4);
    EXPECT_EQ(grid.ZoomFactor(), -4);
    EXPECT_EQ(grid.ColWidths(0), w0 - 4);
    EXPECT_EQ(grid.ColWidths(1), 3);  // would reach 0
    EXPECT_EQ(grid.ColWidths(2), 0);  // hidden stays hidden
    EXPECT_EQ(grid.RowHeights(0), h0 - 4);
    EXPECT_EQ(grid.RowHeights(2), 4);

    grid.Zoom(4);
    for (int i = 0; i < 4; ++i) grid.Zoom(5);
    EXPECT_EQ(grid.ZoomFactor(), 20);
    grid.Zoom(5);  // beyond the range: nothing changes
    EXPECT_EQ(grid.ZoomFactor(), 20);
    EXPECT_EQ(grid.ColWidths(0), w0 + 20);
    EXPECT_EQ(grid.ColWidths(1), 27);  // kept at 3, then +4 and four times +5
    EXPECT_EQ(grid.ColWidths(2), 0);
    EXPECT_EQ(grid.RowHeights(0), h0 + 20);
    EXPECT_FALSE(grid.ScrollLock());
}

TEST(ExtGridZoomTest, IntelliZoomReportsTheZoomFactor)
{
    TExtStringGrid grid(nullptr);
    int reported = -99;
    grid.DoIntelliZoom();  // without a handler nothing happens
    grid.OnIntelliZoom = [&](TSender sender, int factor) {
        EXPECT_EQ(sender, &grid);
        reported = factor;
    };
    grid.Zoom(3);
    grid.DoIntelliZoom();
    EXPECT_EQ(reported, 3);
}

}  // namespace
