// Tests of the base grid's cell painter on real pixels: merged blocks, grid lines, selection looks, hover, hidden last row, clipping.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <utility>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

// Records where and how often each cell's content was painted.
class TCountingGrid : public TExtStringGrid {
public:
    explicit TCountingGrid(rtl::TComponent* owner) : TExtStringGrid(owner) {}
    void DrawCellContents(gfx::TCanvas& ACanvas, int ACol, int ARow, const rtl::TRect& ARect,
                          ui::TGridDrawState AState) override
    {
        ++Painted[{ACol, ARow}];
        ContentRect[{ACol, ARow}] = ARect;
        TExtStringGrid::DrawCellContents(ACanvas, ACol, ARow, ARect, AState);
    }
    void SetHoverRowIdx(int r) { FHoverRowIdx = r; }
    int Count(int c, int r) const
    {
        auto it = Painted.find({c, r});
        return it == Painted.end() ? 0 : it->second;
    }
    rtl::TRect Content(int c, int r) const
    {
        auto it = ContentRect.find({c, r});
        return it == ContentRect.end() ? rtl::TRect{} : it->second;
    }
    std::map<std::pair<int, int>, int> Painted;
    std::map<std::pair<int, int>, rtl::TRect> ContentRect;
};

class BaseGridPaintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 600, 400);
        Grid = new TCountingGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 560, 360);
        Grid->SetColor(gfx::clWhite);
        // The plain look fills fixed cells with the fixed colour (the default look paints
        // a header gradient over them).
        Grid->SetLook(glStandard);
        Grid->SetFixedColor(gfx::clPurple);
        Grid->SetGridLineColor(gfx::clRed);
        Grid->SetGridFixedLineColor(gfx::clBlue);
    }
    void TearDown() override { App.reset(); }
    void Show()
    {
        Form->Show();
        App->ProcessMessages();
    }
    void Repaint()
    {
        Grid->Invalidate();
        Form->PaintPending();
    }
    gfx::TColor Pixel(int x, int y) const
    {
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Grid, x, y)) & 0xFFFFFF;
    }
    rtl::TPoint Centre(int c, int r) const
    {
        rtl::TRect rc = Grid->CellRect(c, r);
        return {(rc.Left + rc.Right) / 2, (rc.Top + rc.Bottom) / 2};
    }
    gfx::TColor CentrePixel(int c, int r) const
    {
        rtl::TPoint p = Centre(c, r);
        return Pixel(p.X, p.Y);
    }
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TCountingGrid* Grid = nullptr;
};

TEST_F(BaseGridPaintTest, MergedBlockIsPaintedOncePerPassOverItsWholeRectangle)
{
    Grid->MergeCells(1, 1, 3, 2);
    Grid->CellProperties(1, 1)->SetBrushColor(gfx::clYellow);
    Show();
    Grid->SetSelection(rtl::TRect{4, 4, 4, 4});  // the block is not selected
    rtl::TRect block = Grid->CellRect(1, 1);
    // Every member answers the block's rectangle.
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r) EXPECT_EQ(Grid->CellRect(c, r), block) << c << "," << r;
    rtl::TRect first = Grid->CalcCellRect(1, 1);
    rtl::TRect last = Grid->CalcCellRect(3, 2);
    EXPECT_EQ(block, (rtl::TRect{first.Left, first.Top, last.Right, last.Bottom}));
    EXPECT_EQ(Grid->CellSize(2, 2), (rtl::TPoint{block.Right - block.Left, block.Bottom - block.Top}));

    Grid->Painted.clear();
    int before = Grid->PaintID();
    Repaint();
    EXPECT_EQ(Grid->PaintID(), before + 1);
    EXPECT_EQ(Grid->Count(1, 1), 1);
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 2; ++r) {
            if (c != 1 || r != 1) {
                EXPECT_EQ(Grid->Count(c, r), 0) << c << "," << r;
            }
        }
    // The content spans the block, inset by the line width.
    EXPECT_EQ(Grid->Content(1, 1), (rtl::TRect{block.Left + 1, block.Top + 1, block.Right - 1, block.Bottom - 1}));
    // One background over the block: no inner grid lines where its cells meet.
    rtl::TRect inner = Grid->TObjStringGrid::CellRect(1, 1);
    EXPECT_EQ(Pixel(inner.Right - 1, inner.Top + 5), gfx::clYellow);
    EXPECT_EQ(Pixel(inner.Left + 5, inner.Bottom - 1), gfx::clYellow);
    EXPECT_EQ(Pixel(block.Right - 2, block.Bottom - 2), gfx::clYellow);
    // Its outer lines are drawn.
    EXPECT_EQ(Pixel(block.Right - 1, block.Top + 5), gfx::clRed);
    EXPECT_EQ(Pixel(block.Left + 5, block.Bottom - 1), gfx::clRed);
    // The next pass paints it once more.
    Repaint();
    EXPECT_EQ(Grid->Count(1, 1), 2);
}

