// Tests of the string grid's auto-numbering, sizing to content and exchange of columns and rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/core/ExtGrid.h"
#include "grid/core/GridOptionsCells.h"
#include "grid/core/GridOptionsLook.h"
#include "grid/core/GridOptionsRecords.h"
#include "grid/core/GridOptionsSort.h"
#include "platform/ui/FormReader.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/ScreenModel.h"
#include "platform/ui/ScrollInfo.h"
#include "tests/grid/GridOnFormTest.h"

namespace {

using Texts = std::vector<std::string>;

class AutoSizeOnFormTest : public gridtest::GridOnFormTest {};

class AutoNumberSizeSwapTest : public gridtest::GridInAppTest {
protected:
    Texts Column(int ACol)
    {
        Texts texts;
        for (int r = 0; r < Grid->RowCount(); ++r) texts.push_back(Grid->Cells(ACol, r));
        return texts;
    }
};

TEST_F(AutoNumberSizeSwapTest, NumbersRunFromTheStartInEitherDirectionAndSkipFooters)
{
    struct Case {
        int Start, Offset;
        grid::TSortDirection Direction;
        int Footers;
        Texts Expected;
    };
    const Case cases[] = {
        {0, 0, grid::sdAscending, 0, {"", "1", "2", "3", "4", "5"}},
        {0, 0, grid::sdDescending, 0, {"", "5", "4", "3", "2", "1"}},
        {2, 0, grid::sdAscending, 0, {"", "", "", "3", "4", "5"}},
        {2, 0, grid::sdDescending, 0, {"", "5", "4", "3", "", ""}},
        {0, 10, grid::sdAscending, 1, {"", "11", "12", "13", "14", ""}},
    };
    for (const Case& c : cases) {
        Grid->SetRowCount(6);
        Grid->ClearAll();
        Grid->SetFixedFooters(c.Footers);
        Grid->SetAutoNumberStart(c.Start);
        Grid->SetAutoNumberOffset(c.Offset);
        Grid->SetAutoNumberDirection(c.Direction);
        Grid->AutoNumberCol(1);
        EXPECT_EQ(Column(1), c.Expected) << c.Start << " " << c.Direction;
    }
    Grid->SetFixedFooters(0);
    Grid->SetAutoNumberStart(0);
    Grid->SetAutoNumberOffset(0);
    Grid->SetAutoNumberDirection(grid::sdAscending);
    Grid->SetColCount(4);
    Grid->AutoNumberRow(0);
    EXPECT_EQ(Grid->Cells(1, 0) + Grid->Cells(2, 0) + Grid->Cells(3, 0), "123");
}

TEST_F(AutoNumberSizeSwapTest, AutoSizeFitsTheWidestTextAndGrowOnlyNeverNarrows)
{
    Grid->SetCells(1, 1, "a rather long text in this cell");
    Grid->AutoSizeCol(1);
    const int fitted = Grid->ColWidths(1);
    EXPECT_GT(fitted, 120);

    Grid->SetCells(1, 1, "short");
    Grid->AutoGrowCol(1);
    EXPECT_EQ(Grid->ColWidths(1), fitted);
    Grid->AutoSizeCol(1);
    EXPECT_LT(Grid->ColWidths(1), fitted);
    const int narrow = Grid->ColWidths(1);
    Grid->AutoSizeCol(1, 7);
    EXPECT_EQ(Grid->ColWidths(1), narrow + 7);

    Grid->SetMaxColWidth(30);
    Grid->SetMinColWidth(30);  // equal limits limit nothing
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), narrow);
    Grid->SetMinColWidth(200);
    Grid->SetMaxColWidth(0);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), 200);

    Grid->SetCells(2, 2, "one\r\ntwo\r\nthree");
    Grid->AutoSizeRow(2);
    const int threeLines = Grid->RowHeights(2);
    Grid->SetCells(2, 2, "one");
    Grid->AutoSizeRow(2);
    EXPECT_LT(Grid->RowHeights(2), threeLines);
}

