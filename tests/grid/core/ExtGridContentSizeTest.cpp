// Tests of the string grid's cell graphic measuring for autosizing and printing.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "grid/core/CellGraphics.h"
#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsLook.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/ImageList.h"
#include "platform/rtl/StringList.h"

using namespace grid;

namespace {

class ExtGridContentSizeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid = std::make_unique<TExtStringGrid>(nullptr);
        Grid->SetColCount(4);
        Grid->SetRowCount(4);
        Grid->SetColWidths(1, 90);
        Grid->SetRowHeights(1, 40);
        Bitmap.SetSize(32, 16);
    }
    std::unique_ptr<TExtStringGrid> Grid;
    gfx::TBitmap Bitmap;
};

struct BitmapCase {
    const char* Name;
    TCellHAlign H;
    TCellVAlign V;
    const char* Text;
    rtl::TPoint Expected;  // (-1 = the cell's width or height)
};

class ExtGridBitmapSize : public ExtGridContentSizeTest, public ::testing::WithParamInterface<BitmapCase> {};

TEST_P(ExtGridBitmapSize, BitmapTakesRoomBesideOrOverItsTextOrTheWholeCell)
{
    const BitmapCase& tc = GetParam();
    Grid->CreateCellGraphic(1, 1)->SetBitmap(&Bitmap, false, tc.H, tc.V);
    Grid->SetCells(1, 1, tc.Text);
    rtl::TPoint expected = tc.Expected;
    if (expected.X < 0) expected.X = Grid->CellSize(1, 1).X;
    if (expected.Y < 0) expected.Y = Grid->CellSize(1, 1).Y;
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 1), expected);
    EXPECT_EQ(Grid->CellGraphicSize(1, 1), expected);
    // Printing measures the bitmap itself, with no full-cell rule.
    EXPECT_EQ(Grid->CalcPrintCellSize(1, 1, 50, 20), (rtl::TPoint{32, 16}));
}

INSTANTIATE_TEST_SUITE_P(
    Placements, ExtGridBitmapSize,
    ::testing::Values(BitmapCase{"BesideText", haBeforeText, vaTop, "text", {32, 0}},
                      BitmapCase{"NoText", haBeforeText, vaTop, "", {32, 16}},
                      BitmapCase{"LeftOfText", haLeft, vaTop, "text", {0, 0}},
                      BitmapCase{"UnderText", haLeft, vaUnderText, "text", {0, 16}},
                      BitmapCase{"FullHeight", haBeforeText, vaFull, "text", {32, -1}},
                      BitmapCase{"FullWidth", haFull, vaTop, "", {-1, 16}}),
    [](const ::testing::TestParamInfo<BitmapCase>& info) { return info.param.Name; });

TEST_F(ExtGridContentSizeTest, CheckBoxesAndRadioButtonsMeasureTheirControlSizeWhateverTheText)
{
    Grid->AddCheckBox(1, 1, true, false);
    Grid->SetCells(1, 1, "a long text that does not matter");
    const int check = Grid->ControlLook().CheckSize();
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 1), (rtl::TPoint{check, check}));
    EXPECT_EQ(Grid->CalcPrintCellSize(1, 1, 10, 10), (rtl::TPoint{check, check}));
    Grid->AddRadioButton(2, 1, false);
    const int radio = Grid->ControlLook().RadioSize();
    EXPECT_EQ(Grid->GetCellGraphicSize(2, 1), (rtl::TPoint{radio, radio}));
    EXPECT_EQ(Grid->GetCellGraphicSize(3, 1), (rtl::TPoint{0, 0}));
}