TEST_F(BaseGridPaintTest, RepaintingPartOfABlockDrawsOnlyInsideTheInvalidatedArea)
{
    Grid->MergeCells(1, 1, 3, 2);
    Grid->CellProperties(1, 1)->SetBrushColor(gfx::clYellow);
    Show();
    Grid->SetSelection(rtl::TRect{4, 4, 4, 4});
    Repaint();
    // Change the colour behind the grid's back, then let only one member cell repaint.
    Grid->OnGetCellColor = [](TSender, int, int, ui::TGridDrawState, gfx::TBrush* b, gfx::TFont*) {
        if (b->Color() == gfx::clYellow) b->SetColor(gfx::clLime);
    };
    Grid->InvalidateRect(Grid->TObjStringGrid::CellRect(3, 2));
    Form->PaintPending();
    EXPECT_EQ(Pixel(Grid->TObjStringGrid::CellRect(3, 2).Left + 5, Grid->TObjStringGrid::CellRect(3, 2).Top + 5),
              gfx::clLime);
    EXPECT_EQ(Pixel(Grid->TObjStringGrid::CellRect(1, 1).Left + 5, Grid->TObjStringGrid::CellRect(1, 1).Top + 5),
              gfx::clYellow);
}

TEST_F(BaseGridPaintTest, BlockScrolledPartlyOutOfViewIsPaintedThroughAVisibleMember)
{
    Grid->SetRowCount(40);
    Grid->MergeCells(2, 3, 2, 3);
    Grid->CellProperties(2, 3)->SetBrushColor(gfx::clLime);
    Show();
    Grid->SetTopRow(4);  // the base row is scrolled away; rows 4 and 5 of the block show
    Grid->Painted.clear();
    Repaint();
    EXPECT_EQ(Grid->Count(2, 3), 1);
    EXPECT_EQ(CentrePixel(3, 4), gfx::clLime);
    // The part of the block above the first scrolled row stays out of the fixed row.
    EXPECT_EQ(CentrePixel(2, 0), gfx::clPurple);
}

// A block in a fixed column that scrolls under the fixed rows keeps its visible part: only
// the fixed rows are kept clear of it, not its own fixed column.
TEST_F(BaseGridPaintTest, FixedColumnBlockScrolledUnderTheFixedRowsStaysVisibleBelowThem)
{
    Grid->SetRowCount(40);
    Grid->MergeCells(0, 2, 1, 4);  // rows 2..5 of the fixed column
    Grid->CellProperties(0, 2)->SetBrushColor(gfx::clYellow);
    Show();
    Grid->SetTopRow(4);
    Repaint();
    EXPECT_EQ(CentrePixel(0, 0), gfx::clPurple);  // the fixed row stays clear of the block
    rtl::TRect row4 = Grid->TObjStringGrid::CellRect(0, 4);
    EXPECT_EQ(Pixel((row4.Left + row4.Right) / 2, (row4.Top + row4.Bottom) / 2), gfx::clYellow);
}

struct LineCase {
    int Width;
    int LineOffset;   // first pixel of the line, counted back from the right/bottom edge
};

class GridLineWidthTest : public BaseGridPaintTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(GridLineWidthTest, LinesLieAtTheCellsRightAndBottomEdgeAndContentIsInsetByTheWidth)
{
    const LineCase& tc = GetParam();
    Grid->SetGridLineWidth(tc.Width);
    Show();
    Repaint();
    rtl::TRect r = Grid->CellRect(2, 2);
    int midX = (r.Left + r.Right) / 2;
    int midY = (r.Top + r.Bottom) / 2;
    for (int i = 1; i <= tc.LineOffset; ++i) {
        EXPECT_EQ(Pixel(r.Right - i, midY), gfx::clRed) << "right line, pixel " << i;
        EXPECT_EQ(Pixel(midX, r.Bottom - i), gfx::clRed) << "bottom line, pixel " << i;
    }
    EXPECT_EQ(Pixel(r.Right - tc.LineOffset - 1, midY), gfx::clWhite);
    EXPECT_EQ(Pixel(midX, r.Bottom - tc.LineOffset - 1), gfx::clWhite);
    EXPECT_EQ(Pixel(midX, r.Top), gfx::clWhite);  // the line above belongs to the cell above... and is clipped to it
    EXPECT_EQ(Grid->Content(2, 2),
              (rtl::TRect{r.Left + tc.Width, r.Top + tc.Width, r.Right - tc.Width, r.Bottom - tc.Width}));
    // Fixed cells always have one-pixel lines in the fixed line colour.
    rtl::TRect f = Grid->CellRect(2, 0);
    EXPECT_EQ(Pixel(f.Right - 1, (f.Top + f.Bottom) / 2), gfx::clBlue);
    EXPECT_EQ(Pixel(f.Right - 2, (f.Top + f.Bottom) / 2), gfx::clPurple);
    EXPECT_EQ(Pixel((f.Left + f.Right) / 2, f.Bottom - 1), gfx::clBlue);
    EXPECT_EQ(Pixel((f.Left + f.Right) / 2, f.Bottom - 2), gfx::clPurple);
}

