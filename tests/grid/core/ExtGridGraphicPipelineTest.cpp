// Tests that the grid's own paint draws each cell's graphic in its cell, on real pixels.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/core/ExtGrid.h"
#include "platform/backend/HeadlessBackend.h"
#include "platform/gfx/Canvas.h"
#include "platform/ui/Forms.h"

using namespace grid;

namespace {

class GraphicPipelineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        App = std::make_unique<ui::TApplication>();
        App->SetBackend(std::make_unique<ui::THeadlessBackend>());
        Form = new ui::TForm(App.get());
        Form->SetBounds(0, 0, 600, 300);
        Grid = new TExtStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 560, 260);
        Grid->SetColor(gfx::clWhite);
        Grid->SetDefaultColWidth(100);
        // Cell (1, 1) is current and painted selected; the tests use row 2.
    }
    void TearDown() override { App.reset(); }
    void Paint()
    {
        Form->Show();
        App->ProcessMessages();
        Grid->Invalidate();
        Form->PaintPending();
    }
    gfx::TColor Pixel(int x, int y) const
    {
        return static_cast<gfx::TColor>(ui::THeadlessBackend::Pixel(Grid, x, y)) & 0xFFFFFF;
    }
    // Pixels of the cell (inside its lines) of exactly this colour.
    int Count(int c, int r, gfx::TColor colour) const
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        int n = 0;
        for (int x = rc.Left; x < rc.Right - 1; ++x)
            for (int y = rc.Top; y < rc.Bottom - 1; ++y) n += Pixel(x, y) == colour;
        return n;
    }
    // Pixels of the cell that are not the background.
    int Ink(int c, int r) const
    {
        const rtl::TRect rc = Grid->CellRect(c, r);
        return (rc.Right - rc.Left - 1) * (rc.Bottom - rc.Top - 1) - Count(c, r, gfx::clWhite);
    }
    // Positions where two cells of equal size differ.
    int Differences(int c1, int c2, int r) const
    {
        const rtl::TRect a = Grid->CellRect(c1, r);
        const rtl::TRect b = Grid->CellRect(c2, r);
        int n = 0;
        for (int x = 0; x < a.Right - a.Left - 1; ++x)
            for (int y = 0; y < a.Bottom - a.Top - 1; ++y) n += Pixel(a.Left + x, a.Top + y) != Pixel(b.Left + x, b.Top + y);
        return n;
    }
    std::unique_ptr<ui::TApplication> App;
    ui::TForm* Form = nullptr;
    TExtStringGrid* Grid = nullptr;
};

TEST_F(GraphicPipelineTest, CheckBoxCellsShowTheirBoxAndATickOnlyWhenChecked)
{
    Grid->AddCheckBox(1, 2, true, false);
    Grid->AddCheckBox(2, 2, false, false);
    Paint();
    EXPECT_GT(Ink(2, 2), 20) << "an unchecked box is drawn";
    EXPECT_GT(Differences(1, 2, 2), 5) << "the tick shows";
    Grid->AddCheckBox(3, 2, true, false);
    Paint();
    EXPECT_EQ(Differences(1, 3, 2), 0) << "two checked boxes look alike";
    EXPECT_EQ(Ink(4, 2), 0) << "a cell without a graphic stays empty";
}

TEST_F(GraphicPipelineTest, ProgressCellsFillTheFractionOfTheirValue)
{
    const gfx::TColor green = 0x00A000;
    Grid->SetCells(1, 2, "25");
    Grid->AddProgress(1, 2, green, gfx::clWhite);
    Grid->SetCells(2, 2, "75");
    Grid->AddProgress(2, 2, green, gfx::clWhite);
    Grid->SetCells(3, 2, "1.2.3");
    Grid->AddProgress(3, 2, green, gfx::clWhite);
    Paint();
    const int quarter = Count(1, 2, green);
    const int threeQuarters = Count(2, 2, green);
    EXPECT_GT(quarter, 0);
    EXPECT_NEAR(double(threeQuarters) / quarter, 3.0, 0.6);
    EXPECT_EQ(Count(3, 2, green), 0) << "text that is no number draws an empty bar";
}

TEST_F(GraphicPipelineTest, CommentedCellsShowTheTriangleInTheirTopRightCorner)
{
    Grid->SetCells(1, 2, "x");
    Grid->AddComment(1, 2, "note");
    Paint();
    const rtl::TRect rc = Grid->CellRect(1, 2);
    const gfx::TColor corner = Pixel(rc.Right - 3, rc.Top + 1);
    EXPECT_NE(corner, gfx::clWhite);
    EXPECT_EQ(Pixel(rc.Left + 3, rc.Bottom - 3), gfx::clWhite);
}

}  // namespace