TEST_F(ExtGridContentSizeTest, RadioGroupMeasuresItsItemsStackedOrSideBySide)
{
    gfx::TCanvas& canvas = Grid->Canvas();
    rtl::TStrings* stacked = Grid->CreateRadio(1, 1, 0, 0);
    for (const char* s : {"a", "wide item", "b"}) stacked->Add(s);
    const int widest = canvas.TextWidth("wide item");
    const int gh = canvas.TextHeight("gh");
    const rtl::TPoint s = Grid->GetCellGraphicSize(1, 1);
    EXPECT_EQ(s.X, 12 + widest);
    EXPECT_EQ(s.Y, std::max(16, (gh + 3) * 3));
    EXPECT_GE(s.Y, 16);
    rtl::TStrings* side = Grid->CreateRadio(2, 1, 1, 0);
    side->Add("x");
    side->Add("yy");
    EXPECT_EQ(Grid->GetCellGraphicSize(2, 1), (rtl::TPoint{canvas.TextWidth("x") + 12 + canvas.TextWidth("yy") + 12, gh}));
    // An empty stacked group is still 12 wide and 16 high.
    Grid->CreateRadio(3, 1, 0, 0);
    EXPECT_EQ(Grid->GetCellGraphicSize(3, 1), (rtl::TPoint{12, 16}));
}

TEST_F(ExtGridContentSizeTest, RatingIsEighteenPixelsAStarAndIsNotStretchedToTheCell)
{
    TCellGraphic* g = Grid->CreateCellGraphic(1, 1);
    g->SetCellType(ctRating);
    g->SetCellAngle(5);
    g->SetCellHAlign(haFull);
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 1), (rtl::TPoint{90, 16}));
}

TEST_F(ExtGridContentSizeTest, NodeCellsTakeNoRoomOnScreenButTwentyPixelsInPrint)
{
    Grid->CreateCellGraphic(0, 2)->SetCellType(ctNode);
    EXPECT_EQ(Grid->CellContentSize(0, 2, 0), (rtl::TPoint{0, 0}));
    EXPECT_EQ(Grid->CalcPrintCellSize(0, 2, 64, 22), (rtl::TPoint{20, 20}));
}

TEST_F(ExtGridContentSizeTest, ImageCellsMeasureTheGridImageList)
{
    gfx::TImageList images(24, 12);
    Grid->SetGridImages(&images);
    EXPECT_EQ(Grid->GetCellImageList(1, 1), &images);
    Grid->CreateCellGraphic(1, 1)->SetImageIdx(0, haBeforeText, vaTop);
    Grid->SetCells(1, 1, "t");
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 1), (rtl::TPoint{24, 0}));
    EXPECT_EQ(Grid->CalcPrintCellSize(1, 1, 5, 5), (rtl::TPoint{24, 12}));
    Grid->SetGridImages(nullptr);
    EXPECT_EQ(Grid->GetCellImageList(1, 1), nullptr);
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 1), (rtl::TPoint{0, 0}));
}

TEST_F(ExtGridContentSizeTest, FixedSizeKindsOnScreenAndInPrint)
{
    Grid->CreateCellGraphic(1, 1)->SetCellType(ctProgressPie);
    Grid->CreateCellGraphic(1, 2)->SetCellType(ctShape);
    Grid->CreateCellGraphic(2, 2)->SetCellType(ctProgress);
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 1), (rtl::TPoint{20, 20}));
    const int s = Grid->DefaultRowHeight() - 4;
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 2), (rtl::TPoint{s, s}));
    const int ps = Grid->RowHeights(2) - 2 * Grid->XYOffset().Y;
    EXPECT_EQ(Grid->CalcPrintCellSize(1, 2, 0, 0), (rtl::TPoint{ps, ps}));
    EXPECT_EQ(Grid->GetCellGraphicSize(2, 2), (rtl::TPoint{0, 0}));
    EXPECT_EQ(Grid->CalcPrintCellSize(2, 2, 0, 0), (rtl::TPoint{Grid->ColWidths(2), Grid->RowHeights(2)}));
}

TEST_F(ExtGridContentSizeTest, ButtonSizeGoesAwayWhenTheTextTakesTheCell)
{
    TCellGraphic* g = Grid->CreateCellGraphic(1, 1);
    g->SetButton(70, 20, "Go", haLeft, vaTop);
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 1), (rtl::TPoint{70, 20}));
    Grid->SetCells(1, 1, "text");
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 1), (rtl::TPoint{70, 0}));
    g->SetCellHAlign(haBeforeText);
    EXPECT_EQ(Grid->GetCellGraphicSize(1, 1), (rtl::TPoint{70, 20}));
    EXPECT_EQ(Grid->CalcPrintCellSize(1, 1, 0, 0), (rtl::TPoint{70, 20}));
}

}  // namespace