INSTANTIATE_TEST_SUITE_P(Widths, GridLineWidthTest, ::testing::Values(LineCase{1, 1}, LineCase{3, 3}));

TEST_F(BaseGridPaintTest, PaintingACellOnAnotherCanvasDrawsNothingOutsideItsRectangle)
{
    Grid->SetGridLineWidth(3);
    Grid->SetCells(2, 2, "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    gfx::TBitmap bmp;
    bmp.SetSize(200, 100);
    bmp.Canvas().Brush().SetColor(gfx::clAqua);
    bmp.Canvas().FillRect(rtl::TRect{0, 0, 200, 100});
    rtl::TRect cell{50, 30, 120, 60};
    Grid->PaintCellExt(bmp.Canvas(), 2, 2, cell, 0);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            bool inside = x >= cell.Left && x < cell.Right && y >= cell.Top && y < cell.Bottom;
            if (!inside) {
                ASSERT_EQ(bmp.Canvas().Pixels(x, y), gfx::clAqua) << x << "," << y;
            }
        }
    EXPECT_EQ(bmp.Canvas().Pixels(60, 40), gfx::clWhite);
    EXPECT_EQ(bmp.Canvas().Pixels(cell.Right - 1, 40), gfx::clRed);
}

TEST_F(BaseGridPaintTest, DefaultSelectionTakesTheSelectionColourAndFocusedCellStaysOutOnlyWhenAsked)
{
    Show();
    Grid->SetSelection(rtl::TRect{2, 2, 3, 3});
    Repaint();
    EXPECT_EQ(CentrePixel(3, 3), gfx::ColorToRGB(Grid->SelectionColor()));
    EXPECT_EQ(CentrePixel(4, 3), gfx::clWhite);
    EXPECT_EQ(CentrePixel(3, 0), gfx::clPurple);  // fixed cells never show selected
}

// Whether each channel of c lies between those of a and b (give or take the rounding of
// the gradient's bands).
bool Between(gfx::TColor c, gfx::TColor a, gfx::TColor b)
{
    for (int shift : {0, 8, 16}) {
        int v = static_cast<int>((c >> shift) & 0xFF);
        int lo = static_cast<int>(std::min((a >> shift) & 0xFF, (b >> shift) & 0xFF)) - 2;
        int hi = static_cast<int>(std::max((a >> shift) & 0xFF, (b >> shift) & 0xFF)) + 2;
        if (v < lo || v > hi) return false;
    }
    return true;
}

TEST_F(BaseGridPaintTest, RoundedSelectionLooksGreyWithoutFocusAndInColourWithDrawFocusSelected)
{
    Grid->SetSelectionStyle(ssOffice2007);
    auto* other = new TExtStringGrid(Form);  // takes the focus away from the grid
    other->SetParent(Form);
    other->SetBounds(0, 365, 100, 30);
    Show();
    other->SetFocus();
    ASSERT_FALSE(Grid->Focused());
    Grid->SetSelection(rtl::TRect{2, 2, 4, 2});
    Repaint();
    rtl::TRect r = Grid->CellRect(3, 2);
    int upperY = r.Top + (r.Bottom - r.Top) / 4;
    EXPECT_TRUE(Between(Pixel((r.Left + r.Right) / 2, upperY), 0xF8F8F8, 0xE5E5E5)) << std::hex
        << Pixel((r.Left + r.Right) / 2, upperY);
    Grid->SetOptions(Grid->Options() | ui::goDrawFocusSelected);
    Repaint();
    EXPECT_TRUE(Between(Pixel((r.Left + r.Right) / 2, upperY), 0xD7FFFD, 0x58D4FC)) << std::hex
        << Pixel((r.Left + r.Right) / 2, upperY);
    int lowerY = r.Bottom - (r.Bottom - r.Top) / 4;
    EXPECT_TRUE(Between(Pixel((r.Left + r.Right) / 2, lowerY), 0x58D4FC, 0xB3F1FC)) << std::hex
        << Pixel((r.Left + r.Right) / 2, lowerY);
    // A focused grid shows the coloured look without the option.
    Grid->SetOptions(Grid->Options() & ~ui::goDrawFocusSelected);
    Grid->SetFocus();
    Repaint();
    EXPECT_TRUE(Between(Pixel((r.Left + r.Right) / 2, upperY), 0xD7FFFD, 0x58D4FC));
}