// Growing never narrows a column, yet Padding is added to every column of the range; the
// fixed columns on both sides are left alone unless asked, and the grid's own grow-only
// setting is as it was afterwards.
TEST_F(AutoNumberSizeSwapTest, AutoGrowColumnsWidensNarrowColumnsOnlyAndPadsTheRange)
{
    Grid->SetColCount(5);
    Grid->SetRowCount(3);
    Grid->SetFixedRightCols(1);
    const std::string longText = "a long text that needs a wide column";
    for (int c = 0; c < 5; ++c) {
        Grid->SetColWidths(c, 20);
        Grid->SetCells(c, 1, longText);
    }
    Grid->SetColWidths(2, 400);
    Grid->SetCells(2, 1, "short");
    Grid->AutoSizeCol(1);
    const int fitted = Grid->ColWidths(1);
    ASSERT_GT(fitted, 160);
    Grid->SetColWidths(1, 20);

    Grid->AutoGrowColumns(false, 5);
    EXPECT_EQ(Grid->ColWidths(1), fitted + 5);
    EXPECT_EQ(Grid->ColWidths(2), 405) << "a wide column keeps its width and takes the padding";
    EXPECT_EQ(Grid->ColWidths(3), fitted + 5);
    EXPECT_EQ(Grid->ColWidths(0), 20) << "fixed column";
    EXPECT_EQ(Grid->ColWidths(4), 20) << "fixed right column";
    EXPECT_FALSE(Grid->SizeGrowOnly());

    Grid->SetMaxColWidth(150);
    Grid->AutoGrowColumns(true, 0);
    EXPECT_EQ(Grid->ColWidths(0), 150);
    EXPECT_EQ(Grid->ColWidths(4), 150);
    EXPECT_EQ(Grid->ColWidths(2), 405) << "growing only: the limit does not narrow it";
}

// ColumnSize.Rows chooses the rows that are measured: a long header does not widen the
// column when only normal rows count, and only the header counts with arFixed.
TEST_F(AutoNumberSizeSwapTest, AutoSizeMeasuresTheRowsColumnSizeNames)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SetFixedFooters(1);
    Grid->SetCells(1, 0, "a very long header text for the column");
    Grid->SetCells(1, 1, "mid text");
    Grid->SetCells(1, 3, "a footer text that is much longer than the header text above it");
    auto widthFor = [&](grid::TAutoSizeRows rows) {
        Grid->ColumnSize().SetRows(rows);
        Grid->AutoSizeCol(1);
        return Grid->ColWidths(1);
    };
    const int all = widthFor(grid::arAll), normal = widthFor(grid::arNormal), fixed = widthFor(grid::arFixed);
    EXPECT_GT(all, fixed);
    EXPECT_GT(fixed, normal);
    Grid->SetCells(1, 3, "");
    EXPECT_EQ(widthFor(grid::arAll), fixed) << "the header is the widest text left";
}

// A check box beside the text widens its column, and the sort column keeps room for its
// sort glyph in the sort row; another column does not.
TEST_F(AutoNumberSizeSwapTest, AutoSizeMakesRoomForCellGraphicsAndTheSortGlyph)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SetCells(1, 0, "A header wider than the cells");
    Grid->SetCells(2, 0, "A header wider than the cells");
    Grid->SetCells(1, 2, "short");
    Grid->AutoSizeCol(1);
    const int plain = Grid->ColWidths(1);
    Grid->SortSettings().SetShow(true);
    Grid->SortSettings().SetColumn(1);
    Grid->AutoSizeCol(1);
    Grid->AutoSizeCol(2);
    EXPECT_EQ(Grid->ColWidths(1), plain + 10);
    EXPECT_EQ(Grid->ColWidths(2), plain);

    Grid->SortSettings().SetShow(false);
    // With automatic filter lists a normal column keeps room for the filter glyph in the
    // filter row; the fixed column gets no automatic list and so no glyph.
    Grid->SetCells(0, 0, "A header wider than the cells");
    Grid->AutoSizeCol(0);
    const int fixedPlain = Grid->ColWidths(0);
    Grid->SetFilterDropDownAuto(true);
    Grid->AutoSizeCol(0);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), plain + 12);
    EXPECT_EQ(Grid->ColWidths(0), fixedPlain);
    Grid->SetFilterDropDownAuto(false);

    Grid->SetCells(2, 1, "A cell text a good deal wider than the header above it");
    Grid->AutoSizeCol(2);
    const int text = Grid->ColWidths(2);
    Grid->AddCheckBox(2, 1, true, false);
    ASSERT_GT(Grid->CellGraphicSize(2, 1).X, 0);
    Grid->AutoSizeCol(2);
    EXPECT_GE(Grid->ColWidths(2), text + 10) << "the box stands beside the text";
}

