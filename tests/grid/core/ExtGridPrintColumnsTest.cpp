// The grid's view of its last print layout: the width and left offset of each printed column.
#include <gtest/gtest.h>

#include <cairo.h>

#include <map>

#include "grid/core/GridTypes.h"
#include "platform/gfx/Canvas.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

class PrintColumnsTest : public gridtest::GridOnFormTest {};

// The widths are those the layout settled on (here set through OnPrintSetColumnWidth), and
// each column starts where the one before it ends plus the same column spacing.
TEST_F(PrintColumnsTest, WidthsAndOffsetsAreThoseOfTheLastLayout)
{
    Grid->SetColCount(4);
    Grid->SetRowCount(3);
    EXPECT_EQ(Grid->PrintColWidth(2), 0);  // nothing printed yet
    const std::map<int, int> widths{{0, 100}, {1, 250}, {2, 175}, {3, 90}};
    Grid->OnPrintSetColumnWidth = [&](rtl::TObject*, int col, int& width) { width = widths.at(col); };
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 400, 400);
    gfx::TCanvas canvas(s);
    Grid->PrintPreview(canvas, {0, 0, 400, 400});
    cairo_surface_destroy(s);
    for (const auto& [col, width] : widths) EXPECT_EQ(Grid->PrintColWidth(col), width) << col;
    const int spacing = Grid->PrintColOffset(1) - Grid->PrintColOffset(0) - 100;
    EXPECT_GE(spacing, 0);
    EXPECT_EQ(Grid->PrintColOffset(2) - Grid->PrintColOffset(1), 250 + spacing);
    EXPECT_EQ(Grid->PrintColOffset(3) - Grid->PrintColOffset(2), 175 + spacing);
}

TEST_F(PrintColumnsTest, ColumnsOutsideTheGridAreRefused)
{
    Grid->SetColCount(3);
    for (int col : {-1, 3, 40}) {
        try {
            Grid->PrintColWidth(col);
            ADD_FAILURE() << col;
        } catch (const grid::VIdoZovuVozir& e) {
            EXPECT_STREQ(e.what(), "Columns is not in valid range");
        }
        EXPECT_THROW(Grid->PrintColOffset(col), grid::VIdoZovuVozir);
    }
}

}  // namespace