TEST_F(BaseGridPaintTest, HoverRowColoursNormalAndSelectedCellsButNotFixedOnes)
{
    Grid->SetHoverRow(true);
    Grid->SetHoverRowColor(gfx::clLime);
    Show();
    Grid->SetSelection(rtl::TRect{3, 2, 3, 2});
    Grid->SetHoverRowIdx(2);
    Repaint();
    EXPECT_EQ(CentrePixel(2, 2), gfx::clLime);
    EXPECT_EQ(CentrePixel(3, 2), gfx::clLime);   // selected cells take it by default
    EXPECT_EQ(CentrePixel(0, 2), gfx::clPurple);  // fixed cells keep their colour
    EXPECT_EQ(CentrePixel(2, 3), gfx::clWhite);
    Grid->SetHoverRowCells(THoverRowCells{hcNormal});
    Repaint();
    EXPECT_EQ(CentrePixel(3, 2), gfx::ColorToRGB(Grid->SelectionColor()));
}

TEST_F(BaseGridPaintTest, ActiveRowTakesItsColourOutsideTheCurrentCellAndFixedColumns)
{
    Grid->SetActiveRowShow(true);
    Grid->SetActiveRowColor(gfx::clTeal);
    Show();
    Grid->SetRow(3);
    Grid->SetCol(2);
    Repaint();
    EXPECT_EQ(CentrePixel(3, 3), gfx::clTeal);
    EXPECT_EQ(CentrePixel(0, 3), gfx::clPurple);
    EXPECT_NE(CentrePixel(2, 3), gfx::clTeal);
}

TEST_F(BaseGridPaintTest, HiddenLastRowPaintsAsAPlainRectangleOfTheGridColour)
{
    Grid->SetRowCount(4);
    Grid->SetHideLastRow(true);
    Grid->SetCells(2, 3, "WWWW");
    Show();
    Grid->Painted.clear();
    Repaint();
    rtl::TRect r = Grid->CellRect(2, 3);
    for (int x = r.Left; x < r.Right; ++x)
        for (int y = r.Top; y < r.Bottom; ++y) ASSERT_EQ(Pixel(x, y), gfx::clWhite) << x << "," << y;
    EXPECT_EQ(Grid->Count(2, 3), 0);
    EXPECT_EQ(Pixel(Centre(0, 3).X, Centre(0, 3).Y), gfx::clWhite);
}

TEST_F(BaseGridPaintTest, AlignmentEventPlacesTheTextOfThePaintedCell)
{
    Grid->SetCells(2, 2, "W");
    Grid->SetCells(3, 2, "W");
    Grid->OnGetAlignment = [](TSender, int r, int c, ui::TAlignment& h, TVAlignment&) {
        if (r == 2 && c == 3) h = ui::taRightJustify;
    };
    Show();
    Repaint();
    auto inkIn = [&](int c, int r, bool rightHalf) {
        rtl::TRect rc = Grid->CellRect(c, r);
        int mid = (rc.Left + rc.Right) / 2;
        int ink = 0;
        for (int x = rightHalf ? mid : rc.Left + 1; x < (rightHalf ? rc.Right - 1 : mid); ++x)
            for (int y = rc.Top + 1; y < rc.Bottom - 1; ++y) ink += Pixel(x, y) != gfx::clWhite;
        return ink;
    };
    EXPECT_GT(inkIn(2, 2, false), 0);
    EXPECT_EQ(inkIn(2, 2, true), 0);
    EXPECT_EQ(inkIn(3, 2, false), 0);
    EXPECT_GT(inkIn(3, 2, true), 0);
}

TEST_F(BaseGridPaintTest, ZeroSizedColumnsAndRowsPaintWithoutFaults)
{
    Grid->SetColWidths(2, 0);
    Grid->SetRowHeights(2, 0);
    Grid->MergeCells(2, 2, 2, 2);
    Show();
    Repaint();
    rtl::TRect block = Grid->CellRect(2, 2);
    EXPECT_EQ(block.Right - block.Left, Grid->ColWidths(3));
    EXPECT_EQ(block.Bottom - block.Top, Grid->RowHeights(3));
    EXPECT_EQ(Grid->CellSize(2, 2), (rtl::TPoint{Grid->ColWidths(3), Grid->RowHeights(3)}));
}

}  // namespace