// Column 0 makes room for the node glyph of each node row and never falls below the room the
// deepest node level needs; combo cells keep room for their always-visible drop-down button.
TEST_F(AutoNumberSizeSwapTest, AutoSizeMakesRoomForNodeGlyphsAndDropDownButtons)
{
    Grid->SetColCount(2);
    Grid->SetRowCount(6);
    for (int r = 0; r < 6; ++r) {
        Grid->SetCells(0, r, "ab");
        Grid->SetCells(1, r, "ab");
    }
    Grid->AutoSizeCol(0);
    const int plain = Grid->ColWidths(0);

    Grid->AddNode(1, 4);
    Grid->AutoSizeCol(0);
    const int withNode = Grid->ColWidths(0);
    EXPECT_GE(withNode, plain + 16) << "the node row's text stands after its glyph";

    Grid->AddNode(2, 2);
    const int deepest = Grid->GetNodeLevel(2);
    ASSERT_EQ(deepest, Grid->GetNodeLevel(1) + 1) << "a node inside a node lies one level deeper";
    Grid->CellNode().SetNodeIndent(300);
    Grid->AutoSizeCol(0);
    EXPECT_EQ(Grid->ColWidths(0), 4 + deepest * 300) << "the glyph plus the deepest level's indent";
    Grid->CellNode().SetNodeType(grid::cn3D);
    Grid->AutoSizeCol(0);
    EXPECT_EQ(Grid->ColWidths(0), 6 + deepest * 300);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), plain) << "only column 0 holds the glyphs";

    Grid->SetDefaultEditor(grid::edComboList);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), plain) << "buttons shown only while editing take no room";
    Grid->ControlLook().SetDropDownAlwaysVisible(true);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), plain + Grid->ControlLook().DropDownButtonWidth());
}

// Columns take their widest cell, rows their tallest; a block merged across columns leaves
// its columns alone, rows never shrink and the column limits hold.
TEST_F(AutoNumberSizeSwapTest, AutoSizeCellsFitsColumnsAndGrowsRowsToTheirCells)
{
    Grid->SetColCount(5);
    Grid->SetRowCount(4);
    const std::string wide = "a merged text far wider than any column";
    Grid->SetCells(1, 1, "short");
    Grid->SetCells(2, 1, "a medium text");
    Grid->SetCells(3, 2, wide);
    Grid->MergeCells(3, 2, 2, 1);
    Grid->SetRowHeights(3, 60);
    Grid->Canvas().Font().Assign(&Grid->Font());
    const int shortWidth = Grid->Canvas().TextWidth("short");

    Grid->AutoSizeCells(false, 4, 2);
    EXPECT_GE(Grid->ColWidths(1), shortWidth + 4);
    EXPECT_LT(Grid->ColWidths(1), Grid->Canvas().TextWidth("a medium text"));
    EXPECT_GT(Grid->ColWidths(2), Grid->ColWidths(1));
    EXPECT_LT(Grid->ColWidths(3), Grid->Canvas().TextWidth(wide));
    EXPECT_EQ(Grid->RowHeights(3), 60);
    EXPECT_GE(Grid->RowHeights(1), Grid->Canvas().TextHeight("gh") + 2);

    Grid->SetColWidths(1, 200);
    Grid->SetSizeGrowOnly(true);
    Grid->AutoSizeCells(false, 4, 2);
    EXPECT_EQ(Grid->ColWidths(1), 200);
    Grid->SetSizeGrowOnly(false);
    Grid->SetMaxColWidth(30);
    Grid->AutoSizeCells(false, 4, 2);
    EXPECT_EQ(Grid->ColWidths(2), 30);
}

// The normal columns are scaled to fill the room the grid leaves beside its fixed column,
// its border and, when the rows overflow, the vertical scroll bar.
TEST_F(AutoNumberSizeSwapTest, AutoFitColumnsFillsTheGridsWidthInProportion)
{
    Grid->SetBounds(0, 0, 400, 300);
    Grid->SetColCount(5);
    Grid->SetRowCount(3);
    Grid->SetColWidths(0, 64);
    const int widths[] = {40, 80, 40, 96};
    for (int c = 1; c < 5; ++c) Grid->SetColWidths(c, widths[c - 1]);
    Grid->AutoFitColumns(false);
    // 400 less the fixed 64 and the border's 4 is 332; the widest column takes what the
    // proportional step leaves.
    std::vector<int> fitted;
    for (int c = 1; c < 5; ++c) fitted.push_back(Grid->ColWidths(c));
    EXPECT_EQ(fitted, (std::vector<int>{51, 103, 51, 127}));
    EXPECT_EQ(Grid->ColWidths(0), 64);
    Grid->AutoFitColumns(false);
    for (int c = 1; c < 5; ++c) EXPECT_EQ(Grid->ColWidths(c), fitted[static_cast<std::size_t>(c - 1)]) << c;

    Grid->SetRowCount(100);
    Grid->AutoFitColumns(true);
    int sum = 0;
    for (int c = 0; c < 5; ++c) sum += Grid->ColWidths(c);
    EXPECT_EQ(sum, 400 - 4 - ui::GetSystemMetrics(ui::SM_CXVSCROLL));
}

// Without word wrap each normal row takes its count of lines: n lines cost n times what one
// line costs, suppressed rows stay suppressed and the fixed row is left alone unless asked.
TEST_F(AutoNumberSizeSwapTest, AutoSizeRowsSizesRowsToTheirLineCounts)
{
    Grid->SetColCount(3);
    Grid->SetRowCount(5);
    Grid->SetWordWrap(false);
    Grid->SetMultilinecells(true);
    Grid->SetXYOffset(rtl::TPoint{2, 3});
    Grid->SetCells(1, 1, "one");
    Grid->SetCells(2, 2, "a\r\nb\r\nc");
    Grid->SetCells(1, 3, "x\r\ny");
    Grid->SetRowHeights(0, 50);
    Grid->SuppressRow(4);
    Grid->AutoSizeRows(false, 0);
    const int y = 3;
    const int line = Grid->RowHeights(1) - y;  // one line with its spacing
    ASSERT_GT(line, 8);
    EXPECT_EQ(Grid->RowHeights(2) - y, 3 * line);
    EXPECT_EQ(Grid->RowHeights(3) - y, 2 * line);
    EXPECT_EQ(Grid->RowHeights(4), 0);
    EXPECT_EQ(Grid->RowHeights(0), 50);

    Grid->AutoSizeRows(true, 4);
    EXPECT_LT(Grid->RowHeights(0), 50) << "the fixed row is sized when asked";
    EXPECT_EQ(Grid->RowHeights(2) - y, 3 * line + 4);
    Grid->SetMultilinecells(false);
    Grid->AutoSizeRows(false, 0);
    EXPECT_EQ(Grid->RowHeights(2) - y, line) << "without multi-line cells every row is one line";
}

// A grid that always keeps its vertical bar shows it disabled once the rows, sized to
// their lines, all fit, and enabled again once taller rows overflow.
TEST_F(AutoSizeOnFormTest, AutoSizeRowsSetsTheScrollBarsForTheNewHeights)
{
    Grid->SetBounds(0, 0, 300, 300);
    Grid->SetScrollBars(ui::ssBoth);
    Grid->SetColCount(3);
    Grid->SetRowCount(8);
    Grid->SetWordWrap(false);
    Grid->SetMultilinecells(true);
    for (int r = 0; r < 8; ++r) Grid->SetRowHeights(r, 60);
    Form->Show();
    Grid->SetScrollBarAlways(grid::saVert);
    ASSERT_TRUE(Grid->ScrollBarState(ui::SB_VERT).Shown);
    ASSERT_TRUE(Grid->ScrollBarState(ui::SB_VERT).Enabled);

    Grid->AutoSizeRows(true, 0);
    ASSERT_LT(8 * Grid->RowHeights(1), 250);
    EXPECT_TRUE(Grid->ScrollBarState(ui::SB_VERT).Shown);
    EXPECT_FALSE(Grid->ScrollBarState(ui::SB_VERT).Enabled);

    for (int r = 1; r < 8; ++r) Grid->SetCells(1, r, "one\r\ntwo\r\nthree\r\nfour");
    Grid->AutoSizeRows(false, 0);
    EXPECT_TRUE(Grid->ScrollBarState(ui::SB_VERT).Shown);
    EXPECT_TRUE(Grid->ScrollBarState(ui::SB_VERT).Enabled);
}

// The grid's client area takes the size of its cells; the scroll bars stay as they were.
TEST_F(AutoNumberSizeSwapTest, SizeToCellsFitsTheClientAreaToTheCellsAndKeepsTheScrollBars)
{
    Grid->SetBounds(0, 0, 100, 60);
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SetColWidths(1, 90);
    Grid->SetRowHeights(2, 40);
    Grid->SetScrollBars(ui::ssBoth);
    Grid->SizeToCells();
    int width = 0, height = 0;
    for (int c = 0; c < 3; ++c) width += Grid->ColWidths(c);
    for (int r = 0; r < 4; ++r) height += Grid->RowHeights(r);
    EXPECT_EQ(Grid->ClientWidth(), width);
    EXPECT_EQ(Grid->ClientHeight(), height);
    EXPECT_EQ(Grid->ScrollBars(), ui::ssBoth);
}

TEST_F(AutoNumberSizeSwapTest, ChangeScaleKeepsColumnWidthsAndScalesHeaderAndFonts)
{
    Grid->SetBounds(0, 0, 400, 200);
    Grid->SetColWidths(1, 77);
    Grid->SetRowHeights(0, 24);
    const int fixedHeight = Grid->FixedFont().Height();
    const int activeSize = Grid->ActiveCellFont().Size();
    Grid->ChangeScale(96, 96);
    EXPECT_EQ(Grid->FixedFont().Height(), fixedHeight);
    Grid->ChangeScale(120, 96);
    EXPECT_EQ(Grid->ColWidths(1), 77);
    EXPECT_EQ(Grid->RowHeights(0), 30);
    EXPECT_EQ(Grid->Width(), 500);
    EXPECT_EQ(Grid->FixedFont().Height(), (fixedHeight * 120 + (fixedHeight < 0 ? -48 : 48)) / 96);
    EXPECT_EQ(Grid->ActiveCellFont().Size(), (activeSize * 120 + 48) / 96);
}

// A grid on a form described at 96 pixels per inch, loaded on a 144 pixels-per-inch screen,
// scales with its form: its bounds, rows, fonts and header grow by 3 / 2, its columns keep
// their widths. On a 96 screen nothing changes.
TEST_F(AutoNumberSizeSwapTest, GridOnAFormMadeForAnotherResolutionScalesWithItWhenLoaded)
{
    grid::RegisterExtGridClasses();
    const std::string description = "object Form1: TForm\n"
                                    "  PixelsPerInch = 96\n"
                                    "  object G: TExtStringGrid\n"
                                    "    Left = 8\n    Top = 10\n    Width = 400\n    Height = 200\n"
                                    "    ColCount = 3\n    RowCount = 4\n"
                                    "    DefaultColWidth = 70\n    DefaultRowHeight = 20\n"
                                    "    FixedRowHeight = 24\n"
                                    "    ParentFont = False\n    Font.Height = -12\n"
                                    "    FixedFont.Height = -12\n    ActiveCellFont.Size = 10\n"
                                    "  end\n"
                                    "end\n";
    for (int screen : {96, 144}) {
        ui::SetScreenPixelsPerInch(screen);
        auto* form = new ui::TForm(App.get());
        ui::ReadComponentResText(description, "Scaled.dfm", form);
        auto* g = dynamic_cast<grid::TExtStringGrid*>(form->FindComponent("G"));
        ASSERT_NE(g, nullptr);
        auto scaled = [&](int v) { return ui::MulDiv(v, screen, 96); };
        EXPECT_EQ(g->BoundsRect(), rtl::Bounds(scaled(8), scaled(10), scaled(400), scaled(200))) << screen;
        for (int c = 0; c < 3; ++c) EXPECT_EQ(g->ColWidths(c), 70) << screen;
        EXPECT_EQ(g->RowHeights(0), scaled(24)) << screen;
        EXPECT_EQ(g->RowHeights(2), scaled(20)) << screen;
        EXPECT_EQ(g->Font().Height(), scaled(-12)) << screen;
        EXPECT_EQ(g->FixedFont().Height(), scaled(-12)) << screen;
        EXPECT_EQ(g->ActiveCellFont().Size(), scaled(10)) << screen;
        delete form;
    }
    ui::SetScreenPixelsPerInch(0);
}

// Hidden columns keep their cells after ColCount; a row swap carries them too.
TEST_F(AutoNumberSizeSwapTest, SwapRowsCarriesHiddenColumnsAndSwapColumnsTheSortColumn)
{
    Grid->SetColCount(4);
    Grid->SetRowCount(4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) Grid->SetCells(c, r, std::to_string(c) + ":" + std::to_string(r));
    Grid->SetRowHeights(1, 30);
    Grid->HideColumn(2);
    Grid->SwapRows(1, 3);
    EXPECT_EQ(Grid->RowHeights(3), 30);
    Grid->UnHideColumn(2);
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(Grid->Cells(c, 1), std::to_string(c) + ":3");
        EXPECT_EQ(Grid->Cells(c, 3), std::to_string(c) + ":1");
    }

    Grid->SortSettings().SetColumn(1);
    Grid->SetColWidths(1, 41);
    Grid->SwapColumns(1, 3);
    EXPECT_EQ(Grid->SortSettings().Column(), 3);
    EXPECT_EQ(Grid->ColWidths(3), 41);
    EXPECT_EQ(Grid->Cells(3, 2), "1:2");
    EXPECT_EQ(Grid->Cells(1, 2), "3:2");
}

}  // namespace
